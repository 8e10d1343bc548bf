#pragma once

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "game/machine/melvane.h"
#include "platform/virtual/virtualhost.h"

namespace melvane::testing_support {

// Sets a machine up as after start-up: player 1, 1 coin, 243 ways, payout setting 5, reel
// speed 1, sound on, win counter counting up, and 1000 coins of credit.
inline void setUpAsStarted(Melvane &m)
{
    m.coinbet = 1;
    m.waysmult = 25;
    m.g.playernumber = "1";
    m.g.machinepay = 5;
    m.g.reelspeed = 1;
    m.g.soundonoff = -1;
    m.g.winroll = 1;
    m.g.bank = 1000;
    m.focus = "play(1)";
}

// A machine on a virtual clock, set up as after start-up.
class GameFixture : public ::testing::Test {
protected:
    VirtualHost host;
    Melvane m{host};

    GameFixture() { setUpAsStarted(m); }

    // Scripts the draws of one spin: five stops, the Wild multiplier draw (1..25) when the spin
    // is a free spin, and the payout draw (1 lets any outcome stand).
    void queueSpin(const Stops &stops, int payoutDraw = 1, int multiplierDraw = 0)
    {
        host.queueStops(stops);
        if (multiplierDraw > 0)
            host.queueDraw(25, multiplierDraw);
        host.queueDraw(m.g.machinepay, payoutDraw);
    }

    // A paid spin by a click on play(index) with scripted stops that stand.
    void spinWith(const Stops &stops, int index = 1)
    {
        queueSpin(stops);
        m.play[static_cast<std::size_t>(index)].press();
    }
};

// Names of the window's timers that are running.
inline std::set<std::string> runningTimers(Melvane &m)
{
    std::set<std::string> names;
    for (Timer *t : {&m.Tmrtick, &m.tmrautospin, &m.Timerflash, &m.timerballflash, &m.Timerscatter,
                     &m.Timerwincounter, &m.Timerrespin})
        if (t->enabled())
            names.insert(t->name());
    return names;
}

// Stops of some outcomes, worked out from the strips.
inline constexpr Stops kLosingStops = {2, 10, 3, 2, 2};     // nothing pays, no Scatter, no Wild
inline constexpr Stops kK40Stops = {12, 2, 9, 1, 5};        // K run of 3, 2 ways: 40 per coin; Wild in cell 6
inline constexpr Stops kThreeScattersStops = {1, 9, 8, 1, 1}; // Scatters on reels 1-3
inline constexpr Stops kFourScattersStops = {1, 9, 8, 5, 1};  // Scatters on reels 1-4: 250 at 25, 21 spins
inline constexpr Stops kFiveOnesStops = {1, 1, 1, 1, 1};      // Scatters on reels 1-3: 50 at 25, 11 spins, no other win

// Draws 1..25 of the Wild multiplier: 15..25 give x2, 2..5 give x5.
inline constexpr int kMultiplierTwo = 15;
inline constexpr int kMultiplierFive = 2;

} // namespace melvane::testing_support
