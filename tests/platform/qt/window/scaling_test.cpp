// The real window at the sizes of real screens: every control at its design place times one
// scale, inside the window and clear of the others, a click at a control's scaled middle landing
// on it; full screen on F11, the menu and Escape; the place remembered between runs; the bet in
// force on show.
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/qt/look.h"
#include "platform/qt/pictures/pictures.h"
#include "windowsession.h"

namespace melvane::window_testing {
namespace {

const QSize kScreens[] = {{800, 600}, {1920, 1080}, {3840, 2160}};

void settle(QWidget &window, QSize size)
{
    QElapsedTimer waited;
    waited.start();
    while (window.size() != size && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

QWidget *surfaceOf(const MainWindow &window) { return window.findChild<QWidget *>(QStringLiteral("cabinet")); }

// A twips position at `scale`, rounded as a screen must: to the nearest pixel.
int onScreen(int twips, qreal scale) { return static_cast<int>(std::lround(twips * scale / 15.0)); }

QRect expectedRect(const Geometry &g, qreal scale)
{
    const int left = onScreen(g.left, scale);
    const int top = onScreen(g.top, scale);
    return {left, top, onScreen(g.left + g.width, scale) - left, onScreen(g.top + g.height, scale) - top};
}

struct Placed {
    const Control *control;
    bool inGamble;
};

// The cabinet's controls with a design place, and the gamble's inside its panel.
std::vector<Placed> placedControls(const Melvane &m)
{
    std::vector<Placed> all;
    for (std::size_t i = 1; i <= 5; ++i) {
        all.push_back({&m.payline[i], false});
        all.push_back({&m.play[i], false});
    }
    for (const Control *c : std::initializer_list<const Control *>{&m.COINSIN, &m.doublebutton, &m.cmdfastmoney,
                                                                    &m.autoplayon, &m.takewin, &m.pannomoney,
                                                                    &m.spinsleft, &m.pandouble})
        all.push_back({c, false});
    const GamblePanel &g = m.gamble;
    for (const Control *c : std::initializer_list<const Control *>{&g.betred, &g.betblack, &g.cancelbet, &g.risklab,
                                                                    &g.piccardholder, &g.Label1})
        all.push_back({c, true});
    for (std::size_t i = 1; i <= 4; ++i)
        all.push_back({&g.suitbet[i], true});
    return all;
}

TEST(ScaledWindow, EveryControlStandsInsideAtItsScaledDesignPlaceAndClearOfTheOthers)
{
    for (const QSize screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.width()) + " x " + std::to_string(screen.height()));
        WindowSession s;
        s.window.resize(screen);
        settle(s.window, screen);
        s.m.pandouble.show(); // the gamble panel, to see its controls too
        s.window.refresh();

        const QWidget *middle = s.window.centralWidget();
        const QWidget *surface = surfaceOf(s.window);
        ASSERT_NE(surface, nullptr);
        const qreal scale = s.window.scale();
        EXPECT_DOUBLE_EQ(scale, fittingScale(middle->size(), {820, 595}));
        // The whole cabinet, in proportion, in the middle of the window.
        EXPECT_EQ(surface->size(), QSize(onScreen(820 * 15, scale), onScreen(595 * 15, scale)));
        EXPECT_LE(std::abs(2 * surface->x() + surface->width() - middle->width()), 1);
        EXPECT_LE(std::abs(2 * surface->y() + surface->height() - middle->height()), 1);
        EXPECT_GT(scale, screen.width() >= 1920 ? 1.7 : 0.9);

        const QWidget *panel = s.window.findChild<QWidget *>(QStringLiteral("pandouble"));
        std::vector<std::pair<QRect, const Control *>> buttons;
        for (const Placed &p : placedControls(s.m)) {
            SCOPED_TRACE(p.control->name());
            const QWidget *widget = s.window.findChild<QWidget *>(QString::fromStdString(p.control->name()));
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->geometry(), expectedRect(p.control->geometry(), scale));
            const QRect inWindow(widget->mapTo(&s.window, QPoint(0, 0)), widget->size());
            EXPECT_TRUE(s.window.rect().contains(inWindow));
            if (!p.inGamble && qobject_cast<const QPushButton *>(widget) != nullptr && widget->isVisible()) {
                for (const auto &[other, control] : buttons) {
                    // The design has the rows meet a pixel deep and play(4) a little wide;
                    // nothing overlaps deeper than that, scaled, and nothing else overlaps.
                    const QRect overlap = other.intersected(inWindow);
                    const QRect allowed = expectedRect(control->geometry(), scale)
                                              .intersected(expectedRect(p.control->geometry(), scale));
                    EXPECT_LE(overlap.width(), allowed.width()) << "overlaps " << control->name();
                    EXPECT_LE(overlap.height(), allowed.height()) << "overlaps " << control->name();
                }
                buttons.emplace_back(inWindow, p.control);
            }
            if (p.inGamble) {
                EXPECT_EQ(widget->parentWidget(), panel);
            }
        }
        EXPECT_EQ(buttons.size(), 14u);

        // What the window shows: the cabinet, and its ground colour around it.
        const QImage shot = s.window.grab().toImage();
        EXPECT_EQ(shot.size(), screen);
        const QPoint beside = surface->mapTo(&s.window, QPoint(-2, surface->height() / 2));
        if (surface->x() >= 2) {
            EXPECT_EQ(shot.pixel(beside), Pictures::kCabinetGround);
        }
        const QPoint inside = surface->mapTo(&s.window, QPoint(surface->width() / 2, surface->height() / 2));
        EXPECT_NE(shot.pixel(inside), Pictures::kCabinetGround);
    }
}

// Notes which widget a mouse press reaches first, and keeps every press and release from
// doing anything.
class PressCatcher : public QObject {
public:
    PressCatcher() { qApp->installEventFilter(this); }
    ~PressCatcher() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The platform window takes the press first and hands it to the widget under it.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget == nullptr)
            return false;
        if (event->type() == QEvent::MouseButtonPress && reached == nullptr)
            reached = widget;
        return event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
               event->type() == QEvent::MouseButtonDblClick;
    }
    QWidget *reached = nullptr;
};

