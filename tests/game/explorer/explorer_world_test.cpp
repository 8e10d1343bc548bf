// The explorer's world: it delivers input as the real window would and no other way, its start
// profiles balance, its scripted spins give the bonuses they name, and its filters set aside only
// what they name.
#include <limits>
#include <map>

#include <gtest/gtest.h>

#include "game/explorer/explorer.h"
#include "game/explorer/internal.h"
#include "game/machine/melvane.h"

namespace melvane::explorer {
namespace {

Step post(Input input, std::int64_t ms = 0) { return {false, ms, input}; }
Step then(Input input) { return {false, 0, input, true}; }
Step advance(std::int64_t ms) { return {true, ms, {}}; }
Input press(Control c) { return {Kind::Press, static_cast<int>(c)}; }
Input key(char c) { return {Kind::Key, static_cast<unsigned char>(c)}; }
Input spin(ScriptedSpin s, int multiplierChoice = 0) { return {Kind::ScriptSpin, scriptArg(s, multiplierChoice)}; }

// Player 1 with 1000 coins, nothing else in the store.
Settings plainStart()
{
    Settings s;
    s.emptyStart = true;
    s.stored = {{"keys", "player1", "bank", "1000"}, {"keys", "player1", "amountinvested", "1000"}};
    return s;
}

struct Delivery {
    const char *what;
    std::vector<Step> steps;
    std::size_t step;     // whose note tells what became of its input
    const char *expected; // in that note
};

TEST(ExplorerDelivery, InputReachesTheGameOnlyWhereTheRealWindowWouldDeliverIt)
{
    const Delivery cases[] = {
        {"a hidden control takes no click", {post(press(Control::autoplayoff)), advance(10)}, 0, "not deliverable"},
        {"a disabled control takes the click and ignores it",
         {post(press(Control::doublebutton)), advance(10)},
         0,
         "delivered at 0.000 s at top level"},
        {"keys do not reach a window that does not preview them (autoplay)",
         {post(press(Control::autoplayon)), advance(100), post(key(' ')), advance(10)},
         2,
         "not deliverable"},
        {"the main window takes no click while the options window is open",
         {post(press(Control::mnuplayer)), advance(10), post(press(Control::COINSIN)), advance(10)},
         2,
         "not deliverable"},
        {"nor while the options window is still opening",
         {post(press(Control::mnuplayer)), then(press(Control::COINSIN)), advance(10)},
         1,
         "not deliverable at 0.000 s inside press mnuplayer"},
        {"a click queued behind another arrives inside its handler",
         {post(press(Control::Play1)), then(key('a')), advance(5'000)},
         1,
         "inside press play(1)"},
        {"an input due during the award's wait arrives inside it",
         {post(spin(ScriptedSpin::ThreeScatters)), post(press(Control::Play1)), post(press(Control::mnuabout), 5'000),
          advance(20'000)},
         2,
         "delivered at 5.000 s inside press play(1)"},
        {"an input due during the lost gamble's hold waits for its end",
         {post(spin(ScriptedSpin::Winning)), post(press(Control::Play1)), advance(5'000),
          post(press(Control::doublebutton)), post({Kind::ScriptCards, 2}), post(press(Control::betred)),
          post(key('a'), 1'000), advance(5'000)},
         6,
         "delivered at 8.000 s at top level"},
    };
    for (const Delivery &c : cases) {
        const Journal journal = journalOf(plainStart(), c.steps);
        EXPECT_FALSE(journal.failure.has_value()) << c.what << ": " << journal.failure->detail;
        ASSERT_LT(c.step, journal.notes.size());
        EXPECT_NE(journal.notes[c.step].find(c.expected), std::string::npos)
            << c.what << ": the note reads \"" << journal.notes[c.step] << "\"";
    }
}

TEST(ExplorerScripts, AScriptedBonusGivesItsFreeSpinsAtEveryWaysSetting)
{
    const std::pair<ScriptedSpin, const char *> bonuses[] = {
        {ScriptedSpin::ThreeScatters, "round 1/11 "},
        {ScriptedSpin::FourScatters, "round 1/21 "},
        {ScriptedSpin::FiveScatters, "round 1/31 "},
    };
    for (int ways = 1; ways <= 5; ++ways) {
        for (const auto &[bonus, round] : bonuses) {
            Settings settings = plainStart();
            bool awarded = false;
            settings.trace = [&, expected = round](const std::string &line) {
                awarded = awarded || line.find(expected) != std::string::npos;
            };
            const Control payline = static_cast<Control>(static_cast<int>(Control::Payline1) + ways - 1);
            const RunResult run =
                replay(settings, {post(press(payline)), post(spin(bonus)), post(press(Control::Play1)), advance(15'000)});
            EXPECT_TRUE(awarded) << label(spin(bonus)) << " at " << label(press(payline));
            EXPECT_FALSE(run.failure.has_value()) << run.failure->detail;
        }
    }
}

TEST(ExplorerStart, EverySeedsPlayersStartWithBalancedBooksAndCoveredRounds)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    int players = 0, nearLimit = 0, rounds = 0;
    for (std::uint64_t i = 0; i < 400; ++i) {
        InMemorySettingsStore store;
        writeStartProfile(runSeed(3, i), store);
        for (int n = 1; n <= 6; ++n) {
            const std::string section = "player" + std::to_string(n);
            const auto number = [&](const char *key) {
                const auto text = store.value("keys", section, key);
                return text && !text->empty() ? std::stoll(*text) : 0LL;
            };
            if (!store.value("keys", section, "bank"))
                continue;
            ++players;
            const std::int64_t bank = number("bank"), waiting = number("roundwin");
            EXPECT_EQ(bank + waiting,
                      number("amountinvested") - number("wager") + number("total") - number("gamblelost"))
                << "seed " << runSeed(3, i) << " " << section;
            for (const char *key : {"bank", "amountinvested", "wager", "total", "gamblelost", "games"}) {
                EXPECT_GE(number(key), 0) << key;
                EXPECT_LE(number(key), kMax) << key;
                nearLimit += number(key) > kMax - 20 ? 1 : 0;
            }
            if (number("roundspins") > 0) {
                ++rounds;
                EXPECT_LE(number("roundcoinbet") * number("roundwaysmult"), bank) << "the stake is covered";
                EXPECT_GE(number("rounddone"), 1);
                EXPECT_LE(number("rounddone"), number("roundspins"));
            }
        }
    }
    // The starts reach the places the faults live: meters at their limit, rounds to resume.
    EXPECT_GT(players, 400);
    EXPECT_GT(nearLimit, 50);
    EXPECT_GT(rounds, 40);
}

TEST(ExplorerFilters, AFilterSetsAsideTheFailureItNamesAndNoOther)
{
    // Every credit press also adds a coin that nothing accounts for.
    const auto plantedCoin = [](Melvane &m, const Input &input) {
        if (input == Input{Kind::Press, static_cast<int>(Control::COINSIN)})
            m.g.bank += 1;
    };
    const KnownFinding planted{"planted-coin", "a coin from nowhere at each credit press",
                               [](const Failure &f, const Melvane &) { return f.check == "books"; }, {}};

    // The game's own known faults are set aside too, so that only the planted ones can end a run.
    Settings settings;
    for (const KnownFinding &k : knownFindings())
        settings.filters.push_back(k.name);
    settings.sabotage = plantedCoin;
    settings.ownFindings = {planted};
    RunResult run;
    for (std::uint64_t i = 0; i < 40 && run.stats.known["planted-coin"] < 2; ++i) {
        settings.seed = runSeed(21, i);
        run = explore(settings, 4'000);
        EXPECT_TRUE(!run.failure || run.failure->check != "books") << run.failure->detail;
    }
    EXPECT_GE(run.stats.known["planted-coin"], 2U) << "the books are checked again from where the fault left them";

    // A fault of another kind in the same run is still caught.
    settings.sabotage = [&](Melvane &m, const Input &input) {
        plantedCoin(m, input);
        if (input == Input{Kind::Press, static_cast<int>(Control::COINSIN)} && m.freespins == 0)
            m.Timerrespin.start();
    };
    run = explore(settings, 4'000);
    ASSERT_TRUE(run.failure.has_value());
    EXPECT_EQ(run.failure->check, "timer");
}

TEST(ExplorerRestart, ACloseDuringTheAwardsWaitSavesTheRoundAndTheNextStartCarriesItOn)
{
    const RunResult run =
        replay(plainStart(), {post(spin(ScriptedSpin::ThreeScatters)), post(press(Control::Play1)),
                              post({Kind::CloseMain, 0}, 4'000), advance(20'000), advance(60'000)});
    EXPECT_FALSE(run.failure.has_value()) << run.failure->detail;
    EXPECT_EQ(run.stats.restarts, 1U);
    EXPECT_EQ(run.stats.resumedRounds, 1U);
    EXPECT_GT(run.stats.freeSpins, 1U) << "the round went on after the start";
}

TEST(ExplorerShrink, AListComesBackNoLongerAndFailingAlikeOrUnchanged)
{
    // A key typed inside a spin costs a coin; the list around it is padding.
    Settings settings = plainStart();
    settings.sabotage = [](Melvane &m, const Input &input) {
        if (input.kind == Kind::Key && m.spinRunning())
            m.g.bank -= 1;
    };
    const std::vector<Step> padded = {post(press(Control::COINSIN)), advance(700),  post(press(Control::Payline3)),
                                      advance(50),                   post(press(Control::Play1)), post(key('a'), 120),
                                      post(press(Control::cmdfastmoney), 40), advance(3'000), advance(9'000)};
    const RunResult run = replay(settings, padded);
    ASSERT_TRUE(run.failure.has_value());
    const std::vector<Step> shortest = shrink(settings, padded, *run.failure);
    EXPECT_LE(shortest.size(), 3U) << reproduction(settings, shortest);
    const RunResult again = replay(settings, shortest);
    ASSERT_TRUE(again.failure.has_value());
    EXPECT_EQ(findingKind(*again.failure), findingKind(*run.failure));

    settings.sabotage = {};
    EXPECT_EQ(shrink(settings, padded, *run.failure), padded) << "nothing fails, so nothing is taken away";
}

TEST(ExplorerKinds, FailuresThatDifferInTheirNumbersOnlyAreOfOneKind)
{
    const auto failure = [](const char *check, const char *detail, const char *where) {
        Failure f;
        f.check = check;
        f.detail = detail;
        f.where = where;
        return f;
    };
    const Failure a = failure("books", "bank 5 + round total 0 = 5, but invested 90 (off by -85)", "press play(1)");
    const Failure b = failure("books", "bank 75 + round total 10 = 85, but invested 9 (off by -2)", "key space > press play(4)");
    const Failure c = failure("books", "bank 5 + round total 0 = 5, but invested 90 (off by -85)", "Timerrespin");
    const Failure d = failure("counter", "bank 5 + round total 0 = 5, but invested 90 (off by -85)", "press play(1)");
    EXPECT_EQ(findingKind(a), findingKind(b));
    // Coins lost and coins made are faults of different kinds.
    Failure made = b;
    made.detail = "bank 75 + round total 10 = 85, but invested 9 (off by 2)";
    EXPECT_NE(findingKind(a), findingKind(made));
    EXPECT_NE(findingKind(a), findingKind(c));
    EXPECT_NE(findingKind(a), findingKind(d));
}

} // namespace
} // namespace melvane::explorer
