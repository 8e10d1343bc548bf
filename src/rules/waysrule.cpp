#include "rules/waysrule.h"

#include "rules/paytable.h"
#include "rules/reelstrips.h"

namespace melvane {

int reelHits(int reel, int stop, Symbol s, int waysmult)
{
    int hits = 0;
    for (Row row : kRows) {
        if (!cellInPlay(cellOf(reel, row), waysmult))
            continue;
        const Symbol shown = symbolAt(reel, stop, row);
        if (shown == s || shown == Symbol::Wild)
            ++hits;
    }
    return hits;
}

RuleWin ruleWin(Symbol s, const ReelHits &hits)
{
    int run = 0;
    int ways = 1;
    while (run < kReels && hits[static_cast<std::size_t>(run)] > 0)
        ways *= hits[static_cast<std::size_t>(run++)];
    const int minimumRun = s == Symbol::Drum ? 2 : 3;
    if (run < minimumRun)
        return {};
    return {run, ways, basePay(s, run) * ways};
}

} // namespace melvane
