// Prints how fast the real window starts and animates: run it under Xvfb (or any display)
// for the real platform, or with QT_QPA_PLATFORM=offscreen. Never fails on a slow machine.
#include <chrono>
#include <cstdio>
#include <deque>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "game/machine/melvane.h"
#include "platform/qt/mainwindow.h"
#include "platform/qt/pictures/pictures.h"
#include "platform/qt/qthost.h"
#include "game/ports/settingsstore.h"

namespace {

long peakResidentMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Paints once the window has been shown: the time to the first frame.
class FirstFrame : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
    bool painted = false;
};

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    melvane::InMemorySettingsStore store;
    std::deque<double> draws;
    melvane::QtHost host(store, [&draws] {
        if (draws.empty())
            return 0.0;
        const double r = draws.front();
        draws.pop_front();
        return r;
    });
    melvane::Melvane machine(host);
    const melvane::Pictures pictures(app.devicePixelRatio());
    const qint64 picturesReady = sinceStart.elapsed();
    melvane::MainWindow window(machine, host, pictures);
    std::uint64_t repaints = 0;
    host.setRefresh([&window] { window.refresh(); });
    host.setRepaintReels([&] {
        window.repaintReels();
        ++repaints;
    });
    machine.load();
    FirstFrame first;
    window.installEventFilter(&first);
    window.move(0, 0);
    window.show();
    app.exec();
    std::printf("start-up: pictures ready after %lld ms, first frame painted after %lld ms, peak resident %ld MB\n",
                static_cast<long long>(picturesReady), static_cast<long long>(sinceStart.elapsed()), peakResidentMb());

    machine.g.bank = 1'000'000;
    machine.g.soundonoff = 0;
    for (int speed : {1, 2, 4, 8, 10}) {
        machine.g.reelspeed = static_cast<std::int16_t>(speed);
        repaints = 0;
        // A losing spin: stops 2, 10, 3, 2, 2 and a payout draw.
        for (int s : {2, 10, 3, 2, 2})
            draws.push_back((s - 0.5) / 22.0);
        draws.push_back(0.0);
        QElapsedTimer spin;
        spin.start();
        machine.play[1].press();
        const double elapsed = static_cast<double>(spin.nsecsElapsed()) / 1e6;
        const int pause = speed + (speed == 1 ? 1 : speed == 2 ? 2 : speed == 4 ? 3 : speed == 8 ? 4 : 5);
        const double pauses = static_cast<double>(repaints) * pause;
        // Everything a frame costs beyond its pause: the repaint of the five reels and the rest.
        std::printf("reel speed %2d: %3llu frames of %2d ms = %5.0f ms of pauses; spin took %6.1f ms (%.2f x); "
                    "%.3f ms per frame beyond the pause\n",
                    speed, static_cast<unsigned long long>(repaints), pause, pauses, elapsed, elapsed / pauses,
                    repaints > 0 ? (elapsed - pauses) / static_cast<double>(repaints) : 0.0);
    }
    std::printf("peak resident after the spins: %ld MB\n", peakResidentMb());
    return 0;
}
