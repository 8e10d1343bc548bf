#include "mathtool/commands.h"

#include <sstream>

#include <gtest/gtest.h>

namespace melvane::mathtool {
namespace {

bool contains(const std::string &text, const std::string &part) { return text.find(part) != std::string::npos; }

TEST(Commands, EvalReportsCellsPaysScattersAndWilds)
{
    const std::string json = evalReport(evaluateSpin({12, 2, 9, 1, 5}, 25, 1)).dump();
    EXPECT_TRUE(contains(json, R"({"cell": 6, "reel": 2, "row": "top", "symbol": "Wild"})")) << json;
    EXPECT_TRUE(contains(json, R"({"symbol": "K", "signature": 32.5, "run": 3, "ways": 2, "pay": 40, "coins": 40})"));
    EXPECT_TRUE(contains(json, R"("outOfPlay": [])"));
    EXPECT_TRUE(contains(json, R"("drumPair": null)"));
    EXPECT_TRUE(contains(json, R"("scattercode": 7)"));
    EXPECT_TRUE(contains(json, R"("spinwin": 40)"));
    EXPECT_TRUE(contains(json, R"("wildCells": [6])"));
}

TEST(Commands, EvalReportsTheDrumPairAndWildsLeftAfterIt)
{
    const std::string json = evalReport(evaluateSpin({2, 1, 3, 10, 1}, 25, 1)).dump();
    EXPECT_TRUE(contains(json, R"("drumPair": {"symbol": "Drum", "signature": 62.4, "run": 2, "ways": 1, "pay": 2)"))
        << json;
    EXPECT_TRUE(contains(json, R"("wildCells": [5])"));
}

TEST(Commands, EvalAtThreeWaysListsTheCellsOutOfPlay)
{
    const std::string json = evalReport(evaluateSpin({1, 1, 1, 1, 1}, 1, 2)).dump();
    EXPECT_TRUE(contains(json, R"("outOfPlay": [4, 6, 7, 9, 10, 12, 13, 15])")) << json;
    EXPECT_TRUE(contains(json, R"("stake": 2)"));
}

TEST(Commands, EvalWithScattersReportsTheirPayAndSpins)
{
    const std::string json = evalReport(evaluateSpin({1, 1, 1, 5, 7}, 25, 2)).dump();
    EXPECT_TRUE(contains(json, R"("scattercode": 51)")) << json;
    EXPECT_TRUE(contains(json, R"("scatterwin": 5000)"));
    EXPECT_TRUE(contains(json, R"("freeSpinsAdded": 31)"));
}

TEST(Commands, RtpTextHasARowPerSetting)
{
    const auto table = exactRtpTable();
    const std::string text = rtpText(table);
    EXPECT_TRUE(contains(text, "243   Dream Machine !! (2)"));
    EXPECT_TRUE(contains(text, "3     Realistic (5)"));
    const std::string json = rtpReport(table).dump();
    EXPECT_TRUE(contains(json, R"("payoutName": "Loose")"));
}

TEST(Commands, SimulateWithASeedRepeatsItself)
{
    SimulateCommand c;
    c.spins = 200'000;
    c.seed = 99;
    c.json = true;
    std::ostringstream first, second;
    EXPECT_EQ(run(c, first, nullptr), 0);
    EXPECT_EQ(run(c, second, nullptr), 0);
    // Everything but the timing must be the same.
    const auto withoutTiming = [](std::string s) {
        const auto start = s.find("\"seconds\"");
        return s.erase(start, s.find('\n', start) - start);
    };
    EXPECT_EQ(withoutTiming(first.str()), withoutTiming(second.str()));
    EXPECT_TRUE(contains(first.str(), R"("seed": 99)"));
}

} // namespace
} // namespace melvane::mathtool
