#include "mathtool/gameengine.h"

#include <gtest/gtest.h>

#include "rules/returntoplayer.h"

namespace melvane::mathtool {
namespace {

TEST(GameEngine, TheGameItselfReturnsWhatTheMathematicsSays)
{
    GameEngineRequest request;
    request.spins = 150'000;
    request.waysmult = 25;
    request.coinbet = 2;
    request.machinepay = 3;
    request.seed = 17;
    std::uint64_t lastProgress = 0;
    request.progress = [&](std::uint64_t done) { lastProgress = done; };
    const GameEngineResult r = playGameEngine(request);

    EXPECT_EQ(r.games, request.spins);
    EXPECT_EQ(lastProgress, request.spins);
    EXPECT_EQ(r.wagered, 50.0L * static_cast<long double>(request.spins)); // one stake per game, bonus included
    EXPECT_GT(r.bonuses, 1000u);
    const double exact = exactRtp(enumerateOutcomes(OutcomeTable(25)), 3).totalReturn;
    // The 99.9% interval: several seeds' worth of margin for a fixed-seed check.
    const double half = (r.totalReturn.high - r.totalReturn.low) / 2 * (3.2905 / 1.95996);
    EXPECT_NEAR(r.totalReturn.value, exact, half);
}

TEST(GameEngine, SameSeedPlaysTheSameGames)
{
    GameEngineRequest request;
    request.spins = 5'000;
    request.waysmult = 7;
    request.machinepay = 5;
    request.seed = 99;
    const GameEngineResult a = playGameEngine(request);
    const GameEngineResult b = playGameEngine(request);
    EXPECT_EQ(a.won, b.won);
    EXPECT_EQ(a.bonuses, b.bonuses);
    request.seed = 100;
    EXPECT_NE(playGameEngine(request).won, a.won);
}

} // namespace
} // namespace melvane::mathtool
