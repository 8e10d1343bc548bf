#include "rules/money.h"

#include "rules/decimal.h"

namespace melvane {

std::string dollars(std::int64_t coins) { return formatScaled(coins, 100); }

std::string moneyCaption(std::int64_t coins) { return "$ " + dollars(coins); }

} // namespace melvane
