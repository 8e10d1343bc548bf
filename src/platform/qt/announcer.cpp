#include "platform/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

#include "game/machine/melvane.h"
#include "platform/qt/accessibletexts.h"
#include "platform/qt/gametexts.h"

namespace melvane {

namespace {

// The object a screen reader hears the announcements from: a notification, so that its being
// shown is presented as one, and too small and clear to be seen.
class Voice : public QWidget {
public:
    explicit Voice(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("announcement"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 1, 1);
    }
};

QAccessibleInterface *voiceInterface(const QString &, QObject *object)
{
    if (auto *voice = dynamic_cast<Voice *>(object))
        return new QAccessibleWidget(voice, QAccessible::Notification);
    return nullptr;
}

// What a spin paid for: each symbol with the reels of its run, and the Scatters' pay.
QString paidFor(const JournalStep &s)
{
    QStringList parts;
    for (const PayPart &part : s.parts)
        parts << Announcer::tr("%1 on %n reels", nullptr, part.run).arg(AccessibleTexts::symbol(part.symbol));
    if (s.scatterPay > 0)
        parts << Announcer::tr("Scatters %1").arg(AccessibleTexts::coins(s.scatterPay));
    return parts.join(QStringLiteral(", "));
}

QString result(const JournalStep &s)
{
    if (s.win < 1)
        return Announcer::tr("No win");
    const QString paid = paidFor(s);
    return paid.isEmpty() ? Announcer::tr("Win %1").arg(AccessibleTexts::coins(s.win))
                          : Announcer::tr("Win %1: %2").arg(AccessibleTexts::coins(s.win), paid);
}

// The round as the player sees it: the spin that starts it counts as its first, so the spins
// won are the spins left after it.
QString freeSpins(const JournalStep &s)
{
    const int left = s.freespins - s.freespinsdone;
    if (s.kind == StepKind::Spin)
        return s.freeSpinsAdded < 1 ? QString()
               : left == 1          ? Announcer::tr(". 1 free spin won")
                                    : Announcer::tr(". %n free spins won", nullptr, left);
    QString text;
    if (s.freeSpinsAdded > 0)
        text += Announcer::tr(". More free spins won");
    if (left < 1)
        return text + Announcer::tr(". Free spins over, round total %1").arg(AccessibleTexts::coins(s.roundTotal));
    return text + (left == 1 ? Announcer::tr(". 1 free spin left") : Announcer::tr(". %n free spins left", nullptr, left));
}

} // namespace

Announcer::Announcer(QWidget *parent) : parent_(parent)
{
    static const bool voiceReadable = (QAccessible::installFactory(voiceInterface), true);
    Q_UNUSED(voiceReadable);
}

Announcer::~Announcer() = default;

QString Announcer::step(const JournalStep &s)
{
    switch (s.kind) {
    case StepKind::Spin:
        return result(s) + freeSpins(s);
    case StepKind::FreeSpin:
        return (s.wildmult > 0 ? tr("Free spin, Wilds times %1: ").arg(s.wildmult) : tr("Free spin: ")) + result(s) +
               freeSpins(s);
    case StepKind::Collect:
        return s.creditAfter > s.creditBefore
                   ? tr("Collected %1").arg(AccessibleTexts::coins(s.creditAfter - s.creditBefore))
                   : tr("Round total kept: %1").arg(AccessibleTexts::coins(s.roundTotal));
    case StepKind::GambleOpen:
        return tr("Gamble %1: pick a colour or a suit").arg(AccessibleTexts::coins(s.amount));
    case StepKind::GambleCard:
        return s.won ? tr("Card: %1. Won, %2 at risk").arg(AccessibleTexts::suit(s.card), AccessibleTexts::coins(s.amount))
                     : tr("Card: %1. Lost").arg(AccessibleTexts::suit(s.card));
    case StepKind::GambleCollect:
        return tr("Gamble collected: %1").arg(AccessibleTexts::coins(s.amount));
    case StepKind::GambleLost:
        return tr("Gamble lost: %1").arg(AccessibleTexts::coins(s.amount));
    case StepKind::Credit:
    case StepKind::FastMoney:
        return tr("Credit put on: %1").arg(AccessibleTexts::coins(s.creditAfter - s.creditBefore));
    case StepKind::Adjustment:
        break;
    }
    return {};
}

QString Announcer::refused() { return tr("Not enough credit for this bet"); }
QString Announcer::autoplayStopped() { return tr("Autoplay stopped"); }

void Announcer::say(const QString &sentence)
{
    if (sentence.isEmpty())
        return;
    // Each sentence is a notification of its own, named before it is shown: a screen reader
    // reads the name after the event has reached it, and by then a second sentence (a lost
    // card, then the lost gamble) would have taken the place of the first in a shared one.
    auto *voice = new Voice(parent_);
    voice->setAccessibleName(sentence);
    if (!voices_.empty() && voices_.back() != nullptr)
        voices_.back()->hide();
    voice->show();
    voices_.emplace_back(voice);
    // The last few stay for a reader that is behind; older ones go.
    while (voices_.size() > kVoicesKept) {
        if (voices_.front() != nullptr)
            voices_.front()->deleteLater();
        voices_.pop_front();
    }
}

void Announcer::watch(const Melvane &m)
{
    const bool refusal = m.pannomoney.visible();
    if (refusal && !refusalShown_)
        say(refused());
    refusalShown_ = refusal;
    const bool running = m.autoplay > 0;
    if (!running && autoplayRunning_) {
        // Why it stopped, when a limit of the player's stopped it; otherwise that it did.
        const QString why = GameTexts::caption(m.lblautoplay).simplified();
        say(m.lblautoplay.visible() && !why.isEmpty() ? why : autoplayStopped());
    }
    autoplayRunning_ = running;
}

std::int64_t AnnouncingJournal::record(const JournalStep &step)
{
    const std::int64_t serial = journal_.record(step);
    tell_(step);
    return serial;
}

} // namespace melvane
