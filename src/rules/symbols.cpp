#include "rules/symbols.h"

namespace melvane {

namespace {
constexpr std::array<std::string_view, kSymbolCount> kNames = {
    "Composer", "Piano", "Tuba", "Cello", "Harp", "Drum", "K", "Q", "J", "Scatter", "Wild"};
constexpr std::array<std::string_view, kSymbolCount> kTableNames = {
    "composercells", "pianocells", "tubacells", "cellocells", "harpcells", "drumcells",
    "kcells",        "qcells",     "jcells",    "scattercells", ""};
} // namespace

std::string_view symbolName(Symbol s) { return kNames[static_cast<std::size_t>(index(s))]; }

std::string_view tableName(Symbol s) { return kTableNames[static_cast<std::size_t>(index(s))]; }

std::optional<Symbol> symbolFromName(std::string_view name)
{
    for (int i = 0; i < kSymbolCount; ++i)
        if (kNames[static_cast<std::size_t>(i)] == name)
            return static_cast<Symbol>(i);
    return std::nullopt;
}

} // namespace melvane
