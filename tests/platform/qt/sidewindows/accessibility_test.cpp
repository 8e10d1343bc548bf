// What a screen reader finds in the side windows: every control named, in the role it plays,
// and the pay table's pays as text, through Qt's accessibility interfaces as AT-SPI reads them.
#include <QAccessible>
#include <QPushButton>

#include <set>

#include "platform/qt/accessibletexts.h"
#include "platform/sqlite/sqlitejournal.h"
#include "rules/paytable.h"
#include "screen.h"

namespace melvane {
namespace {

using testing_support::answeringMessages;
using testing_support::Screen;
using Heard = std::pair<QAccessible::Role, QString>;

// What a screen reader hears of every shown interface of `window`, walking it child by child:
// the labels naming it (a choice box is read by its value), then its name.
std::set<Heard> heardIn(QWidget &window)
{
    std::set<Heard> heard;
    std::vector<QAccessibleInterface *> todo = {QAccessible::queryAccessibleInterface(&window)};
    while (!todo.empty()) {
        QAccessibleInterface *node = todo.back();
        todo.pop_back();
        for (int i = 0; i < node->childCount(); ++i)
            todo.push_back(node->child(i));
        QStringList words;
        for (const auto &[label, relation] : node->relations(QAccessible::Label))
            words << label->text(QAccessible::Name);
        words << node->text(QAccessible::Name);
        if (!node->state().invisible)
            heard.insert({node->role(), words.join(QLatin1Char(' ')).trimmed()});
    }
    return heard;
}

TEST(SideWindowsOnScreen, EveryControlIsReadByNameInItsRoleAndThePayTableWithEveryPay)
{
    Screen s;
    QTemporaryDir folder;
    SqliteJournal journal{folder.path() + "/journal.sqlite"};
    ASSERT_TRUE(journal.open());
    s.m.journal = &journal;
    JournalStep spin;
    spin.kind = StepKind::Spin;
    spin.player = 1;
    spin.stops = {12, 2, 9, 1, 5};
    journal.record(spin);

    using A = QAccessible;
    const struct {
        std::function<void()> open;
        QDialog &window;
        std::vector<std::pair<QAccessible::Role, const char *>> heard; // among all that is heard
    } windows[] = {
        {[&s] { s.choose("mnuptble"); }, s.sides.paytable,
         {{A::Graphic, "Pay table"}, {A::Button, "Close the pay table"}, {A::StaticText, "Return to player at 243 ways"}}},
        {[&s] { s.choose("mnuabout"); }, s.sides.about, {{A::Graphic, "Scatter"}, {A::Button, "Kestra Slots"}}},
        {[&s] { s.choose("mnuhistory"); }, s.sides.history,
         {{A::Tree, "Games"}, {A::List, "Steps"}, {A::StaticText, "Reel 2: Wild, King, Queen"}, {A::Button, "Close"}}},
        {[&s] { answeringMessages([&s] { Screen::child<QPushButton>(s.window, "autoplayon")->click(); }); },
         s.sides.autoplay,
         {{A::ComboBox, "Number of spins Until stopped"}, {A::ComboBox, "Single win limit No limit"},
          {A::CheckBox, "Stop when free spins are won"}, {A::Button, "Start"}}},
    };
    const std::set<QAccessible::Role> controls = {A::Button, A::CheckBox, A::ComboBox, A::List, A::Tree, A::Graphic};
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window.objectName().toStdString());
        w.open();
        ASSERT_TRUE(w.window.isVisible());
        const std::set<Heard> heard = heardIn(w.window);
        for (const auto &[role, name] : heard)
            EXPECT_FALSE(controls.count(role) > 0 && name.isEmpty()) << "a shown control without a name, role " << role;
        for (const auto &[role, name] : w.heard)
            EXPECT_EQ(heard.count({role, QString::fromUtf8(name)}), 1u) << name;
        w.window.close();
    }

    s.choose("mnuptble");
    const std::set<Heard> table = heardIn(s.sides.paytable);
    for (const Symbol symbol : kPayingSymbols) {
        const QString name = AccessibleTexts::symbol(symbol) + QStringLiteral(": ");
        const auto line = std::find_if(table.begin(), table.end(), [&name](const Heard &h) {
            return h.first == QAccessible::StaticText && h.second.startsWith(name);
        });
        ASSERT_NE(line, table.end()) << name.toStdString();
        for (int run = 2; run <= kReels; ++run)
            EXPECT_EQ(line->second.contains(QStringLiteral("%1 of a kind %2").arg(run).arg(basePay(symbol, run))),
                      basePay(symbol, run) > 0)
                << line->second.toStdString();
    }
}

} // namespace
} // namespace melvane
