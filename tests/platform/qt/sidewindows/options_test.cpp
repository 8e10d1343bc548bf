// The options window on screen: its widgets drive the options model and show what it says.
#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/qt/displaymode.h"
#include "screen.h"

namespace melvane {
namespace {

using testing_support::answeringMessages;
using testing_support::clickOption;
using testing_support::Screen;
using testing_support::ShownMessage;

QDialog &optionsOf(Screen &s) { return s.sides.optionsDialog; }

TEST(OptionsWindowOnScreen, OpensFromTheMenuWithItsCaptionCentredOnTheMainWindow)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.window.move(30, 20);

    s.choose("mnuplayer");

    QDialog &d = optionsOf(s);
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Melvane Options"));
    const QPoint offCentre = d.frameGeometry().center() - s.window.frameGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
    EXPECT_FALSE(s.window.isEnabled());
}

TEST(OptionsWindowOnScreen, ControlsCarryTheirCaptionsBlanksIncluded)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.choose("mnuplayer");
    QDialog &d = optionsOf(s);

    const struct {
        const char *widget;
        const char *caption;
    } cases[] = {
        {"btnokplayer", "O.K. Close and save changes"},
        {"Btndeletedetails", "Delete Current Player"},
        {"cmdlargescreen", "Large Size 800X600"},
        {"cmdorigonal", "Origonal Screen Size"},
        {"Amtpayout0", "Realistic"},
        {"Amtpayout1", "Loose"},
        {"Amtpayout2", "Dream Machine !!"},
        {"sounds1", " ON"},
        {"sounds2", " OFF"},
        {"setspeed0", "1"},
        {"setspeed4", "5"},
        {"fastslow", "<<<Faster                       Slower>>>"},
        {"lblplayername", "Input Player Name                                  Then Enter"},
        {"machine1", "Vacant"},
        {"machine6", "Vacant"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.widget);
        QWidget *w = d.findChild<QWidget *>(QString::fromLatin1(c.widget));
        ASSERT_NE(w, nullptr);
        QString shown;
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            shown = button->text();
        else if (auto *label = qobject_cast<QLabel *>(w))
            shown = label->text();
        EXPECT_EQ(shown.toStdString(), c.caption);
    }
    QStringList frames;
    for (const QGroupBox *frame : d.findChildren<QGroupBox *>())
        frames << frame->title();
    for (const char *title : {"Melvane Options", "toggle sound", "Reel Speed", "Win Counter", "Payout %", "Screen Size"})
        EXPECT_TRUE(frames.contains(QString::fromLatin1(title))) << title;
    auto *note = Screen::child<QLabel>(d, "Text1");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), QStringLiteral("Note :- Some machines \nmay not support this \noption."));
}

TEST(OptionsWindowOnScreen, EveryChoiceIsReadWithWhatItChooses)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.choose("mnuplayer");
    const std::pair<const char *, const char *> cases[] = {
        {"machine1", "Player 1: Vacant"},  {"sounds1", "Sound on"},   {"sounds2", "Sound off"},
        {"setspeed4", "Reel speed 5"},     {"wincounter1", "Win counter on"}, {"wincounter2", "Win counter off"},
        {"Amtpayout2", "Dream Machine !!"}, {"player1", "Player name"},
    };
    for (const auto &[widget, heard] : cases) {
        const auto *w = optionsOf(s).findChild<QWidget *>(QString::fromLatin1(widget));
        ASSERT_NE(w, nullptr) << widget;
        EXPECT_EQ(w->accessibleName().toStdString(), heard) << widget;
    }
    // The choices are read as radio buttons, the one in force as checked, and pressed as one.
    auto *on = QAccessible::queryAccessibleInterface(optionsOf(s).findChild<QWidget *>("sounds1"));
    auto *off = QAccessible::queryAccessibleInterface(optionsOf(s).findChild<QWidget *>("sounds2"));
    EXPECT_EQ(on->role(), QAccessible::RadioButton);
    const bool wasOn = on->state().checked;
    EXPECT_NE(wasOn, off->state().checked);
    (wasOn ? off : on)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_NE(on->state().checked, wasOn);
}

