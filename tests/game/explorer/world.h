#pragma once

// The game as the explorer drives it: the main window's machine and the side windows the real
// program creates, on a virtual host, with every input delivered as the real window would
// deliver it and every check made after every delivered input and timer tick.
#include <array>
#include <exception>
#include <functional>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "game/explorer/internal.h"
#include "game/machine/melvane.h"
#include "game/profiles/optionswindow.h"
#include "game/sidewindows/autoplaywindow.h"
#include "game/sidewindows/menuwindow.h"
#include "platform/virtual/virtualhost.h"

namespace melvane::explorer {

// Whether the control is on screen where a click can reach it: the gamble's buttons only while
// the gamble panel shows.
bool shown(const Melvane &m, Control c);
bool clickable(const Melvane &m, Control c);
// Whether the player can still get on with the game: a control that leads to a spin, a collect
// or the end of a gamble, or a timer that will press a bet button by itself.
bool canGetOn(const Melvane &m);

// Thrown at the first failed check: it ends the run wherever the game is.
struct Stop {
    Failure failure;
};

// Thrown where the program is killed: it unwinds the game without a save, as SIGKILL would end it.
struct Killed {
    bool atSave = false;
};

// The settings store the program sees: the host's, except that once armed, the next save dies
// before it reaches the disk (the journal has the step by then).
class KillableStore : public SettingsStore {
public:
    explicit KillableStore(InMemorySettingsStore &disk) : disk_(disk) {}
    std::optional<std::string> value(const std::string &application, const std::string &section,
                                     const std::string &key) const override
    {
        return disk_.value(application, section, key);
    }
    void setValue(const std::string &application, const std::string &section, const std::string &key,
                  const std::string &value) override
    {
        disk_.setValue(application, section, key, value);
    }
    bool flush() override
    {
        // Never while another kill unwinds the game, nor in a close, whose save is made where
        // nothing can unwind (a handler's end): that save goes through.
        if (armed_ && std::uncaught_exceptions() == 0 && (!canDie || canDie())) {
            armed_ = false;
            disk_.discardUnflushed();
            throw Killed{true};
        }
        if (armed_) {
            armed_ = false;
            disk_.setFailing(false);
        }
        return disk_.flush();
    }
    void arm()
    {
        armed_ = true;
        disk_.setFailing(true);
    }
    void disarm()
    {
        armed_ = false;
        disk_.discardUnflushed();
    }
    std::function<bool()> canDie;

private:
    InMemorySettingsStore &disk_;
    bool armed_ = false;
};

// The virtual host with two differences. Its draws come from the seed, the virtual time and
// the count of draws made at that time, rather than from one stream: a draw then does not depend
// on every draw made before it, so taking an unrelated step out of a failing run leaves the
// draws near the failure as they were, and shrinking works. And it counts the yields of a step,
// so that a handler that yields without end fails instead of hanging.
class ExplorerHost : public VirtualHost {
public:
    explicit ExplorerHost(std::uint64_t seed) : VirtualHost(seed), seed_(seed) {}

    SettingsStore &settings() override { return killable; }
    KillableStore killable{store};

    // The next draw gives `u`, before any other: a scripted outcome.
    void script(double u) { scripted_.push_back(u); }
    // The next draw of 1..n gives k.
    void scriptDraw(int n, int k) { script((k - 0.5) / n); }

    double uniform() override
    {
        if (!scripted_.empty()) {
            const double u = scripted_.front();
            scripted_.pop_front();
            return u;
        }
        if (now() != drawnAt_) {
            drawnAt_ = now();
            drawsNow_ = 0;
        }
        const std::uint64_t h = splitmix(seed_ ^ splitmix(static_cast<std::uint64_t>(now()) * 1024 + drawsNow_++));
        return static_cast<double>(h >> 11) * 0x1p-53;
    }
    void processEvents() override
    {
        countYield();
        VirtualHost::processEvents();
    }
    void processEventsUntil(std::int64_t deadlineMs) override
    {
        countYield();
        VirtualHost::processEventsUntil(deadlineMs);
    }
    // The reality check is answered as the player chose; other messages as the virtual host does.
    MessageAnswer showMessage(const MessageBoxRequest &request) override
    {
        if (request.yesText.empty())
            return VirtualHost::showMessage(request);
        messages.push_back(request);
        if (onRealityCheck)
            onRealityCheck();
        return stopAtRealityCheck ? MessageAnswer::No : MessageAnswer::Yes;
    }
    std::uint64_t yields = 0;
    std::function<void()> onRunaway;
    std::function<void()> onRealityCheck;
    bool stopAtRealityCheck = false;

private:
    void countYield()
    {
        if (++yields > kYieldLimit && onRunaway)
            onRunaway();
    }
    static constexpr std::uint64_t kYieldLimit = 20'000'000;
    std::uint64_t seed_;
    std::deque<double> scripted_;
    std::int64_t drawnAt_ = -1;
    std::uint64_t drawsNow_ = 0;
};

class Runner {
public:
    explicit Runner(const Settings &settings);
    ~Runner();
    Runner(const Runner &) = delete;
    Runner &operator=(const Runner &) = delete;

