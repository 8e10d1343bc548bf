#include "rules/paytable.h"

#include <array>

namespace melvane {

namespace {
// Rows in symbol order Composer .. J; columns: run of 2, 3, 4, 5 reels.
constexpr std::array<std::array<int, 4>, kPayingCount> kPays = {{
    {0, 500, 1000, 1500}, // Composer
    {0, 100, 500, 1250},  // Piano
    {0, 100, 200, 1000},  // Tuba
    {0, 80, 150, 800},    // Cello
    {0, 50, 100, 200},    // Harp
    {2, 20, 50, 100},     // Drum
    {0, 20, 40, 100},     // K
    {0, 15, 20, 60},      // Q
    {0, 10, 20, 40},      // J
}};
} // namespace

int basePay(Symbol s, int run)
{
    if (!isPaying(s) || run < 2 || run > 5)
        return 0;
    return kPays[static_cast<std::size_t>(index(s))][static_cast<std::size_t>(run - 2)];
}

} // namespace melvane