TEST(OptionsWindowOnScreen, DreamMachineAndAnyWayOfClosingStoresTwoUnderMachinepay)
{
    const struct {
        const char *means;
        std::function<void(QDialog &)> close;
    } closings[] = {
        {"O.K.", [](QDialog &d) { QTest::mouseClick(Screen::child<QPushButton>(d, "btnokplayer"), Qt::LeftButton); }},
        {"the close box", [](QDialog &d) { d.close(); }},
        {"Escape", [](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const auto &closing : closings) {
        SCOPED_TRACE(closing.means);
        Screen s;
        ASSERT_TRUE(s.loaded);
        ASSERT_EQ(s.m.g.machinepay, 5);
        s.choose("mnuplayer");
        QDialog &d = optionsOf(s);
        auto *dream = Screen::child<QRadioButton>(d, "Amtpayout2");
        ASSERT_NE(dream, nullptr);

        clickOption(dream);
        EXPECT_TRUE(dream->isChecked());
        EXPECT_FALSE(Screen::child<QRadioButton>(d, "Amtpayout0")->isChecked());
        closing.close(d);

        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(s.window.isEnabled());
        EXPECT_EQ(s.stored("machinepay"), "2");
    }
}

TEST(OptionsWindowOnScreen, ClickingAChosenOptionAgainKeepsItChosen)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.choose("mnuplayer");
    auto *realistic = Screen::child<QRadioButton>(optionsOf(s), "Amtpayout0");
    ASSERT_TRUE(realistic->isChecked());

    clickOption(realistic);

    EXPECT_TRUE(realistic->isChecked());
    EXPECT_EQ(s.m.g.machinepay, 5);
}

TEST(OptionsWindowOnScreen, TheSpeedAndWinCounterOptionsShowTheirRunTimeCaptions)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.choose("mnuplayer");
    QDialog &d = optionsOf(s);

    clickOption(Screen::child<QRadioButton>(d, "setspeed2"));
    clickOption(Screen::child<QRadioButton>(d, "wincounter2"));

    EXPECT_EQ(Screen::child<QLabel>(d, "speedlab")->text(), QStringLiteral("Current Speed =   3"));
    EXPECT_EQ(s.m.g.reelspeed, 4);
    EXPECT_EQ(Screen::child<QRadioButton>(d, "wincounter2")->text(), QStringLiteral(" OFF"));
    EXPECT_EQ(Screen::child<QRadioButton>(d, "wincounter1")->text(), QString());
    EXPECT_EQ(s.m.g.winroll, 0);
}

TEST(OptionsWindowOnScreen, EnterInTheNameBoxNamesThePlayerInCapitalsInTheMainWindowsCaption)
{
    for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(enter == Qt::Key_Return ? "Return" : "keypad Enter");
        Screen s;
        ASSERT_TRUE(s.loaded);
        s.choose("mnuplayer");
        QDialog &d = optionsOf(s);
        auto *name = Screen::child<QLineEdit>(d, "player1");
        ASSERT_NE(name, nullptr);

        QTest::keyClicks(name, QStringLiteral("Ada"));
        std::vector<ShownMessage> messages;
        messages = answeringMessages([&] { QTest::keyClick(name, enter); });

        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Current Player       ADA"));
        EXPECT_EQ(Screen::child<QRadioButton>(d, "machine1")->text(), QStringLiteral("ADA"));
        EXPECT_EQ(Screen::child<QLabel>(d, "lblcurrentplayer")->text(), QStringLiteral("Current Player  ADA"));
        EXPECT_EQ(name->text(), QString()) << "the box is cleared";
        EXPECT_TRUE(d.isVisible()) << "Enter presses no button of the window";
        EXPECT_EQ(s.stored("currentplayer"), "Ada");
    }
}

