#pragma once

#include <string>

#include "rules/parsheet.h"
#include "mathtool/arguments.h"

namespace melvane::mathtool {

// Draws the win bands of a setting into an SVG or PNG file: the chance of each band per paid
// spin on a log scale, each bar split between the base game and bonus rounds, titled with the
// setting. Needs no display. Throws std::runtime_error when the file cannot be written.
void plotWinBands(const ParSheet &sheet, const std::string &file, PlotFormat format);

} // namespace melvane::mathtool
