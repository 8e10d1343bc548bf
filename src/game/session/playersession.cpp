// The session's tally and texts, and the "Play" menu's stored choices.
#include "game/session/playersession.h"

#include <algorithm>
#include <cstdio>

#include "game/ports/settingsstore.h"
#include "game/profiles/storedvalue.h"
#include "rules/money.h"

namespace melvane {

namespace {

// Beside the autoplay notice: choices of the machine, not of a player.
constexpr StoreKey kQuickStopKey{"key", "play", "quickstop"};
constexpr StoreKey kSessionLineKey{"key", "play", "sessionline"};
constexpr StoreKey kRealityCheckKey{"key", "play", "realitycheck"};

} // namespace

bool isRealityCheckChoice(int minutes)
{
    return std::find(std::begin(kRealityCheckChoices), std::end(kRealityCheckChoices), minutes) !=
           std::end(kRealityCheckChoices);
}

PlayOptions readPlayOptions(const SettingsStore &store)
{
    PlayOptions options;
    const auto text = [&](const StoreKey &at) { return store.valueAt(at); };
    readStoredSwitch(options.quickStop, text(kQuickStopKey));
    readStoredSwitch(options.sessionLine, text(kSessionLineKey));
    int minutes = -1;
    if (readStored(minutes, text(kRealityCheckKey)) && (minutes == 0 || isRealityCheckChoice(minutes)))
        options.realityCheckMinutes = minutes;
    return options;
}

void writePlayOptions(SettingsStore &store, const PlayOptions &options)
{
    store.setValueAt(kQuickStopKey, storedSwitchText(options.quickStop));
    store.setValueAt(kSessionLineKey, storedSwitchText(options.sessionLine));
    store.setValueAt(kRealityCheckKey, std::to_string(options.realityCheckMinutes));
    store.flush();
}

void SessionTally::start(std::int64_t nowMs, const SessionMeters &meters)
{
    *this = {};
    startedMs_ = nowMs;
    last_ = meters;
}

void SessionTally::note(const SessionMeters &meters)
{
    staked_ += meters.wager - last_.wager;
    games_ += meters.games - last_.games;
    // What reached the credit: wins, less gamble losses, less what still waits in a round.
    won_ += (meters.total - last_.total) - (meters.gamblelost - last_.gamblelost) - (meters.waiting - last_.waiting);
    last_ = meters;
}

std::string clockText(std::int64_t ms)
{
    const std::int64_t seconds = std::max<std::int64_t>(0, ms) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

Wording signedCoinsText(std::int64_t coins)
{
    // The sign stands apart from the count, which chooses the plural by its size alone.
    const std::int64_t size = coins < 0 ? -coins : coins;
    return Wording::counted(GameText::tr("%1%n coins (%2)", nullptr, kCounted), size,
                            {Wording::verbatim(coins > 0 ? "+" : coins < 0 ? "-" : ""), Wording::money(coins)});
}

Wording sessionLineText(std::int64_t elapsedMs, const SessionTally &tally)
{
    return {GameText::tr("Session %1     Net %2"), {Wording::verbatim(clockText(elapsedMs)), signedCoinsText(tally.net())}};
}

Wording realityCheckText(std::int64_t elapsedMs, const SessionTally &tally)
{
    const auto coins = [](std::int64_t c) { return Wording::counted(GameText::tr("%n coins (%1)", nullptr, kCounted), c, {Wording::money(c)}); };
    return {GameText::tr("Reality check\r\rYou have been playing for %1.\r\rGames: %2\rStaked: %3\rWon: %4\rNet: %5"),
            {Wording::verbatim(clockText(elapsedMs)), Wording::number(tally.games()), coins(tally.staked()),
             coins(tally.won()), signedCoinsText(tally.net())}};
}

} // namespace melvane
