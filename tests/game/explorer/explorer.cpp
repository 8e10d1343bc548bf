// Runs of the explorer: generating the steps of a run, replaying a list of them, and shrinking
// a failing list to a short one.
#include "game/explorer/explorer.h"

#include <algorithm>
#include <array>
#include <limits>

#include "game/explorer/world.h"
#include "game/explorer/internal.h"

namespace melvane::explorer {

namespace {

// Chooses the next step from what the machine shows now. Each run gets a temperament of its
// own from its seed, so that some runs restart often, some script many bonuses, and some let
// the clock run long.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : rng_(splitmix(seed ^ 0x6E4E7A7E6E4E7A7EULL))
    {
        pRestart_ = pick(std::array<double, 3>{0.0003, 0.002, 0.008});
        pTrigger_ = pick(std::array<double, 3>{0.0005, 0.002, 0.008});
        pScript_ = pick(std::array<double, 3>{0.02, 0.08, 0.2});
        pAdvance_ = pick(std::array<double, 3>{0.2, 0.3, 0.45});
        for (const Input &i : alphabet()) {
            // Kills come only with the chance of a restart: picked like any input, they would
            // end most runs long before a round or a gamble had been played.
            if (i.kind != Kind::Kill)
                anyInput_.push_back(i);
            if (i.kind >= Kind::OptionsProfile && i.kind <= Kind::OptionsOriginalScreen)
                optionsInputs_.push_back(i);
            const bool trigger = i.kind == Kind::ScriptSpin && scriptedSpinOf(i.arg) != ScriptedSpin::Losing &&
                                 scriptedSpinOf(i.arg) != ScriptedSpin::Winning;
            if (trigger)
                triggers_.push_back(i);
            else if (i.kind == Kind::ScriptSpin || i.kind == Kind::ScriptCards)
                scripts_.push_back(i);
            if (i.kind == Kind::AutoplayChoice)
                autoplayChoices_.push_back(i);
            if (i.kind == Kind::PlayMenu || i.kind == Kind::RealityAnswer)
                playerChoices_.push_back(i);
            if (i.kind == Kind::QuickStop)
                quickStops_.push_back(i);
        }
    }

    Step next(const Runner &r)
    {
        Step s;
        // A second click right behind the first: the same control again, or another one.
        if (thenAfter_) {
            thenAfter_ = false;
            s.then = true;
            s.input = chance(0.5) ? lastInput_ : choose(r);
            return s;
        }
        // In a round the player can only watch: the clock runs on more.
        const bool watching = r.machine().freespins > 0 && r.machine().freespinsover == 0;
        if (chance(watching ? pAdvance_ + 0.25 : pAdvance_)) {
            s.advance = true;
            s.ms = duration() * (watching ? 2 : 1);
            return s;
        }
        s.input = choose(r);
        s.ms = delay();
        lastInput_ = s.input;
        thenAfter_ = chance(0.15);
        return s;
    }

private:
    Input choose(const Runner &r)
    {
        const Melvane &m = r.machine();
        // Closes and kills take turns, without a draw of their own: a seed's run stays as it was
        // up to its second restart.
        if (chance(pRestart_)) {
            const int turn = restartsChosen_++ % 4;
            return turn % 2 == 0 ? Input{Kind::CloseMain, 0} : Input{Kind::Kill, turn / 2};
        }
        if (r.optionsOpen() && chance(0.85))
            return pick(optionsInputs_);
        if (r.aboutOpen() && chance(0.5))
            return {Kind::AboutClose, 0};
        if (r.paytableOpen() && chance(0.5))
            return {Kind::PaytableClose, 0};
        if (r.autoplayWindowOpen() && chance(0.85)) {
            const double u = unit();
            if (u < 0.45)
                return {Kind::AutoplayStart, 0};
            if (u < 0.55)
                return {Kind::AutoplayCancel, 0};
            return pick(autoplayChoices_);
        }
        // The "Play" menu and how the reality check is answered, now and then.
        if (chance(0.02))
            return pick(playerChoices_);
        // Bonuses come from their own chance, rarer during a round: a round takes minutes of
        // virtual time, and rounds that never end would leave the rest of the game unexplored.
        const bool inRound = m.freespins > 0;
        if (chance(inRound ? pTrigger_ / 4 : pTrigger_))
            return pick(triggers_);
        if (chance(pScript_))
            return pick(scripts_);
        // An open gamble is played on: now and then on a streak of hearts bet red, so that the
        // amount at risk grows to the limits of the credit.
        if (m.pandouble.visible() && !r.mainWindowBlocked() && chance(0.5)) {
            const double u = unit();
            if (u < 0.6)
                return {Kind::Press, static_cast<int>(Control::betred)};
            if (u < 0.8)
                return {Kind::ScriptCards, 1};
            return {Kind::ScriptCards, 1 + kCardStreak};
        }
        if (chance(0.65)) {
            // What a player would click now: the shown, enabled controls, and keys while the
            // window previews them, the space bar most of all.
            std::vector<Input> now;
            if (!r.mainWindowBlocked()) {
                for (int c = 0; c < static_cast<int>(Control::mnuexit); ++c)
                    if (clickable(m, static_cast<Control>(c)))
                        now.push_back({Kind::Press, c});
                // The gamble is offered after a win and withdrawn at the next spin: taken often.
                if (clickable(m, Control::doublebutton))
                    now.insert(now.end(), 4, {Kind::Press, static_cast<int>(Control::doublebutton)});
                if (m.keyPreview)
                    for (int i = 0; i < 4; ++i)
                        now.push_back({Kind::Key, ' '});
                // The ways to stop: autoplay by a key, the landing by a click on the reels.
                if (m.autoplay > 0) {
                    now.push_back({Kind::AutoplayKey, 0});
                    now.push_back({Kind::Key, ' '});
                }
                now.push_back(pick(quickStops_));
            }
            if (!now.empty()) {
                // Now and then any other key: letters, digits, Enter, Backspace.
                if (m.keyPreview && chance(0.2))
                    return pick(keys());
                return pick(now);
            }
        }
        return pick(anyInput_);
    }

