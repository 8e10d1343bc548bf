#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace melvane {

// The eleven symbols in the machine's own order; the first ten index the cell tables.
enum class Symbol : std::uint8_t { Composer, Piano, Tuba, Cello, Harp, Drum, K, Q, J, Scatter, Wild };

inline constexpr int kSymbolCount = 11;
inline constexpr int kTableCount = 10;  // every symbol but the Wild has a cell table
inline constexpr int kPayingCount = 9;  // Composer .. J

inline constexpr std::array<Symbol, kPayingCount> kPayingSymbols = {
    Symbol::Composer, Symbol::Piano, Symbol::Tuba, Symbol::Cello, Symbol::Harp,
    Symbol::Drum,     Symbol::K,     Symbol::Q,    Symbol::J};

constexpr int index(Symbol s) { return static_cast<int>(s); }
constexpr bool isPaying(Symbol s) { return index(s) < kPayingCount; }

// Display name: "Composer", "K", "Scatter", ...
std::string_view symbolName(Symbol s);
// Name of the symbol's cell table: "composercells", ... (none for the Wild).
std::string_view tableName(Symbol s);
std::optional<Symbol> symbolFromName(std::string_view name);

} // namespace melvane
