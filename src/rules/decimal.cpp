#include "rules/decimal.h"

namespace melvane {

std::string formatScaled(std::int64_t value, std::int64_t scale)
{
    const bool negative = value < 0;
    // Work in unsigned so that the most negative value has a magnitude too.
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    const auto uscale = static_cast<std::uint64_t>(scale);
    std::string text = std::to_string(magnitude / uscale);
    std::uint64_t fraction = magnitude % uscale;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        std::string padded;
        for (std::uint64_t s = uscale / 10; s > fraction && s > 0; s /= 10)
            padded += '0';
        padded += digits;
        while (!padded.empty() && padded.back() == '0')
            padded.pop_back();
        text += '.' + padded;
    }
    return negative ? '-' + text : text;
}

std::string Decimal4::toString() const { return formatScaled(units_, kScale); }

} // namespace melvane
