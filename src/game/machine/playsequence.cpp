// Bet and ways selection, the play sequence and the spin-start reset.
#include <algorithm>

#include "rules/draw.h"
#include "game/machine/melvane.h"
#include "rules/money.h"

namespace melvane {

namespace {
constexpr std::array<int, 8> kCoverCells = {4, 7, 10, 13, 6, 9, 12, 15}; // the order they are set in
} // namespace

int Melvane::playIndexFor(int bet)
{
    return buttonFor(kCoinBets, bet);
}

void Melvane::setCovers()
{
    for (int cell : kCoverCells)
        Shape[static_cast<std::size_t>(cell)].setVisible(!cellInPlay(cell, waysmult));
}

void Melvane::paylineClick(int index)
{
    // The ways of a spin stay those it was charged at (switching autoplay off unlocks the buttons
    // while its last spin still runs).
    if (spinRunning())
        return;
    if (index >= 1 && index <= 5) {
        waysmult = static_cast<std::int16_t>(kWaysMults[static_cast<std::size_t>(index - 1)]);
        setCovers();
    }
    for (int c = 1; c <= kCells; ++c)
        flasher[static_cast<std::size_t>(c)].hide();
}

void Melvane::playClick(int index)
{
    // A spin never starts inside another (a bet button unlocked in the middle of a spin by
    // switching autoplay off), under an open gamble, whose stake it would lose, or once the game
    // is closing.
    if (spinRunning() || pandouble.visible() || closeRequested_ || messagesOpen_ > 0)
        return;
    const Busy busy(*this);
    // Autoplay's next spin after a loss follows at once; it runs here, after the sequence that
    // asked for it, rather than nested inside it, so a long losing streak cannot deepen the stack.
    int i = index;
    while (runPlaySequence(i) && !closeRequested_)
        i = playIndexFor(coinbet);
}

void Melvane::pressPlayForCoinbet()
{
    const int i = playIndexFor(coinbet);
    if (i != 0)
        playClick(i);
}

void Melvane::setAllPlayAndWays(bool enabled)
{
    for (int i = 1; i <= 5; ++i) {
        play[static_cast<std::size_t>(i)].setEnabled(enabled);
        payline[static_cast<std::size_t>(i)].setEnabled(enabled);
    }
}

bool Melvane::runPlaySequence(int index)
{
    struct Running {
        int &depth;
        explicit Running(int &d) : depth(d) { ++depth; }
        ~Running() { --depth; }
    } running(playSequenceDepth_);

    const bool freeSpin = freespins > 0;
    // A paid spin waits for the profile to be saved: money played unsaved could be lost.
    if (!freeSpin && !retrySave()) {
        sound(Clip::Refused);
        if (autoplay > 0) {
            autoplay = 0;
            autoRun_.keyStop = false;
            autoplayon.show();
        } else {
            tellSaveFailure();
        }
        return false;
    }
    autoplayon.setEnabled(false);
    if (!freeSpin) {
        sound(Clip::Click);
        autoticks = 0;
        wildframeticks = 0;
        wildframe = 0;
        // `freespinwin` is 0 here, unless collect could not add a bonus total to a full credit:
        // that total waits for the next collect rather than being lost at the next spin.
        wincountvalue = 0;
        winstep = 0;
        if (index >= 1 && index <= 5)
            coinbet = static_cast<std::int16_t>(kCoinBets[static_cast<std::size_t>(index - 1)]);
        if (!creditCovers()) {
            sound(Clip::Refused);
            pannomoney.show();
            COINSIN.setEnabled(true);
            cmdfastmoney.setEnabled(true);
            autoplay = 0;
            autoRun_.keyStop = false;
            autoplayon.show();
            host_.processEvents();
            return false;
        }
        // Only a spin that starts ends the last win's gamble: a refused press leaves it as it was.
        freespincollected = 0;
        gambleamount = 0;
        pannomoney.hide();
        setCovers();
        if (autoplay > 0)
            ++autoRun_.spins;
        else
            lblautoplay.hide(); // why autoplay stopped is old news once the player spins
    }
    COINSIN.setEnabled(false);
    for (int i = 1; i <= 5; ++i) {
        play[static_cast<std::size_t>(i)].setEnabled(false);
        payline[static_cast<std::size_t>(i)].setEnabled(false);
    }
    cmdfastmoney.setEnabled(false);
    Timerflash.stop();
    timerballflash.stop();
    if (freespins < 1) {
        doublebutton.show();
        LABWIN.setCaption(GameText::tr("Good Luck"));
        lblwin.setCaption(" ");
        LABLAST.setCaption(std::to_string(stake()));
        lbllast.setCaption(moneyCaption(stake()));
        showBank();
        Timerwincounter.stop();
    }
    for (int r = 1; r <= kReels; ++r)
        spin.scattercell[static_cast<std::size_t>(r)] = 0;
    spinreels();
    keycount = 0;
    autoplayon.setEnabled(true);
    host_.processEvents();
    if (autoplay == 0) {
        setAllPlayAndWays(true);
        cmdfastmoney.setEnabled(true);
        COINSIN.setEnabled(true);
    }
    // A game has ended unless a free-spin round goes on: the player's checks come now, before
    // autoplay spins again.
    if (freespins == 0 && !betweenGames())
        return false;
    return spinwin < 1 && autoplay > 0 && playIndexFor(coinbet) != 0;
}

void Melvane::spinreels()
{
    spinStartReset();
    for (int reel = 1; reel <= kReels; ++reel)
        reelStep(reel);
    resolvespin();
}

void Melvane::spinStartReset()
{
    pannomoney.hide();
    doublebutton.setEnabled(false);
    Timerscatter.stop();
    Timerflash.stop();
    timerballflash.stop();
    Timerrespin.stop();
    Tmrtick.stop();
    spin.reset();
    // A free spin leaves the round's tune playing: it sounds from the first free spin to the last.
    if (freespins < 1 || !tuneSounding_) {
        host_.stopClips();
        tuneSounding_ = false;
    }
    host_.processEvents();
    for (int c = 1; c <= kCells; ++c)
        flasher[static_cast<std::size_t>(c)].hide();
}

void Melvane::reelStep(int reel)
{
    const auto r = static_cast<std::size_t>(reel);
    reelstop[r] = static_cast<std::int16_t>(drawIndex(host_.uniform(), kStops));
    writeReel(spin, reel, reelstop[r], waysmult);
    reeltop[r] = reeltopFor(reelstop[r]);
}

} // namespace melvane
