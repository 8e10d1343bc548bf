#pragma once

#include <cstdint>
#include <string>

#include "game/machine/wording.h"

namespace melvane {

class SettingsStore;

// The player's own controls beside the designed game, chosen in the "Play" menu. They belong to
// the machine, not to a profile: whoever sits at it keeps them when switching players. At their
// defaults the game plays exactly as designed.
struct PlayOptions {
    bool quickStop = false;     // a click on the reels or the space bar lands them at once
    bool sessionLine = true;    // the session clock and net position under the reels
    int realityCheckMinutes = 0; // 0: off; else 15, 30 or 60

    friend bool operator==(const PlayOptions &, const PlayOptions &) = default;
};

// The reality check intervals the menu offers, in minutes.
inline constexpr int kRealityCheckChoices[] = {15, 30, 60};
bool isRealityCheckChoice(int minutes);

// Reads the play options; a missing or bad value is refused on its own and keeps its default.
PlayOptions readPlayOptions(const SettingsStore &store);
void writePlayOptions(SettingsStore &store, const PlayOptions &options);

// The meters of the player in use that the session counts from.
struct SessionMeters {
    std::int64_t wager = 0;
    std::int64_t total = 0;
    std::int64_t gamblelost = 0;
    std::int64_t waiting = 0; // the round total not collected yet
    std::int64_t games = 0;

    friend bool operator==(const SessionMeters &, const SessionMeters &) = default;
};

// What this run of the game has staked and won, across every player used in it: the changes
// of the meters between settled steps, added up. Credit put on the machine is not play and is
// not counted; a round's total counts once collected, a gamble once it is settled.
class SessionTally {
public:
    // The session starts now with these meters.
    void start(std::int64_t nowMs, const SessionMeters &meters);
    // Counts what changed since the last note.
    void note(const SessionMeters &meters);
    // Another player's meters (or cleared ones) are in use: counting goes on from them.
    void rebase(const SessionMeters &meters) { last_ = meters; }

    std::int64_t startedMs() const { return startedMs_; }
    std::int64_t staked() const { return staked_; }
    std::int64_t won() const { return won_; }
    std::int64_t games() const { return games_; }
    std::int64_t net() const { return won_ - staked_; }

private:
    std::int64_t startedMs_ = 0;
    std::int64_t staked_ = 0;
    std::int64_t won_ = 0;
    std::int64_t games_ = 0;
    SessionMeters last_;
};

// "1:02:03": hours, minutes and seconds of a duration.
std::string clockText(std::int64_t ms);
// "+125 coins ($ 1.25)", "-40 coins ($ -0.4)", "0 coins ($ 0)".
Wording signedCoinsText(std::int64_t coins);
// The line under the reels: "Session 0:12:05     Net +125 coins ($ 1.25)".
Wording sessionLineText(std::int64_t elapsedMs, const SessionTally &tally);
// The reality check's message: time, games, staked, won and net.
Wording realityCheckText(std::int64_t elapsedMs, const SessionTally &tally);

} // namespace melvane
