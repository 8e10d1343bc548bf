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
