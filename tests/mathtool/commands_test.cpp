#include "mathtool/commands.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <tuple>

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

TEST(Commands, ParReportsEveryBandAndEveryPayingRunOfTheSetting)
{
    ParCommand c;
    c.waysmult = 7;
    c.machinepay = 3;
    c.coinbet = 2;
    const ParSheet sheet = parSheet(enumerateCycle(OutcomeTable(7)), 3);
    const std::string text = parText(c, sheet);
    EXPECT_TRUE(contains(text, "PAR sheet: 27 ways, payout Loose (3), 2 coins (stake 14 coins)")) << text;
    for (const char *row : {"no win ", "up to 1x ", "1-2x ", "2-5x ", "5-10x ", "10-50x ", "50-100x ", "100-500x ",
                            "over 500x ", "Composer  5 reels", "Drum      2 reels", "Scatter   3 Scatters", "total "})
        EXPECT_TRUE(contains(text, row)) << row;
    EXPECT_FALSE(contains(text, "K         2 reels")) << "only Drum pays a run of two";
    EXPECT_TRUE(contains(text, "1,000 spins"));

    const std::string json = parReport(c, sheet).dump();
    EXPECT_TRUE(contains(json, R"("stake": 14)"));
    EXPECT_TRUE(contains(json, R"("volatility": ")" + std::string(volatilityWord(sheet.volatility.volatilityIndex))));
    EXPECT_TRUE(contains(json, R"("band": "over 500x")"));
    EXPECT_TRUE(contains(json, R"("high": null)")) << "the last band has no top";
}

TEST(Commands, ParDrawsBothPictureFormats)
{
    for (const auto &[name, format, head] : {std::tuple{"melvane-par.svg", PlotFormat::Svg, std::string("<?xml")},
                                             std::tuple{"melvane-par.png", PlotFormat::Png, std::string("\x89PNG")}}) {
        ParCommand c;
        c.waysmult = 1;
        c.machinepay = 2;
        c.plot = testing::TempDir() + name;
        c.plotFormat = format;
        std::remove(c.plot->c_str());
        std::ostringstream out;
        EXPECT_EQ(run(c, out, nullptr), 0);
        std::ifstream file(*c.plot, std::ios::binary);
        std::string start(head.size(), '\0');
        file.read(start.data(), static_cast<std::streamsize>(start.size()));
        EXPECT_EQ(start, head) << name;
        EXPECT_TRUE(contains(out.str(), "win bands drawn in " + *c.plot));
    }
    ParCommand unwritable;
    unwritable.plot = "/nonexistent-folder/bands.svg";
    std::ostringstream out;
    EXPECT_THROW(run(unwritable, out, nullptr), std::runtime_error);
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
    EXPECT_TRUE(contains(first.str(), R"("standardDeviation": {)"));
}

} // namespace
} // namespace melvane::mathtool
