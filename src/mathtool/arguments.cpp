#include "mathtool/arguments.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include "mathtool/messages.h"
#include "rules/gametext.h"
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
        throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1: %2 is not a whole number"),
                                {option, quoted(text)}));
    return *value;
}

// "a, b, c or d": a list of the rules, each value shown by `show`, its last two joined in the
// user's language.
template <std::size_t N, class Show>
std::string choices(const std::array<int, N> &values, Show show)
{
    if (N < 2)
        return show(values[N - 1]);
    std::string head;
    for (std::size_t i = 0; i + 1 < N; ++i)
        head.append(i == 0 ? "" : ", ").append(show(values[i]));
    return filled(QCoreApplication::translate("melvane::MathTool", "%1 or %2"), {head, show(values[N - 1])});
}

std::string number(int value) { return std::to_string(value); }

std::string payoutChoice(int machinepay)
{
    // The setting's name as the game's own windows show it.
    const std::string name(payoutSettingName(machinepay));
    return std::to_string(machinepay) + " (" + QCoreApplication::translate(kGameTextContext, name.c_str()).toStdString() +
           ")";
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

// The value of `option` when the machine offers it.
template <std::size_t N>
int offeredOption(std::string_view option, const std::array<int, N> &values, std::string_view text)
{
    const auto value = offered(values, wholeOption(option, text));
    if (!value)
        throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1: %2 is not offered; choose %3"),
                                {option, quoted(text), choices(values, number)}));
    return *value;
}

int waysOption(std::string_view text) { return waysmultForWays(offeredOption("--ways", kWaysCounts, text)); }

int coinsOption(std::string_view text) { return offeredOption("--coins", kCoinBets, text); }

int payoutOption(std::string_view text)
{
    const auto payout = offered(kPayoutSettings, wholeOption("--payout", text));
    if (!payout)
        throw UsageError(
            filled(QCoreApplication::translate("melvane::MathTool", "--payout: %1 is not a payout setting; choose %2"),
                   {quoted(text), choices(kPayoutSettings, payoutChoice)}));
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
    throw UsageError(
        filled(QCoreApplication::translate("melvane::MathTool",
                                           "--plot: %1 is not a picture file; give a name ending in .svg or .png"),
               {quoted(text)}));
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
            throw UsageError(
                filled(QCoreApplication::translate("melvane::MathTool", "--stops: %1 has more than five stops"),
                       {quoted(text)}));
        const auto value = parseWhole(item);
        if (!value)
            throw UsageError(
                filled(QCoreApplication::translate(
                           "melvane::MathTool", "--stops: %1 is not a list of five whole numbers such as 12,2,9,1,5"),
                       {quoted(text)}));
        if (*value < 1 || *value > static_cast<std::uint64_t>(kStops))
            throw UsageError(
                filled(QCoreApplication::translate("melvane::MathTool", "--stops: %1 is not a stop; each stop is %2"),
                       {quoted(item), stopRange()}));
        stops[count++] = static_cast<int>(*value);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (count != stops.size()) {
        // A plain name for the count: lupdate does not read a cast inside a translation call.
        const int given = static_cast<int>(count);
        throw UsageError(filled(
            QCoreApplication::translate("melvane::MathTool", "--stops: %1 has %n stops; give five", nullptr, given),
            {quoted(text)}));
    }
    return stops;
}

