// The player's own controls in the real window: the Play menu, the lines over the keyboard strip,
// the quick stop of a landing and the keys that stop autoplay.
#include <vector>

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "windowsession.h"

namespace melvane::window_testing {
namespace {

constexpr Stops kK40Stops = {12, 2, 9, 1, 5};

QAction *entry(const WindowSession &s, const char *name)
{
    return s.window.findChild<QAction *>(QString::fromLatin1(name));
}

bool reelsAt(const Melvane &m, const Stops &stops)
{
    for (int r = 1; r <= kReels; ++r)
        if (m.reelPosition[static_cast<std::size_t>(r)] != -1875 * stops[static_cast<std::size_t>(r - 1)])
            return false;
    return true;
}

TEST(PlayMenu, ItsChoicesReachTheMachineAndAreCheckedAgainAfterARestart)
{
    InMemorySettingsStore left;
    {
        WindowSession s;
        for (const char *name : {"mnuquickstop", "mnusessionclock", "mnureality30"}) {
            ASSERT_NE(entry(s, name), nullptr) << name;
            entry(s, name)->trigger();
        }
        EXPECT_EQ(s.m.playOptions, (PlayOptions{true, false, 30}));
        EXPECT_FALSE(s.window.findChild<QLabel *>(QStringLiteral("lblsession"))->isVisible());
        left = s.store;
    }
    WindowSession again(left);
    EXPECT_EQ(again.m.playOptions, (PlayOptions{true, false, 30}));
    const struct {
        const char *name;
        bool checked;
    } shown[] = {{"mnuquickstop", true}, {"mnusessionclock", false}, {"mnureality0", false},
                 {"mnureality15", false}, {"mnureality30", true},    {"mnureality60", false}};
    for (const auto &c : shown)
        EXPECT_EQ(entry(again, c.name)->isChecked(), c.checked) << c.name;
}

TEST(PlayLines, TheSessionAndAutoplayLinesHoldTheirLongestTextsAtAnySize)
{
    const struct {
        const char *label;
        const char *text;
    } lines[] = {{"lblsession", "Session 12:34:56     Net -123456 coins ($ -1234.56)"},
                 {"lblautoplay", "Autoplay stopped: credit down more than 10000 coins"}};
    for (const QSize size : {QSize(), QSize(1920, 1080)}) {
        WindowSession s;
        if (size.isValid())
            s.window.resize(size);
        QCoreApplication::processEvents();
        for (const auto &line : lines) {
            SCOPED_TRACE(line.label);
            auto *label = s.window.findChild<QLabel *>(QString::fromLatin1(line.label));
            ASSERT_NE(label, nullptr);
            label->setText(QString::fromLatin1(line.text));
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width() - 4);
            EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height());
        }
    }
}

// A paid landing with quick stop on; `stopAtFrame` > 0 clicks the middle reel in that frame's pause
// and, a frame before, clicks the credit button, which must wait for the landing.
struct Landing {
    int frames = 0;
    std::vector<bool> landedAtOtherClick; // for every press that reached the window
    bool timerTickedInside = false;
};

Landing land(WindowSession &s, int stopAtFrame)
{
    Landing seen;
    std::uint64_t ticksAtFirstFrame = 0;
    Timer probe("probe", 1);
    probe.attach(&s.host);
    probe.setAction([] {});
    probe.start();
    QWindow *window = s.window.windowHandle();
    const auto at = [&s, window](const char *name) {
        const QWidget *w = s.window.findChild<QWidget *>(QString::fromLatin1(name));
        return window->mapFromGlobal(w->mapToGlobal(w->rect().center()));
    };
    s.host.setRepaintReels([&] {
        s.window.repaintReels();
        if (++seen.frames == 1)
            ticksAtFirstFrame = probe.ticks();
        seen.timerTickedInside = seen.timerTickedInside || probe.ticks() != ticksAtFirstFrame;
        const char *target = seen.frames == stopAtFrame - 1 ? "COINSIN" : seen.frames == stopAtFrame ? "reel(3)" : nullptr;
        if (target != nullptr)
            QTimer::singleShot(0, [window, point = at(target)] { QTest::mouseClick(window, Qt::LeftButton, {}, point); });
    });
    struct PressWatch : QObject {
        std::function<void()> onPress;
        QWindow *window;
        bool eventFilter(QObject *receiver, QEvent *event) override
        {
            if (receiver == window && event->type() == QEvent::MouseButtonPress)
                onPress();
            return false;
        }
    } watch;
    watch.window = window;
    watch.onPress = [&] { seen.landedAtOtherClick.push_back(reelsAt(s.m, kK40Stops)); };
    qApp->installEventFilter(&watch);
    s.queueSpin(kK40Stops);
    s.click("play(1)");
    QCoreApplication::processEvents();
    qApp->removeEventFilter(&watch);
    probe.stop();
    s.host.setRepaintReels([&s] { s.window.repaintReels(); });
    return seen;
}

TEST(QuickStop, AClickOnTheReelsLandsThemAtOnceOnTheDrawnStopsAndOtherInputWaits)
{
    WindowSession s;
    for (int i = 0; i < 5; ++i)
        s.click("COINSIN");
    entry(s, "mnuquickstop")->trigger();
    const Landing whole = land(s, 0);
    const Landing stopped = land(s, 6);

    EXPECT_TRUE(reelsAt(s.m, kK40Stops));
    EXPECT_EQ(s.m.spinwin, 40);
    EXPECT_LT(stopped.frames, whole.frames / 2);
    EXPECT_EQ(stopped.landedAtOtherClick, std::vector<bool>{true}) << "the stop is taken, the other click waits";
    EXPECT_FALSE(whole.timerTickedInside);
    EXPECT_FALSE(stopped.timerTickedInside);
}

TEST(AutoplayKeys, SpaceAndEscapeStopAutoplayEvenInFullScreen)
{
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Escape}) {
        SCOPED_TRACE(key);
        WindowSession s;
        for (int i = 0; i < 5; ++i)
            s.click("COINSIN");
        s.window.setFullScreen(true);
        s.queueSpin(kK40Stops); // autoplay spins at once, and waits after a win
        s.m.startAutoplay({});
        ASSERT_GT(s.m.autoplay, 0);
        const auto games = s.m.g.games;

        QTest::keyClick(&s.window, key);

        EXPECT_EQ(s.m.autoplay, 0);
        EXPECT_EQ(s.m.g.games, games) << "the key spun nothing";
        EXPECT_TRUE(s.window.isFullScreen());
        EXPECT_EQ(s.text("lblautoplay"), QStringLiteral("Autoplay stopped as asked"));
    }
}

} // namespace
} // namespace melvane::window_testing
