#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace melvane {

// Signed fixed-point decimal with four places, held as a count of ten-thousandths,
// so the reel weights 11.5, 19.3 and 22.9 and every sum of them compare exactly.
class Decimal4 {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Decimal4() = default;

    static constexpr Decimal4 fromUnits(std::int64_t tenThousandths)
    {
        Decimal4 d;
        d.units_ = tenThousandths;
        return d;
    }
    static constexpr Decimal4 whole(std::int64_t n) { return fromUnits(n * kScale); }
    static constexpr Decimal4 tenths(std::int64_t n) { return fromUnits(n * (kScale / 10)); }

    constexpr std::int64_t units() const { return units_; }
    constexpr bool isZero() const { return units_ == 0; }

    constexpr Decimal4 operator+(Decimal4 o) const { return fromUnits(units_ + o.units_); }
    constexpr Decimal4 &operator+=(Decimal4 o)
    {
        units_ += o.units_;
        return *this;
    }
    constexpr auto operator<=>(const Decimal4 &) const = default;

    // Plain decimal text without trailing zeros: "32.5", "21", "0".
    std::string toString() const;

private:
    std::int64_t units_ = 0;
};

// value / scale as plain decimal text, trailing zeros of the fraction dropped (scale a power of 10).
std::string formatScaled(std::int64_t value, std::int64_t scale);

namespace detail {
consteval Decimal4 parseDecimal4(const char *text)
{
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    std::int64_t fractionScale = Decimal4::kScale;
    bool afterPoint = false;
    for (const char *p = text; *p != '\0'; ++p) {
        if (*p == '.') {
            if (afterPoint)
                throw "two decimal points";
            afterPoint = true;
        } else if (*p == '\'') {
            continue;
        } else if (*p >= '0' && *p <= '9') {
            if (!afterPoint) {
                whole = whole * 10 + (*p - '0');
            } else {
                fractionScale /= 10;
                if (fractionScale == 0)
                    throw "more than four decimal places";
                fraction += (*p - '0') * fractionScale;
            }
        } else {
            throw "not a plain decimal literal";
        }
    }
    return Decimal4::fromUnits(whole * Decimal4::kScale + fraction);
}
} // namespace detail

// 34.3_d is exactly 343000 ten-thousandths: the literal is parsed from its text, never via a double.
consteval Decimal4 operator""_d(const char *text) { return detail::parseDecimal4(text); }

} // namespace melvane
