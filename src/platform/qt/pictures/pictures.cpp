#include "platform/qt/pictures/pictures.h"

#include <QPainter>

#include <future>
#include <utility>
#include <system_error>

#include "rules/reelstrips.h"
#include "platform/qt/pictures/art.h"

namespace melvane {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

// The badge of imageList3 picture 11..26: multiplier and sparkle frame.
constexpr int badgeMultiplier(int index)
{
    constexpr int multipliers[] = {2, 3, 5, 10};
    return multipliers[(index - 11) / 4];
}

// `image` with every white pixel made transparent.
QImage keyedOutWhite(const QImage &image)
{
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (line[x] == kWhite)
                line[x] = 0;
    }
    return keyed;
}

// A badge drawn with soft edges on transparency, made transparent exactly where its list
// picture (the same badge on white) is white: the overlay then shows the note there and
// blends the badge's antialiased rim into the note instead of into white.
QImage keyedBadge(const QImage &onTransparent, const QImage &onWhite)
{
    QImage keyed = onTransparent.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        const auto *white = reinterpret_cast<const QRgb *>(onWhite.constScanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if (white[x] == kWhite)
                line[x] = 0;
    }
    return keyed;
}

// The pictures drawn on the second thread: the cabinet, the Scatter's animation, the badges
// and the cover.
struct SecondHalf {
    QImage background;
    art::ScatterPictures scatter;
    std::array<std::vector<QImage>, 4> badges; // x2, x3, x5, x10
    QImage cover;
};

SecondHalf drawSecondHalf(qreal dpr)
{
    SecondHalf made;
    made.background = art::backgroundPicture(dpr);
    made.scatter = art::scatterPictures(art::cellBackground(Symbol::Scatter, dpr));
    for (std::size_t i = 0; i < made.badges.size(); ++i)
        made.badges[i] = art::badgeFrames(badgeMultiplier(11 + 4 * static_cast<int>(i)), dpr);
    made.cover = art::coverPicture(dpr);
    return made;
}

} // namespace

