// The real program: exit status and what it prints for good and bad input.
#include <array>
#include <cstdio>
#include <string>

#include <sys/wait.h>

#include <gtest/gtest.h>

namespace {

struct Result {
    int status = -1;
    std::string output;
};

Result runTool(const std::string &args, bool stderrOnly, const std::string &prefix = "")
{
    const std::string command = prefix + std::string(MELVANE_MATH_BINARY) + " " + args + (stderrOnly ? " 2>&1 >/dev/null" : "");
    Result r;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return r;
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
        r.output += buffer.data();
    const int raw = pclose(pipe);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

TEST(Cli, BadInputExitsWithStatusTwoAndOneLine)
{
    for (const char *args : {"eval --ways 243 --coins 1 --stops 23,1,1,1,1", "eval --ways 5 --coins 1 --stops 1,1,1,1,1",
                             "--version --json",
                             "simulate --spins -3 --ways 243 --coins 1 --payout 5", "", "frobnicate",
                             "simulate --spins 99999999999999999 --ways 243 --coins 1 --payout 5",
                             "par --ways 243 --payout 5 --plot bands.gif"}) {
        const Result r = runTool(args, true);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.output.rfind("melvane-math: ", 0), 0u) << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    }
}

TEST(Cli, HelpAndVersionGoToStandardOutputWithStatusZero)
{
    const Result help = runTool("--help", false);
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("usage:\n", 0), 0u) << help.output;
    EXPECT_NE(help.output.find("melvane-math rtp [--json]"), std::string::npos);

    const Result version = runTool("--version", false);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.output, "melvane-math " MELVANE_VERSION "\n");
}

TEST(Cli, EvalPrintsOneJsonObject)
{
    const Result r = runTool("eval --ways 243 --coins 1 --stops 12,2,9,1,5", false);
    EXPECT_EQ(r.status, 0);
    ASSERT_FALSE(r.output.empty());
    EXPECT_EQ(r.output.front(), '{');
    EXPECT_EQ(r.output.substr(r.output.size() - 2), "}\n");
    EXPECT_NE(r.output.find("\"spinwin\": 40"), std::string::npos);
}

TEST(Cli, SimulateWithoutATerminalPrintsNoProgressBar)
{
    const Result r = runTool("simulate --spins 1000 --ways 9 --coins 2 --payout 3 --seed 5", false);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output.find('\r'), std::string::npos);
    EXPECT_NE(r.output.find("Simulated 1,000 paid spins at 9 ways, 2 coins (stake 6 coins)"), std::string::npos)
        << r.output;
}

TEST(Cli, ParDrawsItsPlotWithoutADisplayAndSaysNothingOnStandardError)
{
    const std::string file = testing::TempDir() + "melvane-par-cli.png";
    std::remove(file.c_str());
    // No display and no platform chosen: the tool must find its own way to paint text.
    const Result r = runTool("par --ways 27 --payout 2 --plot " + file, true, "env -u DISPLAY -u QT_QPA_PLATFORM ");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "");
    FILE *png = std::fopen(file.c_str(), "rb");
    ASSERT_NE(png, nullptr);
    std::array<unsigned char, 8> head{};
    EXPECT_EQ(std::fread(head.data(), 1, head.size(), png), head.size());
    std::fclose(png);
    EXPECT_EQ(head, (std::array<unsigned char, 8>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'}));
}

} // namespace
