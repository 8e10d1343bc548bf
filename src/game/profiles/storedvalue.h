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

// A switch is stored as the game stores its others: "-1" on, "0" off. Takes it into `target` only
// when it is one of those two; returns whether it was taken.
inline bool readStoredSwitch(bool &target, const std::optional<std::string> &text)
{
    std::int16_t value = 1; // neither on nor off
    if (!readStored(value, text) || (value != -1 && value != 0))
        return false;
    target = value == -1;
    return true;
}

// A whole number as it is stored, the text std::to_string gives, written into `text` so that a
// save made after every step reuses its storage rather than making a new string per value.
inline void setWholeText(std::string &text, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    text.assign(digits, end);
}

inline std::string storedSwitchText(bool on) { return on ? "-1" : "0"; }

} // namespace melvane
