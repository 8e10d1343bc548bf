#pragma once

#include <iosfwd>
#include <string>

#include "rules/parsheet.h"
#include "rules/returntoplayer.h"
#include "rules/simulation.h"
#include "rules/spinevaluation.h"
#include "mathtool/arguments.h"
#include "mathtool/json.h"

namespace melvane::mathtool {

Json evalReport(const SpinEvaluation &e);
Json rtpReport(const std::vector<RtpFigures> &table);
std::string rtpText(const std::vector<RtpFigures> &table);
Json simulateReport(const SimulateCommand &c, std::uint64_t seed, const SimulationFigures &measured,
                    const RtpFigures &exact, const Volatility &exactVolatility, double seconds);
std::string simulateText(const SimulateCommand &c, std::uint64_t seed, const SimulationFigures &measured,
                         const RtpFigures &exact, const Volatility &exactVolatility, double seconds);
Json parReport(const ParCommand &c, const ParSheet &sheet);
std::string parText(const ParCommand &c, const ParSheet &sheet);

// Runs a parsed command; `progressTo` receives a progress bar when it is a terminal. Returns
// the process exit status.
int run(const Command &command, std::ostream &out, std::ostream *progressTo);

} // namespace melvane::mathtool
