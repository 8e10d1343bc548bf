#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "rules/celltables.h"
#include "rules/decimal.h"
#include "rules/symbols.h"

namespace melvane {

// What a signature stands for: a run over `run` reels from reel 1 with `ways` ways.
struct SignatureClass {
    int run = 0;
    int ways = 0;
    friend bool operator==(const SignatureClass &, const SignatureClass &) = default;
};

struct SignatureListEntry {
    Decimal4 signature;
    SignatureClass cls;
};

// The fixed signature lists for runs of 3, 4 and 5 reels, as the machine compares them.
std::span<const SignatureListEntry> runSignatureList();
// The two lists of Drum's run of two (one way, two ways).
std::span<const SignatureListEntry> drumPairSignatureList();

// The class of a signature in the lists for runs of 3, 4 and 5; nullopt when it is in none.
std::optional<SignatureClass> classifyRun(Decimal4 signature);
// The class of a signature in Drum's run-of-two lists; nullopt when it is in neither.
std::optional<SignatureClass> classifyDrumPair(Decimal4 signature);

// Order in which the nine paying symbols are paid.
inline constexpr std::array<Symbol, kPayingCount> kPayOrder = {
    Symbol::K,     Symbol::Q,    Symbol::Cello, Symbol::J,   Symbol::Piano,
    Symbol::Tuba,  Symbol::Composer, Symbol::Harp, Symbol::Drum};

// Step A: sets every cell out of play under `waysmult` to 0 in all ten tables and in wildcell.
void clearInactiveRows(SpinTables &spin, int waysmult);

// Step B: entry 16 of every table becomes the sum of its entries 1..15.
void formSignatures(SpinTables &spin);

struct SymbolPay {
    Symbol symbol = Symbol::K;
    int run = 0;
    int ways = 0;
    std::int32_t pay = 0; // pay units: coins for one coin of the coin bet
};

struct WaysPays {
    std::int32_t units = 0; // the ways win in pay units
    std::array<SymbolPay, kPayingCount> pays{};
    int count = 0;
    std::span<const SymbolPay> list() const { return {pays.data(), static_cast<std::size_t>(count)}; }
};

// Steps E and F: pays each symbol whose signature is listed, marks its entry 17, and pays
// Drum's run of two, clearing reel 4's Wild flags when the other wins are small.
WaysPays payWays(SpinTables &spin, int coinbet);

// Step G: the spin's win in coins.
constexpr std::int64_t spinCoins(std::int32_t units, int coinbet, std::int64_t scatterwin)
{
    return static_cast<std::int64_t>(coinbet) * units + scatterwin;
}

} // namespace melvane
