#pragma once

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace melvane {

// A stored text as a whole number: an optional minus sign and decimal digits, nothing else.
// Anything else (empty, blanks, "abc", "1.5", a value beyond 64 bits) is not a number. Leading
// zeros are digits like any other, however many there are.
inline std::optional<std::int64_t> parseStoredWhole(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    const char *begin = text.data();
    const char *end = text.data() + text.size();
    if (*begin == '+')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

// Takes a stored value into `target` only when it is a whole number that fits; otherwise
// `target` keeps what it had. Returns whether it was taken.
template <typename T>
bool readStored(T &target, const std::optional<std::string> &text)
{
    if (!text)
        return false;
    const auto value = parseStoredWhole(*text);
    if (!value || *value < std::numeric_limits<T>::min() || *value > std::numeric_limits<T>::max())
        return false;
    target = static_cast<T>(*value);
    return true;
}

} // namespace melvane