TEST(ScaledWindow, AClickAtTheScaledMiddleOfEachButtonReachesThatButton)
{
    for (const QSize screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.width()) + " x " + std::to_string(screen.height()));
        WindowSession s;
        s.window.resize(screen);
        settle(s.window, screen);
        s.m.pandouble.show();
        s.window.refresh();
        const qreal scale = s.window.scale();
        const QPoint cabinet = surfaceOf(s.window)->mapTo(&s.window, QPoint(0, 0));
        const QPoint panel = cabinet + expectedRect(s.m.pandouble.geometry(), scale).topLeft();

        int clicked = 0;
        for (const Placed &p : placedControls(s.m)) {
            const auto *button = s.window.findChild<QPushButton *>(QString::fromStdString(p.control->name()));
            if (button == nullptr || !button->isVisible())
                continue;
            SCOPED_TRACE(p.control->name());
            // The middle worked out from the design alone, not from where the widget stands.
            const Geometry &g = p.control->geometry();
            const QPoint middle = (p.inGamble ? panel : cabinet) +
                                  QPoint(onScreen(2 * g.left + g.width, scale / 2), onScreen(2 * g.top + g.height, scale / 2));
            PressCatcher catcher;
            QTest::mouseClick(s.window.windowHandle(), Qt::LeftButton, {}, middle);
            EXPECT_EQ(catcher.reached, button);
            ++clicked;
        }
        EXPECT_EQ(clicked, 14 + 7);
        EXPECT_EQ(s.m.g.bank, 0) << "the presses were caught before they did anything";
    }
}

// Lets the platform answer a change of state: until the geometry has kept still a while.
void settleState(QWidget &window)
{
    QElapsedTimer waited;
    waited.start();
    QElapsedTimer still;
    still.start();
    QRect seen = window.geometry();
    while (still.elapsed() < 60 && waited.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (window.geometry() != seen) {
            seen = window.geometry();
            still.restart();
        }
    }
}

