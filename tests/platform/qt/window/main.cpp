// The window tests need a QApplication; without a display they run on the offscreen platform.
// `--shots=DIR` plays a scripted session in the real window and saves screenshots of it;
// `--size=WxH` shows the window at that size first, `--fullscreen` fills the screen with it.
#include <cstdlib>
#include <cstdio>
#include <string>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include "platform/qt/sidewindows.h"
#include "windowsession.h"

namespace {

using melvane::MenuItem;
using melvane::SideWindows;
using melvane::window_testing::WindowSession;

void pump(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

int playSession(const QString &dir, const QSize &size, bool fullScreen)
{
    QDir().mkpath(dir);
    WindowSession s;
    SideWindows sides(s.m, s.window, s.host, s.pictures);
    if (fullScreen)
        s.window.setFullScreen(true);
    else if (size.isValid())
        s.window.resize(size);
    pump(100);
    // The shots show the pictures drawn at the window's size, not the stand-ins of the moment.
    s.window.pictures().waitUntilSharp();
    const auto shot = [&](const char *name) {
        const QString file = dir + '/' + name + ".png";
        s.window.grab().save(file);
        std::printf("saved %s\n", file.toLocal8Bit().constData());
    };
    pump(300);
    shot("01-start");
    // The side windows at the window's scale, each over the machine.
    const auto sideShot = [&](MenuItem &entry, QWidget &side, const char *name) {
        entry.press();
        s.window.refresh();
        pump(200);
        const QString file = dir + '/' + name + ".png";
        side.grab().save(file);
        std::printf("saved %s (%d x %d at %d, %d)\n", file.toLocal8Bit().constData(), side.width(), side.height(),
                    side.x(), side.y());
        side.close();
        s.window.refresh();
        pump(100);
    };
    sideShot(s.m.mnuplayer, sides.optionsDialog, "01a-options");
    sideShot(s.m.mnuptble, sides.paytable, "01b-paytable");
    sideShot(s.m.mnuabout, sides.about, "01c-about");
    s.click("cmdfastmoney");
    s.queueSpin({12, 2, 9, 1, 5}); // a K win with a Wild on reel 2
    s.click("play(3)");
    pump(700);
    shot("02-win-flashing");
    pump(2500);
    shot("03-win-counted");
    s.click("payline(2)");
    s.queueSpin({2, 10, 3, 2, 2});
    s.click("play(1)");
    pump(200);
    shot("04-nine-ways-loss");
    s.click("payline(5)");
    s.queueSpin({12, 2, 9, 1, 5});
    s.click("play(1)");
    s.click("doublebutton");
    pump(200);
    shot("05-gamble-open");
    s.queueDraw(4, 1); // hearts
    s.click("betred");
    pump(200);
    shot("06-gamble-won");
    s.click("cancelbet");
    pump(200);
    // Three Scatters start a bonus; look during the award's wait and during the free spins.
    s.queueSpin({1, 9, 8, 1, 1});
    QTimer::singleShot(4000, [&] { shot("07-bonus-award"); });
    s.click("play(1)");
    s.queueDraw(2, 1);
    for (int i = 0; i < 3; ++i)
        s.queueSpin({16, 1, 8, 10, 3}, 1, 2); // Piano and Harp with Wilds, multiplier 5
    pump(2500);
    shot("08-free-spin");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QString shots;
    QSize size;
    bool fullScreen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--shots=", 0) == 0)
            shots = QString::fromStdString(arg.substr(8));
        else if (arg.rfind("--size=", 0) == 0) {
            const QStringList sides = QString::fromStdString(arg.substr(7)).split(QLatin1Char('x'));
            if (sides.size() == 2)
                size = QSize(sides[0].toInt(), sides[1].toInt());
        } else if (arg == "--fullscreen")
            fullScreen = true;
    }
    if (!shots.isEmpty())
        return playSession(shots, size, fullScreen);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
