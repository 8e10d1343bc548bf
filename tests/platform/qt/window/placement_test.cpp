// Where the main window opens: the remembered geometry checked value by value, restored on a
// screen that can show it, refused otherwise.
#include <gtest/gtest.h>

#include "game/ports/settingsstore.h"
#include "platform/qt/windowplacement.h"

namespace melvane {
namespace {

constexpr QSize kDesign{820, 616};
constexpr QSize kSmallest{410, 319};
constexpr QMargins kFrame{4, 32, 4, 4};
const QRect kLaptop{0, 0, 1366, 768};
const QRect kRightHand{1366, 0, 1920, 1080};

TEST(WindowPlacement, ARememberedGeometryIsRestoredOnTheScreenThatHoldsMostOfIt)
{
    const struct {
        const char *what;
        QRect stored;
        std::vector<QRect> screens;
        QRect restored;
    } cases[] = {
        {"wholly on the first screen", {100, 50, 900, 676}, {kLaptop, kRightHand}, {100, 50, 900, 676}},
        {"wholly on the second screen", {1500, 100, 1500, 900}, {kLaptop, kRightHand}, {1500, 100, 1500, 900}},
        {"hanging over the right edge: moved onto it", {1000, 300, 820, 616}, {kLaptop}, {546, 152, 820, 616}},
        {"mostly on the second screen: moved onto it", {1200, -40, 1000, 700}, {kLaptop, kRightHand},
         {1366, 0, 1000, 700}},
        {"filling a screen", {1366, 0, 1920, 1080}, {kLaptop, kRightHand}, {1366, 0, 1920, 1080}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        StoredPlacement stored;
        stored.geometry = c.stored;
        EXPECT_EQ(restoredPlacement(stored, c.screens, kDesign, kSmallest, kFrame).geometry, c.restored);
    }
}

TEST(WindowPlacement, AGeometryNoScreenCanShowIsRefusedAndTheWindowOpensCentredAtASizeThatFits)
{
    const struct {
        const char *what;
        std::optional<QRect> stored;
        QRect screen;
        QRect opened;
    } cases[] = {
        {"off every screen", QRect(5000, 3000, 820, 616), kLaptop, {273, 90, 820, 616}},
        {"left of every screen", QRect(-2000, 0, 820, 616), kLaptop, {273, 90, 820, 616}},
        {"larger than the screen", QRect(0, 0, 2560, 1440), kLaptop, {273, 90, 820, 616}},
        {"smaller than the smallest window", QRect(10, 10, 200, 150), kLaptop, {273, 90, 820, 616}},
        {"nothing remembered", std::nullopt, kLaptop, {273, 90, 820, 616}},
        // An 800 x 600 screen cannot show the design size with a frame: the largest of its
        // shape that fits, frame and all.
        {"nothing remembered, 800 x 600", std::nullopt, {0, 0, 800, 600}, {25, 32, 750, 564}},
        {"nothing remembered, a panel at the top", std::nullopt, {0, 28, 1024, 740}, {102, 104, 820, 616}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        StoredPlacement stored;
        stored.geometry = c.stored;
        const WindowPlacement opened = restoredPlacement(stored, {c.screen}, kDesign, kSmallest, kFrame);
        EXPECT_EQ(opened.geometry, c.opened);
        EXPECT_TRUE(c.screen.marginsRemoved(kFrame).contains(opened.geometry));
    }
}

TEST(WindowPlacement, TheFullScreenAndMaximisedStatesComeBackEvenWhenTheGeometryIsRefused)
{
    for (const bool geometryFits : {true, false}) {
        SCOPED_TRACE(geometryFits);
        StoredPlacement stored;
        stored.geometry = geometryFits ? QRect(10, 10, 820, 616) : QRect(9000, 10, 820, 616);
        stored.fullScreen = true;
        EXPECT_TRUE(restoredPlacement(stored, {kLaptop}, kDesign, kSmallest, kFrame).fullScreen);
        stored.fullScreen = false;
        stored.maximized = true;
        const WindowPlacement maximised = restoredPlacement(stored, {kLaptop}, kDesign, kSmallest, kFrame);
        EXPECT_TRUE(maximised.maximized);
        EXPECT_FALSE(maximised.fullScreen);
    }
}

TEST(WindowPlacement, WhatIsWrittenIsReadBackUnderAnApplicationOfItsOwn)
{
    InMemorySettingsStore store;
    const WindowPlacement placement{{-1200, 35, 1500, 900}, true, false};

    writePlacement(store, placement);

    const StoredPlacement read = readPlacement(store);
    ASSERT_TRUE(read.geometry.has_value());
    EXPECT_EQ(*read.geometry, placement.geometry);
    EXPECT_TRUE(read.fullScreen);
    EXPECT_FALSE(read.maximized);
    EXPECT_EQ(store.value("window", "main", "width"), std::optional<std::string>("1500"));
    EXPECT_EQ(store.value("window", "main", "fullscreen"), std::optional<std::string>("1"));
    for (const char *application : {"keys", "key"})
        for (const char *key : {"left", "top", "width", "height", "fullscreen", "maximized"})
            EXPECT_FALSE(store.value(application, "main", key).has_value());
}

TEST(WindowPlacement, ABadStoredValueIsRefusedOnItsOwn)
{
    const struct {
        const char *key;
        const char *value;
        bool geometryKept;
    } cases[] = {
        {"left", "abc", false},
        {"top", "", false},
        {"width", "0", false},
        {"height", "-616", false},
        {"width", "99999999999", false},
        {"left", "1.5", false},
        {"top", "+12", false},
        {"fullscreen", "yes", true},
        {"maximized", "2", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = \"" + c.value + "\"");
        InMemorySettingsStore store;
        writePlacement(store, {{100, 50, 900, 676}, true, true});
        store.setValue("window", "main", c.key, c.value);

        const StoredPlacement read = readPlacement(store);

        EXPECT_EQ(read.geometry.has_value(), c.geometryKept);
        EXPECT_EQ(read.fullScreen, std::string(c.key) != "fullscreen");
        EXPECT_EQ(read.maximized, std::string(c.key) != "maximized");
    }
}

} // namespace
} // namespace melvane
