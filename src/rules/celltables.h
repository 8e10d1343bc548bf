#pragma once

#include <array>
#include <cstdint>

#include "rules/decimal.h"
#include "rules/grid.h"
#include "rules/symbols.h"

namespace melvane {

inline constexpr int kSignatureEntry = 16;
inline constexpr int kWinMarkEntry = 17;

// One symbol's table: entries 1..15 per cell, 16 the signature, 17 the win mark; 0 unused.
using CellTable = std::array<Decimal4, 18>;

// Everything the five reel steps write and the evaluation reads: the ten cell tables,
// the Wild and Scatter markers and the scatter code.
struct SpinTables {
    std::array<CellTable, kTableCount> tables{};
    std::array<std::int16_t, 16> wildcell{};
    std::array<std::int16_t, 16> scattercell{}; // used 1..5, one per reel
    std::int16_t scattercode = 0;

    CellTable &table(Symbol s) { return tables[static_cast<std::size_t>(index(s))]; }
    const CellTable &table(Symbol s) const { return tables[static_cast<std::size_t>(index(s))]; }

    Decimal4 entry(Symbol s, int i) const { return table(s)[static_cast<std::size_t>(i)]; }
    Decimal4 signature(Symbol s) const { return entry(s, kSignatureEntry); }
    bool won(Symbol s) const { return !entry(s, kWinMarkEntry).isZero(); }

    // The spin-start reset: markers, scatter code and entries 1..17 of every table back to 0.
    void reset()
    {
        for (int r = 1; r <= kReels; ++r)
            scattercell[static_cast<std::size_t>(r)] = 0;
        for (int c = kFirstWildCell; c <= kLastWildCell; ++c)
            wildcell[static_cast<std::size_t>(c)] = 0;
        for (auto &t : tables)
            for (int i = 1; i <= kWinMarkEntry; ++i)
                t[static_cast<std::size_t>(i)] = Decimal4{};
        scattercode = 0;
    }
};

} // namespace melvane
