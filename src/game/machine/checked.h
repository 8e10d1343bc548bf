#pragma once

#include <cstdint>
#include <limits>

namespace melvane {

// Money and counters never wrap: an assignment whose value would not fit its variable is
// skipped and the variable keeps what it had. Each returns whether the value was taken.
template <typename T>
bool assignChecked(T &target, std::int64_t value)
{
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return false;
    target = static_cast<T>(value);
    return true;
}

template <typename T>
bool addChecked(T &target, std::int64_t delta)
{
    return assignChecked(target, static_cast<std::int64_t>(target) + delta);
}

} // namespace melvane
