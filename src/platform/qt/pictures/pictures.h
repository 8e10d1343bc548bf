#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>

#include <array>
#include <memory>
#include <vector>

#include "rules/symbols.h"

namespace melvane {

// Every picture of the machine, drawn once at start-up from the library's own SVG artwork
// and QPainter drawings, and held for the life of the program. No game rules live here.
//
// Sizes are logical pixels (15 twips each). At a device-pixel ratio above 1 every picture
// is drawn with that many more pixels and carries the ratio, so it stays sharp on a
// high-DPI screen while keeping its logical size.
//
// QPixmap needs a QGuiApplication: build a Pictures only after the application exists.
class Pictures {
public:
    static constexpr int kCellSize = 125;
    static constexpr int kStripCells = 29;
    static constexpr int kImageList3Count = 27;
    static constexpr int kImageList1Count = 17;
    static constexpr int kCardCount = 9;
    static constexpr QSize kStripSize{125, 125 * 29};
    static constexpr QSize kCardSize{100, 153};
    static constexpr QSize kTileSize{50, 50};
    static constexpr QSize kBannerSize{150, 30};
    static constexpr QSize kButtonSize{102, 42};
    static constexpr QSize kCollectSize{162, 42};
    static constexpr QSize kBackgroundSize{820, 595};
    // The colour at the edge of the cabinet: what shows around it when the window's shape
    // differs from the cabinet's.
    static constexpr QRgb kCabinetGround = 0xFF160205;

    // What a set of pictures holds: everything, or what the main window shows (without the
    // reel strips and the empty cell cards, which are large and only the design set needs).
    // A set for the window keeps the badges of ImageList3 only on transparency and puts one on
    // white when asked for it alone.
    enum class Contents { Everything, Window };
    // Every picture as an image, drawn without a QGuiApplication's pixmaps: any thread may
    // draw them, and the thread of the windows makes them pictures.
    struct Images;
    static std::unique_ptr<Images> draw(qreal devicePixelRatio, Contents contents = Contents::Everything);

    explicit Pictures(qreal devicePixelRatio = 1.0);
    // The pictures of `images`, made on the thread of the windows.
    explicit Pictures(std::unique_ptr<Images> images);
    ~Pictures();
    Pictures(const Pictures &) = delete;
    Pictures &operator=(const Pictures &) = delete;

    qreal devicePixelRatio() const { return dpr_; }

    // A symbol on its cell card, 125 x 125.
    QPixmap symbol(Symbol s) const;
    // The empty cell card of a symbol, the ground its picture is drawn on; null in a set drawn
    // for the window.
    QPixmap cellBackground(Symbol s) const;

    // The strip of reel 1..5: picture cells 0..28 of the strip table, top to bottom,
    // 125 x 3625. Null for another reel, and in a set drawn for the window.
    QPixmap reelStrip(int reel) const;

    // The cell pictures of the Wild and the winning-cell flashing, 1..27, 125 x 125:
    // 1-10 the gold Wild note turning (1 and 10 edge-on, 5 and 6 face-on), 11-14, 15-18,
    // 19-22 and 23-26 the badges x2, x3, x5 and x10 in four sparkle frames each on white
    // (white is this list's transparent colour), 27 the cover sheet of printed music.
    // Null outside 1..27.
    QPixmap imageList3(int index) const;
    // Picture `badge` of imageList3 laid over picture `note`, white taken as transparent:
    // the note shows wherever the badge picture is white. Both indices 1..27; null otherwise.
    QPixmap overlay3(int badge, int note) const;

    // The Scatter animation, 1..17, 125 x 125: 1-9 the clef with a glow growing behind it,
    // 10-17 the clef on a gold disc making one turn. Null outside 1..17.
    QPixmap imageList1(int index) const;

    // The gamble's pictures, 1..9: the aces of hearts, clubs, diamonds and spades (1-4) and
    // the joker (5), 100 x 153; the suit tiles heart, club, diamond, spade (6-9), 50 x 50.
    // Null outside 1..9.
    QPixmap cards(int index) const;

    // The gamble's banners, 150 x 30.
    QPixmap winBanner() const { return winBanner_; }
    QPixmap loseBanner() const { return loseBanner_; }

    // Faces of the picture buttons: fast money ($50), autoplay on and off (102 x 42) and
    // collect (162 x 42).
    QPixmap fastMoneyButton() const { return fastMoney_; }
    QPixmap collectButton() const { return collect_; }
    QPixmap autoplayOnButton() const { return autoplayOn_; }
    QPixmap autoplayOffButton() const { return autoplayOff_; }

    // The cabinet behind the controls, 820 x 595, with dark panels behind the five reel
    // windows and a deck for the buttons.
    QPixmap background() const { return background_; }

private:
    static std::unique_ptr<Images> shrunk(std::unique_ptr<Images> images, qreal ratio);

    qreal dpr_;
    std::array<QPixmap, kSymbolCount> symbols_;
    std::array<QPixmap, kSymbolCount> cellBackgrounds_;
    std::array<QPixmap, 5> strips_;
    std::vector<QPixmap> list3_;   // index 0 unused
    std::vector<QImage> keyed3_;   // the badges of list 3 on transparency, 11..26; others null
    std::vector<QPixmap> list1_;   // index 0 unused
    std::vector<QPixmap> cards_;   // index 0 unused
    QPixmap winBanner_, loseBanner_;
    QPixmap fastMoney_, collect_, autoplayOn_, autoplayOff_;
    QPixmap background_;
};

// Every picture of a set as an image, drawn at one ratio.
struct Pictures::Images {
    qreal dpr = 1.0;
    std::array<QImage, kSymbolCount> symbols;
    std::array<QImage, kSymbolCount> cellBackgrounds;
    std::array<QImage, 5> strips;
    std::vector<QImage> list3 = std::vector<QImage>(kImageList3Count + 1);
    std::vector<QImage> keyed3 = std::vector<QImage>(kImageList3Count + 1);
    std::vector<QImage> list1 = std::vector<QImage>(kImageList1Count + 1);
    std::vector<QImage> cards = std::vector<QImage>(kCardCount + 1);
    QImage winBanner, loseBanner;
    QImage fastMoney, collect, autoplayOn, autoplayOff;
    QImage background;
};

} // namespace melvane
