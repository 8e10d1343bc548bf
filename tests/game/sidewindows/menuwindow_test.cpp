#include <gtest/gtest.h>

#include "game/sidewindows/menuwindow.h"
#include "support/gamefixture.h"

namespace melvane {
namespace {

using MenuWindowTest = testing_support::GameFixture;

struct MenuCase {
    const char *name;
    bool paytable;
};

class MenuWindows : public MenuWindowTest, public ::testing::WithParamInterface<MenuCase> {
protected:
    // The window of the case, opened through its menu entry as the player would.
    std::unique_ptr<MenuWindow> make()
    {
        if (GetParam().paytable)
            return std::make_unique<PaytableWindow>(m);
        return std::make_unique<AboutWindow>(m);
    }
    Button &entry() { return GetParam().paytable ? m.mnuptble : m.mnuabout; }
};

TEST_P(MenuWindows, TheMenuEntryOpensWithTheClickAndEveryCloseGivesTheMachineBack)
{
    auto window = make();
    int changes = 0;
    window->onChange = [&] { ++changes; };
    entry().press();
    EXPECT_TRUE(window->isOpen());
    EXPECT_EQ(host.clipsPlayed(), std::vector<Clip>{Clip::Click});
    entry().press();
    EXPECT_EQ(host.clipsPlayed().size(), 1u) << "a second press while open is refused";
    window->close();
    EXPECT_FALSE(window->isOpen());
    EXPECT_EQ(changes, 2);
}

TEST_P(MenuWindows, IsRefusedSilentlyDuringFreeSpins)
{
    auto window = make();
    m.freespins = 3;
    entry().press();
    EXPECT_FALSE(window->isOpen());
    EXPECT_TRUE(host.clipsPlayed().empty());
}

TEST_P(MenuWindows, OnlyThePayTableHidesTheShortCreditPanel)
{
    auto window = make();
    m.pannomoney.show();
    entry().press();
    EXPECT_EQ(m.pannomoney.visible(), !GetParam().paytable);
}

TEST_P(MenuWindows, DestroyingTheModelUnhooksItsMenuEntry)
{
    make().reset();
    entry().press();
    EXPECT_TRUE(host.clipsPlayed().empty()) << "a destroyed model must not be reached by its menu entry";
}

INSTANTIATE_TEST_SUITE_P(AboutAndPaytable, MenuWindows,
                         ::testing::Values(MenuCase{"About", false}, MenuCase{"Paytable", true}),
                         [](const auto &param) { return std::string(param.param.name); });

} // namespace
} // namespace melvane
