#pragma once

#include <cstdint>
#include <string>

namespace melvane {

// Coins as dollars: coins / 100 as a plain decimal without trailing zeros ("2.5", "0.05", "3").
std::string dollars(std::int64_t coins);

// A dollar caption: "$ " followed by dollars(coins).
std::string moneyCaption(std::int64_t coins);

} // namespace melvane
