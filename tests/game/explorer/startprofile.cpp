// The store a run starts from: up to six players whose books balance, some of them near the
// 32-bit limits, one of them perhaps in the middle of a free-spin round.
#include <array>
#include <limits>
#include <sstream>

#include "game/explorer/internal.h"

namespace melvane::explorer {

namespace {

constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMax16 = std::numeric_limits<std::int16_t>::max();

class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}
    std::int64_t upTo(std::int64_t n) { return static_cast<std::int64_t>(engine_() % static_cast<std::uint64_t>(n + 1)); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_) < p; }
    template <typename T, std::size_t N>
    T pick(const std::array<T, N> &from)
    {
        return from[static_cast<std::size_t>(upTo(static_cast<std::int64_t>(N) - 1))];
    }
    // A meter: small, middling, or near the 32-bit limit, closer to it as often as farther:
    // within a stake or a credit press of it, just short of room for a fast-money press, or
    // within a few presses of it.
    std::int64_t meter(double nearLimit)
    {
        if (chance(nearLimit)) {
            switch (upTo(4)) {
            case 0:
                return kMax32 - upTo(20);
            case 1:
                return kMax32 - upTo(600);
            case 2:
                return kMax32 - 5'000 - upTo(600);
            case 3:
                return kMax32 - upTo(6'000);
            default:
                return kMax32 - upTo(30'000);
            }
        }
        return chance(0.5) ? upTo(5'000) : upTo(50'000'000);
    }

private:
    std::mt19937_64 engine_;
};

struct Books {
    std::int64_t bank = 0, invested = 0, wager = 0, total = 0, lost = 0, waiting = 0;
};

// Meters that satisfy bank + waiting round total = invested - wager + total - lost.
Books balancedBooks(Dice &d, double nearLimit)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        Books b;
        b.bank = d.meter(nearLimit);
        b.waiting = d.chance(0.25) ? d.meter(nearLimit / 3) : 0;
        b.wager = d.meter(nearLimit);
        b.lost = d.chance(0.4) ? d.meter(nearLimit) : 0;
        b.invested = d.meter(nearLimit);
        b.total = b.bank + b.waiting - b.invested + b.wager + b.lost;
        if (b.total >= 0 && b.total <= kMax32)
            return b;
    }
    return {};
}

struct Round {
    std::int64_t spins = 0, done = 0, coinbet = 1, waysmult = 25, tune = 0, wildmult = 0;
    std::string stops;
};

// A round as the game stores one: its last free spin is charged without a credit check, and
// the credit always covered the stake when the round was won, so it still does.
Round runningRound(Dice &d, std::int64_t bank)
{
    Round r;
    // A round near the 16-bit limit is near its end too: a retrigger may pass the limit, and the
    // run still gets to the rest of the game.
    const bool nearLimit = d.chance(0.2);
    r.spins = nearLimit ? kMax16 - d.upTo(40) : d.pick(std::array<std::int64_t, 4>{11, 21, 31, 53});
    r.done = nearLimit ? r.spins - d.upTo(20) : 1 + d.upTo(r.spins - 1);
    if (d.chance(0.2))
        r.done = r.spins; // complete: waiting for its collect
    do {
        r.coinbet = d.pick(std::array<std::int64_t, 5>{1, 2, 5, 10, 20});
        r.waysmult = d.pick(std::array<std::int64_t, 5>{1, 3, 7, 15, 25});
    } while (r.coinbet * r.waysmult > bank);
    r.tune = d.upTo(2);
    r.wildmult = d.pick(std::array<std::int64_t, 5>{0, 2, 3, 5, 10});
    if (d.chance(0.5)) {
        for (int reel = 0; reel < 5; ++reel)
            r.stops += (reel == 0 ? "" : ",") + std::to_string(1 + d.upTo(21));
    }
    return r;
}

void put(InMemorySettingsStore &store, int n, const char *key, const std::string &value)
{
    store.setValue("keys", "player" + std::to_string(n), key, value);
}

