#include "rules/spinevaluation.h"

namespace melvane {

SpinEvaluation evaluateSpin(const Stops &stops, int waysmult, int coinbet, bool inBonus)
{
    SpinEvaluation e;
    e.stops = stops;
    e.waysmult = waysmult;
    e.coinbet = coinbet;
    e.cells = windowOf(stops);
    e.tables = tablesFor(stops, waysmult);
    clearInactiveRows(e.tables, waysmult);
    formSignatures(e.tables);
    e.scatter = evaluateScatters(e.tables.scattercode, e.stake(), inBonus);
    e.ways = payWays(e.tables, coinbet);
    e.spinwin = spinCoins(e.ways.units, coinbet, e.scatter.scatterwin);
    e.freeSpinsAdded = freeSpinsAdded(e.tables.scattercode);
    return e;
}

} // namespace melvane