    // Writes the start profile and starts the program; throws Stop.
    void begin();
    // Carries out step `index`; throws Stop.
    void execute(const Step &step, std::size_t index);

    const Melvane &machine() const { return *m_; }
    bool optionsOpen() const { return options_->isOpen(); }
    bool aboutOpen() const { return about_->isOpen(); }
    bool paytableOpen() const { return paytable_->isOpen(); }
    bool autoplayWindowOpen() const { return autoplayWindow_->isOpen(); }
    // While a side window holds it disabled the main window takes no click, key or menu entry:
    // the options window holds it from the start of its opening, before it shows.
    bool mainWindowBlocked() const
    {
        return !options_->mainWindowEnabled || aboutOpen() || paytableOpen() || autoplayWindowOpen();
    }
    bool sideWindowOpen() const { return optionsOpen() || mainWindowBlocked(); }
    VirtualHost &host() { return host_; }

    Stats stats;
    std::uint64_t digest = 1469598103934665603ULL;
    // When set, what became of each step's input: filled by the journal.
    std::vector<std::string> *notes = nullptr;
    bool noteMeters = false;

private:
    void startProgram();
    void endProgram();
    void wrapTimers();
    void tick(const char *name, void (Melvane::*handler)());
    void deliver(const Input &input, std::size_t postedBy);
    // Carries the input out; false when the real window could not have delivered it now.
    bool perform(const Input &input);
    void performOptions(OptionsWindow &w, const Input &input);
    void performPlayerControl(const Input &input);
    void onSleep();
    void checkAutoplayLimits();
    void queueScriptedSpin(int arg);
    void closeMainWindow();
    void afterHandler();
    void atTopLevel();
    // What the game closed with, to compare with what the next program starts with.
    struct Closed {
        std::string player;
        std::array<std::int64_t, 7> meters; // bank, invested, wager, total, games, lost, awards
        std::int16_t spins = 0;
        std::int16_t done = 0;
        std::int32_t roundTotal = 0;
    };
    Closed closedState() const;
    void checkRestart(const Closed &before);
    void executeUntilKilled(const Step &step, std::size_t index);
    void restartAfterKill(const Killed &killed);
    void checkAgreesWithJournal();
    void checkAnytime();
    void checkTopLevel();
    [[noreturn]] void fail(const std::string &check, const std::string &detail);
    Failure failure(const std::string &check, const std::string &detail) const;
    std::string where() const;
    void mixDigest();
    void note(std::size_t step, const std::string &text);
    std::string meters() const;

    Settings settings_;
    std::vector<const KnownFinding *> filters_; // enabled
    ExplorerHost host_;
    std::unique_ptr<Melvane> m_;
    // The game journal, kept across closes and restarts as the real file is.
    InMemoryJournal journal_;

public:
    // Replays the journal of the run through the rules; fails on the first step they do not explain.
    void auditTheJournal();

private:
    std::unique_ptr<OptionsWindow> options_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<PaytableWindow> paytable_;
    std::unique_ptr<AutoplayWindow> autoplayWindow_;
    // A click on the reels waiting for the next landing: frames to go, 0 for none.
    int quickStopIn_ = 0;
    // The autoplay run started from the window: its limits and the meters it started from.
    struct AutoplayStarted {
        AutoplayLimits limits;
        std::int64_t paidSpins = 0; // counted from the journal: a full games meter cannot count them
        std::int32_t bank = 0;
    };
    std::optional<AutoplayStarted> autoplayStarted_;
    std::vector<std::string> running_; // labels of the handlers on the stack, outermost first
    std::size_t step_ = 0;
    // Inputs queued behind the input of a post step, until it is delivered.
    std::map<std::size_t, std::vector<std::pair<Input, std::size_t>>> behind_;
    std::set<std::size_t> reached_;
    std::optional<std::size_t> lastPost_;
    std::string lastInput_;
    // What the previous check saw, to count what happened.
    std::int16_t seenFreespins_ = 0;
    bool seenGamble_ = false;
    std::int16_t seenCardcount_ = 0;
    // By player: how far a known fault has put the books out, while it lasts.
    std::map<std::string, std::int64_t> booksOffset_;
};

} // namespace melvane::explorer