// Presses a key in the window and lets the platform answer.
void press(QWidget &window, Qt::Key key)
{
    QTest::keyClick(&window, key);
    settleState(window);
}

TEST(FullScreenWindow, F11AndTheMenuSwitchFullScreenAndEscapeLeavesIt)
{
    WindowSession s;
    s.window.move(20, 10);
    settleState(s.window);
    const QRect normal = s.window.geometry();
    QAction *entry = s.window.findChild<QAction *>(QStringLiteral("mnufullscreen"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->text().startsWith(QStringLiteral("&Full Screen")));

    press(s.window, Qt::Key_F11);
    EXPECT_TRUE(s.window.isFullScreen());
    EXPECT_TRUE(entry->isChecked());
    EXPECT_EQ(s.window.geometry(), s.window.screen()->geometry());
    EXPECT_EQ(s.window.placement().geometry, normal) << "the normal place is kept";

    press(s.window, Qt::Key_Escape);
    EXPECT_FALSE(s.window.isFullScreen());
    EXPECT_FALSE(entry->isChecked());
    EXPECT_EQ(s.window.geometry(), normal);

    entry->trigger();
    settleState(s.window);
    EXPECT_TRUE(s.window.isFullScreen());
    press(s.window, Qt::Key_F11);
    EXPECT_FALSE(s.window.isFullScreen());
    EXPECT_EQ(s.window.geometry(), normal);

    // Escape outside full screen is not the window's: nothing changes.
    press(s.window, Qt::Key_Escape);
    EXPECT_FALSE(s.window.isFullScreen());
    EXPECT_EQ(s.window.geometry(), normal);

    // A maximised window goes back to being maximised.
    s.window.showMaximized();
    settleState(s.window);
    press(s.window, Qt::Key_F11);
    EXPECT_TRUE(s.window.isFullScreen());
    press(s.window, Qt::Key_Escape);
    EXPECT_TRUE(s.window.isMaximized());
    EXPECT_EQ(s.window.placement().geometry, normal);
}

TEST(ScaledWindow, TheSmallestWindowFitsAn800By600ScreenWithItsFrameAndMenu)
{
    WindowSession s;
    s.window.resize(100, 100);
    settle(s.window, s.window.minimumSizeHint());

    const QSize smallest = s.window.size();
    EXPECT_EQ(smallest, s.window.minimumSizeHint());
    // A frame as desktops draw it: borders of a few pixels and a title bar.
    EXPECT_LE(smallest.width() + 2 * 8, 800);
    EXPECT_LE(smallest.height() + 40 + 8, 600);
    EXPECT_GE(s.window.scale(), 0.45) << "still a machine one can play";
    EXPECT_TRUE(s.window.rect().contains(
        QRect(surfaceOf(s.window)->mapTo(&s.window, QPoint(0, 0)), surfaceOf(s.window)->size())));
}

TEST(FullScreenWindow, TheGamesMenuEntriesKeepTheirCaptionsAndOrderBeforeTheWindowsOwn)
{
    WindowSession s;
    QStringList entries;
    for (const QAction *action : s.window.menuBar()->actions())
        entries << action->text();
    EXPECT_EQ(entries, (QStringList{"&About", "&Paytable", "&Options", "&Exit", "&History", "P&lay", "&View"}));
}

TEST(FullScreenWindow, EveryMenuHasAMnemonicOfItsOwn)
{
    // Alt and a letter must open one entry: two entries sharing it take turns instead.
    WindowSession s;
    std::vector<QList<QAction *>> menus{s.window.menuBar()->actions()};
    for (std::size_t i = 0; i < menus.size(); ++i) {
        std::set<QChar> letters;
        for (const QAction *action : menus[i]) {
            if (action->isSeparator())
                continue;
            const QString text = action->text();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            ASSERT_TRUE(amp >= 0 && amp + 1 < text.size()) << text.toStdString() << " has no mnemonic";
            EXPECT_TRUE(letters.insert(text.at(amp + 1).toLower()).second) << text.toStdString() << " shares its letter";
            if (action->menu() != nullptr)
                menus.push_back(action->menu()->actions());
        }
    }
}

TEST(RememberedWindow, TheCloseBoxWritesWhereTheWindowStoodAndAFullScreenKeepsItsNormalPlace)
{
    for (const bool fullScreen : {false, true}) {
        SCOPED_TRACE(fullScreen);
        WindowSession s;
        s.window.setGeometry(30, 40, 700, 560);
        QCoreApplication::processEvents();
        if (fullScreen)
            s.window.setFullScreen(true);

        s.window.close();

        const auto stored = [&s](const char *key) { return s.store.value("window", "main", key).value_or("?"); };
        EXPECT_EQ(stored("left"), "30");
        EXPECT_EQ(stored("top"), "40");
        EXPECT_EQ(stored("width"), "700");
        EXPECT_EQ(stored("height"), "560");
        EXPECT_EQ(stored("fullscreen"), fullScreen ? "1" : "0");
        EXPECT_EQ(stored("maximized"), "0");
    }
}

TEST(RememberedWindow, TheWindowOpensWhereItWasLeftOrCentredWhenThatIsOffEveryScreen)
{
    const struct {
        const char *what;
        QRect stored;
        bool fullScreen;
        bool restored;
    } cases[] = {
        {"on the screen", {10, 30, 700, 560}, false, true},
        {"on the screen, full screen", {10, 30, 700, 560}, true, true},
        {"off every screen", {9000, 9000, 700, 560}, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        WindowSession s;
        s.window.hide();
        writePlacement(s.store, {c.stored, c.fullScreen, false});

        s.window.showAtRememberedPlace();
        QCoreApplication::processEvents();

        EXPECT_EQ(s.window.isFullScreen(), c.fullScreen);
        const QRect normal = s.window.placement().geometry;
        const QRect screen = s.window.screen()->availableGeometry();
        if (c.restored) {
            EXPECT_EQ(normal, c.stored);
        } else {
            // Centred across the screen, with room above it for a title bar.
            EXPECT_TRUE(screen.contains(normal));
            EXPECT_LE(std::abs(normal.center().x() - screen.center().x()), 2);
            EXPECT_GE(normal.top(), screen.top() + 20);
        }
    }
}

TEST(BetInForceOnTheWindow, TheCoinsAndWaysInForceAreLitAndTheStakeStandsBesideThemCaptionsUnchanged)
{
    WindowSession s;
    const auto lit = [&s](const char *prefix) {
        std::vector<int> on;
        for (int i = 1; i <= 5; ++i)
            if (s.button((std::string(prefix) + "(" + std::to_string(i) + ")").c_str())->property("inForce").toBool())
                on.push_back(i);
        return on;
    };
    EXPECT_EQ(lit("play"), std::vector<int>{1});
    EXPECT_EQ(lit("payline"), std::vector<int>{5});
    EXPECT_EQ(s.text("stakeinforce"), QStringLiteral("25"));
    EXPECT_EQ(s.text("stakemoney"), QStringLiteral("$ 0.25"));

    s.click("payline(2)");
    for (int i = 0; i < 30; ++i)
        s.click("COINSIN");
    s.queueSpin({2, 10, 3, 2, 2});
    s.click("play(4)");

    EXPECT_EQ(s.m.coinbet, 10);
    EXPECT_EQ(lit("play"), std::vector<int>{4});
    EXPECT_EQ(lit("payline"), std::vector<int>{2});
    EXPECT_EQ(s.text("stakeinforce"), QStringLiteral("30"));
    EXPECT_EQ(s.text("stakemoney"), QStringLiteral("$ 0.3"));
    EXPECT_EQ(s.button("play(4)")->text(), QStringLiteral("Bet 10 Coins"));
    EXPECT_EQ(s.button("payline(2)")->text(), QStringLiteral("Play 9 Lines"));
    EXPECT_EQ(s.text("LABLAST"), QStringLiteral("30"));
}

} // namespace
} // namespace melvane::window_testing