TEST(OptionsWindowOnScreen, EnterWithAnEmptyOrTooLongNameShowsWhyAndKeepsTheName)
{
    const struct {
        const char *typed;
        const char *message;
    } cases[] = {
        {"", "Nothing Entered"},
        {"Thirteen Char", "Name Too Long"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.message);
        Screen s({{"currentplayer", "Cy"}});
        ASSERT_TRUE(s.loaded);
        s.choose("mnuplayer");
        auto *name = Screen::child<QLineEdit>(optionsOf(s), "player1");
        QTest::keyClicks(name, QString::fromLatin1(c.typed));

        const auto messages = answeringMessages([&] { QTest::keyClick(name, Qt::Key_Return); });

        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, QStringLiteral("Slot_Melvane"));
        EXPECT_EQ(messages[0].text.toStdString(), c.message);
        EXPECT_EQ(messages[0].icon, QMessageBox::Information);
        EXPECT_EQ(name->text(), QString());
        EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Current Player       CY"));
    }
}

TEST(OptionsWindowOnScreen, TheStatisticsLabelsShowTheTextsAsTheyStandInAFixedPitchFont)
{
    Screen s({{"games", "12"},
              {"wager", "300"},
              {"total", "270"},
              {"bank", "250"},
              {"amountinvested", "300"},
              {"howmanyspins", "1"},
              {"currentplayer", "Ada"}});
    ASSERT_TRUE(s.loaded);
    s.choose("mnuplayer");
    QDialog &d = optionsOf(s);

    const struct {
        const char *label;
        const char *caption;
    } cases[] = {
        {"lblcurrentplayer", "Current Player    ADA"},
        {"lblgames", "Games Played            12"},
        {"lblwager", "Total Wagered           300"},
        {"lbltotalwon", "Total Won                   270"},
        {"lblwinlose", "Winning/Losing           -50"},
        {"lblreturned", "Returned To Player     % 90"},
        {"lblinvested", "Total Invested             300"},
        {"lblfreespins", "Freespins Won            1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        auto *label = Screen::child<QLabel>(d, c.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), c.caption);
        EXPECT_TRUE(QFontInfo(label->font()).fixedPitch());
    }
}

TEST(OptionsWindowOnScreen, ANameEndingInANumberStaysWholeInThePlayersLine)
{
    Screen s({{"currentplayer", "Agent 47"}});
    ASSERT_TRUE(s.loaded);
    s.choose("mnuplayer");
    auto *label = Screen::child<QLabel>(optionsOf(s), "lblcurrentplayer");
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(label->text().toStdString(), "Current Player    AGENT 47");

    // The ink ends where the text as it stands ends, not at the label's right edge.
    const QImage drawn = label->grab().toImage();
    const QRgb ground = drawn.pixel(drawn.width() - 1, 0);
    int inkRight = -1;
    for (int x = 0; x < drawn.width(); ++x)
        for (int y = 0; y < drawn.height(); ++y)
            if (drawn.pixel(x, y) != ground)
                inkRight = x;
    const int textRight = label->contentsRect().left() + label->fontMetrics().horizontalAdvance(label->text());
    ASSERT_LT(textRight + 20, label->width()) << "the label must be wider than its text for this test";
    EXPECT_LE(inkRight, textRight + 2);
}

TEST(FigureLabel, SplitsACaptionIntoItsTextAsItStandsAndItsClosingFigure)
{
    const struct {
        const char *caption;
        const char *text;
        const char *figure;
    } cases[] = {
        {"Total Won                   270", "Total Won                   ", "270"},
        {"Winning/Losing           -25", "Winning/Losing           ", "-25"},
        {"Returned To Player     % 87", "Returned To Player     % ", "87"},
        {"Returned To Player     % ", "Returned To Player     % ", ""},
        {"Games Played      ", "Games Played      ", ""},
        {"Freespins Won     0", "Freespins Won     ", "0"},
        {"", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption);
        const FigureLabel::Parts parts = FigureLabel::split(QString::fromLatin1(c.caption));
        EXPECT_EQ(parts.text.toStdString(), c.text);
        EXPECT_EQ(parts.figure.toStdString(), c.figure);
    }
}

TEST(OptionsWindowOnScreen, TheLargeScreenButtonSwitchesOnlyAScreenNeither800WideNor600High)
{
    const struct {
        QSize screen;
        bool message;
    } cases[] = {
        {{800, 480}, true},
        {{1280, 600}, true},
        {{800, 600}, true},
        {{1024, 768}, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.screen.width()) + " x " + std::to_string(c.screen.height()));
        Screen s;
        ASSERT_TRUE(s.loaded);
        std::vector<QSize> modes;
        s.host.setScreenSize([&c] { return c.screen; });
        s.host.setDisplayModeRoutines(
            [&modes](int w, int h) {
                modes.emplace_back(w, h);
                return true;
            },
            [] {});
        s.window.move(40, 30);
        s.choose("mnuplayer");
        QDialog &d = optionsOf(s);

        const auto messages = answeringMessages(
            [&] { QTest::mouseClick(Screen::child<QPushButton>(d, "cmdlargescreen"), Qt::LeftButton); });

        if (c.message) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, QStringLiteral("Slot_Melvane"));
            EXPECT_EQ(messages[0].text, QStringLiteral("Already 800 X 600 resolution !!\n"));
            EXPECT_EQ(messages[0].icon, QMessageBox::Information);
            EXPECT_TRUE(modes.empty());
            EXPECT_EQ(s.window.pos(), QPoint(40, 30)) << "the main window stays where it is";
        } else {
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(modes, (std::vector<QSize>{{800, 600}}));
            EXPECT_EQ(s.window.pos(), QPoint(0, 0));
        }
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(s.window.isEnabled());
    }
}

