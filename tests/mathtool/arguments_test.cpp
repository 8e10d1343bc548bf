#include "mathtool/arguments.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace melvane::mathtool {
namespace {

Command parse(std::vector<std::string_view> args) { return parseArguments(args); }

TEST(Arguments, ReadsEachCommand)
{
    const auto eval = std::get<EvalCommand>(parse({"eval", "--ways", "243", "--coins", "1", "--stops", "12,2,9,1,5"}));
    EXPECT_EQ(eval.waysmult, 25);
    EXPECT_EQ(eval.coinbet, 1);
    EXPECT_EQ(eval.stops, (Stops{12, 2, 9, 1, 5}));

    const auto eq = std::get<EvalCommand>(parse({"eval", "--stops=22,1,1,1,22", "--coins=20", "--ways=3"}));
    EXPECT_EQ(eq.waysmult, 1);
    EXPECT_EQ(eq.coinbet, 20);

    EXPECT_TRUE(std::get<RtpCommand>(parse({"rtp", "--json"})).json);
    EXPECT_FALSE(std::get<RtpCommand>(parse({"rtp"})).json);

    const auto sim = std::get<SimulateCommand>(
        parse({"simulate", "--spins", "1000", "--ways", "27", "--coins", "5", "--payout", "2", "--seed", "42"}));
    EXPECT_EQ(sim.spins, 1000u);
    EXPECT_EQ(sim.waysmult, 7);
    EXPECT_EQ(sim.coinbet, 5);
    EXPECT_EQ(sim.machinepay, 2);
    EXPECT_EQ(sim.seed, 42u);
    EXPECT_FALSE(sim.json);

    const auto par = std::get<ParCommand>(parse({"par", "--ways", "81", "--payout", "3", "--plot=bands.SVG"}));
    EXPECT_EQ(par.waysmult, 15);
    EXPECT_EQ(par.machinepay, 3);
    EXPECT_EQ(par.coinbet, 1) << "amounts in coins default to one coin";
    EXPECT_EQ(par.plot, "bands.SVG");
    EXPECT_EQ(par.plotFormat, PlotFormat::Svg);
    const auto parPng = std::get<ParCommand>(parse({"par", "--payout=2", "--ways=3", "--coins", "20", "--json",
                                                   "--plot", "out/b.png"}));
    EXPECT_EQ(parPng.coinbet, 20);
    EXPECT_TRUE(parPng.json);
    EXPECT_EQ(parPng.plotFormat, PlotFormat::Png);
    EXPECT_FALSE(std::get<ParCommand>(parse({"par", "--ways", "9", "--payout", "5"})).plot);
    const auto latin1 = std::get<ParCommand>(parse({"par", "--ways", "9", "--payout", "5", "--plot", "b\xe9.svg"}));
    EXPECT_EQ(latin1.plot, "b\xe9.svg") << "a file name's bytes pass unchanged, whatever their encoding";
}

TEST(Arguments, HelpAndVersionAnswerAloneOrHelpAfterACommand)
{
    const struct {
        std::vector<std::string_view> args;
        bool help; // else the version
    } cases[] = {
        {{"--help"}, true},
        {{"-h"}, true},
        {{"help"}, true},
        {{"--version"}, false},
        {{"-v"}, false},
        {{"eval", "--help"}, true},
        {{"rtp", "--json", "-h"}, true},
        {{"simulate", "--spins", "0", "--help"}, true},
    };
    for (const auto &c : cases) {
        const Command command = parse(c.args);
        EXPECT_EQ(std::holds_alternative<HelpCommand>(command), c.help) << c.args.front();
        EXPECT_EQ(std::holds_alternative<VersionCommand>(command), !c.help) << c.args.front();
    }
    EXPECT_EQ(versionText(), "melvane-math " MELVANE_VERSION "\n");
}

TEST(Arguments, RefusesBadInputWithOneClearLine)
{
    const struct {
        std::vector<std::string_view> args;
        const char *mentions;
    } cases[] = {
        {{}, "no command"},
        {{"spin"}, "unknown command"},
        {{"--version", "rtp"}, "takes nothing after it"},
        {{"--help", "eval"}, "takes nothing after it"},
        {{"--versions"}, "unknown command"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "23,1,1,1,1"}, "1..22"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "0,1,1,1,1"}, "1..22"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "1,1,1,1"}, "give five"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "1,1,1,1,1,1"}, "more than five"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "1,,1,1,1"}, "five whole numbers"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "1, 2,3,4,5"}, "five whole numbers"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "-1,2,3,4,5"}, "five whole numbers"},
        {{"eval", "--ways", "243", "--coins", "1", "--stops", "99999999999999999999999,1,1,1,1"}, "five whole numbers"},
        {{"eval", "--ways", "100", "--coins", "1", "--stops", "1,1,1,1,1"}, "3, 9, 27, 81 or 243"},
        {{"eval", "--ways", "25", "--coins", "1", "--stops", "1,1,1,1,1"}, "3, 9, 27, 81 or 243"},
        {{"eval", "--ways", "243", "--coins", "3", "--stops", "1,1,1,1,1"}, "1, 2, 5, 10 or 20"},
        {{"eval", "--ways", "243", "--coins", "1.5", "--stops", "1,1,1,1,1"}, "not a whole number"},
        {{"eval", "--ways", "243", "--stops", "1,1,1,1,1"}, "--coins is required"},
        {{"eval", "--ways", "243", "--ways", "9", "--coins", "1", "--stops", "1,1,1,1,1"}, "twice"},
        {{"eval", "--ways"}, "needs a value"},
        {{"eval", "--colour", "red"}, "unknown option"},
        {{"eval", "--colour", "red", "--ways"}, "unknown option '--colour'"},
        {{"eval", "--ways", "3", "--ways"}, "--ways is given twice"},
        {{"eval", "--json=1", "--colour"}, "--json takes no value"},
        {{"eval", "--ways", "--", "--coins", "1"}, "'--' is not a whole number"},
        {{"rtp", "--"}, "unknown option '--'"},
        {{"rtp", "-json"}, "unknown option '-json'"},
        {{"rtp", "--json=yes"}, "takes no value"},
        {{"simulate", "--spins", "-5", "--ways", "243", "--coins", "1", "--payout", "5"}, "negative"},
        {{"simulate", "--spins", "0", "--ways", "243", "--coins", "1", "--payout", "5"}, "out of range"},
        {{"simulate", "--spins", "10000000001", "--ways", "243", "--coins", "1", "--payout", "5"}, "out of range"},
        {{"simulate", "--spins", "1e6", "--ways", "243", "--coins", "1", "--payout", "5"}, "not a whole number"},
        {{"simulate", "--spins", "100", "--ways", "243", "--coins", "1", "--payout", "4"}, "payout setting"},
        {{"simulate", "--spins", "100", "--ways", "243", "--coins", "1", "--payout", "5", "--seed", "x"}, "--seed"},
        {{"par", "--ways", "243"}, "--payout is required"},
        {{"par", "--payout", "5"}, "--ways is required"},
        {{"par", "--ways", "243", "--payout", "1"}, "payout setting"},
        {{"par", "--ways", "243", "--payout", "5", "--coins", "4"}, "1, 2, 5, 10 or 20"},
        {{"par", "--ways", "243", "--payout", "5", "--plot", "bands.jpg"}, "end"},
        {{"par", "--ways", "243", "--payout", "5", "--plot", ".svg"}, ".svg or .png"},
        {{"par", "--ways", "243", "--payout", "5", "--plot"}, "needs a value"},
        {{"par", "--ways", "243", "--payout", "5", "--spins", "9"}, "unknown option"},
    };
    for (const auto &c : cases) {
        std::string joined;
        for (auto a : c.args)
            joined += std::string(a) + " ";
        try {
            parse(c.args);
            ADD_FAILURE() << "accepted: " << joined;
        } catch (const UsageError &e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(c.mentions), std::string::npos) << joined << "-> " << message;
            EXPECT_EQ(message.find('\n'), std::string::npos) << message;
        }
    }
}

} // namespace
} // namespace melvane::mathtool
