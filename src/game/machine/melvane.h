#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "rules/celltables.h"
#include "game/machine/controls.h"
#include "game/machine/globals.h"
#include "rules/grid.h"
#include "rules/reelstrips.h"
#include "game/machine/gamblepanel.h"
#include "game/ports/journal.h"
#include "rules/waysevaluation.h"
#include "game/ports/host.h"
#include "game/session/playersession.h"
#include "game/play/autoplaylimits.h"

namespace melvane {

// The machine variables of the main window: the bet, the spin and its round, the gamble,
// autoplay and the presentation's counters.
struct MachineVariables {
    std::int16_t coinbet = 0;
    std::int16_t waysmult = 0;
    std::int32_t spinwin = 0;
    std::int32_t scatterwin = 0;
    std::int16_t freespins = 0;
    std::int16_t freespinsdone = 0;
    std::int16_t freespinsover = 0;
    std::int32_t freespinwin = 0;
    std::int32_t freespincollected = 0;
    std::int32_t gambleamount = 0;
    std::int16_t cardcount = 0;
    std::int16_t wildmult = 0;
    std::int16_t autoplay = 0;
    std::int16_t autoticks = 0;
    std::int16_t autopause = 0;
    std::int16_t keycount = 0;
    std::int16_t playindex = 0;
    std::int16_t autonotice = 0;
    std::int16_t winstep = 0;
    std::int32_t wincountvalue = 0;
    std::int16_t respinroll = 0;
    std::int16_t respinflag = 0;
    std::int16_t wildframe = 0;
    std::int16_t wildframeticks = 0;

    // The ten cell tables, wildcell, scattercell and scattercode of the current spin.
    SpinTables spin;
    std::array<std::int16_t, kReels + 1> reelstop{}; // 1..5
    std::array<std::int32_t, kReels + 1> reeltop{};  // 1..5, twips
    // Where each strip picture is shown right now (moved by the landing animation).
    std::array<std::int32_t, kReels + 1> reelPosition{};
    std::array<bool, kReels + 1> scatterpaid{};

    // Presentation state that lives as long as the window.
    std::int16_t flashphase = 0;
    std::int16_t flashstep = 0;
    std::int16_t scatterframe = 0;
    int animationLevel = 0;
};

// Every control of the main window that the logic drives, at its design position.
struct MachineControls {
    MachineControls();

    // The window's title, in English and as its parts.
    std::string caption = GameText::tr("Slots Melvane");
    Wording captionWording{GameText::tr("Slots Melvane")};
    void setWindowCaption(const Wording &w)
    {
        caption = w.english();
        captionWording = w;
    }
    bool keyPreview = true;
    FocusRequest focus; // the control asked to have the focus; "" for the window itself

    std::array<Button, 6> play;    // 1..5
    std::array<Button, 6> payline; // 1..5
    Button COINSIN, cmdfastmoney, takewin, doublebutton, autoplayon, autoplayoff;
    Label pannomoney, PANELBANK, Lblcredit, LABLAST, lbllast, LABWIN, lblwin, lblcurrentwin, spinsleft;
    PictureBox piclastbet, picthiswin;
    std::array<PictureBox, kCells + 1> flasher; // 1..15
    std::array<Control, kCells + 1> Shape;      // covers 4, 6, 7, 9, 10, 12, 13, 15
    Control pandouble;
    GamblePanel gamble; // the controls inside pandouble and the strip of past cards
    MenuItem mnuabout, mnuptble, mnuplayer, mnuexit;
    // The last-game recall, beside the designed menu.
    MenuItem mnuhistory;
    // Beside the designed cabinet: the session clock and net position, and why autoplay stopped.
    Label lblsession, lblautoplay;
};

// The seven timers of the main window, with their intervals.
struct MachineTimers {
    MachineTimers();

    Timer Tmrtick, tmrautospin, Timerflash, timerballflash, Timerscatter, Timerwincounter, Timerrespin;
};

// The main window `melvane`: its machine variables, controls and timers, the current player's
// profile, and the handlers of its buttons, keys and ticks. It reaches the world only through
// its Host. The handlers are declared here by subsystem and defined in that subsystem's folder.
struct StoredRound;

// The books of the meters as the journal keeps them with a step.
JournalBooks booksOf(const Globals &meters);

class Melvane : public MachineVariables, public MachineControls, public MachineTimers {
public:
    explicit Melvane(Host &host);
    Melvane(const Melvane &) = delete;
    Melvane &operator=(const Melvane &) = delete;

    Host &host() { return host_; }

    // The program-wide settings and statistics of the current player.
    Globals g;

