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

// `over` laid on `picture` pixel on pixel (both have the same size in pixels), as a pixmap at
// the ratio `dpr`.
QPixmap laidOver(QImage picture, QImage over, qreal dpr)
{
    picture.setDevicePixelRatio(1.0);
    over.setDevicePixelRatio(1.0);
    QPainter p(&picture);
    p.drawImage(QPointF(0, 0), over);
    p.end();
    picture.setDevicePixelRatio(dpr);
    return QPixmap::fromImage(std::move(picture));
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


std::unique_ptr<Pictures::Images> Pictures::draw(qreal devicePixelRatio, Contents contents)
{
    // A painter takes no ratio below 1 into account: smaller pictures are drawn at full size
    // and made smaller afterwards.
    if (devicePixelRatio > 0 && devicePixelRatio < 1)
        return shrunk(draw(1.0, contents), devicePixelRatio);
    auto made = std::make_unique<Images>();
    Images &out = *made;
    out.dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const qreal dpr = out.dpr;
    // Painting on QImage is safe on any thread: half of the pictures are drawn on a second
    // thread while this one draws the rest.
    std::future<SecondHalf> secondHalf;
    try {
        secondHalf = std::async(std::launch::async, drawSecondHalf, dpr);
    } catch (const std::system_error &) {
        secondHalf = std::async(std::launch::deferred, drawSecondHalf, dpr);
    }

    const art::SvgBook svg;
    for (int i = 0; i < kSymbolCount; ++i) {
        const auto s = static_cast<Symbol>(i);
        QImage card = art::cellBackground(s, dpr);
        if (isPaying(s))
            out.symbols[static_cast<std::size_t>(i)] = art::symbolPicture(s, card, svg);
        else if (s == Symbol::Wild) {
            art::WildPictures wild = art::wildPictures(card);
            out.symbols[static_cast<std::size_t>(i)] = wild.symbol;
            for (int frame = 1; frame <= 10; ++frame)
                out.list3[static_cast<std::size_t>(frame)] = std::move(wild.frames[static_cast<std::size_t>(frame - 1)]);
        }
        if (contents == Contents::Everything)
            out.cellBackgrounds[static_cast<std::size_t>(i)] = std::move(card);
    }
    for (int i = 1; i <= kCardCount; ++i)
        out.cards[static_cast<std::size_t>(i)] = art::cardPicture(i, dpr, svg);
    out.winBanner = art::banner(true, dpr);
    out.loseBanner = art::banner(false, dpr);
    out.fastMoney = art::buttonFace(art::ButtonFace::FastMoney, dpr);
    out.collect = art::buttonFace(art::ButtonFace::Collect, dpr);
    out.autoplayOn = art::buttonFace(art::ButtonFace::AutoplayOn, dpr);
    out.autoplayOff = art::buttonFace(art::ButtonFace::AutoplayOff, dpr);

    SecondHalf second = secondHalf.get();
    out.symbols[static_cast<std::size_t>(index(Symbol::Scatter))] = second.scatter.symbol;

    // the strips, cell for cell from the strip table
    if (contents == Contents::Everything) {
        for (int reel = 1; reel <= 5; ++reel) {
            QImage strip = art::canvas(kStripSize.width(), kStripSize.height(), dpr, Qt::black);
            QPainter p(&strip);
            p.setCompositionMode(QPainter::CompositionMode_Source); // the cells are opaque: copy them
            for (int position = 0; position < kStripCells; ++position)
                p.drawImage(QPointF(0, kCellSize * position),
                            out.symbols[static_cast<std::size_t>(index(stripSymbol(reel, position)))]);
            p.end();
            out.strips[static_cast<std::size_t>(reel - 1)] = std::move(strip);
        }
    }

    // ImageList3 after the Wild's frames: the badges on white (11-26), the cover (27)
    for (int i = 11; i <= 26; ++i) {
        const QImage &badge = second.badges[static_cast<std::size_t>((i - 11) / 4)][static_cast<std::size_t>((i - 11) % 4)];
        QImage picture = art::canvas(kCellSize, kCellSize, dpr, Qt::white);
        QPainter p(&picture);
        p.drawImage(QPointF(0, 0), badge);
        p.end();
        out.keyed3[static_cast<std::size_t>(i)] = keyedBadge(badge, picture);
        // The game lays the badges over notes only: a set for the window keeps them on
        // transparency alone and puts one on white when asked.
        if (contents == Contents::Everything)
            out.list3[static_cast<std::size_t>(i)] = std::move(picture);
    }
    out.list3[27] = std::move(second.cover);

    for (int i = 1; i <= kImageList1Count; ++i)
        out.list1[static_cast<std::size_t>(i)] = std::move(second.scatter.frames[static_cast<std::size_t>(i - 1)]);
    out.background = std::move(second.background);
    return made;
}

std::unique_ptr<Pictures::Images> Pictures::shrunk(std::unique_ptr<Images> images, qreal ratio)
{
    const auto shrink = [ratio](QImage &image) {
        if (image.isNull())
            return;
        image = image.scaled(qRound(image.width() * ratio), qRound(image.height() * ratio), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
    };
    for (auto *list : {&images->list3, &images->keyed3, &images->list1, &images->cards})
        for (QImage &image : *list)
            shrink(image);
    for (QImage &image : images->symbols)
        shrink(image);
    for (QImage &image : images->cellBackgrounds)
        shrink(image);
    for (QImage &image : images->strips)
        shrink(image);
    for (QImage *image : {&images->winBanner, &images->loseBanner, &images->fastMoney, &images->collect,
                          &images->autoplayOn, &images->autoplayOff, &images->background})
        shrink(*image);
    images->dpr = ratio;
    return images;
}

Pictures::Pictures(qreal devicePixelRatio) : Pictures(draw(devicePixelRatio)) {}

Pictures::Pictures(std::unique_ptr<Images> images)
    : dpr_(images->dpr), list3_(kImageList3Count + 1), keyed3_(std::move(images->keyed3)),
      list1_(kImageList1Count + 1), cards_(kCardCount + 1)
{
    // An image becomes a pixmap without a copy when it is moved in.
    const auto pixmap = [](QImage &image) { return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image)); };
    for (std::size_t i = 0; i < symbols_.size(); ++i) {
        symbols_[i] = pixmap(images->symbols[i]);
        cellBackgrounds_[i] = pixmap(images->cellBackgrounds[i]);
    }
    for (std::size_t i = 0; i < strips_.size(); ++i)
        strips_[i] = pixmap(images->strips[i]);
    for (std::size_t i = 1; i < list3_.size(); ++i)
        list3_[i] = pixmap(images->list3[i]);
    for (std::size_t i = 1; i < list1_.size(); ++i)
        list1_[i] = pixmap(images->list1[i]);
    for (std::size_t i = 1; i < cards_.size(); ++i)
        cards_[i] = pixmap(images->cards[i]);
    winBanner_ = pixmap(images->winBanner);
    loseBanner_ = pixmap(images->loseBanner);
    fastMoney_ = pixmap(images->fastMoney);
    collect_ = pixmap(images->collect);
    autoplayOn_ = pixmap(images->autoplayOn);
    autoplayOff_ = pixmap(images->autoplayOff);
    background_ = pixmap(images->background);
}

Pictures::~Pictures() = default;

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
    const QPixmap &kept = list3_[static_cast<std::size_t>(i)];
    const QImage &badge = keyed3_[static_cast<std::size_t>(i)];
    if (!kept.isNull() || badge.isNull())
        return kept;
    // The badge over white: white wherever it was made transparent.
    QImage picture(badge.size(), QImage::Format_RGB32);
    picture.fill(Qt::white);
    return laidOver(std::move(picture), badge, dpr_);
}

QPixmap Pictures::overlay3(int badge, int note) const
{
    if (badge < 1 || badge > kImageList3Count || note < 1 || note > kImageList3Count)
        return {};
    QImage picture = list3_[static_cast<std::size_t>(note)].toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Only the badges are kept on transparency; another picture laid over a note (a Wild
    // without a multiplier asks for one) loses its white here.
    const QImage &kept = keyed3_[static_cast<std::size_t>(badge)];
    return laidOver(std::move(picture),
                    kept.isNull() ? keyedOutWhite(list3_[static_cast<std::size_t>(badge)].toImage()) : kept, dpr_);
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
