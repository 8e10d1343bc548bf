#include "platform/qt/pictures/pictures.h"
#include "platform/qt/pictures/scaledpictures.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "rules/reelstrips.h"

namespace melvane {
namespace {

// ---- helpers ------------------------------------------------------------------------------

std::map<qreal, std::unique_ptr<Pictures>> &madePictures()
{
    static std::map<qreal, std::unique_ptr<Pictures>> made;
    return made;
}

// The pictures at a device-pixel ratio, made once for all tests.
const Pictures &picturesAt(qreal dpr)
{
    auto &slot = madePictures()[dpr];
    if (!slot)
        slot = std::make_unique<Pictures>(dpr);
    return *slot;
}

// Lets the pixmaps go while the application still exists.
class PicturesEnvironment : public ::testing::Environment {
public:
    void TearDown() override { madePictures().clear(); }
};
[[maybe_unused]] ::testing::Environment *const kEnvironment = ::testing::AddGlobalTestEnvironment(new PicturesEnvironment);

QImage pixels(const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

int channelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                      std::abs(qAlpha(a) - qAlpha(b))});
}

// Mean absolute difference of the colour channels, 0..255.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            largest = std::max(largest, channelDifference(a.pixel(x, y), b.pixel(x, y)));
    return largest;
}

// Columns of the rows `top`..`bottom` in which the picture differs clearly from `ground`.
int changedColumns(const QImage &picture, const QImage &ground, int top, int bottom)
{
    int columns = 0;
    for (int x = 0; x < picture.width(); ++x)
        for (int y = top; y <= bottom; ++y)
            if (channelDifference(picture.pixel(x, y), ground.pixel(x, y)) > 60) {
                ++columns;
                break;
            }
    return columns;
}

bool isGold(QRgb p) { return qRed(p) > 170 && qGreen(p) > 110 && qBlue(p) < 110 && qRed(p) - qBlue(p) > 90; }
bool isRed(QRgb p) { return qRed(p) > 140 && qGreen(p) < 80 && qBlue(p) < 90; }

int count(const QImage &image, const std::function<bool(QRgb)> &test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

double meanLuma(const QImage &image, const QRect &r)
{
    double sum = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (r.width() * r.height());
}

// ---- every picture at its size ------------------------------------------------------------

struct Entry {
    std::string name;
    std::function<QPixmap(const Pictures &)> get;
    QSize size;
};

std::vector<Entry> everyPicture()
{
    std::vector<Entry> all;
    const QSize cell(Pictures::kCellSize, Pictures::kCellSize);
    for (int i = 0; i < kSymbolCount; ++i) {
        const auto s = static_cast<Symbol>(i);
        all.push_back({"symbol " + std::string(symbolName(s)), [s](const Pictures &p) { return p.symbol(s); }, cell});
        all.push_back({"cell card " + std::string(symbolName(s)), [s](const Pictures &p) { return p.cellBackground(s); }, cell});
    }
    for (int reel = 1; reel <= 5; ++reel)
        all.push_back({"strip " + std::to_string(reel), [reel](const Pictures &p) { return p.reelStrip(reel); }, Pictures::kStripSize});
    for (int i = 1; i <= 27; ++i)
        all.push_back({"ImageList3 " + std::to_string(i), [i](const Pictures &p) { return p.imageList3(i); }, cell});
    for (int i = 1; i <= 17; ++i)
        all.push_back({"ImageList1 " + std::to_string(i), [i](const Pictures &p) { return p.imageList1(i); }, cell});
    for (int i = 1; i <= 9; ++i)
        all.push_back({"card " + std::to_string(i), [i](const Pictures &p) { return p.cards(i); },
                       i <= 5 ? Pictures::kCardSize : Pictures::kTileSize});
    all.push_back({"win banner", [](const Pictures &p) { return p.winBanner(); }, QSize(150, 30)});
    all.push_back({"lose banner", [](const Pictures &p) { return p.loseBanner(); }, QSize(150, 30)});
    all.push_back({"fast money", [](const Pictures &p) { return p.fastMoneyButton(); }, QSize(102, 42)});
    all.push_back({"collect", [](const Pictures &p) { return p.collectButton(); }, QSize(162, 42)});
    all.push_back({"autoplay on", [](const Pictures &p) { return p.autoplayOnButton(); }, QSize(102, 42)});
    all.push_back({"autoplay off", [](const Pictures &p) { return p.autoplayOffButton(); }, QSize(102, 42)});
    all.push_back({"background", [](const Pictures &p) { return p.background(); }, QSize(820, 595)});
    all.push_back({"overlay 14 on 5", [](const Pictures &p) { return p.overlay3(14, 5); }, cell});
    return all;
}

class PicturesAtRatio : public ::testing::TestWithParam<qreal> {};

TEST_P(PicturesAtRatio, EveryIndexOfEveryListGivesAPictureOfItsDesignSize)
{
    const qreal dpr = GetParam();
    const Pictures &pictures = picturesAt(dpr);
    for (const Entry &e : everyPicture()) {
        SCOPED_TRACE(e.name);
        const QPixmap picture = e.get(pictures);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size(), (QSizeF(e.size) * dpr).toSize());
        EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), dpr);
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), e.size);
    }
}

