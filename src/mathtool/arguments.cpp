#include "mathtool/arguments.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <vector>

#include "rules/grid.h"
#include "rules/payoutcontrol.h"

namespace melvane::mathtool {

namespace {

// A whole decimal number made of digits only (no sign, no blanks) that fits in 64 bits.
std::optional<std::uint64_t> parseWhole(std::string_view text)
{
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string quoted(std::string_view text)
{
    std::string shown;
    for (char c : text)
        shown += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    if (shown.size() > 40)
        shown = shown.substr(0, 40) + "...";
    return "'" + shown + "'";
}

std::uint64_t wholeOption(std::string_view option, std::string_view text)
{
    const auto value = parseWhole(text);
    if (!value)
        throw UsageError(std::string(option) + ": " + quoted(text) + " is not a whole number");
    return *value;
}

// "a, b, c or d": a list of the rules, each value shown by `show`.
template <std::size_t N, class Show>
std::string choices(const std::array<int, N> &values, Show show)
{
    std::string text;
    for (std::size_t i = 0; i < N; ++i)
        text.append(i == 0 ? "" : i + 1 == N ? " or " : ", ").append(show(values[i]));
    return text;
}

std::string number(int value) { return std::to_string(value); }

std::string payoutChoice(int machinepay)
{
    return std::to_string(machinepay) + " (" + std::string(payoutSettingName(machinepay)) + ")";
}

std::string stopRange() { return "1.." + std::to_string(kStops); }

// The value when a list of the rules holds it.
template <std::size_t N>
std::optional<int> offered(const std::array<int, N> &values, std::uint64_t value)
{
    for (const int v : values)
        if (static_cast<std::uint64_t>(v) == value)
            return v;
    return std::nullopt;
}

int waysOption(std::string_view text)
{
    const auto ways = offered(kWaysCounts, wholeOption("--ways", text));
    if (!ways)
        throw UsageError("--ways: " + quoted(text) + " is not offered; choose " + choices(kWaysCounts, number));
    return waysmultForWays(*ways);
}

int coinsOption(std::string_view text)
{
    const auto coins = offered(kCoinBets, wholeOption("--coins", text));
    if (!coins)
        throw UsageError("--coins: " + quoted(text) + " is not offered; choose " + choices(kCoinBets, number));
    return *coins;
}

int payoutOption(std::string_view text)
{
    const auto payout = offered(kPayoutSettings, wholeOption("--payout", text));
    if (!payout)
        throw UsageError("--payout: " + quoted(text) + " is not a payout setting; choose " +
                         choices(kPayoutSettings, payoutChoice));
    return *payout;
}

// A picture file named by its ending, .svg or .png in any case.
PlotFormat plotOption(std::string_view text)
{
    const auto endsWith = [text](std::string_view ending) {
        if (text.size() <= ending.size())
            return false;
        const std::string_view tail = text.substr(text.size() - ending.size());
        return std::equal(tail.begin(), tail.end(), ending.begin(),
                          [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
    };
    if (endsWith(".svg"))
        return PlotFormat::Svg;
    if (endsWith(".png"))
        return PlotFormat::Png;
    throw UsageError("--plot: " + quoted(text) + " is not a picture file; give a name ending in .svg or .png");
}

Stops stopsOption(std::string_view text)
{
    Stops stops{};
    std::size_t count = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        if (count == stops.size())
            throw UsageError("--stops: " + quoted(text) + " has more than five stops");
        const auto value = parseWhole(item);
        if (!value)
            throw UsageError("--stops: " + quoted(text) + " is not a list of five whole numbers such as 12,2,9,1,5");
        if (*value < 1 || *value > static_cast<std::uint64_t>(kStops))
            throw UsageError("--stops: " + quoted(item) + " is not a stop; each stop is " + stopRange());
        stops[count++] = static_cast<int>(*value);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (count != stops.size())
        throw UsageError("--stops: " + quoted(text) + " has " + std::to_string(count) + " stops; give five");
    return stops;
}

// Options of one command: "--name value", "--name=value", or a flag without a value.
class Options {
public:
    Options(std::string_view command, std::span<const std::string_view> args,
            std::initializer_list<std::string_view> valued, std::initializer_list<std::string_view> flags)
    {
        for (std::size_t i = 0; i < args.size(); ++i) {
            std::string_view arg = args[i];
            std::optional<std::string_view> inlineValue;
            if (const std::size_t eq = arg.find('='); arg.starts_with("--") && eq != arg.npos) {
                inlineValue = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
            const bool isValued = std::find(valued.begin(), valued.end(), arg) != valued.end();
            const bool isFlag = std::find(flags.begin(), flags.end(), arg) != flags.end();
            if (!isValued && !isFlag)
                throw UsageError(std::string(command) + ": unknown option " + quoted(arg));
            if (values_.contains(std::string(arg)))
                throw UsageError(std::string(arg) + " is given twice");
            if (isFlag) {
                if (inlineValue)
                    throw UsageError(std::string(arg) + " takes no value");
                values_[std::string(arg)] = "";
            } else if (inlineValue) {
                values_[std::string(arg)] = std::string(*inlineValue);
            } else {
                if (i + 1 >= args.size())
                    throw UsageError(std::string(arg) + " needs a value");
                values_[std::string(arg)] = std::string(args[++i]);
            }
        }
    }

    bool has(std::string_view name) const { return values_.contains(std::string(name)); }
    std::string_view required(std::string_view name) const
    {
        const auto it = values_.find(std::string(name));
        if (it == values_.end())
            throw UsageError(std::string(name) + " is required");
        return it->second;
    }

private:
    std::map<std::string, std::string> values_;
};

} // namespace

Command parseArguments(std::span<const std::string_view> args)
{
    if (args.empty())
        throw UsageError("no command given; try 'melvane-math --help'");
    const std::string_view command = args.front();
    const auto rest = args.subspan(1);
    const bool help = command == "--help" || command == "-h" || command == "help";
    const bool version = command == "--version" || command == "-v";
    if (help || version) {
        if (!rest.empty())
            throw UsageError(std::string(command) + " takes nothing after it; found " + quoted(rest.front()));
        return help ? Command{HelpCommand{}} : Command{VersionCommand{}};
    }
    // "--help" after a command asks for the usage, whatever else is on the line.
    if (command == "eval" || command == "rtp" || command == "simulate")
        for (const std::string_view arg : rest)
            if (arg == "--help" || arg == "-h")
                return HelpCommand{};
    if (command == "eval") {
        const Options o(command, rest, {"--ways", "--coins", "--stops"}, {"--json"});
        EvalCommand e;
        e.waysmult = waysOption(o.required("--ways"));
        e.coinbet = coinsOption(o.required("--coins"));
        e.stops = stopsOption(o.required("--stops"));
        return e;
    }
    if (command == "rtp") {
        const Options o(command, rest, {}, {"--json"});
        return RtpCommand{o.has("--json")};
    }
    if (command == "simulate") {
        const Options o(command, rest, {"--spins", "--ways", "--coins", "--payout", "--seed", "--engine", "--journal"},
                        {"--json"});
        SimulateCommand s;
        if (o.has("--engine")) {
            const std::string_view engine = o.required("--engine");
            if (engine == "game")
                s.engine = Engine::Game;
            else if (engine != "model")
                throw UsageError("--engine: " + quoted(engine) + " is not an engine; choose model or game");
        }
        const std::string_view spins = o.required("--spins");
        if (spins.starts_with('-'))
            throw UsageError("--spins: " + quoted(spins) + " is negative; give a count of at least 1");
        s.spins = wholeOption("--spins", spins);
        if (s.spins < 1 || s.spins > kMaxSimulatedSpins)
            throw UsageError("--spins: " + quoted(spins) + " is out of range; give 1 to " +
                             std::to_string(kMaxSimulatedSpins));
        s.waysmult = waysOption(o.required("--ways"));
        s.coinbet = coinsOption(o.required("--coins"));
        s.machinepay = payoutOption(o.required("--payout"));
        if (o.has("--seed"))
            s.seed = wholeOption("--seed", o.required("--seed"));
        if (o.has("--journal")) {
            const std::string_view journal = o.required("--journal");
            if (journal != "memory" && journal != "off")
                throw UsageError("--journal: " + quoted(journal) + " is not a journal; choose memory or off");
            if (s.engine != Engine::Game)
                throw UsageError("--journal: only the game engine journals; add --engine game");
            s.journal = journal == "memory";
        }
        s.json = o.has("--json");
        return s;
    }
    if (command == "audit") {
        if (rest.empty() || rest.front().starts_with("-"))
            throw UsageError("audit: give the journal file, as in 'melvane-math audit journal.sqlite'");
        const Options o(command, rest.subspan(1), {}, {"--json"});
        return AuditCommand{std::string(rest.front()), o.has("--json")};
    }
    if (command == "par") {
        const Options o(command, rest, {"--ways", "--payout", "--coins", "--plot"}, {"--json"});
        ParCommand p;
        p.waysmult = waysOption(o.required("--ways"));
        p.machinepay = payoutOption(o.required("--payout"));
        if (o.has("--coins"))
            p.coinbet = coinsOption(o.required("--coins"));
        if (o.has("--plot")) {
            p.plot = std::string(o.required("--plot"));
            p.plotFormat = plotOption(*p.plot);
        }
        p.json = o.has("--json");
        return p;
    }
    throw UsageError("unknown command " + quoted(command) + "; try 'melvane-math --help'");
}

std::string usageText()
{
    return "usage:\n"
           "  melvane-math eval --ways W --coins C --stops S1,S2,S3,S4,S5\n"
           "      what one set of stops pays, as JSON\n"
           "  melvane-math rtp [--json]\n"
           "      exact return to player of every ways and payout setting (full cycle)\n"
           "  melvane-math par --ways W --payout P [--coins C] [--json] [--plot FILE.svg|FILE.png]\n"
           "      exact PAR sheet of one setting (full cycle): the standard deviation and\n"
           "      volatility index of a paid spin with its bonus, the 90% range of sessions'\n"
           "      returns, the win bands and what each symbol and run pays; --plot draws the\n"
           "      win bands\n"
           "  melvane-math audit JOURNAL [--json]\n"
           "      replay every game of a journal through the rules and check each bet, win,\n"
           "      free-spin count, multiplier, gamble stake and card, limit mark and the chain\n"
           "      of credit; exit 1 on a mismatch\n"
           "  melvane-math simulate --spins N --ways W --coins C --payout P [--seed S] [--engine E]\n"
           "                        [--journal off|memory] [--json]\n"
           "      play N paid spins and compare the measured figures with the exact ones;\n"
           "      engine 'model' (default) draws outcomes from the rules, 'game' plays the game\n"
           "      itself in autoplay on a virtual clock, journaling every step in memory with\n"
           "      --journal memory\n"
           "\n"
           "  melvane-math --help | --version\n"
           "\n"
           "  W: " + choices(kWaysCounts, number) + " ways    C: " + choices(kCoinBets, number) +
           " coins per way\n"
           "  P: " + choices(kPayoutSettings, payoutChoice) + "    stops: " + stopRange() + " each\n";
}

std::string versionText() { return std::string("melvane-math ") + MELVANE_VERSION + "\n"; }

} // namespace melvane::mathtool
