// The three side windows from the main window's menu: refused during a bonus, the click when
// accepted, the main window held while they are open and given back however they close.
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include "screen.h"

namespace melvane {
namespace {

using testing_support::Screen;

struct SideWindowCase {
    const char *menu;
    const char *window;
    const char *closeButton; // the window's own button that closes it
};

constexpr SideWindowCase kSideWindows[] = {
    {"mnuplayer", "frmmelvaneoptions", "btnokplayer"},
    {"mnuptble", "melvanepays", "Command1"},
    {"mnuabout", "aboutmelvane", "cmdOK"},
};

QDialog *windowNamed(Screen &s, const char *name)
{
    for (QDialog *d : {static_cast<QDialog *>(&s.sides.optionsDialog), static_cast<QDialog *>(&s.sides.paytable),
                       static_cast<QDialog *>(&s.sides.about)})
        if (d->objectName() == QLatin1String(name))
            return d;
    ADD_FAILURE() << "no window " << name;
    return nullptr;
}

TEST(SideWindowMenus, EveryMenuEntryIsRefusedSilentlyDuringAFreeSpinRound)
{
    for (const SideWindowCase &c : kSideWindows) {
        SCOPED_TRACE(c.menu);
        Screen s({{"soundonoff", "-1"}});
        ASSERT_TRUE(s.loaded);
        s.m.freespins = 11;
        s.host.clips.clear();

        s.choose(c.menu);

        EXPECT_TRUE(s.sideWindowsShown().empty());
        EXPECT_TRUE(s.host.clips.empty()) << "no click for a refused menu entry";
        EXPECT_TRUE(s.window.isEnabled());
    }
}

TEST(SideWindowMenus, AnAcceptedMenuEntryClicksAndHoldsTheMainWindowUntilTheWindowClosesByAnyMeans)
{
    const struct {
        const char *means;
        std::function<void(QDialog &, const SideWindowCase &)> close;
    } closings[] = {
        {"its own button",
         [](QDialog &d, const SideWindowCase &c) {
             QTest::mouseClick(Screen::child<QPushButton>(d, c.closeButton), Qt::LeftButton);
         }},
        {"the close box", [](QDialog &d, const SideWindowCase &) { d.close(); }},
        {"Escape", [](QDialog &d, const SideWindowCase &) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const SideWindowCase &c : kSideWindows) {
        for (const auto &closing : closings) {
            SCOPED_TRACE(std::string(c.menu) + " closed by " + closing.means);
            Screen s({{"soundonoff", "-1"}, {"bank", "100"}});
            ASSERT_TRUE(s.loaded);
            s.host.clips.clear();
            auto *credit = Screen::child<QPushButton>(s.window, "COINSIN");

            s.choose(c.menu);

            QDialog *d = windowNamed(s, c.window);
            ASSERT_NE(d, nullptr);
            EXPECT_TRUE(d->isVisible());
            ASSERT_FALSE(s.host.clips.empty());
            EXPECT_EQ(s.host.clips.front(), Clip::Click);
            EXPECT_FALSE(s.window.isEnabled());
            QTest::mouseClick(credit, Qt::LeftButton);
            EXPECT_EQ(s.m.g.bank, 100) << "the main window takes no input";

            closing.close(*d, c);

            EXPECT_FALSE(d->isVisible());
            EXPECT_TRUE(s.window.isEnabled());
            QTest::mouseClick(credit, Qt::LeftButton);
            EXPECT_EQ(s.m.g.bank, 110) << "the main window works again";
        }
    }
}

TEST(SideWindowMenus, AMenuEntryTheGameHasDisabledStaysDeadEvenWhenTriggered)
{
    for (const SideWindowCase &c : kSideWindows) {
        SCOPED_TRACE(c.menu);
        Screen s({{"soundonoff", "-1"}});
        ASSERT_TRUE(s.loaded);
        // Autoplay and the credit buttons disable the side menus this way.
        for (MenuItem *item : {&s.m.mnuplayer, &s.m.mnuptble, &s.m.mnuabout})
            item->setEnabled(false);
        s.window.refresh();
        s.host.clips.clear();
        QAction *entry = s.menu(c.menu);
        ASSERT_NE(entry, nullptr);
        EXPECT_FALSE(entry->isEnabled());

        // As a shortcut or a platform menu might: the signal itself, past the action's own check.
        emit entry->triggered(false);

        EXPECT_TRUE(s.sideWindowsShown().empty());
        EXPECT_TRUE(s.host.clips.empty());
    }
}

TEST(SideWindowMenus, EverySideWindowOpensAtTheMainWindowsScaleCentredOnIt)
{
    const struct {
        const char *menu;
        const char *window;
        const char *button; // a button of the window, with its design place and type
        QRect buttonAtDesign;
        int typeAtDesign;
        int widthAtDesign;
    } cases[] = {
        {"mnuplayer", "frmmelvaneoptions", "btnokplayer", {484, 328, 206, 36}, 12, 712},
        {"mnuptble", "melvanepays", "Command1", {418, 7, 73, 33}, 10, 506},
        {"mnuabout", "aboutmelvane", "cmdOK", {280, 16, 96, 26}, 12, 392},
    };
    // Smaller than the design, and larger than the test's screen can hold centred.
    for (const QSize mainWindow : {QSize(600, 460), QSize(1500, 1100)}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.menu) + " in a window " + std::to_string(mainWindow.width()) + " wide");
            Screen s;
            ASSERT_TRUE(s.loaded);
            s.window.move(0, 0);
            s.window.resize(mainWindow);
            QCoreApplication::processEvents();
            const qreal scale = s.window.scale();
            ASSERT_NE(scale, 1.0);

            s.choose(c.menu);

            QDialog *d = windowNamed(s, c.window);
            ASSERT_NE(d, nullptr);
            ASSERT_TRUE(d->isVisible());
            EXPECT_NEAR(d->width(), c.widthAtDesign * scale, 1.0);
            auto *button = Screen::child<QPushButton>(*d, c.button);
            ASSERT_NE(button, nullptr);
            const QRect at = button->geometry();
            EXPECT_NEAR(at.x(), c.buttonAtDesign.x() * scale, 1.0);
            EXPECT_NEAR(at.y(), c.buttonAtDesign.y() * scale, 1.0);
            EXPECT_NEAR(at.width(), c.buttonAtDesign.width() * scale, 1.0);
            EXPECT_NEAR(at.height(), c.buttonAtDesign.height() * scale, 1.0);
            EXPECT_NEAR(button->fontInfo().pixelSize(), c.typeAtDesign * scale, 1.0);
            if (s.window.screen()->availableGeometry().contains(s.window.frameGeometry())) {
                const QPoint offCentre = d->frameGeometry().center() - s.window.frameGeometry().center();
                EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
            }
        }
    }
}

TEST(SideWindowMenus, ThePayTableHidesTheShortCreditNotice)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.m.pannomoney.show();

    s.choose("mnuptble");

    EXPECT_FALSE(s.m.pannomoney.visible());
}

} // namespace
} // namespace melvane
