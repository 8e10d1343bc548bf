#include "rules/scatters.h"

namespace melvane {

namespace {
// Scatter codes name the set of reels with a counting Scatter: reel weights 8, 7, 6, 10, 20.
constexpr int kCodeReels1to5 = 51;
constexpr int kCodeReels1to4 = 31;
constexpr int kCodeReels1to3 = 21;
constexpr int kCodeReels1to3And5 = 41;

// Reels 1 and 2 but not 3, and reel 1 but not 2: the runs that chime but pay nothing.
constexpr std::array<int, 4> kCodesRunOfTwo = {15, 25, 35, 45};
constexpr std::array<int, 8> kCodesRunOfOne = {8, 14, 18, 24, 28, 34, 38, 44};

template <std::size_t N>
bool contains(const std::array<int, N> &codes, int code)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}
} // namespace

int scattersPaid(int scattercode)
{
    switch (scattercode) {
    case kCodeReels1to5:
        return 5;
    case kCodeReels1to4:
        return 4;
    case kCodeReels1to3:
    case kCodeReels1to3And5:
        return 3;
    default:
        return 0;
    }
}

int scatterPayMultiple(int scattercode)
{
    switch (scattersPaid(scattercode)) {
    case 5:
        return 100;
    case 4:
        return 10;
    case 3:
        return 2;
    default:
        return 0;
    }
}

int freeSpinsAdded(int scattercode)
{
    switch (scattersPaid(scattercode)) {
    case 5:
        return 31;
    case 4:
        return 21;
    case 3:
        return 11;
    default:
        return 0;
    }
}

ScatterEvaluation evaluateScatters(int scattercode, std::int64_t stake, bool inBonus)
{
    ScatterEvaluation e;
    const int paid = scattersPaid(scattercode);
    int chimingReels = 0;
    if (paid > 0) {
        e.scatterwin = scatterPayMultiple(scattercode) * stake;
        e.startsTimerscatter = true;
        for (int r = 1; r <= paid; ++r)
            e.scatterpaid[static_cast<std::size_t>(r)] = true;
        chimingReels = (paid == 5 || !inBonus) ? paid : 0;
    } else if (contains(kCodesRunOfTwo, scattercode)) {
        chimingReels = inBonus ? 0 : 2;
    } else if (contains(kCodesRunOfOne, scattercode)) {
        chimingReels = inBonus ? 0 : 1;
    }
    for (int r = 1; r <= chimingReels; ++r)
        e.chime[static_cast<std::size_t>(r)] = true;
    return e;
}

WildMultiplier wildMultiplierFor(int draw)
{
    if (draw <= 1)
        return {10, 26};
    if (draw <= 5)
        return {5, 22};
    if (draw <= 14)
        return {3, 18};
    return {2, 14};
}

bool isWildMultiplier(int wildmult)
{
    for (int draw = 1; draw <= kWildMultiplierDraws; ++draw)
        if (wildMultiplierFor(draw).wildmult == wildmult)
            return true;
    return false;
}

} // namespace melvane
