// The explorer's world: delivering inputs as the real window does, the checks, the close and
// the next start on the same store.
#include "game/explorer/world.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <sstream>
#include <type_traits>

#include "game/audit/audit.h"
#include "game/profiles/profiles.h"
#include "rules/reelstrips.h"

namespace melvane::explorer {

namespace {

constexpr std::array<int, 5> kWaysmults = {1, 3, 7, 15, 25};
// Draws 1..25 of the Wild multiplier that give x10, x5, x3 and x2.
constexpr std::array<int, 4> kMultiplierDraws = {1, 2, 6, 15};
constexpr Stops kLosingStops = {2, 10, 3, 2, 2};
constexpr Stops kWinningStops = {12, 2, 9, 1, 5}; // three Ks on two ways: 40 coins a coin bet
constexpr std::int16_t kRespinAfterTicks = 60;
constexpr std::int16_t kLastCardCount = 10;

// For each reel and ways setting, the stops at which the reel shows a Scatter (or a Wild) that
// counts, and those at which it shows none.
struct ScatterStops {
    std::array<std::vector<int>, kReels + 1> counting;
    std::array<std::vector<int>, kReels + 1> plain;
};

const ScatterStops &scatterStopsFor(int waysmult)
{
    static const std::array<ScatterStops, kWaysmults.size()> tables = [] {
        std::array<ScatterStops, kWaysmults.size()> t;
        for (std::size_t w = 0; w < kWaysmults.size(); ++w)
            for (int reel = 1; reel <= kReels; ++reel)
                for (int stop = 1; stop <= kStops; ++stop) {
                    SpinTables spin;
                    writeReel(spin, reel, stop, kWaysmults[w]);
                    (spin.scattercode != 0 ? t[w].counting : t[w].plain)[static_cast<std::size_t>(reel)].push_back(stop);
                }
        return t;
    }();
    const auto it = std::find(kWaysmults.begin(), kWaysmults.end(), waysmult);
    return tables[it == kWaysmults.end() ? kWaysmults.size() - 1 : static_cast<std::size_t>(it - kWaysmults.begin())];
}

bool inGamblePanel(Control c) { return c >= Control::betred && c <= Control::cancelbet; }

// The button a Press reaches, of a machine or of a machine read only.
template <typename M>
auto buttonOf(M &m, Control c) -> std::conditional_t<std::is_const_v<M>, const Button &, Button &>
{
    const auto i = static_cast<int>(c);
    if (c <= Control::Play5)
        return m.play[static_cast<std::size_t>(i - static_cast<int>(Control::Play1) + 1)];
    if (c <= Control::Payline5)
        return m.payline[static_cast<std::size_t>(i - static_cast<int>(Control::Payline1) + 1)];
    if (c >= Control::Suitbet1 && c <= Control::Suitbet4)
        return m.gamble.suitbet[static_cast<std::size_t>(i - static_cast<int>(Control::Suitbet1) + 1)];
    switch (c) {
    case Control::COINSIN:
        return m.COINSIN;
    case Control::cmdfastmoney:
        return m.cmdfastmoney;
    case Control::takewin:
        return m.takewin;
    case Control::doublebutton:
        return m.doublebutton;
    case Control::autoplayon:
        return m.autoplayon;
    case Control::autoplayoff:
        return m.autoplayoff;
    case Control::betred:
        return m.gamble.betred;
    case Control::betblack:
        return m.gamble.betblack;
    case Control::cancelbet:
        return m.gamble.cancelbet;
    case Control::mnuabout:
        return m.mnuabout;
    case Control::mnuptble:
        return m.mnuptble;
    case Control::mnuplayer:
        return m.mnuplayer;
    default:
        return m.mnuexit;
    }
}

bool usable(const Button &b) { return b.visible() && b.enabled(); }

} // namespace

bool shown(const Melvane &m, Control c)
{
    const Button &b = buttonOf(m, c);
    return b.visible() && (!inGamblePanel(c) || m.pandouble.visible());
}

bool clickable(const Melvane &m, Control c) { return shown(m, c) && buttonOf(m, c).enabled(); }

bool canGetOn(const Melvane &m)
{
    for (int i = 1; i <= 5; ++i)
        if (usable(m.play[static_cast<std::size_t>(i)]))
            return true;
    if (usable(m.takewin) || usable(m.doublebutton) || usable(m.autoplayon) || usable(m.autoplayoff))
        return true;
    if (m.pandouble.visible()) {
        const GamblePanel &p = m.gamble;
        if (usable(p.betred) || usable(p.betblack) || usable(p.cancelbet))
            return true;
        for (int i = 1; i <= 4; ++i)
            if (usable(p.suitbet[static_cast<std::size_t>(i)]))
                return true;
    }
    // Credit is what enables a shown autoplay button again.
    if (usable(m.COINSIN) && m.autoplayon.visible())
        return true;
    const bool ticksRise = m.Tmrtick.enabled() || m.Timerflash.enabled();
    if (m.Timerrespin.enabled() && (m.autoticks > kRespinAfterTicks || ticksRise))
        return true;
    if (m.tmrautospin.enabled() && m.autoplay > 0 && (m.autoticks >= m.autopause || ticksRise))
        return true;
    return false;
}

Runner::Runner(const Settings &settings)
    : settings_(settings), host_(splitmix(settings.seed ^ 0x4057C10C4057C10CULL))
{
    host_.recordClips = false;
    for (const std::string &name : settings_.filters)
        for (const KnownFinding &k : knownFindings())
            if (k.name == name)
                filters_.push_back(&k);
    for (const KnownFinding &k : settings_.ownFindings)
        filters_.push_back(&k);
    host_.onRunaway = [this] { fail("runaway", "a handler yielded more than 20 million times within one step"); };
}

Runner::~Runner() { endProgram(); }

void Runner::begin()
{
    if (!settings_.emptyStart)
        writeStartProfile(settings_.seed, host_.store);
    for (const StoredValue &v : settings_.stored)
        host_.store.setValue(v.application, v.section, v.key, v.value);
    startProgram();
}

void Runner::startProgram()
{
    m_ = std::make_unique<Melvane>(host_);
    m_->journal = &journal_;
    // The side windows the real program creates; each hooks itself to its menu entry.
    options_ = std::make_unique<OptionsWindow>(*m_);
    about_ = std::make_unique<AboutWindow>(*m_);
    paytable_ = std::make_unique<PaytableWindow>(*m_);
    autoplayWindow_ = std::make_unique<AutoplayWindow>(*m_);
    quickStopIn_ = 0;
    autoplayStarted_.reset();
    host_.onSleep = [this](int) { onSleep(); };
    host_.killable.canDie = [this] { return m_ != nullptr && !m_->closing(); };
    host_.onRealityCheck = [this] {
        ++stats.realityChecks;
        const Melvane &m = *m_;
        if (m.freespins > 0 || m.freespinwin > 0 || m.pandouble.visible() || sideWindowOpen() ||
            m.reelPosition != m.reeltop || !m.Tmrtick.enabled())
            fail("reality check", "the reality check was shown over play in progress (freespins " +
                                      std::to_string(m.freespins) + ", gamble " +
                                      (m.pandouble.visible() ? "open" : "closed") + ", reels " +
                                      (m.reelPosition == m.reeltop ? "at rest" : "landing") + ")");
    };
    wrapTimers();
    m_->onResolved = [this] {
        const int player = profileNumber(m_->g.playernumber);
        const std::optional<JournalStep> last = player != 0 ? journal_.lastStep(player) : std::nullopt;
        if (autoplayStarted_ && last && last->kind == StepKind::Spin)
            ++autoplayStarted_->paidSpins;
        ++stats.spins;
        if (m_->freespins > 0)
            ++stats.freeSpins;
    };
    running_.clear();
    running_.push_back("load");
    const bool started = m_->load();
    running_.clear();
    if (!started)
        fail("close", "the program refused to start");
    if (m_->freespins > 0)
        ++stats.resumedRounds;
    seenFreespins_ = m_->freespins;
    seenGamble_ = false;
    seenCardcount_ = m_->cardcount;
    checkAnytime();
    checkTopLevel();
}

void Runner::endProgram()
{
    // The side windows unhook themselves from the machine's menu entries, so they go first.
    autoplayWindow_.reset();
    options_.reset();
    about_.reset();
    paytable_.reset();
    m_.reset();
}

// Every tick goes through the game's own handler, then through the checks.
void Runner::wrapTimers()
{
    Melvane &m = *m_;
    m.Tmrtick.setAction([this] { tick("Tmrtick", &Melvane::tickTmrtick); });
    m.tmrautospin.setAction([this] { tick("tmrautospin", &Melvane::tickTmrautospin); });
    m.Timerflash.setAction([this] { tick("Timerflash", &Melvane::tickTimerflash); });
    m.timerballflash.setAction([this] { tick("timerballflash", &Melvane::tickTimerballflash); });
    m.Timerscatter.setAction([this] { tick("Timerscatter", &Melvane::tickTimerscatter); });
    m.Timerwincounter.setAction([this] { tick("Timerwincounter", &Melvane::tickTimerwincounter); });
    m.Timerrespin.setAction([this] { tick("Timerrespin", &Melvane::tickTimerrespin); });
    m.tmrsession.setAction([this] { tick("tmrsession", &Melvane::tickTmrsession); });
}

// A click on the reels armed earlier lands during a landing that lets the player stop it.
void Runner::onSleep()
{
    if (quickStopIn_ > 0 && host_.quickStopWatched() && --quickStopIn_ == 0) {
        host_.pressQuickStop();
        ++stats.quickStops;
    }
}

void Runner::tick(const char *name, void (Melvane::*handler)())
{
    if (m_->closed())
        fail("close", std::string(name) + " ticked after the game had closed");
    ++stats.ticks;
    running_.push_back(name);
    (m_.get()->*handler)();
    if (settings_.trace)
        settings_.trace(seconds(host_.now()) + " " + where() + " | " + meters());
    running_.pop_back();
    afterHandler();
}

void Runner::execute(const Step &step, std::size_t index)
{
    try {
        executeUntilKilled(step, index);
    } catch (const Killed &killed) {
        restartAfterKill(killed);
    }
}

void Runner::restartAfterKill(const Killed &killed)
{
    running_.clear();
    endProgram();
    host_.killable.disarm();
    host_.startProgram();
    ++stats.restarts;
    ++stats.kills;
    if (killed.atSave)
        ++stats.killsAtSave;
    try {
        startProgram();
    } catch (const Killed &) {
        fail("kill", "the start after a kill died at a save nobody armed");
    }
    checkAgreesWithJournal();
}

// After a kill the profile the game starts with is where the journal's last step left it: a
// step the journal has is never lost, and one it does not have never happened.
void Runner::checkAgreesWithJournal()
{
    const Melvane &m = *m_;
    const int player = profileNumber(m.g.playernumber);
    const std::optional<JournalStep> last = player != 0 ? journal_.lastStep(player) : std::nullopt;
    if (!last || !last->books)
        return;
    const JournalBooks &b = *last->books;
    const Globals &g = m.g;
    const bool agrees = g.bank == last->creditAfter && g.amountinvested == b.amountinvested && g.wager == b.wager &&
                        g.total == b.total && g.games == b.games && g.gamblelost == b.gamblelost &&
                        g.howmanyspins == b.howmanyspins && m.freespinwin == last->roundTotal &&
                        m.freespins == last->freespins && (m.freespins == 0 || m.freespinsdone == last->freespinsdone);
    if (!agrees) {
        std::ostringstream out;
        out << "started with bank " << g.bank << ", invested " << g.amountinvested << ", wager " << g.wager
            << ", total " << g.total << ", games " << g.games << ", lost " << g.gamblelost << ", awards "
            << g.howmanyspins << ", round " << m.freespinsdone << "/" << m.freespins << " total " << m.freespinwin
            << "; the journal's last step (kind " << static_cast<int>(last->kind) << ") has bank " << last->creditAfter
            << ", invested " << b.amountinvested << ", wager " << b.wager << ", total " << b.total << ", games "
            << b.games << ", lost " << b.gamblelost << ", awards " << b.howmanyspins << ", round "
            << last->freespinsdone << "/" << last->freespins << " total " << last->roundTotal;
        fail("kill", out.str());
    }
}

void Runner::executeUntilKilled(const Step &step, std::size_t index)
{
    step_ = index;
    host_.yields = 0;
    ++stats.steps;
    if (step.advance) {
        ++stats.advances;
        const std::int64_t from = host_.now();
        note(index, "clock " + seconds(from) + " -> " + seconds(from + step.ms));
        host_.advance(step.ms);
        atTopLevel();
    } else if (step.then) {
        ++stats.posted;
        if (lastPost_ && reached_.count(*lastPost_) == 0) {
            behind_[*lastPost_].push_back({step.input, index});
            note(index, "behind step " + std::to_string(*lastPost_ + 1) + "; never delivered");
        } else {
            note(index, "for " + seconds(host_.now()) + "; never delivered");
            host_.post([this, input = step.input, index] { deliver(input, index); });
        }
        lastPost_ = index;
    } else {
        ++stats.posted;
        lastPost_ = index;
        const std::int64_t at = host_.now() + step.ms;
        note(index, "for " + seconds(at) + "; never delivered");
        host_.postAt(at, [this, input = step.input, index] { deliver(input, index); });
    }
    mixDigest();
    if (noteMeters && notes != nullptr && index < notes->size())
        (*notes)[index] += " | " + meters();
}

void Runner::deliver(const Input &input, std::size_t postedBy)
{
    const bool inside = !running_.empty();
    const std::string place = inside ? "inside " + where() : "at top level";
    lastInput_ = label(input) + " (step " + std::to_string(postedBy + 1) + "), delivered at " + seconds(host_.now()) +
                 " " + place;
    if (m_->closed())
        fail("close", "an input reached the game after it had closed");
    // What was clicked behind this input is pending while its handler runs.
    reached_.insert(postedBy);
    if (const auto it = behind_.find(postedBy); it != behind_.end()) {
        for (const auto &[next, index] : it->second)
            host_.post([this, in = next, i = index] { deliver(in, i); });
        behind_.erase(it);
    }
    note(postedBy, "delivered at " + seconds(host_.now()) + " " + place);
    for (const KnownFinding *k : filters_)
        if (k->keepsBack && k->keepsBack(*m_, input)) {
            ++stats.keptBack;
            note(postedBy, "kept back by filter " + k->name + " at " + seconds(host_.now()) + " " + place);
            return;
        }
    running_.push_back(label(input));
    const bool delivered = perform(input);
    if (settings_.trace && delivered && m_ != nullptr)
        settings_.trace(seconds(host_.now()) + " " + where() + " | " + meters());
    running_.pop_back();
    if (!delivered) {
        ++stats.dropped;
        note(postedBy, "not deliverable at " + seconds(host_.now()) + " " + place);
        return;
    }
    ++stats.delivered;
    if (inside) {
        ++stats.deliveredInside;
        std::string yielding = running_.back();
        yielding = yielding.substr(0, std::min(yielding.find('('), yielding.find(',')));
        ++stats.deliveredIn[yielding];
    }
    if (settings_.sabotage && m_ != nullptr)
        settings_.sabotage(*m_, input);
    afterHandler();
}

bool Runner::perform(const Input &input)
{
    Melvane &m = *m_;
    const bool side = mainWindowBlocked();
    const int a = input.arg;
    switch (input.kind) {
    case Kind::Press: {
        const auto c = static_cast<Control>(a);
        Button &b = buttonOf(m, c);
        // A disabled control ignores any press, reachable or not: part of the contract.
        if (!b.enabled()) {
            b.press();
            return true;
        }
        // A side window holds the main window disabled, and a hidden control takes no click.
        if (side || !shown(m, c))
            return false;
        if (c == Control::mnuexit)
            closeMainWindow();
        else
            b.press();
        return true;
    }
    case Kind::Key:
        // While autoplay runs the space bar stops it, whatever the key preview.
        if (!side && m.autoplay > 0 && keyOf(input) == ' ') {
            m.stopAutoplayKey();
            return true;
        }
        // The window passes keys on only while it previews them and no side window holds it.
        if (side || !m.keyPreview)
            return false;
        m.keyPress(keyOf(input));
        return true;
    case Kind::OptionsProfile:
    case Kind::OptionsName:
    case Kind::OptionsClear:
    case Kind::OptionsSound:
    case Kind::OptionsSpeed:
    case Kind::OptionsCounter:
    case Kind::OptionsPayout:
    case Kind::OptionsOk:
    case Kind::OptionsCloseBox:
    case Kind::OptionsLargeScreen:
    case Kind::OptionsOriginalScreen:
        if (!options_->isOpen())
            return false;
        break;
    case Kind::AboutClose:
        if (!about_->isOpen())
            return false;
        about_->close();
        return true;
    case Kind::PaytableClose:
        if (!paytable_->isOpen())
            return false;
        paytable_->close();
        return true;
    case Kind::CloseMain:
        closeMainWindow();
        return true;
    case Kind::Kill:
        if (a == 0)
            throw Killed{};
        host_.killable.arm();
        return true;
    case Kind::ScriptSpin:
        queueScriptedSpin(a);
        return true;
    case Kind::ScriptCards:
        for (int i = 0; i < (a > kCardStreak ? kStreakLength : 1); ++i)
            host_.scriptDraw(4, a > kCardStreak ? a - kCardStreak : a);
        return true;
    case Kind::AutoplayChoice:
    case Kind::AutoplayStart:
    case Kind::AutoplayCancel:
        if (!autoplayWindowOpen())
            return false;
        performPlayerControl(input);
        return true;
    case Kind::PlayMenu:
    case Kind::AutoplayKey:
        // The menu bar and the keys belong to the main window.
        if (side)
            return false;
        performPlayerControl(input);
        return true;
    case Kind::QuickStop:
        quickStopIn_ = a;
        return true;
    case Kind::RealityAnswer:
        host_.stopAtRealityCheck = a == 1;
        return true;
    }

    OptionsWindow &w = *options_;
    const std::string player = m.g.playernumber;
    const bool spinning = m.spinRunning();
    const bool inRound = m.freespins > 0;
    performOptions(w, input);
    // A spin or a round belongs to the player who started it: its stake was charged to that
    // player and its win is that player's. One the new player starts while the selection yields
    // is the new player's own.
    if (m.g.playernumber != player && (spinning || inRound))
        fail("player", "the profile in use changed from player " + player + " to " + m.g.playernumber + " while " +
                           (spinning ? "a spin was running" : "a free-spin round was under way") +
                           ": its win goes to the other player");
    return true;
}

void Runner::performPlayerControl(const Input &input)
{
    Melvane &m = *m_;
    AutoplayWindow &w = *autoplayWindow_;
    const int a = input.arg;
    const auto at = [](const auto &choices, int i) { return choices[static_cast<std::size_t>(i)]; };
    switch (input.kind) {
    case Kind::AutoplayChoice:
        if (a >= kAutoplayBonusArg)
            w.chooseStopOnBonus(a == kAutoplayBonusArg + 1);
        else if (a >= kAutoplayWinArg)
            w.chooseWinLimit(at(kAutoplayWinChoices, a - kAutoplayWinArg));
        else if (a >= kAutoplayLossArg)
            w.chooseLossLimit(at(kAutoplayLossChoices, a - kAutoplayLossArg));
        else
            w.chooseSpins(at(kAutoplaySpinChoices, a));
        break;
    case Kind::AutoplayStart:
        autoplayStarted_ = AutoplayStarted{w.choice, 0, m.g.bank};
        w.start();
        if (m.autoplay == 0 && m.autoplayStopped == AutoplayStop::None)
            autoplayStarted_.reset(); // refused, or ended at once for want of credit
        break;
    case Kind::AutoplayCancel:
        w.cancel();
        break;
    case Kind::AutoplayKey:
        m.stopAutoplayKey();
        break;
    default:
        switch (static_cast<PlayEntry>(a)) {
        case PlayEntry::QuickStopOff:
        case PlayEntry::QuickStopOn:
            m.setQuickStop(static_cast<PlayEntry>(a) == PlayEntry::QuickStopOn);
            break;
        case PlayEntry::SessionClockOff:
        case PlayEntry::SessionClockOn:
            m.setSessionLineShown(static_cast<PlayEntry>(a) == PlayEntry::SessionClockOn);
            break;
        case PlayEntry::RealityOff:
            m.setRealityCheckMinutes(0);
            break;
        case PlayEntry::Reality15:
            m.setRealityCheckMinutes(15);
            break;
        case PlayEntry::Reality30:
            m.setRealityCheckMinutes(30);
            break;
        default:
            m.setRealityCheckMinutes(60);
            break;
        }
        break;
    }
}

// Autoplay started from the window never plays past its limits: no more paid games than chosen,
// and, between games, a credit never further down than the loss limit while it goes on.
void Runner::checkAutoplayLimits()
{
    const Melvane &m = *m_;
    if (!autoplayStarted_)
        return;
    const AutoplayStarted &a = *autoplayStarted_;
    const std::int64_t played = a.paidSpins;
    if (a.limits.spins > 0 && played > a.limits.spins)
        fail("autoplay", "autoplay played " + std::to_string(played) + " games with a limit of " +
                             std::to_string(a.limits.spins));
    const bool betweenGames = !m.spinRunning() && !m.busy() && m.freespins == 0;
    if (m.autoplay > 0 && betweenGames && a.limits.lossLimit > 0 &&
        static_cast<std::int64_t>(a.bank) - m.g.bank > a.limits.lossLimit)
        fail("autoplay", "autoplay goes on with the credit down " + std::to_string(a.bank - m.g.bank) +
                             ", past its loss limit of " + std::to_string(a.limits.lossLimit));
    if (m.autoplay == 0 && betweenGames) {
        if (m.autoplayStopped != AutoplayStop::None)
            ++stats.autoplayStops;
        if (m.autoplayStopped == AutoplayStop::Spins && played != a.limits.spins)
            fail("autoplay", "autoplay stopped for its " + std::to_string(a.limits.spins) + " spins after " +
                                 std::to_string(played) + " games");
        autoplayStarted_.reset();
    }
}

void Runner::performOptions(OptionsWindow &w, const Input &input)
{
    const int a = input.arg;
    switch (input.kind) {
    case Kind::OptionsProfile:
        ++stats.playerSwitches;
        w.machine.select(static_cast<std::size_t>(a));
        break;
    case Kind::OptionsName:
        w.player1.setCaption(typedNames()[static_cast<std::size_t>(a)]);
        w.player1KeyPress('\r');
        break;
    case Kind::OptionsClear:
        host_.queueAnswer(a == 1 ? MessageAnswer::Yes : MessageAnswer::No);
        w.Btndeletedetails.press();
        break;
    case Kind::OptionsSound:
        w.sounds.select(static_cast<std::size_t>(a));
        break;
    case Kind::OptionsSpeed:
        w.setspeed.select(static_cast<std::size_t>(a));
        break;
    case Kind::OptionsCounter:
        w.wincounter.select(static_cast<std::size_t>(a));
        break;
    case Kind::OptionsPayout:
        w.Amtpayout.select(static_cast<std::size_t>(a));
        break;
    case Kind::OptionsOk:
        w.btnokplayer.press();
        break;
    case Kind::OptionsCloseBox:
        w.close();
        break;
    case Kind::OptionsLargeScreen:
        w.cmdlargescreen.press();
        break;
    default:
        w.cmdorigonal.press();
        break;
    }
}

// The close box, "&Exit" or a signal: the game shuts down and the program ends, so every
// handler still on the stack runs to its end without further input.
void Runner::closeMainWindow()
{
    m_->shutdown();
    host_.endProgram();
}

void Runner::queueScriptedSpin(int arg)
{
    const Melvane &m = *m_;
    const ScriptedSpin kind = scriptedSpinOf(arg);
    Stops stops = kind == ScriptedSpin::Winning ? kWinningStops : kLosingStops;
    if (kind != ScriptedSpin::Losing && kind != ScriptedSpin::Winning) {
        const int scatters = kind == ScriptedSpin::ThreeScatters ? 3 : kind == ScriptedSpin::FourScatters ? 4 : 5;
        const ScatterStops &table = scatterStopsFor(m.waysmult);
        for (int reel = 1; reel <= kReels; ++reel) {
            const auto &from = reel <= scatters ? table.counting[static_cast<std::size_t>(reel)]
                                                : table.plain[static_cast<std::size_t>(reel)];
            if (from.empty())
                continue;
            const auto pick = static_cast<std::size_t>(host_.now() / 100 + 7 * reel + arg) % from.size();
            stops[static_cast<std::size_t>(reel - 1)] = from[pick];
        }
    }
    // The next free spin's press comes from the respin timer, which draws the round's tune first.
    const bool freeSpin = m.freespins > 0;
    if (freeSpin && m.respinflag < 1 && m.respinroll < 1)
        host_.scriptDraw(2, 1);
    for (int s : stops)
        host_.scriptDraw(kStops, s);
    if (freeSpin)
        host_.scriptDraw(25, kMultiplierDraws[static_cast<std::size_t>(multiplierChoiceOf(arg))]);
    host_.script(0.0); // the payout control lets the outcome stand
}

void Runner::afterHandler()
{
    if (settings_.observe && m_ != nullptr)
        settings_.observe({*m_, options_.get(), host_.messages});
    checkAnytime();
    if (running_.empty())
        checkTopLevel();
}

void Runner::atTopLevel()
{
    if (host_.ended()) {
        if (!m_->closed())
            fail("close", "the close was asked for and every handler has ended, but the game never shut down "
                          "(the profile was not saved)");
        const Closed closed = closedState();
        endProgram();
        host_.startProgram();
        ++stats.restarts;
        startProgram();
        checkRestart(closed);
        return;
    }
    if (host_.messages.size() > 256)
        host_.messages.clear();
    checkAnytime();
    checkTopLevel();
}

Runner::Closed Runner::closedState() const
{
    const Melvane &m = *m_;
    return {m.g.playernumber,
            {m.g.bank, m.g.amountinvested, m.g.wager, m.g.total, m.g.games, m.g.gamblelost, m.g.howmanyspins},
            m.freespins,
            m.freespinsdone,
            m.freespinwin};
}

// The next program starts with what the last one closed with: the round it was closed in carries
// on, and the player's meters are as they were, in the machine or, for another player, in the store.
void Runner::checkRestart(const Closed &before)
{
    const Closed now = closedState();
    const auto describe = [](const Closed &c) {
        std::ostringstream out;
        out << "player " << c.player << ": bank " << c.meters[0] << ", invested " << c.meters[1] << ", wager "
            << c.meters[2] << ", total " << c.meters[3] << ", games " << c.meters[4] << ", lost in gambles "
            << c.meters[5] << ", awards " << c.meters[6] << ", round " << c.done << " of " << c.spins << " total "
            << c.roundTotal;
        return out.str();
    };
    if (before.spins > 0 &&
        (now.player != before.player || now.spins != before.spins || now.done != before.done ||
         now.roundTotal != before.roundTotal))
        fail("restart", "the free-spin round the game was closed in did not carry on: closed with " +
                            describe(before) + "; started with " + describe(now));
    if (now.player == before.player) {
        if (now.meters != before.meters || (before.spins == 0 && now.roundTotal != before.roundTotal))
            fail("restart", "the player's meters changed across the close: closed with " + describe(before) +
                                "; started with " + describe(now));
        return;
    }
    const std::string section = "player" + before.player;
    const char *keys[] = {"bank", "amountinvested", "wager", "total", "games", "gamblelost", "howmanyspins"};
    for (std::size_t i = 0; i < std::size(keys); ++i) {
        const auto stored = host_.store.value("keys", section, keys[i]);
        if (stored != std::to_string(before.meters[i]))
            fail("restart", std::string("the close saved \"") + keys[i] + "\" of " + section + " as \"" +
                                stored.value_or("(missing)") + "\" but the game closed with " +
                                std::to_string(before.meters[i]));
    }
}

void Runner::checkAnytime()
{
    ++stats.checks;
    const Melvane &m = *m_;
    const Globals &g = m.g;
    const std::int64_t atRisk = m.pandouble.visible() && !m.gamble.lost ? m.gamble.stakedAmount : 0;
    const std::int64_t held = static_cast<std::int64_t>(g.bank) + m.freespinwin + atRisk;
    const std::int64_t owed = static_cast<std::int64_t>(g.amountinvested) - g.wager + g.total - g.gamblelost;
    std::int64_t &offset = booksOffset_[g.playernumber];
    if (held == owed)
        offset = 0;
    if (held - owed != offset) {
        std::ostringstream out;
        out << "bank " << g.bank << " + round total " << m.freespinwin << " + at risk " << atRisk << " = " << held
            << ", but invested " << g.amountinvested << " - wager " << g.wager << " + total " << g.total
            << " - lost in gambles " << g.gamblelost << " = " << owed << " (player " << g.playernumber
            << ", off by " << held - owed << ")";
        const Failure f = failure("books", out.str());
        if (f.known.empty())
            throw Stop{f};
        ++stats.known[f.known];
        offset = held - owed;
    }
    const std::pair<const char *, std::int64_t> nonNegative[] = {
        {"bank", g.bank},
        {"amountinvested", g.amountinvested},
        {"wager", g.wager},
        {"total", g.total},
        {"games", g.games},
        {"gamblelost", g.gamblelost},
        {"howmanyspins", g.howmanyspins},
        {"freespinwin", m.freespinwin},
        {"freespincollected", m.freespincollected},
        {"gambleamount", m.gambleamount},
        {"spinwin", m.spinwin},
        {"freespins", m.freespins},
        {"freespinsdone", m.freespinsdone},
        {"autoticks", m.autoticks},
        {"keycount", m.keycount},
        {"cardcount", m.cardcount},
    };
    for (const auto &[name, value] : nonNegative)
        if (value < 0)
            fail("counter", std::string(name) + " is " + std::to_string(value) + ": it wrapped or was taken below 0");
    const int open = (optionsOpen() ? 1 : 0) + (aboutOpen() ? 1 : 0) + (paytableOpen() ? 1 : 0) +
                     (autoplayWindowOpen() ? 1 : 0);
    if (m.sideWindowsOpen != open)
        fail("counter", "the machine counts " + std::to_string(m.sideWindowsOpen) + " side windows open, " +
                            std::to_string(open) + " are");
    if (autoplayWindowOpen() && m.autoplay > 0)
        fail("autoplay", "autoplay runs while its window is still open");
    checkAutoplayLimits();
    if (m.freespinsdone > m.freespins)
        fail("counter", "freespinsdone " + std::to_string(m.freespinsdone) + " is past freespins " +
                            std::to_string(m.freespins));
    if (m.cardcount > kLastCardCount)
        fail("counter", "cardcount " + std::to_string(m.cardcount) + " is past 10");

    // What happened since the last check, for the figures.
    if (m.freespins > seenFreespins_)
        ++stats.awards;
    if (seenFreespins_ > 0 && m.freespins == 0)
        ++stats.collects;
    if (m.pandouble.visible() && !seenGamble_)
        ++stats.gambles;
    if (m.cardcount != seenCardcount_)
        ++stats.cards;
    seenFreespins_ = m.freespins;
    seenGamble_ = m.pandouble.visible();
    seenCardcount_ = m.cardcount;
}

void Runner::auditTheJournal()
{
    const AuditReport report = auditJournal(journal_.games);
    if (!report.mismatches.empty()) {
        const AuditMismatch &first = report.mismatches.front();
        fail("journal", "the audit of the journal: game " + std::to_string(first.game) + ", step " +
                            std::to_string(first.step) + ": " + first.what);
    }
}

void Runner::checkTopLevel()
{
    const Melvane &m = *m_;
    if (m.closing() || m.closed())
        return; // the program is ending; the next start is checked on its own
    // Every settled step is in the journal: with nothing running, the player's last step there
    // leaves the credit and the round total where the books have them.
    const int player = profileNumber(m.g.playernumber);
    if (const std::optional<JournalStep> last = player != 0 ? journal_.lastStep(player) : std::nullopt;
        last && (last->creditAfter != m.g.bank || last->roundTotal != m.freespinwin))
        fail("journal", "the journal's last step of player " + m.g.playernumber + " leaves credit " +
                            std::to_string(last->creditAfter) + " and round total " +
                            std::to_string(last->roundTotal) + ", the books have " + std::to_string(m.g.bank) +
                            " and " + std::to_string(m.freespinwin));
    if (m.keycount != 0)
        fail("counter", "keycount is " + std::to_string(m.keycount) +
                            " with no handler running: the space bar stays dead until a spin ends");
    const bool roundRunning = m.freespins > 0 && m.freespinsdone < m.freespins;
    const bool autoplaySpins = m.tmrautospin.enabled() && m.autoplay > 0;
    if (m.Timerrespin.enabled() && !roundRunning)
        fail("timer", "Timerrespin runs with no free-spin round running (freespins " + std::to_string(m.freespins) +
                          ", done " + std::to_string(m.freespinsdone) + ")");
    if (autoplaySpins && roundRunning)
        fail("timer", "tmrautospin runs with autoplay on in a free-spin round: it would spin beside the respin timer");
    // Under the options window the player can be switched, so no spin may start there. (A round
    // that goes on under the about or pay-table window harms nothing and is not checked.)
    if ((optionsOpen() || !options_->mainWindowEnabled) && (m.Timerrespin.enabled() || autoplaySpins))
        fail("timer", std::string(m.Timerrespin.enabled() ? "Timerrespin" : "tmrautospin with autoplay on") +
                          " would spin under the open options window");
    if (m.pandouble.visible() && (m.Timerrespin.enabled() || autoplaySpins))
        fail("timer", "a timer would spin under the open gamble");
    if (!mainWindowBlocked() && !canGetOn(m)) {
        std::ostringstream out;
        out << "no control leads on and no timer will spin: autoplay " << m.autoplay << ", freespins "
            << m.freespins << "/" << m.freespinsdone << ", gamble " << (m.pandouble.visible() ? "open" : "closed")
            << ", bank " << m.g.bank << ", stake " << m.stake() << "; shown and enabled:";
        bool any = false;
        for (int c = 0; c < static_cast<int>(Control::Count); ++c)
            if (clickable(m, static_cast<Control>(c))) {
                out << " " << label({Kind::Press, c}).substr(6);
                any = true;
            }
        if (!any)
            out << " nothing";
        out << "; timers:";
        for (const Timer *t : {&m.Tmrtick, &m.tmrautospin, &m.Timerflash, &m.timerballflash, &m.Timerscatter,
                               &m.Timerwincounter, &m.Timerrespin})
            if (t->enabled())
                out << " " << t->name();
        fail("lockup", out.str());
    }
}

void Runner::fail(const std::string &check, const std::string &detail) { throw Stop{failure(check, detail)}; }

Failure Runner::failure(const std::string &check, const std::string &detail) const
{
    Failure f;
    f.check = check;
    f.detail = detail;
    f.step = step_;
    f.at = host_.now();
    f.where = where();
    f.lastInput = lastInput_;
    for (const KnownFinding *k : filters_)
        if (f.known.empty() && m_ != nullptr && k->matches && k->matches(f, *m_))
            f.known = k->name;
    return f;
}

std::string Runner::where() const
{
    if (running_.empty())
        return "top level";
    std::string w;
    for (const std::string &r : running_)
        w += (w.empty() ? "" : " > ") + r;
    return w;
}

std::string Runner::meters() const
{
    const Melvane &m = *m_;
    const Globals &g = m.g;
    std::ostringstream out;
    out << "player " << g.playernumber << ": bank " << g.bank << " invested " << g.amountinvested << " wager "
        << g.wager << " total " << g.total << " lost " << g.gamblelost << " games " << g.games << " round "
        << m.freespinsdone << "/" << m.freespins << " " << m.freespinwin << " gamble "
        << (m.pandouble.visible() ? std::to_string(m.gamble.stakedAmount) + "->" + std::to_string(m.gambleamount)
                                  : std::string("closed"))
        << " autoplay " << m.autoplay << (m.closed() ? " closed" : "");
    return out.str();
}

void Runner::note(std::size_t step, const std::string &text)
{
    if (notes != nullptr && step < notes->size())
        (*notes)[step] = text;
}

void Runner::mixDigest()
{
    const auto mix = [this](std::int64_t v) {
        digest ^= static_cast<std::uint64_t>(v);
        digest *= 1099511628211ULL;
    };
    const Melvane &m = *m_;
    for (std::int64_t v : {static_cast<std::int64_t>(m.g.bank), static_cast<std::int64_t>(m.g.wager),
                           static_cast<std::int64_t>(m.g.total), static_cast<std::int64_t>(m.g.games),
                           static_cast<std::int64_t>(m.g.amountinvested), static_cast<std::int64_t>(m.g.gamblelost),
                           static_cast<std::int64_t>(m.freespins), static_cast<std::int64_t>(m.freespinsdone),
                           static_cast<std::int64_t>(m.freespinwin), static_cast<std::int64_t>(m.autoplay),
                           static_cast<std::int64_t>(m.autoticks), static_cast<std::int64_t>(m.cardcount),
                           static_cast<std::int64_t>(m.gambleamount), host_.now(),
                           static_cast<std::int64_t>(m.pandouble.visible()),
                           static_cast<std::int64_t>(sideWindowOpen())})
        mix(v);
    for (int r = 1; r <= kReels; ++r)
        mix(m.reelstop[static_cast<std::size_t>(r)]);
    for (const Timer *t : {&m.Tmrtick, &m.tmrautospin, &m.Timerflash, &m.timerballflash, &m.Timerscatter,
                           &m.Timerwincounter, &m.Timerrespin})
        mix(t->enabled());
    for (char c : m.g.playernumber)
        mix(c);
}

std::string seconds(std::int64_t ms)
{
    std::ostringstream out;
    out << ms / 1000 << "." << std::setw(3) << std::setfill('0') << ms % 1000 << " s";
    return out.str();
}

} // namespace melvane::explorer
