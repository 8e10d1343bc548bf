#include "contactsheet.h"

#include <QPainter>

#include <array>

#include "rules/symbols.h"
#include "platform/qt/pictures/pictures.h"

namespace melvane {

namespace {

constexpr int kMargin = 16;
constexpr int kGap = 8;
constexpr int kLabel = 18;

class Sheet {
public:
    explicit Sheet(QPainter &painter) : p_(painter) {}

    void heading(const QString &text)
    {
        newRow();
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(18);
        f.setBold(true);
        p_.setFont(f);
        p_.setPen(QColor(255, 220, 140));
        p_.drawText(QPointF(kMargin, y_ + 18), text);
        y_ += 28;
    }

    void put(const QPixmap &picture, const QString &label, qreal scale = 1.0)
    {
        const QSizeF size = picture.deviceIndependentSize() * scale;
        if (x_ + size.width() > kMargin + 1500 && x_ > kMargin)
            newRow();
        p_.drawPixmap(QRectF(QPointF(x_, y_), size), picture, QRectF(QPointF(0, 0), QSizeF(picture.size())));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(11);
        p_.setFont(f);
        p_.setPen(QColor(230, 230, 230));
        p_.drawText(QRectF(x_, y_ + size.height() + 2, std::max<qreal>(size.width(), 40), kLabel), Qt::AlignLeft | Qt::AlignTop, label);
        x_ += size.width() + kGap;
        rowHeight_ = std::max(rowHeight_, size.height() + kLabel + kGap);
    }

    void newRow()
    {
        if (x_ > kMargin)
            y_ += rowHeight_;
        x_ = kMargin;
        rowHeight_ = 0;
    }

    qreal bottom() const { return y_ + rowHeight_; }

private:
    QPainter &p_;
    qreal x_ = kMargin;
    qreal y_ = kMargin;
    qreal rowHeight_ = 0;
};

// The background with the strips in their reel windows at rest on `stops` and the picture
// buttons at their design places (twips / 15), as the machine's window will show them.
QPixmap machine(const Pictures &pictures, const std::array<int, 5> &stops)
{
    const qreal dpr = pictures.devicePixelRatio();
    QPixmap window = pictures.background();
    QPainter p(&window);
    const std::array<int, 5> lefts = {970, 3020, 5050, 7100, 9140};
    for (int reel = 1; reel <= 5; ++reel) {
        const QRectF box(lefts[static_cast<std::size_t>(reel - 1)] / 15.0, 1025 / 15.0, 125, 375);
        const QPixmap strip = pictures.reelStrip(reel);
        const QRectF source(0, 125 * stops[static_cast<std::size_t>(reel - 1)] * dpr, 125 * dpr, 375 * dpr);
        p.drawPixmap(box, strip, source);
    }
    const auto at = [](int left, int top) { return QPointF(left / 15.0, top / 15.0); };
    p.drawPixmap(at(8220, 7080), pictures.autoplayOnButton());
    p.drawPixmap(at(8220, 7695), pictures.fastMoneyButton());
    p.drawPixmap(at(4785, 7335), pictures.collectButton());
    p.end();
    return window;
}

qreal draw(QPainter &p, const Pictures &pictures)
{
    Sheet sheet(p);
    sheet.heading(QStringLiteral("Symbols"));
    for (int i = 0; i < kSymbolCount; ++i)
        sheet.put(pictures.symbol(static_cast<Symbol>(i)), QString::fromUtf8(symbolName(static_cast<Symbol>(i)).data()));
    sheet.heading(QStringLiteral("Cell cards"));
    for (int i = 0; i < kSymbolCount; ++i)
        sheet.put(pictures.cellBackground(static_cast<Symbol>(i)), QString(), 0.5);

    sheet.heading(QStringLiteral("Strips (cells 0-7, half size)"));
    for (int reel = 1; reel <= 5; ++reel) {
        const QPixmap strip = pictures.reelStrip(reel);
        const qreal dpr = strip.devicePixelRatio();
        QPixmap top = strip.copy(QRect(0, 0, strip.width(), static_cast<int>(8 * 125 * dpr)));
        top.setDevicePixelRatio(dpr);
        sheet.put(top, QStringLiteral("reel %1").arg(reel), 0.5);
    }

    sheet.heading(QStringLiteral("ImageList3"));
    for (int i = 1; i <= Pictures::kImageList3Count; ++i)
        sheet.put(pictures.imageList3(i), QString::number(i));
    sheet.heading(QStringLiteral("Badges over notes"));
    for (int badge : {11, 16, 21, 26})
        for (int note : {1, 3, 5})
            sheet.put(pictures.overlay3(badge, note), QStringLiteral("%1 on %2").arg(badge).arg(note));

    sheet.heading(QStringLiteral("ImageList1"));
    for (int i = 1; i <= Pictures::kImageList1Count; ++i)
        sheet.put(pictures.imageList1(i), QString::number(i));

    sheet.heading(QStringLiteral("Cards, banners, buttons"));
    for (int i = 1; i <= Pictures::kCardCount; ++i)
        sheet.put(pictures.cards(i), QString::number(i));
    sheet.put(pictures.winBanner(), QStringLiteral("win"));
    sheet.put(pictures.loseBanner(), QStringLiteral("lose"));
    sheet.put(pictures.fastMoneyButton(), QStringLiteral("cmdfastmoney"));
    sheet.put(pictures.collectButton(), QStringLiteral("takewin"));
    sheet.put(pictures.autoplayOnButton(), QStringLiteral("autoplayon"));
    sheet.put(pictures.autoplayOffButton(), QStringLiteral("autoplayoff"));

    sheet.heading(QStringLiteral("Background, and the machine at rest on stops 1, 2, 10, 9, 7"));
    sheet.put(pictures.background(), QString());
    sheet.put(machine(pictures, {1, 2, 10, 9, 7}), QString());
    sheet.newRow();
    return sheet.bottom();
}

} // namespace

QImage contactSheet(const Pictures &pictures, qreal scale)
{
    QImage sheet(qRound(1540 * scale), qRound(4000 * scale), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(40, 40, 46));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    const qreal bottom = draw(p, pictures);
    p.end();
    return sheet.copy(0, 0, sheet.width(), qRound((bottom + kMargin) * scale));
}

} // namespace melvane
