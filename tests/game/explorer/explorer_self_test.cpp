// The explorer itself: its runs replay exactly, each of its checks catches a fault put into the
// game by a test-only hook, the fault is shrunk to a few steps, and the written reproduction
// reads back and fails again.
#include <cctype>
#include <set>
#include <sstream>

#include <gtest/gtest.h>

#include "game/explorer/explorer.h"
#include "game/machine/melvane.h"

namespace melvane::explorer {
namespace {

Step post(Input input, std::int64_t ms = 0) { return {false, ms, input}; }
Step advance(std::int64_t ms) { return {true, ms, {}}; }
Input press(Control c) { return {Kind::Press, static_cast<int>(c)}; }

TEST(ExplorerAlphabet, EveryInputHasALabelOfItsOwnThatReadsBack)
{
    std::set<std::string> labels;
    for (const Input &input : alphabet()) {
        const std::string text = label(input);
        EXPECT_TRUE(labels.insert(text).second) << "two inputs share the label " << text;
        const auto back = inputLabelled(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(*back, input) << text;
    }
    EXPECT_FALSE(inputLabelled("press nothing").has_value());
}

TEST(ExplorerReplay, ARunReplayedFromItsStepsReachesTheSameStates)
{
    for (const std::uint64_t seed : {runSeed(7, 0), runSeed(7, 1), runSeed(7, 2)}) {
        Settings settings;
        settings.seed = seed;
        const RunResult run = explore(settings, 3'000);
        const RunResult again = replay(settings, run.steps);
        EXPECT_EQ(again.digest, run.digest) << "seed " << seed;
        EXPECT_EQ(again.stats.spins, run.stats.spins) << "seed " << seed;
        EXPECT_EQ(again.stats.virtualMs, run.stats.virtualMs) << "seed " << seed;
        EXPECT_EQ(again.failure.has_value(), run.failure.has_value()) << "seed " << seed;
        EXPECT_GT(run.stats.delivered, 0U);
    }
}

// A fault put into the world by the test, the check that must catch it, and how few steps the
// shrunk reproduction may keep.
struct Planted {
    const char *name;
    std::function<void(Melvane &, const Input &)> sabotage;
    const char *check;
    std::size_t shortest;
};

void PrintTo(const Planted &p, std::ostream *out) { *out << p.name; }

class ExplorerCatches : public ::testing::TestWithParam<Planted> {};

TEST_P(ExplorerCatches, APlantedFaultAndShrinksItToAFewSteps)
{
    const Planted &p = GetParam();
    // The first seed of the series whose run meets the fault.
    RunResult run;
    Settings settings;
    for (std::uint64_t i = 0; i < 40 && !run.failure; ++i) {
        settings.seed = runSeed(12, i);
        settings.sabotage = p.sabotage;
        run = explore(settings, 4'000);
    }
    ASSERT_TRUE(run.failure.has_value()) << p.name << " was never caught";
    EXPECT_EQ(run.failure->check, p.check) << run.failure->detail;

    const std::vector<Step> shortest = shrink(settings, run.steps, *run.failure, 500'000);
    EXPECT_LE(shortest.size(), p.shortest) << reproduction(settings, shortest);
    const RunResult again = replay(settings, shortest);
    ASSERT_TRUE(again.failure.has_value());
    EXPECT_EQ(again.failure->check, p.check);

    // The written reproduction reads back into the same seed and steps, and fails once more.
    std::istringstream text(reproduction(settings, shortest));
    std::string error;
    const auto read = readReproduction(text, &error);
    ASSERT_TRUE(read.has_value()) << error;
    EXPECT_EQ(read->settings.seed, settings.seed);
    EXPECT_EQ(read->steps, shortest);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ExplorerCatches,
    ::testing::Values(
        // A key typed while a spin runs takes a coin from the credit that nothing accounts for.
        Planted{"a coin lost to a key inside a spin",
                [](Melvane &m, const Input &input) {
                    if (input.kind == Kind::Key && m.spinRunning())
                        m.g.bank -= 1;
                },
                "books", 8},
        // Credit put on the machine locks every control of the main window and stops its timers.
        Planted{"every control locked by a credit press",
                [](Melvane &m, const Input &input) {
                    if (input != Input{Kind::Press, static_cast<int>(Control::COINSIN)} || m.freespins > 0)
                        return;
                    for (Button *b : {&m.COINSIN, &m.cmdfastmoney, &m.takewin, &m.doublebutton, &m.autoplayon,
                                      &m.autoplayoff})
                        b->setEnabled(false);
                    for (int i = 1; i <= 5; ++i) {
                        m.play[static_cast<std::size_t>(i)].setEnabled(false);
                        m.payline[static_cast<std::size_t>(i)].setEnabled(false);
                    }
                    m.pandouble.hide();
                    for (Timer *timer : {&m.Tmrtick, &m.tmrautospin, &m.Timerflash, &m.timerballflash, &m.Timerscatter,
                                     &m.Timerwincounter, &m.Timerrespin})
                        timer->stop();
                },
                "lockup", 2},
        // A ways button starts the respin timer with no round to drive.
        Planted{"a respin timer started outside a round",
                [](Melvane &m, const Input &input) {
                    if (input.kind == Kind::Press && input.arg == static_cast<int>(Control::Payline2) &&
                        m.freespins == 0)
                        m.Timerrespin.start();
                },
                "timer", 2},
        // The close saves the profile, and then a win is counted that the next start will not have.
        Planted{"a win counted after the close was saved",
                [](Melvane &m, const Input &input) {
                    // Only where the meters have room: a wrapped meter would fail another check first.
                    if (input.kind == Kind::CloseMain && m.closed() && m.g.bank < 2'000'000'000 &&
                        m.g.total < 2'000'000'000) {
                        m.g.bank += 5;
                        m.g.total += 5;
                    }
                },
                "restart", 3},
        // A collect of the gamble pushes a counter below zero.
        Planted{"a counter taken below zero",
                [](Melvane &m, const Input &input) {
                    if (input.kind == Kind::Press && input.arg == static_cast<int>(Control::autoplayoff))
                        m.g.games = -1;
                },
                "counter", 4}),
    [](const ::testing::TestParamInfo<Planted> &planted) {
        std::string name;
        for (const char c : std::string(planted.param.name))
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
        return name;
    });

TEST(ExplorerRestart, ACloseInsideASpinStartsTheNextProgramOnTheSameStore)
{
    // A first run on an empty store, so that no meter starts near its limit.
    Settings settings;
    while (describeStart(settings.seed).rfind("an empty store", 0) != 0)
        ++settings.seed;
    // The credit first, so that the spin is not refused; then a close 100 ms into the spin.
    const std::vector<Step> steps = {post({Kind::Press, static_cast<int>(Control::cmdfastmoney)}),
                                     advance(10),
                                     post(press(Control::Play1)),
                                     post({Kind::CloseMain, 0}, 100),
                                     advance(30'000),
                                     post(press(Control::Play1)),
                                     advance(30'000)};
    const RunResult run = replay(settings, steps);
    EXPECT_EQ(run.stats.restarts, 1U);
    EXPECT_GE(run.stats.spins, 1U);
    if (run.failure)
        ADD_FAILURE() << "the game failed a check:\n" << reproduction(settings, steps);
}

TEST(ExplorerReproduction, ALineThatIsNoStepIsRefusedWithItsNumber)
{
    const std::pair<const char *, const char *> cases[] = {
        {"seed 5\npost +0 press nothing\n", "line 2: no such input: press nothing"},
        {"seed 5\nadvance -3\n", "line 2: not a length of time: -3"},
        {"post +0 key space\n", "line 1: no seed"},
        {"seed 5\njump 3\n", "line 2: unknown line: jump 3"},
    };
    for (const auto &[text, why] : cases) {
        std::istringstream in(text);
        std::string error;
        EXPECT_FALSE(readReproduction(in, &error).has_value()) << text;
        EXPECT_EQ(error, why);
    }
    std::istringstream good("# a comment\nseed 5\nfilter stake-into-full-wager\npost +20 key space   # note\n"
                            "advance 300\n");
    const auto read = readReproduction(good);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->settings.seed, 5U);
    EXPECT_EQ(read->settings.filters, std::vector<std::string>{"stake-into-full-wager"});
    EXPECT_EQ(read->steps, (std::vector<Step>{post({Kind::Key, ' '}, 20), advance(300)}));
}

} // namespace
} // namespace melvane::explorer
