// The autoplay window on screen: opened by the autoplay button, it starts autoplay with the limits
// chosen in it or leaves it off, holding the main window meanwhile.
#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "screen.h"

namespace melvane {
namespace {

using testing_support::answeringMessages;
using testing_support::Screen;

// Chooses the entry `text` with the keyboard, as a player can.
void choose(QComboBox *box, const QString &text)
{
    ASSERT_NE(box, nullptr);
    ASSERT_GE(box->findText(text), 0) << text.toStdString();
    QTest::keyClick(box, Qt::Key_Home);
    while (box->currentText() != text)
        QTest::keyClick(box, Qt::Key_Down);
}

// Opens the autoplay window from the autoplay button, answering the one-time notice.
QDialog &openAutoplay(Screen &s)
{
    answeringMessages([&s] { QTest::mouseClick(Screen::child<QPushButton>(s.window, "autoplayon"), Qt::LeftButton); });
    return s.sides.autoplay;
}

TEST(AutoplayWindowOnScreen, StartsAutoplayWithTheChosenLimitsAndOffersThemNextTime)
{
    // One losing spin's worth, drawn again and again: autoplay plays it and stops short of credit.
    const std::array<double, 6> losing = {1.5 / 22, 9.5 / 22, 2.5 / 22, 1.5 / 22, 1.5 / 22, 0.0};
    std::size_t next = 0;
    Screen s({{"bank", "25"}}, [&] { return losing[next++ % losing.size()]; });
    ASSERT_TRUE(s.loaded);
    QDialog &d = openAutoplay(s);
    ASSERT_TRUE(d.isVisible());
    EXPECT_FALSE(s.window.isEnabled());
    EXPECT_EQ(Screen::child<QComboBox>(d, "cmbspins")->currentText(), QStringLiteral("Until stopped"));
    EXPECT_EQ(Screen::child<QComboBox>(d, "cmblosslimit")->currentText(), QStringLiteral("No limit"));

    choose(Screen::child<QComboBox>(d, "cmbspins"), QStringLiteral("100"));
    choose(Screen::child<QComboBox>(d, "cmblosslimit"), QStringLiteral("2500 coins ($ 25)"));
    choose(Screen::child<QComboBox>(d, "cmbwinlimit"), QStringLiteral("100 coins ($ 1)"));
    Screen::child<QCheckBox>(d, "chkstoponbonus")->click();
    const AutoplayLimits chosen{100, 2500, 100, true};
    EXPECT_EQ(s.sides.autoplayWindow.choice, chosen);
    QTest::mouseClick(Screen::child<QPushButton>(d, "cmdstart"), Qt::LeftButton);

    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(s.window.isEnabled());
    EXPECT_EQ(s.m.g.games, 1) << "autoplay spun";
    EXPECT_EQ(s.m.autoplayLimits, chosen);
    EXPECT_EQ(s.stored("autoplaylosslimit"), std::optional<std::string>("2500"));

    s.m.autoplayoff.press();
    QTest::mouseClick(Screen::child<QPushButton>(s.window, "COINSIN"), Qt::LeftButton); // credit to play with
    openAutoplay(s);
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(Screen::child<QComboBox>(d, "cmbspins")->currentText(), QStringLiteral("100"));
    EXPECT_EQ(Screen::child<QComboBox>(d, "cmbwinlimit")->currentText(), QStringLiteral("100 coins ($ 1)"));
    EXPECT_TRUE(Screen::child<QCheckBox>(d, "chkstoponbonus")->isChecked());
}

TEST(AutoplayWindowOnScreen, OpensAtTheWindowsScaleAndCancelEscapeAndTheCloseBoxLeaveAutoplayOff)
{
    const struct {
        const char *means;
        std::function<void(QDialog &)> close;
    } closings[] = {
        {"Cancel", [](QDialog &d) { QTest::mouseClick(Screen::child<QPushButton>(d, "cmdcancel"), Qt::LeftButton); }},
        {"Escape", [](QDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"the close box", [](QDialog &d) { d.close(); }},
    };
    for (const auto &closing : closings) {
        SCOPED_TRACE(closing.means);
        Screen s({{"bank", "1000"}});
        ASSERT_TRUE(s.loaded);
        s.window.resize(1500, 1100);
        QCoreApplication::processEvents();
        QDialog &d = openAutoplay(s);
        ASSERT_TRUE(d.isVisible());
        EXPECT_NEAR(d.width(), 340 * s.window.scale(), 1.0);
        EXPECT_NEAR(Screen::child<QPushButton>(d, "cmdstart")->fontInfo().pixelSize(), 12 * s.window.scale(), 1.0);

        closing.close(d);

        EXPECT_FALSE(d.isVisible());
        EXPECT_TRUE(s.window.isEnabled());
        EXPECT_EQ(s.m.autoplay, 0);
        EXPECT_EQ(s.m.g.games, 0);
    }
}

TEST(RealityCheckMessage, ShowsTheGamesOwnWordsForYesAndNo)
{
    Screen s;
    MessageBoxRequest check{"Slots Melvane", "Time for a break?", MessageIcon::Information, MessageButtons::YesNo,
                            MessageAnswer::Yes};
    check.yesText = "Keep playing";
    check.noText = "Stop";
    MessageAnswer answer = MessageAnswer::Ok;

    const auto shown = answeringMessages([&] { answer = s.host.showMessage(check); }, QMessageBox::No);

    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].buttonTexts, (QStringList{"Keep playing", "Stop"}));
    EXPECT_EQ(answer, MessageAnswer::No);
}

} // namespace
} // namespace melvane
