#pragma once

#include "rules/symbols.h"

namespace melvane {

// Base pay per way for one coin of the coin bet, by the number of reels in the run (2..5);
// 0 where the pay table has no entry (only Drum pays a run of two).
int basePay(Symbol s, int run);

} // namespace melvane