Pictures::Pictures(qreal devicePixelRatio)
    : dpr_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      list3_(kImageList3Count + 1),
      keyed3_(kImageList3Count + 1),
      list1_(kImageList1Count + 1),
      cards_(kCardCount + 1)
{
    // Painting on QImage is safe on any thread: half of the pictures are drawn on a second
    // thread while this one draws the rest; only the pixmaps are made here.
    std::future<SecondHalf> secondHalf;
    try {
        secondHalf = std::async(std::launch::async, drawSecondHalf, dpr_);
    } catch (const std::system_error &) {
        secondHalf = std::async(std::launch::deferred, drawSecondHalf, dpr_);
    }

    const art::SvgBook svg;
    std::array<QImage, kSymbolCount> symbolImages;
    for (int i = 0; i < kSymbolCount; ++i) {
        const auto s = static_cast<Symbol>(i);
        QImage card = art::cellBackground(s, dpr_);
        if (isPaying(s))
            symbolImages[static_cast<std::size_t>(i)] = art::symbolPicture(s, card, svg);
        else if (s == Symbol::Wild) {
            art::WildPictures wild = art::wildPictures(card);
            symbolImages[static_cast<std::size_t>(i)] = wild.symbol;
            for (int frame = 1; frame <= 10; ++frame) {
                QImage &picture = wild.frames[static_cast<std::size_t>(frame - 1)];
                keyed3_[static_cast<std::size_t>(frame)] = keyedOutWhite(picture);
                list3_[static_cast<std::size_t>(frame)] = QPixmap::fromImage(std::move(picture));
            }
        }
        cellBackgrounds_[static_cast<std::size_t>(i)] = QPixmap::fromImage(std::move(card));
    }
    for (int i = 1; i <= kCardCount; ++i)
        cards_[static_cast<std::size_t>(i)] = QPixmap::fromImage(art::cardPicture(i, dpr_, svg));
    winBanner_ = QPixmap::fromImage(art::banner(true, dpr_));
    loseBanner_ = QPixmap::fromImage(art::banner(false, dpr_));
    fastMoney_ = QPixmap::fromImage(art::buttonFace(art::ButtonFace::FastMoney, dpr_));
    collect_ = QPixmap::fromImage(art::buttonFace(art::ButtonFace::Collect, dpr_));
    autoplayOn_ = QPixmap::fromImage(art::buttonFace(art::ButtonFace::AutoplayOn, dpr_));
    autoplayOff_ = QPixmap::fromImage(art::buttonFace(art::ButtonFace::AutoplayOff, dpr_));

    SecondHalf second = secondHalf.get();
    symbolImages[static_cast<std::size_t>(index(Symbol::Scatter))] = second.scatter.symbol;

    // the strips, cell for cell from the strip table
    for (int reel = 1; reel <= 5; ++reel) {
        QImage strip = art::canvas(kStripSize.width(), kStripSize.height(), dpr_, Qt::black);
        QPainter p(&strip);
        p.setCompositionMode(QPainter::CompositionMode_Source); // the cells are opaque: copy them
        for (int position = 0; position < kStripCells; ++position)
            p.drawImage(QPointF(0, kCellSize * position),
                        symbolImages[static_cast<std::size_t>(index(stripSymbol(reel, position)))]);
        p.end();
        strips_[static_cast<std::size_t>(reel - 1)] = QPixmap::fromImage(std::move(strip));
    }
    for (int i = 0; i < kSymbolCount; ++i)
        symbols_[static_cast<std::size_t>(i)] = QPixmap::fromImage(std::move(symbolImages[static_cast<std::size_t>(i)]));

    // ImageList3 after the Wild's frames: the badges on white (11-26), the cover (27)
    for (int i = 11; i <= 26; ++i) {
        const QImage &badge = second.badges[static_cast<std::size_t>((i - 11) / 4)][static_cast<std::size_t>((i - 11) % 4)];
        QImage picture = art::canvas(kCellSize, kCellSize, dpr_, Qt::white);
        QPainter p(&picture);
        p.drawImage(QPointF(0, 0), badge);
        p.end();
        keyed3_[static_cast<std::size_t>(i)] = keyedBadge(badge, picture);
        list3_[static_cast<std::size_t>(i)] = QPixmap::fromImage(std::move(picture));
    }
    keyed3_[27] = keyedOutWhite(second.cover);
    list3_[27] = QPixmap::fromImage(std::move(second.cover));

    for (int i = 1; i <= kImageList1Count; ++i)
        list1_[static_cast<std::size_t>(i)] = QPixmap::fromImage(std::move(second.scatter.frames[static_cast<std::size_t>(i - 1)]));
    background_ = QPixmap::fromImage(std::move(second.background));
}

QPixmap Pictures::symbol(Symbol s) const { return symbols_[static_cast<std::size_t>(index(s))]; }

QPixmap Pictures::cellBackground(Symbol s) const { return cellBackgrounds_[static_cast<std::size_t>(index(s))]; }

QPixmap Pictures::reelStrip(int reel) const
{
    if (reel < 1 || reel > 5)
        return {};
    return strips_[static_cast<std::size_t>(reel - 1)];
}

QPixmap Pictures::imageList3(int i) const
{
    if (i < 1 || i > kImageList3Count)
        return {};
    return list3_[static_cast<std::size_t>(i)];
}

QPixmap Pictures::overlay3(int badge, int note) const
{
    if (badge < 1 || badge > kImageList3Count || note < 1 || note > kImageList3Count)
        return {};
    QImage picture = list3_[static_cast<std::size_t>(note)].toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(dpr_);
    QPainter p(&picture);
    p.drawImage(QPointF(0, 0), keyed3_[static_cast<std::size_t>(badge)]);
    p.end();
    return QPixmap::fromImage(std::move(picture));
}

QPixmap Pictures::imageList1(int i) const
{
    if (i < 1 || i > kImageList1Count)
        return {};
    return list1_[static_cast<std::size_t>(i)];
}

QPixmap Pictures::cards(int i) const
{
    if (i < 1 || i > kCardCount)
        return {};
    return cards_[static_cast<std::size_t>(i)];
}

} // namespace melvane
