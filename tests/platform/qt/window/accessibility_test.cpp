// What a screen reader finds in the main window: names and roles through Qt's accessibility
// interfaces, as the AT-SPI bridge reads them.
#include <set>
#include <vector>

#include <QAccessible>
#include <QPushButton>

#include <gtest/gtest.h>

#include "windowsession.h"

namespace melvane::window_testing {
namespace {

constexpr Stops kK40Stops = {12, 2, 9, 1, 5};

// Every interface below `node`, the way a screen reader walks the window: child by child.
void walk(QAccessibleInterface *node, std::vector<QAccessibleInterface *> &out)
{
    out.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            walk(child, out);
}

// The names of the shown interfaces of `role` in the window.
std::multiset<QString> shownNames(QWidget &window, QAccessible::Role role)
{
    std::vector<QAccessibleInterface *> all;
    walk(QAccessible::queryAccessibleInterface(&window), all);
    std::multiset<QString> names;
    for (QAccessibleInterface *node : all)
        if (node->role() == role && !node->state().invisible)
            names.insert(node->text(QAccessible::Name));
    return names;
}

QString nameOf(const WindowSession &s, const char *object)
{
    QAccessibleInterface *node =
        QAccessible::queryAccessibleInterface(s.window.findChild<QWidget *>(QString::fromLatin1(object)));
    return node != nullptr ? node->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST(Accessibility, EveryButtonIsNamedByWhatItDoes)
{
    WindowSession s;
    for (int i = 0; i < 3; ++i)
        s.click("COINSIN");
    s.queueSpin(kK40Stops);
    s.click("play(1)");
    s.click("doublebutton"); // the gamble panel's buttons are shown too

    const std::multiset<QString> shown = shownNames(s.window, QAccessible::Button);
    EXPECT_GE(shown.size(), 7u);
    EXPECT_EQ(shown.count(QString()), 0u) << "a shown button without a name";
    const std::vector<std::pair<const char *, const char *>> expected = {
        {"cmdfastmoney", "Fast money, 50 dollars"}, {"autoplayon", "Auto play"}, {"autoplayoff", "Stop auto play"},
        {"takewin", "Collect"}, {"suitbet(1)", "Hearts"}, {"suitbet(2)", "Clubs"}, {"suitbet(3)", "Diamonds"},
        {"suitbet(4)", "Spades"}, {"betred", "Red"}, {"cancelbet", "Collect"}, {"payline(1)", "Play 3 Lines"},
        {"play(1)", "Bet 1 Coin"}, {"doublebutton", "Click to double or lose win"}};
    for (const auto &[object, name] : expected) {
        EXPECT_EQ(nameOf(s, object), QString::fromLatin1(name)) << object;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(s.button(object))->role(), QAccessible::Button) << object;
    }
    for (const char *suit : {"Hearts", "Clubs", "Diamonds", "Spades"})
        EXPECT_EQ(shown.count(QString::fromLatin1(suit)), 1u) << suit;
}

TEST(Accessibility, TheMetersAndTheCellsAreReadWithWhatTheyShow)
{
    WindowSession s;
    for (int i = 0; i < 3; ++i)
        s.click("COINSIN");
    EXPECT_EQ(nameOf(s, "PANELBANK"), QStringLiteral("Credit: 30 coins, $ 0.3"));
    EXPECT_EQ(s.text("PANELBANK"), QStringLiteral("30")) << "the meter itself shows what it did";

    s.queueSpin(kK40Stops);
    s.click("play(1)");
    // The win is still rolling up: the credit has paid the stake and not yet had the win.
    EXPECT_EQ(nameOf(s, "PANELBANK"), QStringLiteral("Credit: 5 coins, $ 0.05"));
    EXPECT_EQ(nameOf(s, "LABLAST"), QStringLiteral("Last bet: 25 coins, $ 0.25"));
    const std::multiset<QString> cells = shownNames(s.window, QAccessible::Graphic);
    ASSERT_EQ(cells.size(), 15u);
    for (const char *cell : {"Reel 1, bottom: King", "Reel 2, middle: King", "Reel 2, top: Wild",
                             "Reel 3, bottom: King"})
        EXPECT_EQ(cells.count(QString::fromLatin1(cell)), 1u) << cell;
}

} // namespace
} // namespace melvane::window_testing
