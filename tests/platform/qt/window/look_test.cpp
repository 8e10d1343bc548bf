// The one transform from the design to the screen: rectangles, the fitting scale and the style
// sheet, each checked on its own.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/qt/look.h"

namespace melvane {
namespace {

TEST(Look, AScaledRectangleRoundsItsEdgesSoNeighboursStillMeet)
{
    const struct {
        QRectF design;
        qreal scale;
        QRect shown;
    } cases[] = {
        {{38, 472, 102, 42}, 1.0, {38, 472, 102, 42}},
        // payline(1) and payline(2) meet at 140: they meet at 140 x scale however it rounds.
        {{38, 472, 102, 42}, 1.776, {67, 838, 182, 75}},
        {{140, 472, 102, 42}, 1.776, {249, 838, 181, 75}},
        {{38, 472, 102, 42}, 0.912, {35, 430, 93, 39}},
        {{140, 472, 102, 42}, 0.912, {128, 430, 93, 39}},
        {{0, 0, 820, 595}, 3.592, {0, 0, 2945, 2137}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.scale);
        EXPECT_EQ(scaled(c.design, c.scale), c.shown);
    }
}

TEST(Look, TheFittingScaleIsTheLargestAtWhichTheCabinetFitsInWholeCellPixels)
{
    const QSize cabinet(820, 595);
    const struct {
        QSize area;
        qreal deviceRatio;
        qreal scale;
    } cases[] = {
        {{820, 595}, 1.0, 1.0},
        {{821, 700}, 1.0, 1.0},
        {{819, 595}, 1.0, 124.0 / 125},       // a pixel short: one step down
        {{1920, 1059}, 1.0, 222.0 / 125},     // the height decides
        {{3840, 2141}, 1.0, 449.0 / 125},
        {{800, 581}, 1.0, 121.0 / 125},
        {{820, 595}, 2.0, 1.0},               // the design on a screen of ratio 2
        {{1000, 1000}, 2.0, 304.0 / 250},     // whole device pixels to a cell there
        {{10, 10}, 1.0, 1.0 / 125},           // never nothing
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::to_string(c.area.width()) + " x " + std::to_string(c.area.height()));
        const qreal s = fittingScale(c.area, cabinet, c.deviceRatio);
        EXPECT_DOUBLE_EQ(s, c.scale);
        if (s > 1.0 / 125) {
            EXPECT_LE(scaled(820, s), c.area.width());
            EXPECT_LE(scaled(595, s), c.area.height());
        }
        // A reel cell covers whole device pixels.
        const qreal cell = 125 * s * c.deviceRatio;
        EXPECT_DOUBLE_EQ(cell, std::round(cell));
    }
}

TEST(Look, TheScaledStyleSheetScalesEveryLengthInPixelsAndNothingElse)
{
    const struct {
        const char *sheet;
        qreal scale;
        const char *scaledSheet;
    } cases[] = {
        {"QPushButton { font-size: 12px; border: 2px solid #6b3d00; }", 2.0,
         "QPushButton { font-size: 24px; border: 4px solid #6b3d00; }"},
        {"QLabel { font-size: 18px; letter-spacing: 2px; }", 1.5, "QLabel { font-size: 27px; letter-spacing: 3px; }"},
        // A thin line stays a line; nothing stays nothing.
        {"QFrame { border: 1px solid red; margin: 0px; }", 0.4, "QFrame { border: 1px solid red; margin: 0px; }"},
        // Colours, stops and names with digits are no lengths.
        {"#machine1 { color: #160808; } stop:0.45 #f2c14e", 3.0, "#machine1 { color: #160808; } stop:0.45 #f2c14e"},
        {"QGroupBox { margin-top: 7px; }", 1.0, "QGroupBox { margin-top: 7px; }"},
        {"QLabel { padding: 2.5px; }", 2.0, "QLabel { padding: 5px; }"},
        // Type is rounded down, so a caption that fits in the design still fits.
        {"QPushButton { font-size: 12px; border: 12px; }", 0.968, "QPushButton { font-size: 11px; border: 12px; }"},
        {"QLabel { font-size : 12px; }", 3.592, "QLabel { font-size : 43px; }"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sheet);
        EXPECT_EQ(scaledStyleSheet(QString::fromLatin1(c.sheet), c.scale).toStdString(), c.scaledSheet);
    }
}

} // namespace
} // namespace melvane
