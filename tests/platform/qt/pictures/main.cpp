// The picture tests need a QGuiApplication; without a display they run on the offscreen
// platform. `--contact-sheet=FILE` writes a PNG of every picture instead of running the
// tests (with `--dpr=R`, the pictures at that device-pixel ratio on a sheet R times larger);
// `--time` makes the pictures five times and prints the time each took.

#include <QElapsedTimer>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contactsheet.h"
#include "platform/qt/pictures/pictures.h"

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    std::string sheetPath;
    double dpr = 1.0;
    bool time = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--contact-sheet=", 0) == 0)
            sheetPath = arg.substr(16);
        else if (arg.rfind("--dpr=", 0) == 0)
            dpr = std::stod(arg.substr(6));
        else if (arg == "--time")
            time = true;
    }
    if (time) {
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            const melvane::Pictures pictures(dpr);
            std::printf("pictures made in %lld ms at device-pixel ratio %.2f\n", static_cast<long long>(timer.elapsed()), dpr);
        }
        return 0;
    }
    if (!sheetPath.empty()) {
        QElapsedTimer timer;
        timer.start();
        const melvane::Pictures pictures(dpr);
        std::printf("pictures made in %lld ms at device-pixel ratio %.2f\n", static_cast<long long>(timer.elapsed()), dpr);
        const bool saved = melvane::contactSheet(pictures, dpr).save(QString::fromStdString(sheetPath));
        std::printf("%s %s\n", saved ? "wrote" : "could not write", sheetPath.c_str());
        return saved ? 0 : 1;
    }
    return RUN_ALL_TESTS();
}
