#pragma once

#include <cstdint>
#include <functional>

#include "rules/simulation.h"

namespace melvane::mathtool {

struct GameEngineRequest {
    std::uint64_t spins = 0;
    int waysmult = 25;
    int coinbet = 1;
    int machinepay = 5;
    std::uint64_t seed = 0;
    // Whether every settled step goes to a journal in memory (the latest 100,000 games kept).
    bool journal = false;
    std::function<void(std::uint64_t)> progress;
};

struct GameEngineResult {
    std::uint64_t games = 0;
    std::uint64_t bonuses = 0;
    long double wagered = 0; // coins, from the player's statistics
    long double won = 0;
    Estimate totalReturn;    // won / wagered with its 95% interval
    double virtualHours = 0;
};

// Plays the real game core in autoplay on the virtual host, animation and waits included but
// costing nothing, and measures the return from the player's statistics (total / wager).
GameEngineResult playGameEngine(const GameEngineRequest &request);

} // namespace melvane::mathtool
