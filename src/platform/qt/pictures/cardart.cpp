// The gamble's playing cards, suit tiles and win and loss banners.

#include "platform/qt/pictures/art.h"

#include <QCoreApplication>
#include <QRadialGradient>

#include <algorithm>

namespace melvane::art {

namespace {

constexpr int kCardWidth = 100;
constexpr int kCardHeight = 153;
constexpr int kTile = 50;

QBrush suitFill(int card, const QRectF &box)
{
    const QLinearGradient g(box.topLeft(), box.bottomRight());
    if (isRedSuit(card))
        return withStops(g, {{0.0, QColor(255, 96, 96)}, {0.5, QColor(214, 14, 32)}, {1.0, QColor(120, 0, 14)}});
    return withStops(g, {{0.0, QColor(96, 100, 120)}, {0.5, QColor(24, 24, 34)}, {1.0, QColor(0, 0, 4)}});
}

QColor suitInk(int card) { return isRedSuit(card) ? QColor(196, 10, 28) : QColor(16, 16, 24); }

void paintPip(QPainter &p, int card, const QRectF &box, bool raised)
{
    const QPainterPath pip = fitted(suitPip(card), box);
    if (!raised) {
        p.fillPath(pip, suitInk(card));
        return;
    }
    paintEmbossed(p, pip, {.fill = suitFill(card, pip.boundingRect()),
                           .outline = isRedSuit(card) ? QColor(90, 0, 8) : QColor(0, 0, 0), .outlineWidth = 0.9,
                           .shadowOffset = QPointF(1.5, 2.0), .shadowAlpha = 70, .glossAlpha = 110});
}

void paintCardFace(QPainter &p, const QRectF &r)
{
    QPainterPath shape;
    shape.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.fillPath(shape, withStops(QLinearGradient(r.topLeft(), r.bottomRight()),
                                {{0, QColor(255, 255, 252)}, {1, QColor(236, 230, 214)}}));
    p.setPen(QPen(QColor(110, 104, 92), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(QPen(QBrush(goldGradient(r.topLeft(), r.bottomRight())), 1.0));
    p.drawRoundedRect(r.adjusted(5, 5, -5, -5), 5, 5);
}

// The index in a corner and, turned upside down, in the opposite corner.
template <typename Paint>
void inBothCorners(QPainter &p, const QRectF &r, Paint paint)
{
    paint();
    p.save();
    p.translate(r.center());
    p.rotate(180);
    p.translate(-r.center());
    paint();
    p.restore();
}

void paintAce(QPainter &p, const QRectF &r, int card)
{
    paintCardFace(p, r);
    const QFont serif = font(QStringLiteral("DejaVu Serif"), true);
    inBothCorners(p, r, [&] {
        p.fillPath(fittedText(QStringLiteral("A"), serif, QRectF(8, 9, 14, 16)), suitInk(card));
        paintPip(p, card, QRectF(8.5, 28, 13, 13), false);
    });
    if (card == 4) {
        // the ace of spades wears a gold ring
        const QPointF c = r.center();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(goldGradient(c - QPointF(36, 36), c + QPointF(36, 36))), 2.2));
        p.drawEllipse(c, 36, 36);
        p.setPen(QPen(QColor(160, 120, 40, 160), 0.8));
        p.drawEllipse(c, 32, 32);
        paintPip(p, card, QRectF(c.x() - 26, c.y() - 27, 52, 54), true);
    } else {
        const QPointF c = r.center();
        paintPip(p, card, QRectF(c.x() - 25, c.y() - 25, 50, 50), true);
    }
}

void paintJoker(QPainter &p, const QRectF &r, const SvgBook &svg)
{
    paintCardFace(p, r);
    const QFont sans = font(QStringLiteral("DejaVu Sans"), true);
    //: The word on the gamble's joker card, printed down its corners letter by letter.
    const QString word = QCoreApplication::translate("melvane::Pictures", "JOKER");
    // The letters run down the corner above the star; a longer word gets smaller letters.
    const qreal step = std::min(9.5, 48.0 / static_cast<qreal>(std::max<qsizetype>(word.size(), 1)));
    inBothCorners(p, r, [&] {
        for (int i = 0; i < word.size(); ++i) {
            const QRectF box(9, 9 + i * step, 9, step * 8 / 9.5);
            p.fillPath(fittedText(word.mid(i, 1), sans, box), QColor(110, 30, 170));
        }
        p.fillPath(star(QPointF(13.5, 62), 5, 4.5, 2, 0), QColor(214, 14, 32));
    });
    p.fillRect(r.adjusted(6, 6, -6, -6), withStops(QRadialGradient(QPointF(50, 64), 44),
                                                   {{0, QColor(255, 236, 160, 150)}, {1, QColor(255, 236, 160, 0)}}));
    svg.render(p, QStringLiteral("jester"), QRectF(15, 28, 70, 70));
    const QPainterPath label = fittedText(word, sans, QRectF(24, 102, 52, 14));
    const QRectF lb = label.boundingRect();
    const QLinearGradient purple = withStops(QLinearGradient(lb.topLeft(), lb.bottomLeft()),
                                             {{0, QColor(200, 140, 255)}, {1, QColor(80, 16, 150)}});
    paintEmbossed(p, label, {.fill = purple, .outline = QColor(30, 0, 60), .outlineWidth = 0.8,
                             .rim = goldGradient(lb.topLeft(), lb.bottomRight()), .rimWidth = 0.9,
                             .shadowOffset = QPointF(1, 1.2), .shadowAlpha = 80});
}

void paintTile(QPainter &p, const QRectF &r, int card)
{
    QPainterPath shape;
    shape.addRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
    p.fillPath(shape, withStops(QRadialGradient(QPointF(22, 18), 36), {{0, QColor(255, 253, 242)}, {1, QColor(226, 212, 176)}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 30, 0, 140), 1.0));
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 5, 5);
    p.setPen(QPen(QBrush(goldGradient(r.topLeft(), r.bottomRight())), 2.4));
    p.drawPath(shape);
    paintPip(p, card, QRectF(11, 10, 28, 29), true);
}

} // namespace

