#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "game/ports/settingsstore.h"

namespace melvane {
namespace {

// A write lands in its own application and section however the writes before it alternate.
TEST(InMemorySettingsStore, EachValueIsReadBackFromTheSectionItWasWrittenTo)
{
    InMemorySettingsStore store;
    store.setValue("keys", "player1", "bank", "1");
    store.setValue("keys", "player2", "bank", "2");
    store.setValue("keys", "player1", "games", "3");
    store.setValue("other", "player1", "bank", "4");
    store.setValue("keys", "player1", "bank", "5");

    const struct {
        const char *application, *section, *key;
        std::optional<std::string> expected;
    } cases[] = {
        {"keys", "player1", "bank", "5"}, {"keys", "player2", "bank", "2"},   {"keys", "player1", "games", "3"},
        {"other", "player1", "bank", "4"}, {"keys", "player2", "games", {}}, {"keys", "player3", "bank", {}},
        {"none", "player1", "bank", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(store.value(c.application, c.section, c.key), c.expected)
            << c.application << "/" << c.section << "/" << c.key;
    EXPECT_EQ(store.writes(), 5);
}

TEST(InMemorySettingsStore, ACopyAndItsOriginalTakeWritesApart)
{
    InMemorySettingsStore original;
    original.setValue("keys", "player1", "bank", "1");
    InMemorySettingsStore copy = original;
    copy.setValue("keys", "player1", "bank", "2");
    original.setValue("keys", "player1", "games", "3");
    InMemorySettingsStore assigned;
    assigned.setValue("keys", "player1", "bank", "4");
    assigned = original;
    assigned.setValue("keys", "player1", "bank", "5");

    EXPECT_EQ(original.value("keys", "player1", "bank"), "1");
    EXPECT_EQ(copy.value("keys", "player1", "bank"), "2");
    EXPECT_EQ(copy.value("keys", "player1", "games"), std::nullopt);
    EXPECT_EQ(assigned.value("keys", "player1", "bank"), "5");
    EXPECT_EQ(assigned.value("keys", "player1", "games"), "3");
}

} // namespace
} // namespace melvane