TEST_P(PicturesAtRatio, TheStripsShowTheSymbolsOfTheStripTableCellForCell)
{
    const qreal dpr = GetParam();
    const Pictures &pictures = picturesAt(dpr);
    const int cell = static_cast<int>(Pictures::kCellSize * dpr);
    for (int reel = 1; reel <= 5; ++reel) {
        const QImage strip = pixels(pictures.reelStrip(reel));
        for (int position = 0; position < kStripCells; ++position) {
            SCOPED_TRACE("reel " + std::to_string(reel) + " cell " + std::to_string(position));
            const QImage shown = strip.copy(0, position * cell, cell, cell);
            const QImage expected = pixels(pictures.symbol(stripSymbol(reel, position)));
            EXPECT_LE(largestDifference(shown, expected), 2);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(OneAndTwo, PicturesAtRatio, ::testing::Values(1.0, 2.0));

struct OutOfRange {
    std::string name;
    std::function<QPixmap(const Pictures &)> get;
};

TEST(Pictures, AnIndexOutsideItsListGivesNoPicture)
{
    const std::vector<OutOfRange> cases = {
        {"strip 0", [](const Pictures &p) { return p.reelStrip(0); }},
        {"strip 6", [](const Pictures &p) { return p.reelStrip(6); }},
        {"ImageList3 0", [](const Pictures &p) { return p.imageList3(0); }},
        {"ImageList3 28", [](const Pictures &p) { return p.imageList3(28); }},
        {"ImageList1 0", [](const Pictures &p) { return p.imageList1(0); }},
        {"ImageList1 18", [](const Pictures &p) { return p.imageList1(18); }},
        {"card 0", [](const Pictures &p) { return p.cards(0); }},
        {"card 10", [](const Pictures &p) { return p.cards(10); }},
        {"overlay of badge 0", [](const Pictures &p) { return p.overlay3(0, 1); }},
        {"overlay on note 28", [](const Pictures &p) { return p.overlay3(11, 28); }},
    };
    for (const OutOfRange &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(c.get(picturesAt(1.0)).isNull());
    }
}

// ---- the symbols --------------------------------------------------------------------------

TEST(Pictures, TheElevenSymbolsAreClearlyDifferentFromEachOther)
{
    const Pictures &pictures = picturesAt(1.0);
    for (int a = 0; a < kSymbolCount; ++a)
        for (int b = a + 1; b < kSymbolCount; ++b) {
            const auto sa = static_cast<Symbol>(a), sb = static_cast<Symbol>(b);
            SCOPED_TRACE(std::string(symbolName(sa)) + " against " + std::string(symbolName(sb)));
            EXPECT_GT(meanDifference(pixels(pictures.symbol(sa)), pixels(pictures.symbol(sb))), 12.0);
        }
}

TEST(Pictures, EverySymbolDrawsItsArtOnItsCellCard)
{
    const Pictures &pictures = picturesAt(1.0);
    for (int i = 0; i < kSymbolCount; ++i) {
        const auto s = static_cast<Symbol>(i);
        SCOPED_TRACE(std::string(symbolName(s)));
        const QImage art = pixels(pictures.symbol(s));
        const QImage card = pixels(pictures.cellBackground(s));
        EXPECT_GT(meanDifference(art, card), 10.0);
        // the card's rim is the same, the art stays inside it
        EXPECT_EQ(art.pixel(1, 62), card.pixel(1, 62));
        EXPECT_EQ(art.pixel(62, 123), card.pixel(62, 123));
    }
}

TEST(Pictures, AHighDpiPictureShowsTheSameDrawingWithMorePixels)
{
    const Pictures &sharp = picturesAt(2.0);
    const Pictures &plain = picturesAt(1.0);
    for (int i = 0; i < kSymbolCount; ++i) {
        const auto s = static_cast<Symbol>(i);
        SCOPED_TRACE(std::string(symbolName(s)));
        const QImage reduced = pixels(sharp.symbol(s)).scaled(125, 125, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(reduced, pixels(plain.symbol(s))), 8.0);
    }
}

// ---- the Wild and its badges --------------------------------------------------------------

TEST(Pictures, TheWildNoteIsEdgeOnInFramesOneAndTenAndFaceOnInFramesFiveAndSix)
{
    const Pictures &pictures = picturesAt(1.0);
    const QImage ground = pixels(pictures.cellBackground(Symbol::Wild));
    std::map<int, int> width;
    for (int frame = 1; frame <= 10; ++frame)
        width[frame] = changedColumns(pixels(pictures.imageList3(frame)), ground, 8, 88);
    struct Pair {
        int narrow;
        int wide;
    };
    const std::vector<Pair> pairs = {{1, 5}, {1, 6}, {10, 5}, {10, 6}, {1, 3}, {3, 5}, {10, 8}, {8, 6}};
    for (const Pair &pair : pairs) {
        SCOPED_TRACE("frame " + std::to_string(pair.narrow) + " against " + std::to_string(pair.wide));
        EXPECT_LT(width[pair.narrow], width[pair.wide]);
    }
    EXPECT_LT(width[1], 16);
    EXPECT_LT(width[10], 16);
    EXPECT_GT(width[5], 60);
    EXPECT_GT(width[6], 60);
}

TEST(Pictures, BadgesAreDrawnOnWhiteInFourDifferentSparkleFrames)
{
    const Pictures &pictures = picturesAt(1.0);
    for (int first : {11, 15, 19, 23}) {
        for (int i = first; i < first + 4; ++i) {
            SCOPED_TRACE("badge " + std::to_string(i));
            const QImage badge = pixels(pictures.imageList3(i));
            EXPECT_EQ(badge.pixel(120, 120), qRgb(255, 255, 255));
            EXPECT_GT(count(badge, [](QRgb p) { return p == qRgb(255, 255, 255); }), 125 * 125 / 2);
            if (i > first) {
                EXPECT_GT(largestDifference(badge, pixels(pictures.imageList3(i - 1))), 60);
            }
        }
    }
}

TEST(Pictures, TheFourMultipliersHaveBadgesOfTheirOwn)
{
    const Pictures &pictures = picturesAt(1.0);
    const std::vector<int> tops = {14, 18, 22, 26};
    for (std::size_t a = 0; a < tops.size(); ++a)
        for (std::size_t b = a + 1; b < tops.size(); ++b) {
            SCOPED_TRACE("badge " + std::to_string(tops[a]) + " against " + std::to_string(tops[b]));
            EXPECT_GT(meanDifference(pixels(pictures.imageList3(tops[a])), pixels(pictures.imageList3(tops[b]))), 3.0);
        }
}

TEST(Pictures, ABadgeOverlayKeepsTheNoteVisibleWhereTheBadgeIsWhite)
{
    const Pictures &pictures = picturesAt(1.0);
    for (int badge = 11; badge <= 26; ++badge)
        for (int note : {1, 5, 8}) {
            SCOPED_TRACE("badge " + std::to_string(badge) + " on note " + std::to_string(note));
            const QImage b = pixels(pictures.imageList3(badge));
            const QImage n = pixels(pictures.imageList3(note));
            const QImage o = pixels(pictures.overlay3(badge, note));
            int whiteKept = 0, badgeShown = 0, solid = 0;
            for (int y = 0; y < o.height(); ++y)
                for (int x = 0; x < o.width(); ++x) {
                    if (b.pixel(x, y) == qRgb(255, 255, 255)) {
                        whiteKept += o.pixel(x, y) == n.pixel(x, y) ? 1 : 0;
                    } else if (channelDifference(b.pixel(x, y), qRgb(255, 255, 255)) > 200) {
                        // well inside the badge: the badge covers the note
                        ++solid;
                        badgeShown += channelDifference(o.pixel(x, y), b.pixel(x, y)) <= 2 ? 1 : 0;
                    }
                }
            EXPECT_EQ(whiteKept, count(b, [](QRgb p) { return p == qRgb(255, 255, 255); }));
            EXPECT_GT(solid, 300);
            EXPECT_GT(badgeShown, solid * 9 / 10);
        }
}

TEST(Pictures, TheCoverIsASheetOfPaperUnlikeAnySymbol)
{
    const Pictures &pictures = picturesAt(1.0);
    const QImage cover = pixels(pictures.imageList3(27));
    EXPECT_GT(meanLuma(cover, QRect(0, 0, 125, 125)), 170.0);
    for (int i = 0; i < kSymbolCount; ++i)
        EXPECT_GT(meanDifference(cover, pixels(pictures.symbol(static_cast<Symbol>(i)))), 40.0);
}

// ---- the Scatter --------------------------------------------------------------------------

TEST(Pictures, TheGlowBehindTheClefGrowsFromFrameToFrame)
{
    const Pictures &pictures = picturesAt(1.0);
    for (int frame = 2; frame <= 9; ++frame) {
        SCOPED_TRACE("frame " + std::to_string(frame));
        const QRect card(4, 4, 117, 117);
        EXPECT_GT(meanLuma(pixels(pictures.imageList1(frame)), card), meanLuma(pixels(pictures.imageList1(frame - 1)), card) + 1.0);
    }
}

TEST(Pictures, TheGoldDiscTurnsEdgeOnInFramesTwelveAndSixteen)
{
    const Pictures &pictures = picturesAt(1.0);
    std::map<int, int> gold;
    for (int frame = 9; frame <= 17; ++frame)
        gold[frame] = count(pixels(pictures.imageList1(frame)), isGold);
    struct Pair {
        int less;
        int more;
    };
    const std::vector<Pair> pairs = {{9, 10}, {12, 11}, {11, 10}, {12, 14}, {16, 14}, {16, 17}, {16, 10}};
    for (const Pair &pair : pairs) {
        SCOPED_TRACE("frame " + std::to_string(pair.less) + " against " + std::to_string(pair.more));
        EXPECT_LT(gold[pair.less], gold[pair.more]);
    }
}

// ---- the gamble ---------------------------------------------------------------------------

TEST(Pictures, HeartsAndDiamondsAreRedClubsAndSpadesAreNot)
{
    const Pictures &pictures = picturesAt(1.0);
    struct Case {
        int index;
        bool red;
    };
    const std::vector<Case> cases = {{1, true}, {2, false}, {3, true}, {4, false},
                                     {6, true}, {7, false}, {8, true}, {9, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE("card " + std::to_string(c.index));
        const int reds = count(pixels(pictures.cards(c.index)), isRed);
        if (c.red) {
            EXPECT_GT(reds, 200);
        } else {
            EXPECT_LT(reds, 20);
        }
    }
}

TEST(Pictures, TheNineGamblePicturesAreAllDifferent)
{
    const Pictures &pictures = picturesAt(1.0);
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b) {
            const QImage pa = pixels(pictures.cards(a)), pb = pixels(pictures.cards(b));
            if (pa.size() != pb.size())
                continue;
            SCOPED_TRACE("card " + std::to_string(a) + " against " + std::to_string(b));
            EXPECT_GT(meanDifference(pa, pb), 2.0);
        }
}

TEST(Pictures, TheWinBannerIsGreenAndTheLoseBannerIsRed)
{
    const Pictures &pictures = picturesAt(1.0);
    const auto meanOf = [](const QImage &image, int (*channel)(QRgb)) {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                sum += channel(image.pixel(x, y));
        return sum / (image.width() * image.height());
    };
    const QImage win = pixels(pictures.winBanner());
    const QImage lose = pixels(pictures.loseBanner());
    EXPECT_GT(meanOf(win, qGreen), meanOf(win, qRed) + 20);
    EXPECT_GT(meanOf(lose, qRed), meanOf(lose, qGreen) + 20);
}

TEST(Pictures, TheFastMoneyAndAutoplayFacesAreDifferent)
{
    const Pictures &pictures = picturesAt(1.0);
    const std::vector<QImage> faces = {pixels(pictures.fastMoneyButton()), pixels(pictures.autoplayOnButton()),
                                       pixels(pictures.autoplayOffButton())};
    for (std::size_t a = 0; a < faces.size(); ++a)
        for (std::size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_GT(meanDifference(faces[a], faces[b]), 20.0) << a << " against " << b;
}

// ---- the cabinet --------------------------------------------------------------------------

TEST(Pictures, TheBackgroundHasDarkPanelsBehindTheFiveReelWindows)
{
    const QImage background = pixels(picturesAt(1.0).background());
    const std::vector<int> lefts = {970, 3020, 5050, 7100, 9140};
    for (int twips : lefts) {
        SCOPED_TRACE("reel window at " + std::to_string(twips));
        const int left = (twips + 14) / 15, top = (1025 + 14) / 15;
        EXPECT_LT(meanLuma(background, QRect(left + 2, top + 2, 121, 371)), 40.0);
    }
    // between the windows and above them the cabinet is lit and gilded
    EXPECT_GT(count(background.copy(0, 0, 820, 66), isGold), 2000);
}

// ---- a set for the window, at any ratio ----------------------------------------------------

TEST(PicturesForTheWindow, LeaveOutTheStripsAndCellCardsAndKeepEveryPictureTheGameShows)
{
    const Pictures window(Pictures::draw(1.0, Pictures::Contents::Window));
    const Pictures &full = picturesAt(1.0);
    for (int reel = 1; reel <= 5; ++reel)
        EXPECT_TRUE(window.reelStrip(reel).isNull());
    EXPECT_TRUE(window.cellBackground(Symbol::Harp).isNull());
    // A badge on white is put together when asked for, as the full set keeps it.
    for (int i = 1; i <= Pictures::kImageList3Count; ++i) {
        SCOPED_TRACE("ImageList3 " + std::to_string(i));
        ASSERT_FALSE(window.imageList3(i).isNull());
        EXPECT_LE(largestDifference(pixels(window.imageList3(i)), pixels(full.imageList3(i))), 1);
    }
    for (const auto &[badge, note] : {std::pair{14, 5}, std::pair{23, 1}, std::pair{3, 7}}) {
        SCOPED_TRACE("overlay " + std::to_string(badge) + " on " + std::to_string(note));
        EXPECT_LE(largestDifference(pixels(window.overlay3(badge, note)), pixels(full.overlay3(badge, note))), 1);
    }
}

TEST(PicturesForTheWindow, ARatioBelowOneGivesTheWholePicturesMadeSmaller)
{
    // A painter ignores a ratio below 1: drawn as it stood, a picture came out cut to its
    // top-left part at full size. Made smaller, it differs from the whole one made smaller
    // only at soft edges (the badge is laid on the note after both were made smaller).
    const qreal ratio = 0.6;
    const Pictures small(Pictures::draw(ratio, Pictures::Contents::Window));
    const Pictures &full = picturesAt(1.0);
    const struct {
        const char *name;
        QPixmap shrunk;
        QPixmap whole;
    } cases[] = {
        {"composer", small.symbol(Symbol::Composer), full.symbol(Symbol::Composer)},
        {"background", small.background(), full.background()},
        {"ace of spades", small.cards(4), full.cards(4)},
        {"badge x10 over the note", small.overlay3(23, 5), full.overlay3(23, 5)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QSize expected = (QSizeF(c.whole.deviceIndependentSize()) * ratio).toSize();
        EXPECT_EQ(c.shrunk.size(), expected);
        EXPECT_DOUBLE_EQ(c.shrunk.devicePixelRatio(), ratio);
        const QImage reference =
            pixels(c.whole).scaled(expected, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(meanDifference(pixels(c.shrunk), reference), 8.0);
    }
}

TEST(ScaledPictures, DrawsTheRatioAskedForOnAWorkerAndGoesBackToTheDesignSetAtOnce)
{
    const Pictures &design = picturesAt(1.0);
    ScaledPictures scaled(design);
    int changes = 0;
    scaled.setOnChange([&changes] { ++changes; });
    EXPECT_TRUE(scaled.sharp());

    scaled.request(1.5);
    EXPECT_FALSE(scaled.sharp());
    EXPECT_EQ(&scaled.current(), &design) << "the design set stands in while the worker draws";
    // The window changes size again before the first set is ready: the last size wins.
    scaled.request(1.75);
    scaled.waitUntilSharp();

    EXPECT_TRUE(scaled.sharp());
    EXPECT_DOUBLE_EQ(scaled.current().devicePixelRatio(), 1.75);
    EXPECT_EQ(scaled.current().symbol(Symbol::Piano).size(), QSize(219, 219));
    EXPECT_TRUE(scaled.current().reelStrip(1).isNull()) << "a set for the window";
    EXPECT_EQ(changes, 1);

    scaled.request(1.0);
    EXPECT_EQ(&scaled.current(), &design);
    EXPECT_TRUE(scaled.sharp());
    EXPECT_EQ(changes, 2);
}

} // namespace
} // namespace melvane