    // Where every settled step is written; none: nothing is journaled.
    Journal *journal = nullptr;
    // The journal's serial of the last step recorded for the profile in use, stored with it.
    std::int64_t journalSerial = 0;

    // ---- bet, ways and the spin (machine/playsequence.cpp, machine/resolution.cpp)
    void paylineClick(int index);
    void playClick(int index);
    // The machine's own press of the bet button for `coinbet` (autoplay, the respin timer).
    // Autoplay keeps the bet buttons locked, so this press goes to the play sequence directly.
    // Neither this nor a click starts a spin while one is running.
    void pressPlayForCoinbet();
    bool spinRunning() const { return playSequenceDepth_ > 0; }
    void spinreels();
    void resolvespin();
    void freespinbusiness();
    bool creditCovers() const { return static_cast<std::int64_t>(g.bank) >= stake(); }
    std::int64_t stake() const { return static_cast<std::int64_t>(coinbet) * waysmult; }
    static int playIndexFor(int coinbet);
    void setCovers();

    // ---- start-up and shutdown (session/)
    // The load of the window; false when the program must end at once (screen check failed,
    // or another copy of the game runs on the same settings).
    // A free-spin round the game was closed in carries on where it stopped.
    bool load();
    // The close box, "&Exit", a signal or the end of the session: saves the profile and
    // restores the screen. A close that comes while the machine is in the middle of something
    // (a spin, a collect, a card) takes effect when that is done, so the profile is saved with
    // the books whole; meanwhile nothing new starts.
    void shutdown();
    // Puts the machine back into the free-spin round the game was closed in.
    void resumeRound(const StoredRound &round);
    // The profile start-up loads, 1..6; 1 is the game as designed, and a value outside 1..6
    // counts as 1. A profile that holds a running free-spin round still comes first.
    int startupPlayer = 1;
    bool closing() const { return closeRequested_; }
    // Whether a handler is in the middle of its work (it may be waiting at a yield).
    bool busy() const { return busyDepth_ > 0; }
    bool closed() const { return closed_; }

    // Marks the machine busy for as long as it lives: the work of a handler that may yield.
    class Busy {
    public:
        explicit Busy(Melvane &m) : m_(m) { ++m_.busyDepth_; }
        ~Busy();
        Busy(const Busy &) = delete;
        Busy &operator=(const Busy &) = delete;

    private:
        Melvane &m_;
    };

    // ---- the gamble (gamble/)
    void doublebuttonClick();
    void betredClick();
    void betblackClick();
    void suitbetClick(int index);
    void cancelbetClick();

    // ---- presentation (presentation/)
    void tickTimerflash();
    void tickTimerballflash();
    void tickTimerscatter();
    void tickTimerwincounter();
    void tickTimerrespin();

    // ---- credit, collect, keys and autoplay (play/)
    void coinsinClick();
    void fastmoneyClick();
    // Whether a press of "Click For Credit" or the fast-money button would put credit on now.
    bool coinsinTakes() const;
    bool fastmoneyTakes() const;
    void takewinClick();
    // A character key while key preview is on; returns the key passed on to the focused control.
    char keyPress(char key);
    void autoplayonClick();
    void autoplayoffClick();
    void tickTmrautospin();
    void tickTmrtick();

    // ---- the player's own controls beside the designed game (play/autoplay.cpp, session/)
    // The "Play" menu's choices; every change is stored at once.
    PlayOptions playOptions;
    void setQuickStop(bool on);
    void setSessionLineShown(bool shown);
    // 0 switches the reality check off; other values than 15, 30 and 60 are ignored.
    void setRealityCheckMinutes(int minutes);
    // The current player's last choice in the autoplay window.
    AutoplayLimits autoplayLimits;
    // Opens the autoplay window when one is hooked; empty: autoplay starts at once, as designed.
    std::function<void()> onAutoplayChoice;
    // Switches autoplay on with these limits (the autoplay window's "Start").
    void startAutoplay(const AutoplayLimits &limits);
    // Escape or the space bar while autoplay runs: it stops at the end of the game in progress
    // (a free-spin round finishes and is collected first). False when autoplay was not running.
    bool stopAutoplayKey();
    // Why autoplay last stopped by itself; None while it runs or after the player switched it off.
    AutoplayStop autoplayStopped = AutoplayStop::None;
    // What this run of the game has staked and won.
    SessionTally session;
    // The meters of the player in use that the session counts.
    SessionMeters sessionMeters() const;
    void showSessionLine();
    // Ticks every second from start-up: the session clock, and the reality check when due.
    Timer tmrsession;
    void tickTmrsession();
    // The side windows count themselves open here; the reality check waits until none is.
    int sideWindowsOpen = 0;

