#include "rules/waysevaluation.h"

#include "rules/grid.h"
#include "rules/paytable.h"

namespace melvane {

namespace {

constexpr SignatureClass run3(int ways) { return {3, ways}; }
constexpr SignatureClass run4(int ways) { return {4, ways}; }
constexpr SignatureClass run5(int ways) { return {5, ways}; }
constexpr SignatureClass pair(int ways) { return {2, ways}; }

// The lists exactly as the machine compares them. They are the sums the reel contributions
// allow (reel 1: 8; reel 2: 7, 11.5, 18.5; reel 3: 6, 19.3, 25.3; reel 4: 10, 22.9, 32.9;
// reel 5: 20), and no value appears in two lists.
constexpr auto kRunList = std::to_array<SignatureListEntry>({
    {21_d, run3(1)},   {41_d, run3(1)},   {34.3_d, run3(1)}, {54.3_d, run3(1)},
    {25.5_d, run3(1)}, {45.5_d, run3(1)}, {38.8_d, run3(1)}, {58.8_d, run3(1)},
    {40.3_d, run3(2)}, {60.3_d, run3(2)}, {44.8_d, run3(2)}, {64.8_d, run3(2)},
    {32.5_d, run3(2)}, {52.5_d, run3(2)}, {45.8_d, run3(2)}, {65.8_d, run3(2)},
    {51.8_d, run3(4)}, {71.8_d, run3(4)},

    {31_d, run4(1)},   {43.9_d, run4(1)}, {44.3_d, run4(1)}, {57.2_d, run4(1)},
    {35.5_d, run4(1)}, {48.4_d, run4(1)}, {48.8_d, run4(1)}, {61.7_d, run4(1)},
    {53.9_d, run4(2)}, {67.2_d, run4(2)}, {50.3_d, run4(2)}, {63.2_d, run4(2)},
    {58.4_d, run4(2)}, {71.7_d, run4(2)}, {54.8_d, run4(2)}, {67.7_d, run4(2)},
    {42.5_d, run4(2)}, {55.4_d, run4(2)}, {55.8_d, run4(2)}, {68.7_d, run4(2)},
    {73.2_d, run4(4)}, {77.7_d, run4(4)}, {65.4_d, run4(4)}, {78.7_d, run4(4)},
    {61.8_d, run4(4)}, {74.7_d, run4(4)},
    {84.7_d, run4(8)},

    {51_d, run5(1)},   {63.9_d, run5(1)}, {64.3_d, run5(1)}, {77.2_d, run5(1)},
    {55.5_d, run5(1)}, {68.4_d, run5(1)}, {68.8_d, run5(1)}, {81.7_d, run5(1)},
    {73.9_d, run5(2)}, {87.2_d, run5(2)}, {70.3_d, run5(2)}, {83.2_d, run5(2)},
    {78.4_d, run5(2)}, {91.7_d, run5(2)}, {74.8_d, run5(2)}, {87.7_d, run5(2)},
    {62.5_d, run5(2)}, {75.4_d, run5(2)}, {75.8_d, run5(2)}, {88.7_d, run5(2)},
    {93.2_d, run5(4)}, {97.7_d, run5(4)}, {85.4_d, run5(4)}, {98.7_d, run5(4)},
    {81.8_d, run5(4)}, {94.7_d, run5(4)},
    {104.7_d, run5(8)},
});

constexpr auto kDrumPairList = std::to_array<SignatureListEntry>({
    {45_d, pair(1)},   {35_d, pair(1)},   {25_d, pair(1)},   {15_d, pair(1)},
    {49.5_d, pair(1)}, {39.5_d, pair(1)}, {29.5_d, pair(1)}, {19.5_d, pair(1)},
    {57.9_d, pair(1)}, {37.9_d, pair(1)}, {67.9_d, pair(1)}, {47.9_d, pair(1)},
    {62.4_d, pair(1)}, {42.4_d, pair(1)}, {72.4_d, pair(1)}, {52.4_d, pair(1)},
    {56.5_d, pair(2)}, {46.5_d, pair(2)}, {36.5_d, pair(2)}, {26.5_d, pair(2)},
    {69.4_d, pair(2)}, {49.4_d, pair(2)}, {79.4_d, pair(2)}, {59.4_d, pair(2)},
});

std::optional<SignatureClass> lookUp(std::span<const SignatureListEntry> list, Decimal4 signature)
{
    for (const SignatureListEntry &e : list)
        if (e.signature == signature)
            return e.cls;
    return std::nullopt;
}

// Step F compares the coins won before Drum with these limits, per Drum list.
constexpr std::int64_t kDrumPairWildLimitOneWay = 40;
constexpr std::int64_t kDrumPairWildLimitTwoWays = 80;

} // namespace

std::span<const SignatureListEntry> runSignatureList() { return kRunList; }
std::span<const SignatureListEntry> drumPairSignatureList() { return kDrumPairList; }

std::optional<SignatureClass> classifyRun(Decimal4 signature) { return lookUp(kRunList, signature); }

std::optional<SignatureClass> classifyDrumPair(Decimal4 signature)
{
    return lookUp(kDrumPairList, signature);
}

void clearInactiveRows(SpinTables &spin, int waysmult)
{
    for (int cell = 1; cell <= kCells; ++cell) {
        if (cellInPlay(cell, waysmult))
            continue;
        const auto c = static_cast<std::size_t>(cell);
        for (CellTable &t : spin.tables)
            t[c] = Decimal4{};
        spin.wildcell[c] = 0;
    }
}

void formSignatures(SpinTables &spin)
{
    for (CellTable &t : spin.tables) {
        Decimal4 sum = t[kSignatureEntry];
        for (int cell = 1; cell <= kCells; ++cell)
            sum += t[static_cast<std::size_t>(cell)];
        t[kSignatureEntry] = sum;
    }
}

WaysPays payWays(SpinTables &spin, int coinbet)
{
    WaysPays result;
    const auto record = [&result](Symbol s, SignatureClass cls, std::int32_t pay) {
        result.units += pay;
        result.pays[static_cast<std::size_t>(result.count++)] = {s, cls.run, cls.ways, pay};
    };
    for (Symbol s : kPayOrder) {
        const Decimal4 signature = spin.signature(s);
        if (const auto cls = classifyRun(signature)) {
            record(s, *cls, basePay(s, cls->run) * cls->ways);
            spin.table(s)[kWinMarkEntry] = Decimal4::whole(1);
        }
    }
    if (const auto cls = classifyDrumPair(spin.signature(Symbol::Drum))) {
        const std::int64_t limit = cls->ways == 1 ? kDrumPairWildLimitOneWay : kDrumPairWildLimitTwoWays;
        if (static_cast<std::int64_t>(coinbet) * result.units <= limit)
            for (int cell = firstCellOfReel(4); cell <= lastCellOfReel(4); ++cell)
                spin.wildcell[static_cast<std::size_t>(cell)] = 0;
        record(Symbol::Drum, *cls, basePay(Symbol::Drum, 2) * cls->ways);
        spin.table(Symbol::Drum)[kWinMarkEntry] = Decimal4::whole(1);
    }
    return result;
}

} // namespace melvane
