// The player's own controls in the real window: the Play menu, the lines over the keyboard strip,
// the quick stop of a landing and the keys that stop autoplay.
#include <utility>

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

TEST(PlayLines, TheSessionAndAutoplayLinesHoldTheirLongestTexts)
{
    WindowSession s;
    for (const auto &[name, text] : {std::pair{"lblsession", "Session 12:34:56     Net -123456 coins ($ -1234.56)"},
                                     std::pair{"lblautoplay", "Autoplay stopped: credit down more than 10000 coins"}}) {
        auto *label = s.window.findChild<QLabel *>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr);
        label->setText(QString::fromLatin1(text));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width() - 4) << name;
        EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height()) << name;
    }
}

// A paid landing with quick stop on. In the pause of frame `stopAt` (0: none) the player clicks the
// middle reel; a frame before, F11, which must wait for the landing; a game timer is due throughout.
struct Landing {
    int frames = 0;
    bool fullScreenInside = false;
    bool tickInside = false;
    bool windowAlive = false; // the event loop ran inside a frame pause
    int servedAtFrame = 0;
};

Landing land(WindowSession &s, int stopAt)
{
    Landing seen;
    Timer probe("probe", 1);
    probe.attach(&s.host);
    probe.setAction([] {});
    probe.start();
    std::uint64_t ticks = 0;
    QWindow *window = s.window.windowHandle();
    const QWidget *reel = s.window.findChild<QWidget *>(QStringLiteral("reel(3)"));
    const QPoint onReel = window->mapFromGlobal(reel->mapToGlobal(reel->rect().center()));
    s.host.setRepaintReels([&] {
        s.window.repaintReels();
        if (++seen.frames == 1)
            ticks = probe.ticks();
        seen.tickInside = seen.tickInside || probe.ticks() != ticks;
        seen.fullScreenInside = seen.fullScreenInside || s.window.isFullScreen();
        if (seen.frames == 1)
            QTimer::singleShot(0, [&seen] { seen.servedAtFrame = seen.frames; });
        if (seen.frames == stopAt - 1)
            QTimer::singleShot(0, [window] { QTest::keyClick(window, Qt::Key_F11); });
        if (seen.frames == stopAt)
            QTimer::singleShot(0, [window, onReel] { QTest::mouseClick(window, Qt::LeftButton, {}, onReel); });
    });
    s.queueSpin(kK40Stops);
    s.click("play(1)");
    // Served after the last frame is served only once the landing is over.
    seen.windowAlive = seen.servedAtFrame > 0 && seen.servedAtFrame < seen.frames;
    probe.stop();
    s.host.setRepaintReels([&s] { s.window.repaintReels(); });
    return seen;
}

TEST(QuickStop, AClickOnTheReelsLandsThemAtOnceOnTheDrawnStopsWhileOtherInputAndTicksWait)
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
    EXPECT_FALSE(stopped.fullScreenInside);
    EXPECT_TRUE(s.window.isFullScreen()) << "F11 came once the reels had landed";
    EXPECT_FALSE(whole.tickInside || stopped.tickInside);
}

TEST(FramePauses, WithoutQuickStopTheWindowStaysAliveWhileInputAndTicksWaitForTheLanding)
{
    WindowSession s;
    for (int i = 0; i < 5; ++i)
        s.click("COINSIN");
    const Landing whole = land(s, 0);
    const Landing clicked = land(s, 6); // a click on the reels stops nothing without quick stop

    EXPECT_TRUE(whole.windowAlive && clicked.windowAlive) << "the window is served during the pauses";
    EXPECT_EQ(clicked.frames, whole.frames);
    EXPECT_FALSE(clicked.fullScreenInside);
    EXPECT_TRUE(s.window.isFullScreen()) << "F11 came once the reels had landed";
    EXPECT_FALSE(whole.tickInside || clicked.tickInside);
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