// Latin-1 carries every byte of an argument into a QString and back unchanged, whatever its
// encoding: a file name reaches the tool as given.
QString latin1(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

// The parser's name of an option the tool spells "--name".
QString key(std::string_view option) { return latin1(option.substr(2)); }

// What an argument names: "--name=value" names "--name"; anything else names itself.
std::string_view namedBy(std::string_view arg) { return arg.starts_with("--") ? arg.substr(0, arg.find('=')) : arg; }

// Options of one command: "--name value", "--name=value", or a flag without a value.
class Options {
public:
    Options(std::string_view command, std::span<const std::string_view> args,
            std::initializer_list<std::string_view> valued, std::initializer_list<std::string_view> flags)
    {
        for (const std::string_view option : valued)
            parser_.addOption(QCommandLineOption(key(option), QString(), QStringLiteral("value")));
        for (const std::string_view option : flags)
            parser_.addOption(QCommandLineOption(key(option)));
        // The parser reports all faults of a line at once, in no order, and takes "--" for the end
        // of the options. The tool names the first fault alone, and "--" is one: so the line is
        // read one argument longer at a time, and each argument is judged as it comes.
        QStringList line{QStringLiteral("melvane-math")};
        parser_.parse(line);
        bool valueDue = false; // the argument before is an option that takes this one as its value
        for (std::size_t i = 0; i < args.size(); ++i) {
            line.append(latin1(args[i]));
            const bool read = parser_.parse(line);
            if (std::exchange(valueDue, false))
                continue;
            const std::string name(namedBy(args[i]));
            if (!parser_.unknownOptionNames().isEmpty() || !parser_.positionalArguments().isEmpty() || name == "--")
                throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1: unknown option %2"),
                                        {command, quoted(name)}));
            if (parser_.optionNames().count(key(name)) > 1)
                throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1 is given twice"), {name}));
            if (!read && name.size() < args[i].size())
                throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1 takes no value"), {name}));
            if (!read && i + 1 == args.size())
                throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1 needs a value"), {name}));
            valueDue = !read;
        }
    }

    bool has(std::string_view option) const { return parser_.isSet(key(option)); }
    std::string required(std::string_view option) const
    {
        if (!has(option))
            throw UsageError(filled(QCoreApplication::translate("melvane::MathTool", "%1 is required"), {option}));
        return parser_.value(key(option)).toLatin1().toStdString();
    }

private:
    QCommandLineParser parser_;
};

} // namespace

Command parseArguments(std::span<const std::string_view> args)
{
    if (args.empty())
        throw UsageError(QCoreApplication::translate("melvane::MathTool", "no command given; try 'melvane-math --help'")
                             .toStdString());
    const std::string_view command = args.front();
    const auto rest = args.subspan(1);
    const bool help = command == "--help" || command == "-h" || command == "help";
    const bool version = command == "--version" || command == "-v";
    if (help || version) {
        if (!rest.empty())
            throw UsageError(
                filled(QCoreApplication::translate("melvane::MathTool", "%1 takes nothing after it; found %2"),
                       {command, quoted(rest.front())}));
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
            const std::string engine = o.required("--engine");
            if (engine == "game")
                s.engine = Engine::Game;
            else if (engine != "model")
                throw UsageError(filled(QCoreApplication::translate(
                                            "melvane::MathTool", "--engine: %1 is not an engine; choose model or game"),
                                        {quoted(engine)}));
        }
        const std::string spins = o.required("--spins");
        if (spins.starts_with('-'))
            throw UsageError(filled(
                QCoreApplication::translate("melvane::MathTool", "--spins: %1 is negative; give a count of at least 1"),
                {quoted(spins)}));
        s.spins = wholeOption("--spins", spins);
        if (s.spins < 1 || s.spins > kMaxSimulatedSpins)
            throw UsageError(
                filled(QCoreApplication::translate("melvane::MathTool", "--spins: %1 is out of range; give 1 to %2"),
                       {quoted(spins), std::to_string(kMaxSimulatedSpins)}));
        s.waysmult = waysOption(o.required("--ways"));
        s.coinbet = coinsOption(o.required("--coins"));
        s.machinepay = payoutOption(o.required("--payout"));
        if (o.has("--seed"))
            s.seed = wholeOption("--seed", o.required("--seed"));
        if (o.has("--journal")) {
            const std::string journal = o.required("--journal");
            if (journal != "memory" && journal != "off")
                throw UsageError(
                    filled(QCoreApplication::translate("melvane::MathTool",
                                                       "--journal: %1 is not a journal; choose memory or off"),
                           {quoted(journal)}));
            if (s.engine != Engine::Game)
                throw UsageError(QCoreApplication::translate(
                                     "melvane::MathTool", "--journal: only the game engine journals; add --engine game")
                                     .toStdString());
            s.journal = journal == "memory";
        }
        s.json = o.has("--json");
        return s;
    }
    if (command == "audit") {
        if (rest.empty() || rest.front().starts_with("-"))
            throw UsageError(
                QCoreApplication::translate("melvane::MathTool",
                                            "audit: give the journal file, as in 'melvane-math audit journal.sqlite'")
                    .toStdString());
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
            p.plot = o.required("--plot");
            p.plotFormat = plotOption(*p.plot);
        }
        p.json = o.has("--json");
        return p;
    }
    throw UsageError(
        filled(QCoreApplication::translate("melvane::MathTool", "unknown command %1; try 'melvane-math --help'"),
               {quoted(command)}));
}