QImage cardPicture(int index, qreal dpr, const SvgBook &svg)
{
    if (index >= 1 && index <= 4)
        return painted(kCardWidth, kCardHeight, dpr, [index](QPainter &p, const QRectF &r) { paintAce(p, r, index); });
    if (index == 5)
        return painted(kCardWidth, kCardHeight, dpr, [&svg](QPainter &p, const QRectF &r) { paintJoker(p, r, svg); });
    return painted(kTile, kTile, dpr, [index](QPainter &p, const QRectF &r) { paintTile(p, r, index - 5); });
}

QImage banner(bool win, qreal dpr)
{
    QImage image = canvas(150, 30, dpr);
    QPainter p(&image);
    prepare(p);
    const QRectF r(0, 0, 150, 30);
    QPainterPath ribbon;
    ribbon.addRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), 13, 13);
    const QLinearGradient down(r.topLeft(), r.bottomLeft());
    p.fillPath(ribbon, win ? withStops(down, {{0.0, QColor(120, 240, 150)}, {0.45, QColor(20, 150, 64)}, {1.0, QColor(4, 70, 26)}})
                           : withStops(down, {{0.0, QColor(255, 120, 120)}, {0.45, QColor(170, 14, 28)}, {1.0, QColor(70, 0, 8)}}));
    p.setPen(QPen(QBrush(goldGradient(r.topLeft(), r.bottomRight())), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ribbon);

    const QString said = win ? QCoreApplication::translate("melvane::Pictures", "YOU WIN!")
                             : QCoreApplication::translate("melvane::Pictures", "YOU LOSE");
    const QPainterPath words = fittedText(said, font(QStringLiteral("DejaVu Sans"), true), QRectF(24, 6, 102, 18), 1.05);
    const QRectF wb = words.boundingRect();
    const QLinearGradient letters = withStops(QLinearGradient(wb.topLeft(), wb.bottomLeft()),
                                              {{0, win ? QColor(255, 252, 214) : QColor(255, 255, 255)},
                                               {1, win ? QColor(255, 196, 40) : QColor(176, 182, 200)}});
    paintEmbossed(p, words, {.fill = letters, .outline = win ? QColor(10, 40, 0) : QColor(50, 0, 0), .outlineWidth = 1.2,
                             .shadowOffset = QPointF(1, 1.5), .glossAlpha = 0});

    p.setPen(Qt::NoPen);
    p.setBrush(win ? QColor(255, 240, 140) : QColor(255, 200, 200, 200));
    for (qreal x : {12.5, 137.5}) {
        if (win)
            p.drawPath(star(QPointF(x, 15), 5, 7, 3, 0));
        else
            p.drawPath(suitPip(4).translated(-50, -50) * QTransform::fromScale(0.12, 0.12) * QTransform::fromTranslate(x, 15));
    }
    return image;
}

} // namespace melvane::art
