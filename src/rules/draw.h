#pragma once

namespace melvane {

// floor(n x r) + 1 for a uniform r in [0, 1): how every draw of the machine (stops, Wild
// multiplier, payout control, cards, music) turns a number into 1..n. Clamped, so a
// generator that returned 1.0 by rounding could not yield n + 1.
constexpr int drawIndex(double r, int n)
{
    const int i = static_cast<int>(static_cast<double>(n) * r) + 1;
    return i > n ? n : (i < 1 ? 1 : i);
}

} // namespace melvane
