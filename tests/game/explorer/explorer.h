#pragma once

// The input explorer: plays the window-free game on the virtual host as a hostile player would,
// with every input the real window can deliver, posted at random virtual times so that many of
// them arrive inside the yields of running handlers. After every delivered input and every
// timer tick it checks the books, the counters, that the machine never locks up and that the
// timers left running are ones the state allows. A run is a seed and a list of steps; replaying
// the list on a fresh host with the same seed gives the same run, and a failing list is shrunk
// to a short one that still fails the same check.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace melvane {
class Melvane;
class OptionsWindow;
struct MessageBoxRequest;
}

namespace melvane::explorer {

// Everything a player (or the world around the game) can do to it.
enum class Kind : std::uint8_t {
    Press,          // a click on a control of the main window or of its gamble panel, or a menu entry
    Key,            // a character key while the main window has the keyboard
    OptionsProfile, // the profile buttons machine(1..6)
    OptionsName,    // a name typed into player1, then Enter
    OptionsClear,   // "Delete Current Player", answered Yes (arg 1) or No (arg 0)
    OptionsSound,   // sounds(1..2)
    OptionsSpeed,   // setspeed(0..4)
    OptionsCounter, // wincounter(1..2)
    OptionsPayout,  // Amtpayout(0..2)
    OptionsOk,      // "O.K. Close and save changes"
    OptionsCloseBox,
    OptionsLargeScreen,
    OptionsOriginalScreen,
    AboutClose,
    PaytableClose,
    CloseMain,      // the main window's close box: the program ends; the next run starts on the same store
    ScriptSpin,     // queues the draws of one spin (see ScriptedSpin)
    ScriptCards,    // queues gamble cards
    AutoplayChoice, // a choice in the autoplay window (see autoplayChoiceArg)
    AutoplayStart,  // the autoplay window's "Start"
    AutoplayCancel, // the autoplay window's "Cancel", Escape or close box
    PlayMenu,       // an entry of the "Play" menu (see PlayEntry)
    QuickStop,      // a click on the reels during the next landing, after `arg` frames of it
    AutoplayKey,    // Escape while autoplay runs
    RealityAnswer,  // how the next reality checks are answered: "Stop" (1) or "Keep playing" (0)
    Kill,           // the program killed where it stands (0), or as its next save begins, after the
                    // journal has the step (1); the next run starts on what was saved and the journal
};

// The "Play" menu's entries.
enum class PlayEntry : std::uint8_t {
    QuickStopOff, QuickStopOn, SessionClockOff, SessionClockOn, RealityOff, Reality15, Reality30, Reality60, Count
};
// An AutoplayChoice's argument: the spins (0..5), loss limit (10..17), single-win limit (20..27)
// or stop on free spins (30 off, 31 on) by their place in the window's lists.
inline constexpr int kAutoplayLossArg = 10;
inline constexpr int kAutoplayWinArg = 20;
inline constexpr int kAutoplayBonusArg = 30;

// The controls a Press reaches, in the order of the alphabet.
enum class Control : std::uint8_t {
    Play1, Play2, Play3, Play4, Play5,
    Payline1, Payline2, Payline3, Payline4, Payline5,
    COINSIN, cmdfastmoney, takewin, doublebutton, autoplayon, autoplayoff,
    betred, betblack, Suitbet1, Suitbet2, Suitbet3, Suitbet4, cancelbet,
    mnuabout, mnuptble, mnuplayer, mnuexit,
    Count
};

// What a ScriptSpin queues: the stops of an outcome for the ways in play (a win of three Ks on
// two ways for Winning), the multiplier when the spin will be a free spin, and a payout draw
// that lets the outcome stand.
enum class ScriptedSpin : std::uint8_t { Losing, ThreeScatters, FourScatters, FiveScatters, Winning, Count };

struct Input {
    Kind kind = Kind::Press;
    int arg = 0;
    friend bool operator==(const Input &, const Input &) = default;
};

// Every input there is, each with a label that names it alone.
const std::vector<Input> &alphabet();
std::string label(const Input &input);
std::optional<Input> inputLabelled(const std::string &text);

// One step of a run: post an input for delivery `ms` after the clock's present reading; or move
// the clock forward by `ms`, running every timer and posted input that falls due; or ("then")
// queue an input right behind the input of the step before, as a second click made before the
// first has been handled: it arrives at the first yield of the first one's handler (and a third
// one queued behind it at the yield after that).
struct Step {
    bool advance = false;
    std::int64_t ms = 0;
    Input input;
    bool then = false;
    friend bool operator==(const Step &, const Step &) = default;
};

// A check that failed, where and when.
struct Failure {
    std::string check;  // "books", "counter", "lockup", "timer", "close", "runaway"
    std::string detail;
    std::size_t step = 0;   // index of the step being carried out
    std::int64_t at = 0;    // virtual time, ms
    std::string where;      // the handlers running: "top level" or "press play(1) > Timerrespin"
    std::string lastInput;  // the input delivered last, with where it was delivered
    std::string known;      // the known-finding filter that matched, empty if none
};

// Failures alike share a kind: the check, what it saw without its numbers, and the handler it
// failed in without its arguments.
std::string findingKind(const Failure &f);

// A known fault of the game that a long run may set aside to look for others. A filter either
// recognises the fault's failure or keeps back the input that leads into it. A recognised
// failure of the books is counted under the filter's name and the run goes on, checking the
// current player's books from where the fault left them (until they balance again); any other
// recognised failure ends the run.
struct KnownFinding {
    std::string name;
    std::string description;
    std::function<bool(const Failure &, const Melvane &)> matches;
    std::function<bool(const Melvane &, const Input &)> keepsBack;
};
const std::vector<KnownFinding> &knownFindings();

// A value put into the store before the first load, over the seed's start profile.
struct StoredValue {
    std::string application, section, key, value;
    friend bool operator==(const StoredValue &, const StoredValue &) = default;
};

// What a run is besides its steps.
struct Settings {
    std::uint64_t seed = 1;
    bool emptyStart = false;          // start from an empty store rather than the seed's profiles
    std::vector<StoredValue> stored;  // then these values
    std::vector<std::string> filters; // names of enabled known findings
    // A test's own fault put into the world after every delivered input, to show that the
    // checks catch it; never used outside the explorer's own tests.
    std::function<void(Melvane &, const Input &)> sabotage;
    // Filters of a test's own, enabled beside the named ones; never written down either.
    std::vector<KnownFinding> ownFindings;
    // When set, told of every handler that ended (inputs and timer ticks) with the meters after it.
    std::function<void(const std::string &)> trace;
    // When set, shown the game after every handler: the main window, the options window while it
    // is open, and the messages shown so far (the list is emptied now and then on a long run).
    struct Sight {
        const Melvane &machine;
        const OptionsWindow *options;
        const std::vector<MessageBoxRequest> &messages;
    };
    std::function<void(const Sight &)> observe;
};

// Counts that show what a run reached.
struct Stats {
    std::uint64_t steps = 0;
    std::uint64_t posted = 0;
    std::uint64_t advances = 0;
    std::uint64_t delivered = 0;       // inputs that reached the game
    std::uint64_t deliveredInside = 0; // of those, inside a running handler's yield
    std::uint64_t dropped = 0;         // inputs the real window could not have delivered then
    std::uint64_t keptBack = 0;        // inputs a known-finding filter kept back
    std::uint64_t ticks = 0;
    std::uint64_t spins = 0;
    std::uint64_t freeSpins = 0;
    std::uint64_t awards = 0;
    std::uint64_t gambles = 0;
    std::uint64_t cards = 0;
    std::uint64_t collects = 0;
    std::uint64_t restarts = 0;
    std::uint64_t kills = 0;         // of those that restarted, kills where the game stood
    std::uint64_t killsAtSave = 0;   // and kills between the journal's write and the profile's save
    std::uint64_t resumedRounds = 0;
    std::uint64_t playerSwitches = 0;
    std::uint64_t quickStops = 0;     // landings cut short by a click on the reels
    std::uint64_t realityChecks = 0;  // shown
    std::uint64_t autoplayStops = 0;  // by a limit, a key or the reality check
    std::uint64_t checks = 0;
    std::int64_t virtualMs = 0;
    std::map<std::string, std::uint64_t> known; // failures set aside, by filter
    // Inputs delivered inside a running handler, by the handler that yielded (without arguments).
    std::map<std::string, std::uint64_t> deliveredIn;
    void add(const Stats &o);
};

struct RunResult {
    std::optional<Failure> failure;
    std::vector<Step> steps; // the steps carried out, up to and including the failing one
    Stats stats;
    std::uint64_t digest = 0; // of the states after every step: equal runs have equal digests
};

// A fresh run of `events` generated steps from the seed's start profile.
RunResult explore(const Settings &settings, std::uint64_t events);
// The given steps on a fresh host with the seed's start profile; stops at the first failure.
RunResult replay(const Settings &settings, const std::vector<Step> &steps);

// The shortest list found, within a budget of steps replayed in all, that still fails the same
// check in the same kind of way.
std::vector<Step> shrink(const Settings &settings, std::vector<Step> steps, const Failure &failure,
                         std::uint64_t stepBudget = 2'000'000);

// The start of a run: what the seed put in the store before the first load.
std::string describeStart(std::uint64_t seed);

// A reproduction as text: the seed, the filters, and one step a line with the virtual time of
// its delivery and the handlers it arrived inside. It reads back with readReproduction.
// With meters, each line also shows the current player's meters after its step.
std::string reproduction(const Settings &settings, const std::vector<Step> &steps, bool withMeters = false);
struct Reproduction {
    Settings settings;
    std::vector<Step> steps;
};
std::optional<Reproduction> readReproduction(std::istream &in, std::string *error = nullptr);

// The seed of run `index` of a series that starts at `seed`.
std::uint64_t runSeed(std::uint64_t seed, std::uint64_t index);

} // namespace melvane::explorer
