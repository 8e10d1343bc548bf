#include "mathtool/gameengine.h"

#include <algorithm>
#include <cmath>

#include "game/machine/melvane.h"
#include "platform/virtual/virtualhost.h"

namespace melvane::mathtool {

namespace {
// Credit kept on the machine so that a losing run never stops autoplay.
constexpr std::int32_t kCredit = 1'000'000'000;
constexpr std::int64_t kSliceMs = 600'000;
constexpr double kZ95 = 1.959963984540054;
constexpr std::size_t kJournalGames = 100'000;
} // namespace

GameEngineResult playGameEngine(const GameEngineRequest &request)
{
    VirtualHost host(request.seed);
    host.recordClips = false;
    Melvane m(host);
    InMemoryJournal journal(kJournalGames);
    if (request.journal)
        m.journal = &journal;
    m.coinbet = static_cast<std::int16_t>(request.coinbet);
    m.waysmult = static_cast<std::int16_t>(request.waysmult);
    m.g.machinepay = static_cast<std::int16_t>(request.machinepay);
    m.g.reelspeed = 1;
    m.g.soundonoff = 0;
    m.g.winroll = 0;
    m.g.bank = kCredit;
    m.g.playernumber = "1";

    GameEngineResult result;
    const long double stake = static_cast<long double>(request.coinbet) * request.waysmult;
    long double sumSquares = 0;
    bool inBonus = false;
    // A game ends when no bonus is left running: a settled paid spin, or a collected bonus.
    // Its win is read from the statistics, which are then emptied so 32 bits never overflow.
    m.onResolved = [&] {
        if (m.freespins > 0) {
            inBonus = true;
            return;
        }
        if (inBonus)
            ++result.bonuses;
        inBonus = false;
        const long double won = m.g.total;
        result.won += won;
        result.wagered += m.g.wager;
        sumSquares += (won / stake) * (won / stake);
        result.games += static_cast<std::uint64_t>(m.g.games);
        m.g.total = 0;
        m.g.wager = 0;
        m.g.games = 0;
        m.g.bank = kCredit;
        if (result.games >= request.spins)
            m.autoplayoff.press();
    };

    m.autoplayon.press();
    while (result.games < request.spins && m.autoplay > 0) {
        host.advance(kSliceMs);
        if (request.progress)
            request.progress(std::min(result.games, request.spins));
    }
    result.virtualHours = static_cast<double>(host.now()) / 3.6e6;
    if (result.games > 0 && result.wagered > 0) {
        const long double n = static_cast<long double>(result.games);
        const long double mean = result.won / stake / n;
        const long double variance = n > 1 ? std::max(0.0L, (sumSquares - n * mean * mean) / (n - 1)) : 0.0L;
        const long double half = kZ95 * std::sqrt(variance / n);
        const long double ratio = result.won / result.wagered;
        result.totalReturn = {static_cast<double>(ratio), static_cast<double>(ratio - half),
                              static_cast<double>(ratio + half)};
    }
    return result;
}

} // namespace melvane::mathtool
