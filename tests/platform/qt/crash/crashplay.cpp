// A player for the crash tests: the real game without its window. The real host (Qt's event
// loop and timers, the game's generator), the real settings store in the folder given on the
// command line, and the game core, started as the game starts. It puts credit on with the
// fast-money button, switches autoplay on and plays until it is killed; a free-spin round it
// finds stored at start-up carries on by itself and is collected as a player would. After every
// game that ends settled it prints "settled <games played>": the profile is on disk by then.
#include <cstdio>

#include <QApplication>
#include <QTimer>

#include "game/machine/melvane.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/qt/qthost.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: melvane-crashplay STORE-FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    melvane::QSettingsStore store{std::string(argv[1])};
    // The autoplay notice has been seen, so no message box waits for a click.
    store.setValue("key", "notice", "autoplay", "-1");
    store.flush();
    melvane::QtHost host(store);
    melvane::Melvane machine(host);
    if (!machine.load()) {
        std::fprintf(stderr, "melvane-crashplay: the start-up refused the screen\n");
        return 3;
    }
    // The fastest reels, and silence: there is no sound device to wait for.
    machine.g.reelspeed = 1;
    machine.g.soundonoff = 0;
    std::printf("started %d\n", machine.g.games);
    std::fflush(stdout);

    machine.onResolved = [&machine, &app] {
        if (machine.freespins == 0 && machine.freespinwin == 0) {
            std::printf("settled %d\n", machine.g.games);
            std::fflush(stdout);
        }
        // A round carried on from the store runs without autoplay: collect it, then play on.
        if (machine.freespinsover > 0 && machine.autoplay == 0)
            QTimer::singleShot(0, &app, [&machine] {
                machine.takewin.press();
                machine.cmdfastmoney.press();
                machine.autoplayon.press();
            });
    };
    QTimer::singleShot(0, &app, [&machine] {
        machine.cmdfastmoney.press();
        machine.autoplayon.press();
    });
    return app.exec();
}
