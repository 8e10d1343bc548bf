// The input explorer for a fixed number of events from fixed seeds: 10.24 million, about a minute
// in the dev build (one run a series with MELVANE_QUICK=1). Every failure is shrunk and reported
// with the reproduction to replay it (melvane-explore --replay FILE).
#include <cstdlib>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "game/explorer/explorer.h"
#include "support/quick.h"

namespace melvane::explorer {
namespace {

constexpr std::uint64_t kSeed = 20261209;
constexpr std::uint64_t kRunLength = 20'000;
constexpr std::uint64_t kRunsPerSeries = 64;
constexpr int kShrunkPerSeries = 2;

// MELVANE_EXPLORE_FILTERS=all (or a list of names, comma-separated) sets known findings aside,
// to look past them for others while they wait for their fix; none are by default.
std::vector<std::string> filtersAsked()
{
    const char *asked = std::getenv("MELVANE_EXPLORE_FILTERS");
    std::vector<std::string> names;
    if (asked == nullptr)
        return names;
    const std::string list = asked;
    if (list == "all") {
        for (const KnownFinding &k : knownFindings())
            names.push_back(k.name);
        return names;
    }
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

class Explorer : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(Explorer, HostileInputKeepsTheBooksAndTheMachineWhole)
{
    const std::uint64_t series = GetParam();
    const std::uint64_t runs = testing_support::quickRun() ? 1 : kRunsPerSeries;
    std::map<std::string, int> kinds;
    int shrunk = 0;
    std::uint64_t events = 0;
    for (std::uint64_t i = 0; i < runs; ++i) {
        Settings settings;
        settings.seed = runSeed(kSeed, series * kRunsPerSeries + i);
        settings.filters = filtersAsked();
        const RunResult run = explore(settings, kRunLength);
        events += run.stats.steps;
        if (!run.failure)
            continue;
        const std::string kind = findingKind(*run.failure);
        if (kinds[kind]++ > 0 || shrunk >= kShrunkPerSeries) {
            ADD_FAILURE() << "again: " << kind << " (seed " << settings.seed << ", step " << run.failure->step + 1
                          << ")";
            continue;
        }
        ++shrunk;
        const std::vector<Step> shortest = shrink(settings, run.steps, *run.failure, 1'000'000);
        ADD_FAILURE() << kind << "\nshrunk from " << run.steps.size() << " to " << shortest.size()
                      << " steps; save what follows to a file and replay it with melvane-explore --replay FILE\n"
                      << reproduction(settings, shortest);
    }
    RecordProperty("events", static_cast<int>(events));
}

INSTANTIATE_TEST_SUITE_P(Series, Explorer, ::testing::Range<std::uint64_t>(0, 8));

// Each fault the explorer has found, written down at its smallest in findings/: it replays
// without failing once the fault is mended.
class Finding : public ::testing::TestWithParam<std::string> {};

TEST_P(Finding, NoLongerFails)
{
    const std::string path = std::string(MELVANE_EXPLORER_FINDINGS) + "/" + GetParam() + ".txt";
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    std::string error;
    const auto r = readReproduction(in, &error);
    ASSERT_TRUE(r.has_value()) << path << ": " << error;
    const RunResult run = replay(r->settings, r->steps);
    EXPECT_FALSE(run.failure.has_value()) << path << "\n" << reproduction(r->settings, r->steps);
}

INSTANTIATE_TEST_SUITE_P(Explorer, Finding,
                         ::testing::Values("stake-into-full-wager", "loss-into-full-gamblelost",
                                           "gamble-collect-into-full-credit", "gamble-gain-into-full-total",
                                           "options-during-a-spin-switch", "options-during-a-spin-clear",
                                           "options-during-a-spin-round",
                                           "charge-yields-when-games-full"),
                         [](const ::testing::TestParamInfo<std::string> &finding) {
                             std::string name;
                             for (const char c : finding.param)
                                 if (c != '-')
                                     name += c;
                             return name;
                         });

} // namespace
} // namespace melvane::explorer
