// How fast the last-game recall opens with 100,000 games in the journal: from the press of its
// menu entry to the window's first paint. Run it under Xvfb (or any display) for the real
// platform, or with QT_QPA_PLATFORM=offscreen. Prints figures; never fails.
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "game/machine/melvane.h"
#include "game/ports/settingsstore.h"
#include "journalfill.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"
#include "platform/qt/sidewindows.h"
#include "platform/sqlite/sqlitejournal.h"

namespace {

// Notes the first paint of a widget after it was armed.
class Painted : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
    bool painted = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.path() + QStringLiteral("/journal.sqlite");
    {
        melvane::SqliteJournal journal(path);
        journal.open();
        std::mt19937 random(14);
        for (int game = 0; game < 1000; ++game)
            for (const melvane::JournalStep &s : melvane::bench::typicalGame(random, 1 + game % 3))
                journal.record(s);
    }
    melvane::bench::growTo(path, 100'000);
    QSqlDatabase::removeDatabase(QStringLiteral("grow"));

    melvane::SqliteJournal journal(path);
    journal.open();
    melvane::InMemorySettingsStore store;
    melvane::QtHost host(store);
    melvane::Melvane machine(host);
    machine.journal = &journal;
    // As the program draws them for its window.
    const melvane::Pictures pictures(
        melvane::Pictures::draw(app.devicePixelRatio(), melvane::Pictures::Contents::Window));
    melvane::MainWindow window(machine, host, pictures);
    melvane::SideWindows sides(machine, window, host, pictures);
    host.setRefresh([&window] { window.refresh(); });
    machine.load();
    window.move(0, 0);
    window.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();

    Painted painted;
    sides.history.installEventFilter(&painted);
    std::vector<double> opens;
    for (int i = 0; i < 10; ++i) {
        painted.painted = false;
        QElapsedTimer t;
        t.start();
        // As the menu entry does: the press, then the refresh that shows the window.
        machine.mnuhistory.press();
        window.refresh();
        while (!painted.painted && t.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        opens.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        const std::size_t listed = sides.historyWindow.games.size();
        sides.historyWindow.close();
        if (i == 0)
            std::printf("recall window, first opening: %.1f ms to its first paint (%zu games listed)\n", opens[0],
                        listed);
    }
    std::sort(opens.begin() + 1, opens.end());
    std::printf("recall window, openings 2-10: median %.1f ms, max %.1f ms\n", opens[5], opens.back());
    return 0;
}
