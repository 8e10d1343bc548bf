// Draws the game's random values through its own draw formula and prints how they fare in
// the usual tests of a gaming machine's generator. It prints figures and never fails: a good
// generator fails about one test in a hundred at the 99% level by chance alone.
//
// usage: rngcheck [--spins N] [--draws N] [--seed S]
//   N spins of five stops (default 2,000,000, that is 10,000,000 stops), N draws for each of
//   the multiplier, card and payout tests (default 10,000,000); without --seed the generator
//   is seeded as in the game.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "platform/qt/randomsource.h"
#include "randombattery.h"

namespace {

// A whole number above 0, or 0 when the text is not one.
std::uint64_t positiveWhole(const char *text)
{
    char *end = nullptr;
    const unsigned long long v = std::strtoull(text, &end, 10);
    return (end == text || *end != '\0') ? 0 : v;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace melvane;
    rngcheck::BatteryConfig config;
    std::optional<std::uint64_t> seed;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::uint64_t value = i + 1 < argc ? positiveWhole(argv[i + 1]) : 0;
        if ((arg == "--spins" || arg == "--draws" || arg == "--seed") && value > 0) {
            if (arg == "--spins")
                config.spins = value;
            else if (arg == "--draws")
                config.drawsPerTest = value;
            else
                seed = value;
            ++i;
        } else {
            std::fprintf(stderr, "usage: rngcheck [--spins N] [--draws N] [--seed S]\n");
            return 2;
        }
    }

    RandomSource source = seed ? RandomSource(*seed) : RandomSource();
    const auto started = std::chrono::steady_clock::now();
    const auto results = rngcheck::runBattery([&source] { return source.uniform(); }, config);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::printf("generator: std::mt19937_64, %s\n", seed ? ("seed " + std::to_string(*seed)).c_str()
                                                         : "seeded from the entropy source and the clocks");
    std::printf("draws: %llu (%llu spins of five stops, %llu for each other draw), %.1f s\n",
                static_cast<unsigned long long>(rngcheck::drawsOf(config)),
                static_cast<unsigned long long>(config.spins), static_cast<unsigned long long>(config.drawsPerTest),
                seconds);
    std::printf("\n%-52s %14s %6s %10s  %s\n", "test", "statistic", "df", "p-value", "at 99%");
    int failed = 0;
    for (const auto &r : results) {
        const bool passes = r.passesAt(0.01);
        failed += passes ? 0 : 1;
        if (r.df > 0)
            std::printf("%-52s chi2 %9.2f %6.0f %10.4f  %s\n", r.name.c_str(), r.statistic, r.df, r.pValue,
                        passes ? "pass" : "FAIL");
        else
            std::printf("%-52s z %12.3f %6s %10.4f  %s\n", r.name.c_str(), r.statistic, "", r.pValue,
                        passes ? "pass" : "FAIL");
    }
    std::printf("\n%zu tests, %d failed at the 99%% level (about %.1f expected by chance)\n", results.size(), failed,
                0.01 * static_cast<double>(results.size()));
    return 0;
}
