// The resolution of a spin: evaluation, settlement, the payout control, the landing
// animation, the free-spin award and count.
#include <algorithm>
#include <utility>

#include "game/machine/checked.h"
#include "rules/draw.h"
#include "game/machine/melvane.h"
#include "game/profiles/profiles.h"
#include "rules/money.h"
#include "rules/payoutcontrol.h"
#include "rules/scatters.h"
#include "game/machine/timing.h"
#include "rules/waysevaluation.h"

namespace melvane {

namespace {

struct AnimationParameters {
    int reelspeed;
    int step;   // twips per frame
    int level;
    int passes; // per landing phase
};

constexpr std::array<AnimationParameters, 5> kAnimation = {{
    {1, 1875, 1, 10},
    {2, 1000, 2, 6},
    {4, 800, 3, 6},
    {8, 600, 4, 7},
    {10, 400, 5, 3},
}};

// Speeds the options never set animate as speed 1.
const AnimationParameters &animationFor(int reelspeed)
{
    for (const AnimationParameters &a : kAnimation)
        if (a.reelspeed == reelspeed)
            return a;
    return kAnimation[0];
}

constexpr int kSpinPasses = 6;
constexpr int kRunUp = 4050;     // twips above the final top where every pass starts
constexpr int kOvershoot = 600;  // a landing reel overshoots by this and settles back
constexpr int kSettleStep = 20;

constexpr std::array<Clip, kReels + 1> kChimes = {Clip::Chime1, Clip::Chime1, Clip::Chime2, Clip::Chime3,
                                                     Clip::Chime4, Clip::Chime5};

struct WinSound {
    std::int32_t upTo;
    std::int16_t autopause;
    Clip clip;
};
constexpr std::array<WinSound, 11> kWinSounds = {{
    {25, 10, Clip::Win25},
    {60, 15, Clip::Win60},
    {100, 30, Clip::Win100},
    {150, 30, Clip::Win150},
    {200, 60, Clip::Win200},
    {300, 80, Clip::Win300},
    {400, 170, Clip::Win400},
    {600, 200, Clip::Win600},
    {700, 200, Clip::Win700},
    {900, 130, Clip::Win900},
    {1210, 230, Clip::Win1210},
}};
constexpr std::int16_t kBiggestWinPause = 100;
constexpr Clip kBiggestWinClip = Clip::WinOver1210;
constexpr std::int16_t kNoWinPause = 20;
constexpr std::int16_t kSilentPause = 40;
constexpr std::int16_t kLosingSpinTicks = 80;
// A round carried on after a restart waits about three seconds of `Tmrtick` before its next
// free spin, as after a winning free spin.
constexpr std::int16_t kResumedRoundTicks = 50;

constexpr const char *kSpinsRemaining = GameText::tr("     Freespins Remaining = %1");
constexpr const char *kSpinsCompleted = GameText::tr("Freespins Completed          ");

} // namespace

void Melvane::sound(Clip clip, bool looped)
{
    if (!g.soundOn())
        return;
    host_.playClip(clip, looped);
    tuneSounding_ = clip == Clip::FreeSpinTuneA || clip == Clip::FreeSpinTuneB;
}

bool Melvane::creditWin(std::int32_t &to, std::int32_t win)
{
    std::int32_t credited = to;
    std::int32_t counted = g.total;
    winCredited_ = addChecked(credited, win) && addChecked(counted, win);
    if (!winCredited_)
        return false;
    to = credited;
    g.total = counted;
    return true;
}

void Melvane::showBank()
{
    PANELBANK.setCaption(std::to_string(g.bank));
    Lblcredit.setCaption(moneyCaption(g.bank));
}

void Melvane::moveReel(int reel, std::int32_t top) { reelPosition[static_cast<std::size_t>(reel)] = top; }

void Melvane::freespinbusiness()
{
    const WildMultiplier m = wildMultiplierFor(drawIndex(host_.uniform(), kWildMultiplierDraws));
    wildmult = static_cast<std::int16_t>(m.wildmult);
    wildframe = static_cast<std::int16_t>(m.wildframe);
    if (!assignChecked(spinwin, static_cast<std::int64_t>(wildmult) * spinwin))
        host_.processEvents();
}

bool Melvane::evaluateOutcome(std::array<bool, kReels + 1> &chimes)
{
    // A step whose arithmetic would overflow is skipped; the resolution yields and goes on.
    const auto check = [this](bool ok) {
        if (!ok)
            host_.processEvents();
    };

    chimes = {};
    scatterpaid = {};
    scatterwin = 0;
    spinwin = 0;
    if (autoplay > 0)
        g.winroll = 0;
    Timerscatter.stop();
    Timerflash.stop();
    timerballflash.stop();
    for (int c = 1; c <= kCells; ++c) {
        flasher[static_cast<std::size_t>(c)].setPicture(kCoverPicture);
        flasher[static_cast<std::size_t>(c)].hide();
    }
    clearInactiveRows(spin, waysmult);
    formSignatures(spin);

    const ScatterEvaluation scatters = evaluateScatters(spin.scattercode, stake(), freespinsdone != freespins);
    check(assignChecked(scatterwin, scatters.scatterwin));
    chimes = scatters.chime;
    scatterpaid = scatters.scatterpaid;
    if (scatters.startsTimerscatter)
        Timerscatter.start();

    const WaysPays ways = payWays(spin, coinbet);
    lastWays_ = ways;
    spinwin = ways.units;
    check(assignChecked(spinwin, spinCoins(spinwin, coinbet, scatterwin)));
    if (freespins > 0)
        freespinbusiness();

    // Charge the stake and count the game; free spins are refunded by the free-spin count. The
    // win joins `total` when it reaches the credit or the round total, so that the books are
    // whole at every yield in between.
    // The stake leaves the credit and joins `wager` together or not at all, with no yield in
    // between: a full meter must never take one side of the books without the other.
    charged_ = {};
    std::int32_t wager = g.wager;
    std::int32_t bank = g.bank;
    const bool staked = addChecked(wager, stake()) && addChecked(bank, -stake());
    if (staked) {
        g.wager = wager;
        g.bank = bank;
    }
    charged_.wager = charged_.bank = staked;
    charged_.games = addChecked(g.games, 1);
    check(staked && charged_.games);

    const int payoutDraw = drawIndex(host_.uniform(), std::max<int>(1, g.machinepay));
    if (outcomeStands(payoutDraw, spinwin, stake()))
        return true;
    // Discarded before anything was shown: the charge is undone, as far as it was made.
    if (charged_.wager)
        check(addChecked(g.wager, -stake()));
    if (charged_.bank)
        check(addChecked(g.bank, stake()));
    if (charged_.games)
        check(addChecked(g.games, -1));
    charged_ = {};
    spinwin = 0;
    spin.scattercode = 0;
    Timerflash.stop();
    Timerwincounter.stop();
    return false;
}

void Melvane::resolvespin()
{
    std::array<bool, kReels + 1> chimes{};
    creditBefore_ = g.bank;
    winCredited_ = true;
    paidSpin_ = freespins == 0;
    discards_ = 0;
    // A discarded outcome is replaced at once by a new spin of all five reels. The machine
    // starts the spin again and resolves it in a loop, so a run of discards cannot deepen the
    // stack; what happens, and in which order, is the same as starting it from inside.
    while (!evaluateOutcome(chimes)) {
        ++discards_;
        spinStartReset();
        for (int reel = 1; reel <= kReels; ++reel)
            reelStep(reel);
    }

    const auto check = [this](bool ok) {
        if (!ok)
            host_.processEvents();
    };
    if (freespinsdone == freespins)
        showBank();
    host_.processEvents();
    landReels(chimes);
    Tmrtick.start();
    for (int c = kFirstWildCell; c <= kLastWildCell; ++c)
        if (spin.wildcell[static_cast<std::size_t>(c)] > 0)
            timerballflash.start();
    if (spinwin > 0) {
        winstep = 1;
        Timerflash.start();
        // Autoplay never gambles: a lit button that does nothing would only mislead.
        if (autoplay == 0)
            doublebutton.setEnabled(true);
        Timerwincounter.start();
    }
    if (freeSpinsAdded(spin.scattercode) > 0) {
        awardFreeSpins();
    } else if (freespins > 0) {
        check(creditWin(freespinwin, spinwin));
        LABWIN.setCaption(std::to_string(freespinwin));
        lblwin.setCaption(moneyCaption(freespinwin));
        lblcurrentwin.setCaption(std::to_string(spinwin));
    } else {
        chooseWinSound();
    }
    if (spinwin < 1)
        autoticks = kLosingSpinTicks;
    if (freespinsdone < freespins)
        countFreeSpin();
    else
        settle();
    if (onResolved)
        onResolved();
}

void Melvane::landReels(const std::array<bool, kReels + 1> &chimes)
{
    const AnimationParameters &a = animationFor(g.reelspeed);
    animationLevel = a.level;
    const int pause = a.reelspeed + animationLevel;
    const auto reelTop = [this](int r) { return reeltop[static_cast<std::size_t>(r)]; };

    // A paid spin's landing may be cut short by the player; a free spin's, shown by the respin
    // timer, runs its course.
    quickStopAsked_ = false;
    if (playOptions.quickStop && paidSpin_)
        host_.setQuickStop([this] { quickStopAsked_ = true; });
    const auto frame = [&] {
        host_.sleep(pause);
        return quickStopAsked_;
    };
    const auto landingSounds = [&](int r) {
        if (freespins < 1)
            sound(Clip::ReelStop);
        if (chimes[static_cast<std::size_t>(r)])
            sound(kChimes[static_cast<std::size_t>(r)]);
    };
    // The reels from `first` on land one after the other at once, each with its sounds; those
    // before it settle where they stop.
    const auto landAtOnce = [&](int first) {
        host_.setQuickStop({});
        for (int r = 1; r < first; ++r)
            moveReel(r, reelTop(r));
        for (int r = first; r <= kReels; ++r) {
            landingSounds(r);
            moveReel(r, reelTop(r));
            host_.sleep(timing::kQuickStopLandingMs);
        }
    };

    for (int pass = 0; pass < kSpinPasses; ++pass) {
        for (std::int32_t p = reelTop(1) - kRunUp; p <= reelTop(1); p += a.step) {
            for (int r = 1; r <= kReels; ++r)
                moveReel(r, p);
            if (frame())
                return landAtOnce(1);
        }
    }
    for (int r = 1; r <= kReels - 1; ++r) {
        const std::int32_t base = reelTop(r) + kOvershoot;
        int settle = 0;
        landingSounds(r);
        for (int pass = 0; pass < a.passes; ++pass) {
            for (std::int32_t p = reelTop(r + 1) - kRunUp; p <= reelTop(r + 1); p += a.step) {
                if (settle < kOvershoot) {
                    settle += kSettleStep;
                    moveReel(r, base - settle);
                }
                for (int right = r + 1; right <= kReels; ++right)
                    moveReel(right, p);
                if (frame())
                    return landAtOnce(r + 1);
            }
        }
    }
    const std::int32_t base = reelTop(kReels) + kOvershoot;
    landingSounds(kReels);
    for (int settle = 0; settle <= kOvershoot; settle += kSettleStep) {
        moveReel(kReels, base - settle);
        if (frame())
            return landAtOnce(kReels + 1);
    }
    host_.setQuickStop({});
}

void Melvane::awardFreeSpins()
{
    if (!addChecked(freespins, freeSpinsAdded(spin.scattercode)))
        host_.processEvents();
    addChecked(g.howmanyspins, 1);
    creditWin(freespinwin, spinwin);

    // The meters show the round's total so far and this spin's win in place of the last bet.
    piclastbet.hide();
    lbllast.hide();
    LABLAST.hide();
    picthiswin.show();
    lblcurrentwin.show();
    LABWIN.setCaption(std::to_string(freespinwin));
    lblwin.setCaption(moneyCaption(freespinwin));
    lblcurrentwin.setCaption(std::to_string(spinwin));
    spinsleft.show();
    spinsleft.setCaption(Wording(kSpinsRemaining, {Wording::number(freespins - freespinsdone)}));
    cmdfastmoney.hide();
    autoplayon.hide();
    autoplayoff.hide();
    autoplayon.setEnabled(false);
    autoplayoff.setEnabled(false);
    tmrautospin.stop();
    keyPreview = false;
    host_.processEvents();
    hideBetControls();

    if (freespinsdone == 0)
        sound(Clip::FreeSpinFanfare);
    if (autoplay > 0)
        autoRun_.bonus = true;
    saveAwardedRound();
    // Hold the machine while the award sounds: until the clock's whole seconds have advanced
    // by twelve. A monotonic clock, so an award just before midnight ends like any other.
    const std::int64_t started = host_.monotonicMs();
    const std::int64_t deadline = (started / 1000 + timing::kAwardWaitSeconds) * 1000;
    host_.processEventsUntil(deadline);
    Timerrespin.start();
}

void Melvane::countFreeSpin()
{
    addChecked(freespinsdone, 1);
    spinsleft.show();
    spinsleft.setCaption(Wording(kSpinsRemaining, {Wording::number(freespins - freespinsdone)}));
    if (freespinsdone == freespins) {
        freespinsover = 1;
        spinsleft.setCaption(kSpinsCompleted);
        takewin.setEnabled(true);
        takewin.show();
        Timerrespin.stop();
        spinsleft.hide();
        LABWIN.setCaption(std::to_string(freespinwin));
        lblwin.setCaption(moneyCaption(freespinwin));
        // The round's tune ends with its last free spin.
        if (tuneSounding_) {
            host_.stopClips();
            tuneSounding_ = false;
        }
        recordCountedSpin();
        saveSettled();
        if (autoplay > 0) {
            tmrautospin.start();
            takewin.press();
            Timerwincounter.start();
        }
        return;
    }
    Timerwincounter.start();
    refundStake(g);
    Timerrespin.start();
    recordCountedSpin();
    saveSettled();
}

void Melvane::recordCountedSpin()
{
    noteSettledStep();
    if (!std::exchange(awardRecorded_, false))
        recordStep(spinStep(paidSpin_ ? StepKind::Spin : StepKind::FreeSpin), g, freespinsdone);
}

void Melvane::hideBetControls()
{
    for (int i = 1; i <= 5; ++i) {
        play[static_cast<std::size_t>(i)].hide();
        payline[static_cast<std::size_t>(i)].hide();
    }
    COINSIN.hide();
    doublebutton.hide();
    cmdfastmoney.setEnabled(false);
}

void Melvane::resumeRound(const StoredRound &round)
{
    coinbet = round.coinbet;
    waysmult = round.waysmult;
    setCovers();
    freespins = round.spins;
    freespinsdone = round.done;
    freespinwin = round.win;
    freespinsover = round.done == round.spins ? 1 : 0;
    respinroll = round.tune;
    respinflag = 0;
    wildmult = round.wildmult;
    for (int draw = 1; draw <= kWildMultiplierDraws; ++draw)
        if (wildMultiplierFor(draw).wildmult == wildmult)
            wildframe = static_cast<std::int16_t>(wildMultiplierFor(draw).wildframe);
    // The reels show the free spin the game was closed after, Wilds and their badges included.
    if (round.stops != Stops{}) {
        spin.reset();
        for (int reel = 1; reel <= kReels; ++reel) {
            const auto r = static_cast<std::size_t>(reel);
            reelstop[r] = static_cast<std::int16_t>(round.stops[r - 1]);
            writeReel(spin, reel, reelstop[r], waysmult);
            reeltop[r] = reeltopFor(reelstop[r]);
            moveReel(reel, reeltop[r]);
        }
        clearInactiveRows(spin, waysmult);
        for (int c = kFirstWildCell; c <= kLastWildCell; ++c)
            if (spin.wildcell[static_cast<std::size_t>(c)] > 0 && wildmult > 0)
                timerballflash.start();
    }

    piclastbet.hide();
    lbllast.hide();
    LABLAST.hide();
    picthiswin.show();
    lblcurrentwin.show();
    lblcurrentwin.setCaption("");
    LABWIN.setCaption(std::to_string(freespinwin));
    lblwin.setCaption(moneyCaption(freespinwin));
    cmdfastmoney.hide();
    autoplayon.hide();
    autoplayoff.hide();
    autoplayon.setEnabled(false);
    autoplayoff.setEnabled(false);
    keyPreview = false;
    hideBetControls();
    if (freespinsover > 0) {
        takewin.setEnabled(true);
        takewin.show();
        return;
    }
    spinsleft.show();
    spinsleft.setCaption(Wording(kSpinsRemaining, {Wording::number(freespins - freespinsdone)}));
    // The next free spin comes a few seconds after start-up, counted by the tick timer.
    autoticks = kResumedRoundTicks;
    Tmrtick.start();
    Timerrespin.start();
}

void Melvane::refundStake(Globals &meters) const
{
    if (charged_.wager)
        addChecked(meters.wager, -stake());
    if (charged_.games)
        addChecked(meters.games, -1);
    if (charged_.bank)
        addChecked(meters.bank, stake());
}

void Melvane::saveAwardedRound()
{
    Globals meters = g;
    // As the count after the wait will leave them: every spin of a round is refunded but its
    // last, which an award is only when a full count of spins could take none of it.
    if (freespinsdone + 1 < freespins)
        refundStake(meters);
    StoredRound round = roundOf(*this);
    addChecked(round.done, 1);
    // The journal has the spin before the profile does, as with every step: a kill during the
    // wait leaves both holding the round, its first spin counted.
    recordStep(spinStep(paidSpin_ ? StepKind::Spin : StepKind::FreeSpin), meters, round.done);
    awardRecorded_ = true;
    if (!closed_)
        saveprofile(*this, meters, round);
}

void Melvane::chooseWinSound()
{
    if (!g.soundOn()) {
        autopause = kSilentPause;
        return;
    }
    if (spinwin < 1) {
        autopause = kNoWinPause;
        winstep = 0;
    } else {
        const auto row = std::find_if(kWinSounds.begin(), kWinSounds.end(),
                                      [this](const WinSound &w) { return spinwin <= w.upTo; });
        autopause = row != kWinSounds.end() ? row->autopause : kBiggestWinPause;
        sound(row != kWinSounds.end() ? row->clip : kBiggestWinClip);
    }
    host_.processEvents();
}

void Melvane::settle()
{
    const bool credited = creditWin(g.bank, spinwin);
    if (credited && autoplay > 0)
        autoRun_.biggestWin = std::max(autoRun_.biggestWin, spinwin);
    if (!credited)
        host_.processEvents();
    if (spinwin < 1) {
        LABWIN.setCaption(GameText::tr("No Win"));
        lblwin.setCaption("");
    } else {
        Timerwincounter.start();
    }
    if (spinwin > 0 && freespins < 1 && autoplay == 0)
        doublebutton.setEnabled(true);
    // A win a full credit could not take is not in the credit, so it cannot be staked either:
    // the gamble would take coins out of the credit that the win never put there.
    if (!credited)
        doublebutton.setEnabled(false);
    journalStep(spinStep(StepKind::Spin));
    saveSettled();
}

} // namespace melvane
