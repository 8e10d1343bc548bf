// Prints how fast the real window starts, animates and changes size: run it under Xvfb (or any
// display) for the real platform, or with QT_QPA_PLATFORM=offscreen. Never fails on a slow machine.
//
//   bench_window                 the window at its design size
//   bench_window --fullscreen    the window filling the screen, e.g. under
//                                xvfb-run -s "-screen 0 3840x2160x24"
// Either way it ends by timing a change from the design size to the whole screen.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>

#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
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

long residentMb()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return resident * 4096 / (1024 * 1024);
}

// Notes the paints of the window: the first frame, and the size of its middle when it was
// painted last. Any widget of it counts: at the design size the cabinet covers the middle and
// only the cabinet's widgets are painted.
class Paints : public QObject {
public:
    explicit Paints(QWidget *watched) : watched_(watched) { qApp->installEventFilter(this); }
    ~Paints() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        const auto *widget = qobject_cast<QWidget *>(object);
        if (widget != nullptr && widget->window() == watched_->window()) {
            painted = true;
            paintedSize = watched_->size();
        }
        return false;
    }
    bool painted = false;
    QSize paintedSize;

private:
    QWidget *watched_;
};

// Runs events until the window's middle has been painted at `size` (or a second has passed);
// a paint before the call does not count.
void untilPaintedAt(Paints &paints, QSize size)
{
    paints.paintedSize = QSize();
    QElapsedTimer waited;
    waited.start();
    while (paints.paintedSize != size && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Runs events for 300 ms in a loop of its own: quitting the application's would close the window,
// and the machine with it; every spin after that would be refused.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    bool fullScreen = false;
    for (int i = 1; i < argc; ++i)
        fullScreen = fullScreen || std::strcmp(argv[i], "--fullscreen") == 0;
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
    // The design set for the window; the reel strips of a full set are not needed.
    const melvane::Pictures pictures(
        melvane::Pictures::draw(app.devicePixelRatio(), melvane::Pictures::Contents::Window));
    const qint64 picturesReady = sinceStart.elapsed();
    melvane::MainWindow window(machine, host, pictures);
    std::uint64_t repaints = 0;
    host.setRefresh([&window] { window.refresh(); });
    host.setRepaintReels([&] {
        window.repaintReels();
        ++repaints;
    });
    machine.load();
    Paints paints(window.centralWidget());
    window.move(0, 0);
    if (fullScreen)
        window.setFullScreen(true);
    else
        window.show();
    QElapsedTimer waited;
    waited.start();
    while (!paints.painted && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 firstFrame = sinceStart.elapsed();
    std::printf("start-up: pictures ready after %lld ms, first frame painted after %lld ms (%d x %d), "
                "peak resident %ld MB\n",
                static_cast<long long>(picturesReady), static_cast<long long>(firstFrame), window.width(),
                window.height(), peakResidentMb());
    // The sharp pictures are drawn once the size has settled; the spins are timed with them.
    QElapsedTimer sharp;
    sharp.start();
    settle();
    window.pictures().waitUntilSharp();
    QCoreApplication::processEvents();
    std::printf("pictures drawn at scale %.3f after a further %lld ms; resident %ld MB\n", window.scale(),
                static_cast<long long>(sharp.elapsed()), residentMb());

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

    // From the design size to the whole screen: the time until the window is painted anew.
    window.setFullScreen(false);
    window.resize(window.designSize());
    untilPaintedAt(paints, window.centralWidget()->size());
    settle();
    window.pictures().waitUntilSharp();
    QCoreApplication::processEvents();
    const QSize from = window.size();
    const QRect screen = window.screen()->geometry();
    const QSize middle = screen.size() - QSize(0, window.size().height() - window.centralWidget()->height());
    QElapsedTimer resize;
    resize.start();
    window.setFullScreen(true);
    untilPaintedAt(paints, middle);
    const qint64 repainted = resize.elapsed();
    std::printf("resize from %d x %d to %d x %d: repainted after %lld ms%s\n", from.width(), from.height(),
                screen.width(), screen.height(), static_cast<long long>(repainted),
                paints.paintedSize == middle ? "" : " (not painted at the new size within a second)");
    settle();
    window.pictures().waitUntilSharp();
    std::printf("peak resident at the end: %ld MB\n", peakResidentMb());
    return 0;
}
