#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

#include "rules/reelstrips.h"

namespace melvane::mathtool {

// Bad input on the command line; the message is one line meant for the user.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct HelpCommand {};
struct VersionCommand {};

struct EvalCommand {
    int waysmult = 25;
    int coinbet = 1;
    Stops stops{};
};

struct RtpCommand {
    bool json = false;
};

// The largest run `simulate` takes: about a quarter of an hour on one core.
inline constexpr std::uint64_t kMaxSimulatedSpins = 10'000'000'000ULL;

enum class Engine { Model, Game };

struct SimulateCommand {
    Engine engine = Engine::Model; // the mathematical model, or the game core itself
    std::uint64_t spins = 0;
    int waysmult = 25;
    int coinbet = 1;
    int machinepay = 5;
    std::optional<std::uint64_t> seed;
    bool json = false;
    bool journal = false; // the game engine journals every step in memory
};

enum class PlotFormat { Svg, Png };

struct ParCommand {
    int waysmult = 25;
    int machinepay = 5;
    int coinbet = 1; // only for amounts shown in coins
    bool json = false;
    std::optional<std::string> plot; // a file to draw the win distribution into
    PlotFormat plotFormat = PlotFormat::Svg;
};

struct AuditCommand {
    std::string journal; // the journal file to read
    bool json = false;
};

using Command =
    std::variant<HelpCommand, VersionCommand, EvalCommand, RtpCommand, SimulateCommand, ParCommand, AuditCommand>;

// Parses the arguments after the program name. Throws UsageError on anything it does not
// understand; it never falls back to a default for a value that was given.
Command parseArguments(std::span<const std::string_view> args);

// What --help prints.
std::string usageText();
// What --version prints: the program's name and version on one line.
std::string versionText();

} // namespace melvane::mathtool
