// melvane-math's command line from arbitrary bytes: the arguments are the input cut at each
// NUL byte (a NUL can never be part of a real argument). Parsing either gives a command whose
// every value is one the tool can run, or refuses with a one-line UsageError; anything else
// (another exception, a crash, a sanitizer report) is a finding.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "rules/grid.h"
#include "rules/payoutcontrol.h"
#include "mathtool/arguments.h"

namespace {

using namespace melvane;
using namespace melvane::mathtool;

[[noreturn]] void broken(const char *promise)
{
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}

void expect(bool holds, const char *promise)
{
    if (!holds)
        broken(promise);
}

bool validStops(const Stops &stops)
{
    for (int s : stops)
        if (s < 1 || s > kStops)
            return false;
    return true;
}

bool validWaysmult(int waysmult) { return waysForWaysmult(waysmult) != 0; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::vector<std::string_view> args;
    std::size_t start = 0;
    while (start <= text.size() && args.size() < 32) {
        const std::size_t nul = text.find('\0', start);
        args.push_back(text.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start));
        if (nul == std::string_view::npos)
            break;
        start = nul + 1;
    }
    if (size == 0)
        args.clear(); // no arguments at all

    Command command;
    try {
        command = parseArguments(std::span<const std::string_view>(args));
    } catch (const UsageError &e) {
        const std::string message = e.what();
        expect(!message.empty(), "a refusal says why");
        for (const char c : message)
            expect(static_cast<unsigned char>(c) >= 0x20 && c != 0x7f, "a refusal is one printable line");
        return 0;
    }

    if (const auto *eval = std::get_if<EvalCommand>(&command)) {
        expect(validWaysmult(eval->waysmult), "eval has ways the machine offers");
        expect(isValidCoinbet(eval->coinbet), "eval has a coin bet the machine offers");
        expect(validStops(eval->stops), "eval has five stops of 1..22");
    } else if (const auto *simulate = std::get_if<SimulateCommand>(&command)) {
        expect(simulate->spins >= 1 && simulate->spins <= kMaxSimulatedSpins, "simulate has a count it can play");
        expect(validWaysmult(simulate->waysmult), "simulate has ways the machine offers");
        expect(isValidCoinbet(simulate->coinbet), "simulate has a coin bet the machine offers");
        expect(isValidPayoutSetting(simulate->machinepay), "simulate has a payout setting");
    }
    return 0;
}
