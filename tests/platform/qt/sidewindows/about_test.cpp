// The about window: title and version, centred on the main window, and the link to the maker's
// web page, which reports a link that cannot be opened.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "platform/qt/aboutdialog.h"
#include "platform/qt/linkopener.h"
#include "screen.h"

namespace melvane {
namespace {

using testing_support::answeringMessages;
using testing_support::Screen;

TEST(AboutWindow, ShowsTheTitleTheVersionAndTheMakersButton)
{
    Screen s;
    ASSERT_TRUE(s.loaded);

    s.choose("mnuabout");

    QDialog &d = s.sides.about;
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("About Melvane"));
    auto *title = Screen::child<QLabel>(d, "lblTitle");
    ASSERT_NE(title, nullptr);
    EXPECT_TRUE(title->isVisible());
    EXPECT_TRUE(title->text().contains(QStringLiteral(MELVANE_VERSION))) << title->text().toStdString();
    EXPECT_EQ(Screen::child<QLabel>(d, "Label2")->text(), QStringLiteral("See More Slots At :-"));
    EXPECT_EQ(Screen::child<QPushButton>(d, "cmdkestraslots")->text(), QStringLiteral("Kestra_Slots"));
    EXPECT_EQ(Screen::child<QPushButton>(d, "cmdOK")->text(), QStringLiteral("OK"));
    EXPECT_EQ(d.frameGeometry().height(), 121) << "1815 twips, title bar and borders included";
}

TEST(AboutWindow, IsCentredOnTheMainWindow)
{
    for (const QPoint at : {QPoint(0, 0), QPoint(60, 40)}) {
        SCOPED_TRACE(std::to_string(at.x()));
        Screen s;
        ASSERT_TRUE(s.loaded);
        s.window.move(at);

        s.choose("mnuabout");

        const QPoint offCentre = s.sides.about.frameGeometry().center() - s.window.frameGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 2) << offCentre.x() << ", " << offCentre.y();
    }
}

TEST(AboutWindow, TheMakersButtonOpensTheWebPageOrSaysWhyNot)
{
    const struct {
        const char *what;
        bool opens;
    } cases[] = {
        {"a link that opens", true},
        {"a link the system refuses", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Screen s;
        ASSERT_TRUE(s.loaded);
        std::vector<std::string> asked;
        s.host.setLinkHandler([&asked, &c](const std::string &link) {
            asked.push_back(link);
            return c.opens;
        });
        s.choose("mnuabout");
        auto *maker = Screen::child<QPushButton>(s.sides.about, "cmdkestraslots");

        const auto messages = answeringMessages([&] { QTest::mouseClick(maker, Qt::LeftButton); });

        EXPECT_EQ(asked, std::vector<std::string>{makerPage()});
        if (c.opens) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, QStringLiteral("ExecuteLink"));
            EXPECT_EQ(messages[0].text.toStdString(), "error Opening Link to " + makerPage() + "\n\n" +
                                                          std::to_string(kNoProgramForLinkError));
            EXPECT_EQ(messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            EXPECT_EQ(messages[0].icon, QMessageBox::Information);
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer is gone";
        EXPECT_TRUE(s.sides.about.isVisible()) << "nothing else changes";
    }
}

} // namespace
} // namespace melvane
