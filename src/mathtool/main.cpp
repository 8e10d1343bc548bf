#include <iostream>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "mathtool/arguments.h"
#include "mathtool/commands.h"

int main(int argc, char **argv)
{
    using namespace melvane::mathtool;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        const Command command = parseArguments(args);
        std::ostream *progress = isatty(STDERR_FILENO) ? &std::cerr : nullptr;
        return run(command, std::cout, progress);
    } catch (const UsageError &e) {
        std::cerr << "melvane-math: " << e.what() << "\n";
        return 2;
    } catch (const std::exception &e) {
        std::cerr << "melvane-math: " << e.what() << "\n";
        return 1;
    }
}
