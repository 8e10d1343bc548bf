// The game: wires the core, the real host, the pictures, the sound and the window together.
#include <csignal>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QIcon>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include "game/machine/melvane.h"
#include "platform/qt/announcer.h"
#include "platform/qt/clipplayer.h"
#include "platform/qt/commandline.h"
#include "platform/qt/gametexts.h"
#include "platform/qt/languages.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qsettingsstore.h"
#include "platform/qt/qthost.h"
#include "platform/qt/sidewindows.h"
#include "platform/sqlite/sqlitejournal.h"

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
    // Read before the application exists, so the help, the version and a refusal need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const melvane::CommandLine line = melvane::readCommandLine(arguments);
    if (line.action != melvane::CommandLine::Action::Play) {
        // Told in the player's language: read again once its translations are in.
        QCoreApplication words(argc, argv);
        melvane::installTranslations(words, line.options.language ? line.options.language
                                                                  : melvane::languageAsked(arguments));
        const melvane::CommandLine told = melvane::readCommandLine(arguments);
        const bool printed = told.action == melvane::CommandLine::Action::Print;
        std::fputs(told.text.c_str(), printed ? stdout : stderr);
        return printed ? melvane::kPrintedStatus : melvane::kRefusedStatus;
    }
    const melvane::GameOptions &options = line.options;

    QApplication app(argc, argv);
    // The desktop's language, or the one asked for; English when the game lacks it.
    melvane::GameTexts::setLanguage(melvane::installTranslations(app, options.language));
    QApplication::setOrganizationName(QStringLiteral("Melvane"));
    QApplication::setApplicationName(QStringLiteral("Melvane"));
    QApplication::setApplicationVersion(QStringLiteral(MELVANE_VERSION));
    // The desktop entry and the icon the desktop shows for the window.
    QGuiApplication::setDesktopFileName(QStringLiteral("melvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/melvane.svg")));

    melvane::QSettingsStore store(options.settingsFolder);
    melvane::QtHost host(store);
    host.setSettingsLock(QString::fromStdString(store.folder()) + QStringLiteral("/melvane.lock"));
    melvane::ClipPlayer player;
    host.setClipPlayer(&player);
    // Every settled step goes to the player's journal; it outlives the machine that writes it,
    // and what it has to tell outlives it.
    std::vector<melvane::Wording> troubles;
    QTimer tellTroubles;
    // A settings folder given on the command line holds the journal too, beside the profiles, so
    // two folders never share one journal and nothing is written under the user's own folders.
    melvane::SqliteJournal journal(options.settingsFolder
                                       ? QString::fromStdString(store.folder()) + QStringLiteral("/journal.sqlite")
                                       : melvane::SqliteJournal::defaultPath());
    melvane::Melvane machine(host);
    machine.startupPlayer = options.player;
    // The design set for the window; the reel strips of a full set are not needed.
    const melvane::Pictures pictures(
        melvane::Pictures::draw(app.devicePixelRatio(), melvane::Pictures::Contents::Window));
    melvane::MainWindow window(machine, host, pictures);
    // The options, pay-table, about and history windows; the exact returns start working out now.
    melvane::SideWindows sideWindows(machine, window, host, pictures);
    host.setRefresh([&window] { window.refresh(); });
    host.setRepaintReels([&window] { window.repaintReels(); });

    // The journal's troubles are told once each, while the machine is idle: a message box in the
    // middle of a handler would let the game's timers run inside it.
    tellTroubles.setInterval(200);
    QObject::connect(&tellTroubles, &QTimer::timeout, &window, [&] {
        if (machine.busy() || !window.isVisible())
            return;
        tellTroubles.stop();
        for (const melvane::Wording &text : std::exchange(troubles, {}))
            host.showMessage({melvane::GameText::tr("Slots Melvane"), text});
    });
    journal.onTrouble = [&](const melvane::Wording &message) {
        troubles.push_back(message);
        tellTroubles.start();
    };
    // Opened by the machine once start-up has passed its screen check. Each step it records is
    // told to a screen reader as well.
    melvane::AnnouncingJournal told(journal, [&window](const melvane::JournalStep &step) {
        window.announcer().sayStep(step);
    });
    machine.journal = &told;

    if (!machine.load())
        return host.settingsHeldElsewhere() ? melvane::kSettingsHeldStatus : 0;
    // Where the player left it, or centred at a size the screen can show; full screen when asked.
    window.showAtRememberedPlace();
    if (options.fullScreen)
        window.setFullScreen(true);
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