namespace {

// A command's line of the usage, as typed, and what it does under it, every line indented.
std::string usageOf(std::string_view synopsis, const QString &does)
{
    std::string text = "  ";
    text.append(synopsis).append("\n");
    for (const QString &line : does.split(QLatin1Char('\n')))
        text.append("      ").append(line.toStdString()).append("\n");
    return text;
}

} // namespace

std::string usageText()
{
    return QCoreApplication::translate("melvane::MathTool", "usage:").toStdString() + "\n" +
           usageOf("melvane-math eval --ways W --coins C --stops S1,S2,S3,S4,S5",
                   QCoreApplication::translate("melvane::MathTool", "what one set of stops pays, as JSON")) +
           usageOf("melvane-math rtp [--json]",
                   QCoreApplication::translate(
                       "melvane::MathTool", "exact return to player of every ways and payout setting (full cycle)")) +
           usageOf("melvane-math par --ways W --payout P [--coins C] [--json] [--plot FILE.svg|FILE.png]",
                   QCoreApplication::translate(
                       "melvane::MathTool",
                       "exact PAR sheet of one setting (full cycle): the standard deviation and\n"
                       "volatility index of a paid spin with its bonus, the 90% range of sessions'\n"
                       "returns, the win bands and what each symbol and run pays; --plot draws the\n"
                       "win bands")) +
           usageOf("melvane-math audit JOURNAL [--json]",
                   QCoreApplication::translate(
                       "melvane::MathTool",
                       "replay every game of a journal through the rules and check each bet, win,\n"
                       "free-spin count, multiplier, gamble stake and card, limit mark and the chain\n"
                       "of credit; exit 1 on a mismatch")) +
           usageOf("melvane-math simulate --spins N --ways W --coins C --payout P [--seed S] [--engine E]\n"
                   "                        [--journal off|memory] [--json]",
                   QCoreApplication::translate(
                       "melvane::MathTool",
                       "play N paid spins and compare the measured figures with the exact ones;\n"
                       "engine 'model' (default) draws outcomes from the rules, 'game' plays the game\n"
                       "itself in autoplay on a virtual clock, journaling every step in memory with\n"
                       "--journal memory")) +
           "\n  melvane-math --help | --version\n\n  " +
           filled(QCoreApplication::translate("melvane::MathTool", "W: %1 ways    C: %2 coins per way"),
                  {choices(kWaysCounts, number), choices(kCoinBets, number)}) +
           "\n  " +
           filled(QCoreApplication::translate("melvane::MathTool", "P: %1    stops: %2 each"),
                  {choices(kPayoutSettings, payoutChoice), stopRange()}) +
           "\n";
}

std::string versionText() { return std::string("melvane-math ") + MELVANE_VERSION + "\n"; }

} // namespace melvane::mathtool
