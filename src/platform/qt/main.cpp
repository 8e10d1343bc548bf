// The game: wires the core, the real host, the pictures, the sound and the window together.
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

#include "game/machine/melvane.h"
#include "platform/qt/clipplayer.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/qt/qthost.h"
#include "platform/qt/sidewindows.h"

namespace {
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Melvane"));
    QApplication::setApplicationName(QStringLiteral("Melvane"));

    melvane::QSettingsStore store;
    melvane::QtHost host(store);
    melvane::ClipPlayer player;
    host.setClipPlayer(&player);
    melvane::Melvane machine(host);
    // The design set for the window; the reel strips of a full set are not needed.
    const melvane::Pictures pictures(
        melvane::Pictures::draw(app.devicePixelRatio(), melvane::Pictures::Contents::Window));
    melvane::MainWindow window(machine, host, pictures);
    // The options, pay-table and about windows; the exact returns start working out now.
    melvane::SideWindows sideWindows(machine, window, host, pictures);
    host.setRefresh([&window] { window.refresh(); });
    host.setRepaintReels([&window] { window.repaintReels(); });

    if (!machine.load())
        return 0;
    // Where the player left it, or centred at a size the screen can show.
    window.showAtRememberedPlace();
    window.refresh();

    // SIGINT, SIGTERM and the end of the desktop session close the window like its close box,
    // so the profile is saved whichever way the game ends.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
            char byte = 0;
            [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
            window.close();
        });
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, [&window] { window.close(); });
    return app.exec();
}
