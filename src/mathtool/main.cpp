#include <iostream>
#include <string_view>
#include <vector>

#include <unistd.h>

#include <optional>
#include <variant>

#include <QCoreApplication>

#include "mathtool/arguments.h"
#include "mathtool/commands.h"
#include "platform/qt/languages.h"

int main(int argc, char **argv)
{
    using namespace melvane::mathtool;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    // The help and the error lines in the desktop's language; the reports stay as they are.
    std::optional<QCoreApplication> app(std::in_place, argc, argv);
    melvane::installTranslations(*app, std::nullopt);
    try {
        const Command command = parseArguments(args);
        // Painting the plot needs an application of its own, which brings the translations back.
        if (const auto *par = std::get_if<ParCommand>(&command); par != nullptr && par->plot)
            app.reset();
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