// Writes one player's profile and says what it holds.
std::string writePlayer(Dice &d, InMemorySettingsStore &store, int n, bool withRound)
{
    const double nearLimit = d.chance(0.45) ? 0.6 : 0.0;
    const Books b = balancedBooks(d, nearLimit);
    const std::int64_t games = d.chance(nearLimit > 0 ? 0.5 : 0.05) ? kMax32 - d.upTo(3) : d.upTo(100'000);
    const std::int64_t awards = d.chance(nearLimit > 0 ? 0.5 : 0.05) ? kMax16 - d.upTo(2) : d.upTo(300);
    const std::string names[] = {"", "Ann", "Bob", "Twelve chars", "Zo\xC3\xAB"};
    const std::string name = names[d.upTo(4)];
    const std::int64_t sound = d.chance(0.5) ? -1 : 0;
    const std::int64_t payout = d.pick(std::array<std::int64_t, 4>{5, 3, 2, 0});
    const std::int64_t winroll = d.upTo(1);
    const std::int64_t speed = d.pick(std::array<std::int64_t, 7>{1, 2, 4, 8, 10, 0, 3});

    put(store, n, "howmanyspins", std::to_string(awards));
    put(store, n, "soundonoff", std::to_string(sound));
    put(store, n, "machinepay", std::to_string(payout));
    put(store, n, "winroll", std::to_string(winroll));
    put(store, n, "reelspeed", std::to_string(speed));
    put(store, n, "amountinvested", std::to_string(b.invested));
    put(store, n, "wager", std::to_string(b.wager));
    put(store, n, "total", std::to_string(b.total));
    put(store, n, "bank", std::to_string(b.bank));
    put(store, n, "games", std::to_string(games));
    put(store, n, "currentplayer", name);
    put(store, n, "gamblelost", std::to_string(b.lost));

    Round r;
    withRound = withRound && b.bank >= 1;
    if (withRound)
        r = runningRound(d, b.bank);
    const bool anyRound = withRound || b.waiting > 0;
    if (anyRound) {
        put(store, n, "roundspins", std::to_string(r.spins));
        put(store, n, "rounddone", std::to_string(r.done));
        put(store, n, "roundwin", std::to_string(b.waiting));
        put(store, n, "roundcoinbet", std::to_string(withRound ? r.coinbet : 0));
        put(store, n, "roundwaysmult", std::to_string(withRound ? r.waysmult : 0));
        put(store, n, "roundtune", std::to_string(r.tune));
        put(store, n, "roundwildmult", std::to_string(r.wildmult));
        put(store, n, "roundstops", r.stops);
    }

    std::ostringstream out;
    out << "player" << n << " \"" << name << "\": bank " << b.bank << ", invested " << b.invested << ", wager "
        << b.wager << ", total " << b.total << ", lost in gambles " << b.lost << ", games " << games << ", awards "
        << awards << ", sound " << sound << ", payout " << payout << ", winroll " << winroll << ", speed " << speed;
    if (withRound)
        out << "; round running: " << r.done << " of " << r.spins << " spins, total " << b.waiting << ", bet "
            << r.coinbet << " x " << r.waysmult << ", tune " << r.tune << ", multiplier " << r.wildmult
            << ", stops \"" << r.stops << "\"";
    else if (b.waiting > 0)
        out << "; round total waiting for a collect: " << b.waiting;
    return out.str();
}

} // namespace

std::uint64_t splitmix(std::uint64_t x)
{
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

StartProfile writeStartProfile(std::uint64_t seed, InMemorySettingsStore &store)
{
    Dice d(splitmix(seed ^ 0x5EED5EED5EED5EEDULL));
    StartProfile start;
    std::ostringstream out;
    if (d.chance(0.1)) {
        out << "an empty store: a first run";
    } else {
        // At most one player holds a running round; the load carries on that player's round.
        const int roundPlayer = d.chance(0.25) ? static_cast<int>(1 + d.upTo(5)) : 0;
        for (int n = 1; n <= 6; ++n) {
            if (n > 1 && n != roundPlayer && d.chance(0.5))
                continue; // vacant
            out << writePlayer(d, store, n, n == roundPlayer) << "\n";
        }
    }
    if (d.chance(0.5)) {
        store.setValue("key", "notice", "autoplay", "-1");
        out << "\nautoplay notice already shown";
    }
    // The "Play" menu's choices: a reality check every 15 minutes, quick stop on, some of them
    // stored unreadable.
    if (d.chance(0.3)) {
        const bool readable = d.chance(0.8);
        store.setValue("key", "play", "realitycheck", readable ? "15" : "14");
        store.setValue("key", "play", "quickstop", readable ? "-1" : "yes");
        out << "\nplay options: " << (readable ? "reality check every 15 minutes, quick stop" : "unreadable");
    }
    start.description = out.str();
    return start;
}

std::string describeStart(std::uint64_t seed)
{
    InMemorySettingsStore scratch;
    return writeStartProfile(seed, scratch).description;
}

std::uint64_t runSeed(std::uint64_t seed, std::uint64_t index) { return splitmix(seed + 0x632BE59BD9B4E019ULL * index); }

} // namespace melvane::explorer