    // Called at the end of every resolution whose outcome stands: a settled game, a counted
    // free spin, or a completed bonus.
    std::function<void()> onResolved;

    // Plays a clip when the sound is on.
    void sound(Clip clip, bool looped = false);
    void showBank();

    // ---- the journal (machine/journaling.cpp)
    // Records a settled step of the current player, with the bet in force, unless the game has
    // closed or has no journal.
    void journalStep(JournalStep step);
    // The step with `meters` as the books after it and `done` free spins counted, where the
    // machine's own have not caught up yet (the award, written before its wait).
    void recordStep(JournalStep step, const Globals &meters, int done);
    // At start-up, and when the player clears the profile: an entry for credit that changed
    // outside play since the player's last recorded step.
    void journalAdjustment();

    // Writes the current player's profile, with the free-spin round, at a point where the books
    // are whole: the end of a settled paid game, each counted free spin, a collect, the end of a
    // gamble. A crash then costs at most the spin in play, never credit or a round already won.
    void saveSettled();
    // Whether the last save of the profile failed; paid spins wait until one succeeds.
    bool saveFailing() const { return saveFailing_; }
    // What a save of the profile came to: a failure stops paid spins and is told once.
    void noteSave(bool written);
    // Saves again after a failure; true when the profile is saved.
    bool retrySave();
    void tellSaveFailure();

private:
    void noteSettledStep();
    // One play sequence; true when autoplay asks for the next spin at once (after a loss).
    bool runPlaySequence(int index);
    void spinStartReset();
    void reelStep(int reel);
    // Steps up to the payout control; false when the control discarded the outcome.
    bool evaluateOutcome(std::array<bool, kReels + 1> &chimes);
    void landReels(const std::array<bool, kReels + 1> &chimes);
    void awardFreeSpins();
    void countFreeSpin();
    // The counted spin to the session and the journal (which had the award's spin already).
    void recordCountedSpin();
    void chooseWinSound();
    void settle();
    void setAllPlayAndWays(bool enabled);
    void moveReel(int reel, std::int32_t top);
    // Adds a win to where it goes (the credit, or the round total) and to `total` together, or
    // to neither when one of them could not take it, so the books stay whole.
    bool creditWin(std::int32_t &to, std::int32_t win);
    // The round as a restart would carry it on, stored at the award before its wait: this spin
    // counted and its stake refunded.
    void saveAwardedRound();
    // Gives a counted free spin's stake back to `meters`, as far as it was charged.
    void refundStake(Globals &meters) const;
    void hideBetControls();
    void putCredit(std::int32_t coins);
    bool creditHasRoom(std::int32_t coins) const;
    // The step of the spin just resolved.
    JournalStep spinStep(StepKind kind) const;
    void finishShutdown();
    // After a paid game (or a collected round) has ended: the reality check if due, then the
    // autoplay limits. False when autoplay must not spin again.
    bool betweenGames();
    void stopAutoplay(AutoplayStop reason);
    // The reality check, if one is due; true when the player chose to stop.
    bool realityCheckIfDue();
    void scheduleRealityCheck();

    // Which parts of the charge of the spin being resolved were made: a meter that was full
    // kept its value, and then neither a discarded outcome nor a free spin's refund may take
    // back what it never got.
    struct Charge {
        bool wager = false;
        bool games = false;
        bool bank = false;
    };

    Host &host_;
    int playSequenceDepth_ = 0;
    int busyDepth_ = 0;
    bool closeRequested_ = false;
    bool closed_ = false;
    // Whether the round's tune is what sounds now: another clip or a stop cuts it off.
    bool tuneSounding_ = false;
    // What the journal keeps of the spin being resolved.
    std::int64_t creditBefore_ = 0;
    int discards_ = 0;
    bool winCredited_ = true;
    bool paidSpin_ = false;
    // The award's spin went to the journal at the award; its count after the wait adds nothing.
    bool awardRecorded_ = false;
    bool saveFailing_ = false;
    bool saveFailureTold_ = false;
    WaysPays lastWays_{};
    Charge charged_;
    // The player asked to land the reels at once.
    bool quickStopAsked_ = false;
    // The autoplay run in progress: its limits and what it has played.
    struct AutoplayRun {
        AutoplayLimits limits;
        int spins = 0;
        std::int32_t startCredit = 0;
        std::int32_t biggestWin = 0;
        bool bonus = false;
        bool keyStop = false;
    } autoRun_;
    // When the next reality check is due on the monotonic clock; 0: none.
    std::int64_t realityCheckDue_ = 0;
    // A message of the game's own is open: no spin may start under it.
    int messagesOpen_ = 0;
};

} // namespace melvane
