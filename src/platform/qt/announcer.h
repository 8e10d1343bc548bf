#pragma once

#include <deque>
#include <functional>
#include <string>

#include <QCoreApplication>
#include <QPointer>
#include <QString>

#include "game/ports/journal.h"

class QWidget;

namespace melvane {

class Melvane;

// Tells a screen reader what happened without the player moving the focus: each settled step
// (a spin's result, free spins won and played, the round total, the gamble's card), a refusal
// for short credit and autoplay stopping. It speaks through a small notification object of the
// window that nobody sees, one for each sentence, named with it and shown: the event a screen
// reader presents a notification on.
class Announcer {
    Q_DECLARE_TR_FUNCTIONS(melvane::Announcer)

public:
    explicit Announcer(QWidget *parent);
    ~Announcer();
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    // The sentence a settled step is told with; empty for a step that tells nothing new.
    static QString step(const JournalStep &step);
    static QString refused();
    static QString autoplayStopped();

    void say(const QString &sentence);
    void sayStep(const JournalStep &settled) { say(step(settled)); }
    // Looks for what a step does not tell (a refusal shown, autoplay ending) since the last look.
    void watch(const Melvane &machine);

private:
    static constexpr std::size_t kVoicesKept = 8;
    QWidget *parent_;
    // Owned by the parent, which may delete them first when the window goes.
    std::deque<QPointer<QWidget>> voices_;
    bool refusalShown_ = false;
    bool autoplayRunning_ = false;
};

// The journal the machine writes to, with every step it records told by an announcer as well.
class AnnouncingJournal : public Journal {
public:
    AnnouncingJournal(Journal &journal, std::function<void(const JournalStep &)> tell)
        : journal_(journal), tell_(std::move(tell))
    {
    }
    bool open() override { return journal_.open(); }
    std::int64_t record(const JournalStep &step) override;
    std::vector<JournalGame> lastGames(int player, int count) override { return journal_.lastGames(player, count); }
    std::optional<JournalStep> lastStep(int player) override { return journal_.lastStep(player); }

private:
    Journal &journal_;
    std::function<void(const JournalStep &)> tell_;
};

} // namespace melvane
