// Every text of the side windows, in every language, fits where it stands at the design size:
// their controls' captions, the History list's headings and the texts drawn into the pay table.
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "platform/qt/fitting.h"
#include "platform/sqlite/sqlitejournal.h"
#include "screen.h"

namespace melvane {
namespace {

using testing_support::answeringMessages;
using testing_support::overflow;
using testing_support::overflows;
using testing_support::Screen;

// The headings of the lists of `window` that do not fit their columns.
std::vector<std::string> cutHeadings(const QWidget &window)
{
    std::vector<std::string> found;
    for (const QTreeWidget *list : window.findChildren<QTreeWidget *>()) {
        const QHeaderView &header = *list->header();
        for (int column = 0; column < list->columnCount(); ++column) {
            const QString heading = list->headerItem()->text(column);
            // The header's own margins around the text, and room for the sort mark it never shows.
            const int margins = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
            if (auto o = overflow(list->objectName().toStdString(), heading, header.font(),
                                  {header.sectionSize(column) - margins, header.height()});
                !o.empty())
                found.push_back(o);
        }
    }
    return found;
}

TEST(Fit, EveryTextOfTheSideWindowsFitsInEveryLanguage)
{
    for (const char *code : testing_support::kLanguages) {
        SCOPED_TRACE(code);
        const testing_support::ShownLanguage language(code);
        Screen s;
        ASSERT_TRUE(s.loaded);
        QTemporaryDir folder;
        SqliteJournal journal{folder.path() + "/journal.sqlite"};
        ASSERT_TRUE(journal.open());
        s.m.journal = &journal;

        std::vector<std::string> found;
        const auto look = [&found](const QWidget &window) {
            for (std::string &o : overflows(window))
                found.push_back(window.objectName().toStdString() + ": " + o);
        };
        const std::pair<const char *, QDialog *> windows[] = {{"mnuplayer", &s.sides.optionsDialog},
                                                             {"mnuptble", &s.sides.paytable},
                                                             {"mnuabout", &s.sides.about},
                                                             {"mnuhistory", &s.sides.history}};
        for (const auto &[menu, window] : windows) {
            s.choose(menu);
            ASSERT_TRUE(window->isVisible()) << menu;
            look(*window);
            for (std::string &o : cutHeadings(*window))
                found.push_back(o);
            window->close();
        }
        for (const PaintedText &t : s.sides.paytable.shown().texts)
            if (auto o = overflow("pay table", t.text, t.font, t.box.size(), (t.flags & Qt::TextWordWrap) != 0);
                !o.empty())
                found.push_back(o);
        answeringMessages([&s] { QTest::mouseClick(Screen::child<QPushButton>(s.window, "autoplayon"), Qt::LeftButton); });
        look(s.sides.autoplay);
        EXPECT_TRUE(found.empty()) << ::testing::PrintToString(found);
    }
}

} // namespace
} // namespace melvane
