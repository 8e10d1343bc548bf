#include "platform/qt/randomsource.h"

#include <array>
#include <chrono>

namespace melvane {

namespace {

std::mt19937_64 seededEngine()
{
    // 256 bits from the entropy source. The clocks are mixed in as well because some runtimes
    // have served a fixed sequence from std::random_device (older MinGW did), and the clocks
    // alone at least make two runs differ.
    std::array<std::uint32_t, 12> material{};
    std::random_device device;
    for (std::size_t i = 0; i < 8; ++i)
        material[i] = device();
    const auto steady = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    const auto wall = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    material[8] = static_cast<std::uint32_t>(steady);
    material[9] = static_cast<std::uint32_t>(steady >> 32);
    material[10] = static_cast<std::uint32_t>(wall);
    material[11] = static_cast<std::uint32_t>(wall >> 32);
    // The seed sequence spreads these words over the generator's whole state.
    std::seed_seq sequence(material.begin(), material.end());
    return std::mt19937_64(sequence);
}

} // namespace

RandomSource::RandomSource() : engine_(seededEngine()) {}

RandomSource::RandomSource(std::uint64_t seed) : engine_(seed) {}

} // namespace melvane
