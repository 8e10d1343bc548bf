#pragma once

#include <string>

#include "rules/parsheet.h"
#include "mathtool/arguments.h"

namespace melvane::mathtool {

// Draws the win bands of a setting into an SVG or PNG file: for each band two bars side by
// side on one log scale of chance per paid spin, the base game's and the bonus rounds', and a
// mark at the band's whole chance; titled with the setting. Needs no display. Throws
// std::runtime_error when the file cannot be written.
void plotWinBands(const ParSheet &sheet, const std::string &file, PlotFormat format);

// The chance axis of a sheet's plot, in the picture's pixels (y grows downwards): chance 1 at
// `top`, and `decades` decades down to `bottom`.
struct ChanceAxis {
    double top = 0;
    double bottom = 0;
    int decades = 0;
    // Where a chance stands on the axis; a chance below the axis stands at its bottom.
    double yOf(double chance) const;
};
ChanceAxis chanceAxis(const ParSheet &sheet);

// Where the tops of one band's bars stand: each part's bar rises from the axis's bottom to its
// own chance, so each reads on the scale; `total` marks the band's whole chance.
struct BandBars {
    double baseTop = 0;
    double bonusTop = 0;
    double totalTop = 0;
};
BandBars bandBars(const ChanceAxis &axis, const WinBand &band);

} // namespace melvane::mathtool
