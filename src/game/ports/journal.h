#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "rules/reelstrips.h"
#include "rules/symbols.h"

namespace melvane {

// One settled step of play, as the game journal keeps it. A game is a paid spin with
// everything it led to: its free-spin round, the collect and the gamble on its win. Credit put
// on the machine is an entry of its own.
enum class StepKind : int {
    Spin = 1,      // a paid spin, settled or starting a free-spin round
    FreeSpin = 2,  // a counted free spin
    Collect = 3,   // a round total collected (or kept, when the credit could not take it)
    GambleOpen = 4,
    GambleCard = 5,
    GambleCollect = 6,
    GambleLost = 7,
    Credit = 8,    // "Click For Credit"
    FastMoney = 9, // the $50 button
    // The credit changed outside play: the player cleared the profile, or the game started with
    // a profile that differs from the journal's last step (a crash between the journal's write
    // and the profile's, or an edited store). An entry of its own.
    Adjustment = 10,
};

// The bet of a gamble card.
enum class GambleBet : int { None = 0, Red = 1, Black = 2, Hearts = 3, Clubs = 4, Diamonds = 5, Spades = 6 };

// One symbol's pay in a spin, before any Wild multiplier: its run, its ways and the coins.
struct PayPart {
    Symbol symbol = Symbol::K;
    int run = 0;
    int ways = 0;
    std::int64_t coins = 0;
    friend bool operator==(const PayPart &, const PayPart &) = default;
};

// The player's books after a step, beside the credit: with them a step says all the profile
// holds of money, so a profile that missed the step's save can be brought up to it.
struct JournalBooks {
    std::int64_t amountinvested = 0;
    std::int64_t wager = 0;
    std::int64_t total = 0;
    std::int64_t games = 0;
    std::int64_t gamblelost = 0;
    std::int64_t howmanyspins = 0;
    friend bool operator==(const JournalBooks &, const JournalBooks &) = default;
};

struct JournalStep {
    StepKind kind = StepKind::Spin;
    int player = 0; // 1..6
    std::int64_t atMs = 0;   // wall-clock time, stamped by the journal when it records the step
    std::int64_t serial = 0; // the order the journal recorded the steps in, ascending

    // The bet.
    int coinbet = 0;
    int waysmult = 0;
    std::int64_t stake = 0;

    // A spin: the stops shown, how many outcomes the payout control drew again before them, the
    // pays before the multiplier, the multiplier of a free spin (0 in a paid spin) and the win.
    Stops stops{};
    int discarded = 0;
    std::vector<PayPart> parts;
    std::int64_t scatterPay = 0;
    int wildmult = 0;
    std::int64_t win = 0;
    // The win reached neither the credit nor the round total: a meter could not take it.
    bool uncredited = false;
    // The stake left the credit (or would have, for a refunded free spin); not when `wager`
    // could not count it.
    bool stakeCharged = true;
    int freeSpinsAdded = 0;
    int freespins = 0;     // of the round after the step
    int freespinsdone = 0; // of the round after the step

    // The gamble: the bet, the card (1 hearts, 2 clubs, 3 diamonds, 4 spades) and the amount at
    // risk after the card; for an open, a collect or a loss, the amount staked or taken.
    GambleBet bet = GambleBet::None;
    int card = 0;
    bool won = false;
    std::int64_t amount = 0;

    // The books after the step, and the credit before it.
    std::int64_t creditBefore = 0;
    std::int64_t creditAfter = 0;
    std::int64_t roundTotal = 0; // a round total waiting for a collect, after the step
    // None in steps recorded before the books were kept with them.
    std::optional<JournalBooks> books;

    friend bool operator==(const JournalStep &, const JournalStep &) = default;
};

struct JournalGame {
    std::int64_t id = 0; // ascending in the order games began
    int player = 0;
    std::vector<JournalStep> steps; // in the order they settled

    std::int64_t startedMs() const { return steps.empty() ? 0 : steps.front().atMs; }
};

// Where the game writes what it played. Recording never stops the game: a journal that cannot
// write tells the player once and goes on without writing.
class Journal {
public:
    virtual ~Journal() = default;
    // Makes the journal ready to write; the game calls it once start-up has passed its screen
    // check, so a game that ends there leaves nothing behind. Returns whether it can write.
    virtual bool open() { return true; }
    // Writes one settled step at once, in a transaction of its own. A Spin begins a new game;
    // Credit, FastMoney and Adjustment are entries of their own; every other step belongs to the
    // player's latest game (a round carried on after a restart included). Returns the step's
    // serial, or 0 when it was not written.
    virtual std::int64_t record(const JournalStep &step) = 0;
    // The last `count` games of a player, newest first, each with its steps in order.
    virtual std::vector<JournalGame> lastGames(int player, int count) = 0;
    // The step of a player that was recorded last, if any.
    virtual std::optional<JournalStep> lastStep(int player) = 0;
};

// Whether a step is an entry of its own rather than a step of a game.
constexpr bool isEntry(StepKind kind)
{
    return kind == StepKind::Credit || kind == StepKind::FastMoney || kind == StepKind::Adjustment;
}

// A journal in memory: tests and tools. Keeping `keep` games at most (0: all), it drops the
// oldest in batches, as the real journal prunes.
class InMemoryJournal : public Journal {
public:
    explicit InMemoryJournal(std::size_t keep = 0) : keep_(keep) {}

    std::int64_t record(const JournalStep &step) override
    {
        JournalStep s = step;
        s.atMs = ++clock_;
        s.serial = clock_;
        last_[s.player] = s;
        const bool entry = isEntry(s.kind);
        JournalGame *game = entry || s.kind == StepKind::Spin ? nullptr : latestGame(s.player);
        if (game == nullptr) {
            games.push_back({static_cast<std::int64_t>(games.size()) + 1, s.player, {}});
            game = &games.back();
        }
        game->steps.push_back(std::move(s));
        if (keep_ > 0 && games.size() > keep_ + keep_ / 10)
            games.erase(games.begin(), games.begin() + static_cast<std::ptrdiff_t>(games.size() - keep_));
        return clock_;
    }
    std::vector<JournalGame> lastGames(int player, int count) override
    {
        std::vector<JournalGame> found;
        for (auto it = games.rbegin(); it != games.rend() && static_cast<int>(found.size()) < count; ++it)
            if (it->player == player)
                found.push_back(*it);
        return found;
    }

    std::optional<JournalStep> lastStep(int player) override
    {
        const auto it = last_.find(player);
        return it == last_.end() ? std::nullopt : std::optional<JournalStep>(it->second);
    }

    std::vector<JournalGame> games; // oldest first

private:
    JournalGame *latestGame(int player)
    {
        for (auto it = games.rbegin(); it != games.rend(); ++it)
            if (it->player == player && !it->steps.empty() && !isEntry(it->steps.front().kind))
                return &*it;
        return nullptr;
    }

    std::size_t keep_;
    std::int64_t clock_ = 0;
    std::map<int, JournalStep> last_;
};

} // namespace melvane
