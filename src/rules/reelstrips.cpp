#include "rules/reelstrips.h"

#include <cassert>

namespace melvane {

namespace {

using S = Symbol;
constexpr S Co = S::Composer, Pi = S::Piano, Tu = S::Tuba, Ce = S::Cello, Ha = S::Harp,
            Dr = S::Drum, K = S::K, Q = S::Q, J = S::J, Sc = S::Scatter, Wi = S::Wild;

// Picture cells 0..28 of each strip; positions 1..24 are where the reels come to rest.
// Positions 23 and 24 are not a copy of 1 and 2 on every reel, so the strips are not rings.
constexpr std::array<std::array<Symbol, kStripCells>, kReels> kStrips = {{
    // 0   1   2   3   4   5   6   7   8   9  10  11  12  13  14  15  16  17  18  19  20  21  22  23  24  25  26  27  28
    {K, Sc, J, K, Dr, Ha, J, Tu, Dr, Q, Co, Dr, Ce, J, K, Sc, Ha, Tu, Pi, Co, Ce, Q, Ha, Sc, J, Tu, Pi, Tu, Dr},
    {J, Ha, Wi, K, Q, Dr, Ha, Q, Dr, Sc, Tu, Pi, Q, J, Ce, Ha, Dr, Ce, K, Pi, J, Co, K, Ha, Tu, Wi, K, Ce, Ha},
    {Q, Sc, Dr, Q, Ce, Ha, Co, Tu, Sc, Ha, Pi, K, Dr, Ce, J, Q, Ha, J, Tu, Sc, Ce, J, K, Pi, Dr, Tu, Q, K, Pi},
    {K, Dr, Pi, Q, Ha, Dr, K, Sc, Tu, Pi, Q, Wi, J, Dr, K, Ha, Dr, J, Co, Ce, Ha, Tu, J, Ce, Pi, Wi, K, Dr, Tu},
    {J, Dr, Ce, K, Q, Pi, Dr, J, Co, Sc, Ha, J, Ce, Q, Pi, J, Ha, Tu, K, Ha, Tu, K, J, Dr, Ce, Q, J, Dr, Pi},
}};

struct FixedValue {
    int reel;
    int stop;
    Row row;
    Decimal4 value;
};
constexpr std::array<FixedValue, 2> kFixedValues = {{
    {3, 16, Row::Bottom, 19.3_d}, // Tuba
    {4, 3, Row::Middle, 22.9_d},  // Harp
}};

} // namespace

Symbol stripSymbol(int reel, int position)
{
    assert(reel >= 1 && reel <= kReels && position >= 0 && position < kStripCells);
    return kStrips[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(position)];
}

Decimal4 writtenValue(int reel, int stop, Row row)
{
    const Symbol s = symbolAt(reel, stop, row);
    if (s == Symbol::Wild)
        return wildValue(reel);
    if (s == Symbol::Scatter)
        return Decimal4::whole(1);
    for (const FixedValue &f : kFixedValues)
        if (f.reel == reel && f.stop == stop && f.row == row)
            return f.value;
    return Decimal4::whole(reelweight(reel));
}

CellSymbols windowOf(const Stops &stops)
{
    CellSymbols cells{};
    for (int reel = 1; reel <= kReels; ++reel)
        for (Row row : kRows)
            cells[static_cast<std::size_t>(cellOf(reel, row))] =
                symbolAt(reel, stops[static_cast<std::size_t>(reel - 1)], row);
    return cells;
}

void writeReel(SpinTables &spin, int reel, int stop, int waysmult)
{
    assert(isValidStop(stop));
    for (Row row : kRows) {
        const int cell = cellOf(reel, row);
        const auto c = static_cast<std::size_t>(cell);
        const Symbol s = symbolAt(reel, stop, row);
        const Decimal4 value = writtenValue(reel, stop, row);
        const bool inPlay = cellInPlay(cell, waysmult);
        if (s == Symbol::Wild) {
            for (Symbol paying : kPayingSymbols)
                spin.table(paying)[c] = value;
            if (inPlay) {
                spin.wildcell[c] = 1;
                spin.scattercode = static_cast<std::int16_t>(spin.scattercode + reelweight(reel));
            }
        } else if (s == Symbol::Scatter) {
            spin.table(Symbol::Scatter)[c] = value;
            if (inPlay) {
                spin.scattercell[static_cast<std::size_t>(reel)] = static_cast<std::int16_t>(cell);
                spin.scattercode = static_cast<std::int16_t>(spin.scattercode + reelweight(reel));
            }
        } else {
            spin.table(s)[c] = value;
        }
    }
}

SpinTables tablesFor(const Stops &stops, int waysmult)
{
    SpinTables spin;
    spin.reset();
    for (int reel = 1; reel <= kReels; ++reel)
        writeReel(spin, reel, stops[static_cast<std::size_t>(reel - 1)], waysmult);
    return spin;
}

} // namespace melvane
