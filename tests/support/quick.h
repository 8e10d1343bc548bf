#pragma once

#include <cstdlib>
#include <cstring>

namespace melvane::testing_support {

// MELVANE_QUICK=1 asks the longest tests for a smaller run of the same checks: the sanitizer
// build, several times slower, runs them so.
inline bool quickRun()
{
    const char *quick = std::getenv("MELVANE_QUICK");
    return quick != nullptr && std::strcmp(quick, "1") == 0;
}

} // namespace melvane::testing_support