TEST(OptionsWindowOnScreen, TheOriginalScreenButtonRestoresTheModeMovesTheMainWindowHomeAndCloses)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    int restores = 0;
    s.host.setDisplayModeRoutines([](int, int) { return true; }, [&restores] { ++restores; });
    s.window.move(40, 30);
    s.choose("mnuplayer");
    QDialog &d = optionsOf(s);

    QTest::mouseClick(Screen::child<QPushButton>(d, "cmdorigonal"), Qt::LeftButton);

    EXPECT_EQ(restores, 1);
    EXPECT_EQ(s.window.pos(), QPoint(0, 0));
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(s.window.isEnabled());
}

TEST(OptionsWindowOnScreen, WithoutADisplayModeSwitchTheLargeSizeFillsTheScreenAndTheOriginalSizeGoesBackToTheDesign)
{
    if (displayModeSwitches())
        GTEST_SKIP() << "this platform switches the display mode itself";
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.host.setScreenSize([] { return QSize(1024, 768); });
    s.window.move(40, 30);
    s.choose("mnuplayer");

    const auto messages = answeringMessages(
        [&] { QTest::mouseClick(Screen::child<QPushButton>(optionsOf(s), "cmdlargescreen"), Qt::LeftButton); });

    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(s.window.isFullScreen());
    EXPECT_FALSE(optionsOf(s).isVisible());
    EXPECT_TRUE(s.window.isEnabled());

    s.choose("mnuplayer");
    QTest::mouseClick(Screen::child<QPushButton>(optionsOf(s), "cmdorigonal"), Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_FALSE(s.window.isFullScreen());
    EXPECT_EQ(s.window.pos(), QPoint(0, 0));
    EXPECT_FALSE(optionsOf(s).isVisible());
    const QRect free = s.window.screen()->availableGeometry();
    if (free.width() >= 900 && free.height() >= 700) {
        EXPECT_EQ(s.window.size(), s.window.designSize());
        EXPECT_DOUBLE_EQ(s.window.scale(), 1.0);
    } else {
        // A screen smaller than the design: as much of it as the screen shows.
        EXPECT_TRUE(free.contains(s.window.geometry()));
        EXPECT_GT(s.window.scale(), 0.9);
    }
}

TEST(OptionsWindowOnScreen, AMessageStandsOnTheWindowInUseInTypeAsLargeAsTheMachinesScale)
{
    Screen s;
    ASSERT_TRUE(s.loaded);
    s.host.setScreenSize([] { return QSize(800, 600); });
    const QFont desktop = QApplication::font();
    s.window.resize(1500, 1100);
    QCoreApplication::processEvents();
    const qreal scale = s.window.scale();
    ASSERT_GT(scale, 1.7);
    s.choose("mnuplayer");

    const auto messages = answeringMessages(
        [&] { QTest::mouseClick(Screen::child<QPushButton>(optionsOf(s), "cmdlargescreen"), Qt::LeftButton); });

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Already 800 X 600 resolution !!\n"));
    const QFont &type = messages[0].font;
    if (desktop.pixelSize() > 0)
        EXPECT_NEAR(type.pixelSize(), desktop.pixelSize() * scale, 1.0);
    else
        EXPECT_NEAR(type.pointSizeF(), desktop.pointSizeF() * scale, 0.5);
    EXPECT_TRUE(messages[0].parent == &optionsOf(s) || messages[0].parent == &s.window);
}

TEST(OptionsWindowOnScreen, AProfileButtonSetsALongNameInSmallerTypeRatherThanCutItOff)
{
    const struct {
        const char *name;
        bool smaller;
    } cases[] = {
        {"Ada", false},
        {"WWWWWWWWWWWW", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Screen s({{"currentplayer", c.name}});
        ASSERT_TRUE(s.loaded);
        s.choose("mnuplayer");
        auto *profile = Screen::child<QRadioButton>(optionsOf(s), "machine1");
        ASSERT_NE(profile, nullptr);
        ASSERT_EQ(profile->text(), QString::fromLatin1(c.name).toUpper());
        const int indicator = 18;

        EXPECT_LE(QFontMetrics(profile->font()).horizontalAdvance(profile->text()) + indicator, profile->width());
        EXPECT_EQ(profile->font().pixelSize() < 12, c.smaller);
    }
}

TEST(OptionsWindowOnScreen, DeletingThePlayerAsksFirstAndClosesTheWindowWhateverTheAnswer)
{
    const struct {
        QMessageBox::StandardButton answer;
        std::string bank;
        QString creditMeter;
    } cases[] = {
        {QMessageBox::No, "250", QStringLiteral("250")},
        {QMessageBox::Yes, "0", QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer == QMessageBox::Yes ? "Yes" : "No");
        Screen s({{"bank", "250"}, {"currentplayer", "Ada"}});
        ASSERT_TRUE(s.loaded);
        s.choose("mnuplayer");
        QDialog &d = optionsOf(s);

        const auto messages = answeringMessages(
            [&] { QTest::mouseClick(Screen::child<QPushButton>(d, "Btndeletedetails"), Qt::LeftButton); }, c.answer);

        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, QStringLiteral("Slots_Melvane"));
        EXPECT_EQ(messages[0].text, QStringLiteral("Are you sure you want to Delete Current Player's Details ?"));
        EXPECT_EQ(messages[0].icon, QMessageBox::Critical);
        EXPECT_EQ(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(s.window.isEnabled());
        EXPECT_EQ(s.stored("bank"), c.bank);
        EXPECT_EQ(s.stored("currentplayer"), "Ada") << "the name stays";
        EXPECT_EQ(Screen::child<QLabel>(s.window, "PANELBANK")->text(), c.creditMeter);
    }
}

TEST(OptionsWindowOnScreen, ChoosingAnotherProfileShowsItsNameInTheMainWindowsCaption)
{
    Screen s({{"currentplayer", "Ada"}});
    ASSERT_TRUE(s.loaded);
    s.store.setValue("keys", "player2", "currentplayer", "Bo");
    s.store.setValue("keys", "player2", "bank", "770");
    s.choose("mnuplayer");
    QDialog &d = optionsOf(s);
    EXPECT_EQ(Screen::child<QRadioButton>(d, "machine2")->text(), QStringLiteral("BO"));

    clickOption(Screen::child<QRadioButton>(d, "machine2"));

    EXPECT_TRUE(Screen::child<QRadioButton>(d, "machine2")->isChecked());
    EXPECT_FALSE(Screen::child<QRadioButton>(d, "machine1")->isChecked());
    EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Current Player       BO"));
    EXPECT_EQ(Screen::child<QLabel>(s.window, "PANELBANK")->text(), QStringLiteral("770"));
}

} // namespace
} // namespace melvane