    // How long after its posting an input arrives: at once, within a landing, within the
    // award's wait or a round's respin, or much later.
    std::int64_t delay()
    {
        const double u = unit();
        if (u < 0.35)
            return 0;
        if (u < 0.6)
            return between(1, 300);
        if (u < 0.85)
            return between(300, 6'000);
        return between(6'000, 20'000);
    }

    std::int64_t duration()
    {
        const double u = unit();
        if (u < 0.4)
            return between(1, 300);
        if (u < 0.7)
            return between(300, 2'000);
        if (u < 0.9)
            return between(2'000, 8'000);
        return between(8'000, 30'000);
    }

    const std::vector<Input> &keys()
    {
        static const std::vector<Input> all = [] {
            std::vector<Input> k;
            for (const Input &i : alphabet())
                if (i.kind == Kind::Key)
                    k.push_back(i);
            return k;
        }();
        return all;
    }

    double unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    bool chance(double p) { return unit() < p; }
    std::int64_t between(std::int64_t lo, std::int64_t hi)
    {
        return lo + static_cast<std::int64_t>(rng_() % static_cast<std::uint64_t>(hi - lo + 1));
    }
    template <typename C>
    auto pick(const C &from) -> typename C::value_type
    {
        return from[static_cast<std::size_t>(rng_() % from.size())];
    }

    std::mt19937_64 rng_;
    double pRestart_ = 0, pTrigger_ = 0, pScript_ = 0, pAdvance_ = 0;
    int restartsChosen_ = 0;
    std::vector<Input> anyInput_;
    std::vector<Input> optionsInputs_, triggers_, scripts_, autoplayChoices_, playerChoices_, quickStops_;
    bool thenAfter_ = false;
    Input lastInput_;
};

RunResult finish(Runner &r, RunResult result)
{
    result.stats = r.stats;
    result.stats.virtualMs = r.host().now();
    result.digest = r.digest;
    return result;
}

} // namespace

void Stats::add(const Stats &o)
{
    steps += o.steps;
    posted += o.posted;
    advances += o.advances;
    delivered += o.delivered;
    deliveredInside += o.deliveredInside;
    dropped += o.dropped;
    keptBack += o.keptBack;
    ticks += o.ticks;
    spins += o.spins;
    freeSpins += o.freeSpins;
    awards += o.awards;
    gambles += o.gambles;
    cards += o.cards;
    collects += o.collects;
    restarts += o.restarts;
    kills += o.kills;
    killsAtSave += o.killsAtSave;
    resumedRounds += o.resumedRounds;
    quickStops += o.quickStops;
    realityChecks += o.realityChecks;
    autoplayStops += o.autoplayStops;
    playerSwitches += o.playerSwitches;
    checks += o.checks;
    virtualMs += o.virtualMs;
    for (const auto &[name, count] : o.known)
        known[name] += count;
    for (const auto &[name, count] : o.deliveredIn)
        deliveredIn[name] += count;
}

const std::vector<KnownFinding> &knownFindings()
{
    // A stake is at most 20 coins x 25.
    constexpr std::int64_t kLargestStake = 500;
    constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();
    static const std::vector<KnownFinding> all = {
        {"stake-into-full-wager",
         "the books break when a spin is charged while `wager` cannot take its stake: the stake leaves `bank` "
         "but is not counted in `wager`",
         [](const Failure &f, const Melvane &m) { return f.check == "books" && m.g.wager > kMax32 - kLargestStake; },
         {}},
        {"options-during-a-spin",
         "the options window opens in the middle of a spin (its menu entry is not locked while a spin runs), "
         "so a player can be switched or cleared while the spin is charged and paid; kept back: \"&Options\" "
         "while a spin runs",
         {},
         [](const Melvane &m, const Input &input) {
             return m.spinRunning() && input == Input{Kind::Press, static_cast<int>(Control::mnuplayer)};
         }},
        {"charge-yields-when-games-full",
         "the books are off by the stake inside the resolution when `games` is full: the skipped count yields "
         "between charging `wager` and charging `bank`, and input handled in that yield sees the stake on "
         "both sides",
         [](const Failure &f, const Melvane &m) {
             return f.check == "books" && m.g.games == kMax32 && m.spinRunning();
         },
         {}},
        {"gamble-collect-into-full-credit",
         "the books break when a gamble is collected (by its button or by a close) while `bank` cannot take the "
         "amount at risk back, as after a fast-money press during the gamble: the amount is lost while `total` "
         "counts it",
         [](const Failure &f, const Melvane &m) {
             return f.check == "books" && static_cast<std::int64_t>(m.g.bank) + m.gambleamount > kMax32;
         },
         {}},
        {"gamble-gain-into-full-total",
         "the books break when a gamble is collected while `total` cannot take what the cards added: the "
         "amount at risk goes back to `bank` but the gain is not counted in `total`",
         [](const Failure &f, const Melvane &m) {
             return f.check == "books" && static_cast<std::int64_t>(m.g.total) + m.gambleamount -
                                              m.gamble.stakedAmount > kMax32;
         },
         {}},
        {"loss-into-full-gamblelost",
         "the books break when a gamble is lost while `gamblelost` cannot take the stake: the stake has left "
         "`bank` but is not counted as lost",
         [](const Failure &f, const Melvane &m) {
             return f.check == "books" &&
                    static_cast<std::int64_t>(m.g.gamblelost) + m.gamble.stakedAmount > kMax32;
         },
         {}},
    };
    return all;
}

RunResult explore(const Settings &settings, std::uint64_t events)
{
    RunResult result;
    Runner r(settings);
    Generator generator(settings.seed);
    try {
        r.begin();
        for (std::uint64_t i = 0; i < events; ++i) {
            result.steps.push_back(generator.next(r));
            r.execute(result.steps.back(), static_cast<std::size_t>(i));
        }
        r.auditTheJournal();
    } catch (const Stop &stop) {
        result.failure = stop.failure;
    }
    return finish(r, std::move(result));
}

RunResult replay(const Settings &settings, const std::vector<Step> &steps)
{
    RunResult result;
    Runner r(settings);
    try {
        r.begin();
        for (std::size_t i = 0; i < steps.size(); ++i) {
            result.steps.push_back(steps[i]);
            r.execute(steps[i], i);
        }
        r.auditTheJournal();
    } catch (const Stop &stop) {
        result.failure = stop.failure;
    }
    return finish(r, std::move(result));
}

Journal journalOf(const Settings &settings, const std::vector<Step> &steps, bool withMeters)
{
    Journal journal;
    journal.notes.resize(steps.size());
    Runner r(settings);
    r.notes = &journal.notes;
    r.noteMeters = withMeters;
    try {
        r.begin();
        for (std::size_t i = 0; i < steps.size(); ++i)
            r.execute(steps[i], i);
        r.auditTheJournal();
    } catch (const Stop &stop) {
        journal.failure = stop.failure;
    }
    return journal;
}

std::string findingKind(const Failure &f)
{
    std::string seen;
    for (const char c : f.detail.substr(0, f.detail.find(':'))) {
        const bool digit = c >= '0' && c <= '9';
        if (!digit)
            seen += c;
        else if (seen.empty() || seen.back() != '#')
            seen += '#';
    }
    seen.resize(std::min(seen.size(), std::size_t{64}));
    std::string in = f.where.substr(f.where.rfind(" > ") == std::string::npos ? 0 : f.where.rfind(" > ") + 3);
    if (const auto paren = in.find('('); paren != std::string::npos)
        in.erase(paren);
    if (const auto comma = in.find(','); comma != std::string::npos)
        in.erase(comma);
    return f.check + " | " + seen + " | in " + in;
}

std::vector<Step> shrink(const Settings &settings, std::vector<Step> steps, const Failure &failure,
                         std::uint64_t stepBudget)
{
    // A candidate keeps the failure when it fails in the same kind of way, known or not alike;
    // what follows its failing step is cut off at once.
    const std::string kind = findingKind(failure);
    std::int64_t budget = static_cast<std::int64_t>(stepBudget);
    const auto fails = [&](const std::vector<Step> &candidate, std::vector<Step> &upToFailure) {
        if (budget <= 0)
            return false;
        RunResult r = replay(settings, candidate);
        budget -= static_cast<std::int64_t>(r.steps.size()) + 1;
        if (!r.failure || findingKind(*r.failure) != kind || r.failure->known != failure.known)
            return false;
        upToFailure = std::move(r.steps);
        return true;
    };
    std::vector<Step> current;
    if (!fails(steps, current))
        return steps;

    // Most failures need only the last few steps before them, from whatever state the seed's
    // start gives: the shortest such tail that fails alike is the place to start from.
    for (std::size_t tail = 4; tail * 2 <= current.size() && budget > 0; tail *= 2) {
        std::vector<Step> kept;
        if (fails({current.end() - static_cast<std::ptrdiff_t>(tail), current.end()}, kept)) {
            current = std::move(kept);
            break;
        }
    }

    // Delta debugging: take away chunks, halving them while nothing can be taken away.
    std::size_t parts = 2;
    while (current.size() >= 2 && budget > 0) {
        const std::size_t chunk = (current.size() + parts - 1) / parts;
        bool reduced = false;
        for (std::size_t start = 0; start < current.size() && budget > 0; start += chunk) {
            std::vector<Step> candidate(current.begin(), current.begin() + static_cast<std::ptrdiff_t>(start));
            candidate.insert(candidate.end(),
                             current.begin() + static_cast<std::ptrdiff_t>(std::min(current.size(), start + chunk)),
                             current.end());
            std::vector<Step> kept;
            if (fails(candidate, kept)) {
                current = std::move(kept);
                parts = std::max<std::size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= current.size())
                break;
            parts = std::min(current.size(), parts * 2);
        }
    }

    // Fewer lines: two waits in a row as one, then once more without single steps.
    for (std::size_t i = 0; i + 1 < current.size() && budget > 0;) {
        if (!current[i].advance || !current[i + 1].advance) {
            ++i;
            continue;
        }
        std::vector<Step> candidate = current;
        candidate[i].ms += candidate[i + 1].ms;
        candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(i + 1));
        std::vector<Step> kept;
        if (fails(candidate, kept))
            current = std::move(kept);
        else
            ++i;
    }
    for (std::size_t i = 0; i < current.size() && budget > 0;) {
        std::vector<Step> candidate = current;
        candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(i));
        std::vector<Step> kept;
        if (fails(candidate, kept))
            current = std::move(kept);
        else
            ++i;
    }

    // Plainer times: inputs at once rather than later, shorter waits.
    for (std::size_t i = 0; i < current.size() && budget > 0; ++i) {
        for (int attempt = 0; attempt < 12 && current[i].ms > 0 && budget > 0; ++attempt) {
            std::vector<Step> candidate = current;
            candidate[i].ms = current[i].advance ? current[i].ms / 2 : 0;
            std::vector<Step> kept;
            if (!fails(candidate, kept))
                break;
            current = std::move(kept);
        }
    }
    return current;
}

} // namespace melvane::explorer
