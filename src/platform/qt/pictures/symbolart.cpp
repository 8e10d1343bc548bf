// The eleven symbols, the turning Wild note, the multiplier badges, the cover sheet and the
// Scatter clef's animation.

#include "platform/qt/pictures/art.h"

#include <QConicalGradient>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <numbers>

namespace melvane::art {

namespace {

constexpr qreal kPi = std::numbers::pi;

qreal radians(qreal degrees) { return degrees * kPi / 180.0; }

// A small fixed sequence of pseudo-random numbers in [0, 1), the same on every run.
class Scatterer {
public:
    explicit Scatterer(unsigned seed) : state_(seed) {}
    qreal next()
    {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<qreal>((state_ >> 8) & 0xFFFFu) / 65536.0;
    }

private:
    unsigned state_;
};

void paintRays(QPainter &p, const QRectF &area, QPointF centre, int count, const QColor &colour, qreal turn = 0)
{
    // a conical gradient with soft steps paints all rays in one pass
    QConicalGradient rays(centre, turn);
    QColor clear = colour;
    clear.setAlpha(0);
    const qreal soft = 0.006;
    for (int i = 0; i < count; ++i) {
        const qreal a = static_cast<qreal>(i) / count;
        const qreal b = (i + 0.5) / count;
        rays.setColorAt(a, clear);
        rays.setColorAt(a + soft, colour);
        rays.setColorAt(b - soft, colour);
        rays.setColorAt(b, clear);
    }
    p.fillRect(area, rays);
}

void paintStaffLines(QPainter &p, const QRectF &card, const QColor &colour)
{
    p.save();
    p.setPen(QPen(colour, 1.0));
    const qreal gap = 9.0;
    const qreal top = card.center().y() - 2 * gap;
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(card.left(), top + i * gap), QPointF(card.right(), top + i * gap));
    p.restore();
}

void paintNightSky(QPainter &p, const QRectF &card)
{
    Scatterer random(7);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(card.left() + 6 + random.next() * (card.width() - 12),
                         card.top() + 6 + random.next() * (card.height() - 12));
        const qreal size = 0.6 + random.next() * 1.2;
        const int alpha = 90 + static_cast<int>(random.next() * 140);
        p.setBrush(QColor(220, 230, 255, alpha));
        if (size > 1.45)
            p.drawPath(sparkle(at, size * 2.2, 0.22));
        else
            p.drawEllipse(at, size * 0.7, size * 0.7);
    }
    p.restore();
}

QBrush letterFill(Symbol symbol, const QRectF &box)
{
    const QLinearGradient g(box.topLeft(), box.bottomLeft());
    switch (symbol) {
    case Symbol::K: return withStops(g, {{0.0, QColor(255, 178, 170)}, {0.35, QColor(240, 52, 60)}, {1.0, QColor(110, 0, 14)}});
    case Symbol::Q: return withStops(g, {{0.0, QColor(180, 216, 255)}, {0.35, QColor(52, 120, 240)}, {1.0, QColor(10, 30, 110)}});
    default: return withStops(g, {{0.0, QColor(184, 255, 200)}, {0.35, QColor(36, 190, 84)}, {1.0, QColor(4, 84, 30)}});
    }
}

void paintLetter(QPainter &p, const QRectF &cell, Symbol symbol)
{
    const QString text = symbol == Symbol::K ? QStringLiteral("K") : symbol == Symbol::Q ? QStringLiteral("Q") : QStringLiteral("J");
    const QRectF box = cell.adjusted(22, 13, -22, -13);
    const QPainterPath letter = fittedText(text, font(QStringLiteral("DejaVu Serif"), true), box, 0.92);
    paintEmbossed(p, letter, {.fill = letterFill(symbol, letter.boundingRect()), .outline = QColor(24, 6, 0),
                              .outlineWidth = 1.4, .rim = goldGradient(box.topLeft(), box.bottomRight()), .rimWidth = 2.4,
                              .shadowOffset = QPointF(2.5, 3.0), .shadowAlpha = 150, .glossAlpha = 90});
}

// What a turning gold shape shows edge-on: a thin rounded bar, `bar`.
void paintEdgeOn(QPainter &p, const QRectF &bar)
{
    QPainterPath edge;
    edge.addRoundedRect(bar, bar.width() / 2, bar.width() / 2);
    paintEmbossed(p, edge, {.fill = goldGradient(bar.topLeft(), bar.topRight()), .outline = QColor(74, 36, 0),
                            .outlineWidth = 1.0, .glossAlpha = 0});
}

QRectF noteBox(const QRectF &cell) { return QRectF(cell.x() + 16, cell.y() + 7, cell.width() - 32, 84); }

// Two colours of a cell card: its bright middle and its dark edge.
struct Tint {
    QColor light;
    QColor dark;
};

Tint cardTint(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Composer: return {QColor(146, 98, 222), QColor(34, 14, 74)};
    case Symbol::Piano: return {QColor(104, 176, 240), QColor(10, 44, 104)};
    case Symbol::Tuba: return {QColor(232, 70, 78), QColor(70, 6, 14)};
    case Symbol::Cello: return {QColor(52, 184, 172), QColor(4, 54, 50)};
    case Symbol::Harp: return {QColor(66, 196, 110), QColor(6, 62, 28)};
    case Symbol::Drum: return {QColor(214, 78, 168), QColor(66, 8, 46)};
    case Symbol::K: return {QColor(112, 30, 48), QColor(22, 4, 10)};
    case Symbol::Q: return {QColor(34, 62, 130), QColor(5, 10, 30)};
    case Symbol::J: return {QColor(28, 110, 62), QColor(4, 22, 10)};
    case Symbol::Scatter: return {QColor(58, 56, 138), QColor(6, 6, 28)};
    case Symbol::Wild: return {QColor(255, 244, 130), QColor(232, 100, 8)};
    }
    return {Qt::gray, Qt::black};
}

void paintCellCard(QPainter &p, const QRectF &cell, Symbol symbol)
{
    p.save();
    p.fillRect(cell, QColor(14, 5, 8));
    const QRectF card = cell.adjusted(2, 2, -2, -2);
    QPainterPath shape;
    shape.addRoundedRect(card, 12, 12);

    // the face is painted edge to edge on its own, then cut to the card's rounded shape
    const qreal dpr = p.device()->devicePixelRatioF();
    QImage face(qRound(cell.width() * dpr), qRound(cell.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(dpr);
    face.fill(Qt::transparent);
    {
        QPainter f(&face);
        prepare(f);
        f.translate(-cell.topLeft());
        const Tint tint = cardTint(symbol);
        const QPointF middle(card.center().x(), card.top() + card.height() * 0.42);
        f.fillRect(card, withStops(QRadialGradient(middle, card.width() * 0.74), {{0.0, tint.light}, {1.0, tint.dark}}));
        if (symbol == Symbol::Wild)
            paintRays(f, card, middle, 18, QColor(255, 250, 190, 95), 4);
        else
            paintRays(f, card, middle, 18, QColor(255, 255, 255, 13), 4);
        if (symbol == Symbol::K || symbol == Symbol::Q || symbol == Symbol::J)
            paintStaffLines(f, card, QColor(240, 200, 100, 50));
        if (symbol == Symbol::Scatter)
            paintNightSky(f, card);
        f.fillRect(card, withStops(QRadialGradient(card.center(), card.width() * 0.72),
                                   {{0.65, QColor(0, 0, 0, 0)}, {1.0, QColor(0, 0, 0, symbol == Symbol::Wild ? 60 : 110)}}));
        const QLinearGradient gloss = withStops(QLinearGradient(card.topLeft(), QPointF(card.left(), card.top() + card.height() * 0.45)),
                                                {{0, QColor(255, 255, 255, 60)}, {1, QColor(255, 255, 255, 0)}});
        QPainterPath glossShape;
        glossShape.addEllipse(QRectF(card.left() - card.width() * 0.2, card.top() - card.height() * 0.55, card.width() * 1.4, card.height() * 0.95));
        f.fillPath(glossShape, gloss);
        f.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        f.fillPath(shape, Qt::black);
    }
    p.drawImage(cell.topLeft(), face);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.0));
    p.drawRoundedRect(card.adjusted(3.5, 3.5, -3.5, -3.5), 9, 9);
    p.setPen(QPen(QBrush(goldGradient(card.topLeft(), card.bottomRight())), 2.6));
    p.drawRoundedRect(card.adjusted(1.3, 1.3, -1.3, -1.3), 11, 11);
    p.restore();
}

void paintClef(QPainter &p, const QRectF &box, bool onGold)
{
    const QPainterPath clef = fitted(trebleClef(), box);
    p.save();
    if (!onGold) {
        // a soft halo of light around the metal
        QPen halo(QColor(150, 210, 255, 70), 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.strokePath(clef, halo);
    }
    const QRectF b = clef.boundingRect();
    const QLinearGradient silver =
        withStops(QLinearGradient(b.topLeft(), b.bottomRight()),
                  {{0.0, QColor(255, 255, 255)}, {0.3, QColor(200, 214, 255)}, {0.55, QColor(110, 128, 200)},
                   {0.75, QColor(236, 242, 255)}, {1.0, QColor(120, 136, 196)}});
    paintEmbossed(p, clef, {.fill = silver, .outline = QColor(8, 8, 40), .outlineWidth = 1.4,
                            .shadowOffset = QPointF(2.0, 2.5), .shadowAlpha = onGold ? 90 : 150, .glossAlpha = 60});
    p.restore();
}

void paintWildNotes(QPainter &p, const QRectF &cell, qreal degrees, bool sweep)
{
    const QPainterPath notes = fitted(beamedNotes(), noteBox(cell));
    const QRectF b = notes.boundingRect();
    const qreal cx = b.center().x();
    const qreal width = std::cos(radians(degrees));
    p.save();
    if (std::abs(width) < 0.08) {
        // edge-on: only the thin gold edge of the notes shows
        paintEdgeOn(p, QRectF(cx - 2.2, b.top() + 2, 4.4, b.height() - 4));
        p.restore();
        return;
    }
    QTransform turn;
    turn.translate(cx, 0);
    turn.scale(std::abs(width), 1.0);
    turn.translate(-cx, 0);
    const QPainterPath shown = turn.map(notes);
    const QRectF sb = shown.boundingRect();

    paintEmbossed(p, shown, {.fill = goldGradient(sb.topLeft(), sb.bottomRight()), .outline = QColor(74, 30, 0),
                             .outlineWidth = 1.6, .rim = QColor(255, 250, 214), .rimWidth = 0.9,
                             .shadowOffset = QPointF(2.5, 3.0), .glossAlpha = 80});

    // the light slides across the gold as it turns
    const qreal at = sweep ? sb.left() + sb.width() * (0.5 + degrees / 180.0) : sb.left() + sb.width() * 0.3;
    p.fillPath(shown, withStops(QLinearGradient(QPointF(at - 14, sb.top()), QPointF(at + 14, sb.bottom() - 30)),
                                {{0.0, QColor(255, 255, 240, 0)}, {0.5, QColor(255, 255, 240, 150)},
                                 {1.0, QColor(255, 255, 240, 0)}}));

    // a glint on the beam
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 236, 230));
    const QPointF glint(sb.left() + sb.width() * 0.72, sb.top() + 9);
    p.drawPath(sparkle(glint, 7.0 * std::max<qreal>(0.4, std::abs(width)), 0.16));
    p.restore();
}

void paintWildWord(QPainter &p, const QRectF &cell)
{
    const QRectF box(cell.x() + 17, cell.y() + 93, cell.width() - 34, 24);
    const QPainterPath word = fittedText(QStringLiteral("WILD"), font(QStringLiteral("DejaVu Sans"), true), box, 1.05);
    const QRectF b = word.boundingRect();
    const QLinearGradient red = withStops(QLinearGradient(b.topLeft(), b.bottomLeft()),
                                          {{0.0, QColor(255, 120, 96)}, {0.45, QColor(218, 20, 30)}, {1.0, QColor(120, 0, 12)}});
    paintEmbossed(p, word, {.fill = red, .outline = QColor(60, 0, 0), .outlineWidth = 1.2, .rim = QColor(255, 246, 200),
                            .rimWidth = 1.6, .shadowOffset = QPointF(1.5, 2.0), .glossAlpha = 80});
}

// The glow behind the clef: step 1 (small and faint) to 9 (filling the card).
void paintGlow(QPainter &p, const QRectF &cell, int step)
{
    const QPointF centre = cell.center();
    const qreal radius = 22.0 + 5.5 * (step - 1);
    const int alpha = 100 + 18 * (step - 1);
    p.save();
    if (step > 3) {
        // rays of light that fade out towards the rim of the glow
        paintRays(p, cell, centre, 12, QColor(200, 240, 255, 255), 5.0 * step);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        p.fillRect(cell, withStops(QRadialGradient(centre, radius * 1.1),
                                   {{0.0, QColor(0, 0, 0, 8 * (step - 3))}, {1.0, QColor(0, 0, 0, 0)}}));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    p.fillRect(cell, withStops(QRadialGradient(centre, radius), {{0.0, QColor(190, 240, 255, alpha)},
                                                                 {0.45, QColor(110, 170, 255, alpha * 2 / 3)},
                                                                 {1.0, QColor(90, 90, 255, 0)}}));
    // a bright ring rides on the edge of the growing light
    const qreal outer = radius + 10;
    const qreal inner = std::max<qreal>(0, (radius - 12) / outer);
    const QColor clear(170, 230, 255, 0);
    p.fillRect(cell, withStops(QRadialGradient(centre, outer), {{0.0, clear},
                                                                {inner, clear},
                                                                {radius / outer, QColor(200, 240, 255, 120)},
                                                                {1.0, clear}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 248, 255, std::min(255, 60 + 22 * step)));
    for (int i = 0; i < step / 2; ++i) {
        const qreal a = radians(30.0 + 83.0 * i + 11.0 * step);
        const qreal r = radius * 0.78;
        p.drawPath(sparkle(centre + QPointF(r * std::cos(a), r * std::sin(a)), 3.5 + (i % 2) * 2.0));
    }
    // only inside the card's gold rim
    QPainterPath card;
    card.addRoundedRect(cell.adjusted(3, 3, -3, -3), 10, 10);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.fillPath(card, Qt::black);
    p.restore();
}

// A transparent picture of a cell at a device-pixel ratio, painted by `paint`.
template <typename Paint>
QImage layer(qreal dpr, Paint paint)
{
    return painted(kCell, kCell, dpr, paint);
}

// A copy of `card` with `layers` drawn over it, pixel for pixel.
QImage over(const QImage &card, std::initializer_list<const QImage *> layers)
{
    QImage image = card.copy();
    QPainter p(&image);
    for (const QImage *l : layers)
        p.drawImage(QPointF(0, 0), *l);
    return image;
}

} // namespace

QImage cellBackground(Symbol symbol, qreal dpr)
{
    // opaque, like every picture drawn on it
    QImage card = canvas(kCell, kCell, dpr, Qt::black);
    QPainter p(&card);
    prepare(p);
    paintCellCard(p, QRectF(0, 0, kCell, kCell), symbol);
    return card;
}

QImage symbolPicture(Symbol symbol, const QImage &card, const SvgBook &svg)
{
    QImage image = card.copy();
    QPainter p(&image);
    prepare(p);
    const QRectF cell(0, 0, kCell, kCell);
    const QRectF art = cell.adjusted(9, 9, -9, -9);
    switch (symbol) {
    case Symbol::Composer: svg.render(p, QStringLiteral("composer"), art); break;
    case Symbol::Piano: svg.render(p, QStringLiteral("piano"), art); break;
    case Symbol::Tuba: svg.render(p, QStringLiteral("tuba"), art); break;
    case Symbol::Cello: svg.render(p, QStringLiteral("cello"), art); break;
    case Symbol::Harp: svg.render(p, QStringLiteral("harp"), art); break;
    case Symbol::Drum: svg.render(p, QStringLiteral("drum"), art); break;
    case Symbol::K:
    case Symbol::Q:
    case Symbol::J: paintLetter(p, cell, symbol); break;
    case Symbol::Scatter:
    case Symbol::Wild: break; // made with their animations
    }
    return image;
}

WildPictures wildPictures(const QImage &card)
{
    const qreal dpr = card.devicePixelRatio();
    const QImage word = layer(dpr, [](QPainter &p, const QRectF &cell) { paintWildWord(p, cell); });
    const auto notes = [dpr](qreal degrees, bool sweep) {
        return layer(dpr, [=](QPainter &p, const QRectF &cell) { paintWildNotes(p, cell, degrees, sweep); });
    };
    WildPictures made;
    const QImage still = notes(0, false);
    made.symbol = over(card, {&still, &word});
    // frames 1 and 10 edge-on, 5 and 6 face-on: 20 degrees a frame
    for (int frame = 1; frame <= 10; ++frame) {
        const QImage turned = notes((frame - 5.5) * 20.0, true);
        made.frames.push_back(over(card, {&turned, &word}));
    }
    return made;
}

std::vector<QImage> badgeFrames(int multiplier, qreal dpr)
{
    const QPointF centre(31, 33);
    QColor light, dark;
    switch (multiplier) {
    case 2: light = QColor(110, 170, 255); dark = QColor(12, 40, 150); break;
    case 3: light = QColor(96, 230, 140); dark = QColor(6, 100, 40); break;
    case 5: light = QColor(206, 120, 255); dark = QColor(70, 10, 140); break;
    default: light = QColor(255, 110, 100); dark = QColor(150, 0, 10); break;
    }

    const QImage badge = layer(dpr, [&](QPainter &p, const QRectF &) {
        const QPainterPath rosette = star(centre, 14, 26, 21.5, 0);
        paintEmbossed(p, rosette, {.fill = withStops(QRadialGradient(centre - QPointF(6, 8), 30), {{0, light}, {1, dark}}),
                                   .outline = QColor(30, 10, 0), .outlineWidth = 1.0,
                                   .rim = goldGradient(centre - QPointF(26, 26), centre + QPointF(26, 26)),
                                   .rimWidth = 1.6, .shadowOffset = QPointF(2, 2.5), .glossAlpha = 70});

        p.setPen(QPen(QBrush(goldGradient(centre + QPointF(16, 16), centre - QPointF(16, 16))), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 16.5, 16.5);

        const QString text = QStringLiteral("x%1").arg(multiplier);
        const QRectF box(centre.x() - 14.5, centre.y() - 10, 29, 20);
        paintCreamLettering(
            p, fittedText(text, font(QStringLiteral("DejaVu Sans"), true), box, multiplier >= 10 ? 0.85 : 1.0), 1.3);
    });

    // the sparkles travel around the rosette from frame to frame, growing and shrinking
    std::vector<QImage> frames;
    for (int step = 0; step < 4; ++step) {
        QImage image = badge.copy();
        QPainter p(&image);
        prepare(p);
        p.setPen(QPen(QColor(220, 150, 0), 0.8));
        p.setBrush(QColor(255, 244, 150));
        for (int i = 0; i < 3; ++i) {
            const qreal a = radians(-60.0 + 30.0 * step + 120.0 * i);
            const qreal size = 4.0 + 2.5 * ((step + i) % 3);
            p.drawPath(sparkle(centre + QPointF(28 * std::cos(a), 28 * std::sin(a)), size));
        }
        p.end();
        frames.push_back(image);
    }
    return frames;
}

QImage coverPicture(qreal dpr)
{
    QImage image = canvas(kCell, kCell, dpr, Qt::black);
    QPainter p(&image);
    prepare(p);
    const QRectF cell(0, 0, kCell, kCell);
    p.fillRect(cell, withStops(QRadialGradient(QPointF(55, 50), 95), {{0.0, QColor(255, 250, 232)},
                                                                       {0.7, QColor(242, 228, 192)},
                                                                       {1.0, QColor(214, 190, 140)}}));

    const QColor ink(44, 30, 20);
    const qreal gap = 6.5;
    const std::array<qreal, 2> staffTops = {22.0, 76.0};
    p.setPen(QPen(ink, 0.9));
    for (qreal top : staffTops) {
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(5, top + i * gap), QPointF(120, top + i * gap));
        p.drawLine(QPointF(120, top), QPointF(120, top + 4 * gap));
        p.drawLine(QPointF(72, top), QPointF(72, top + 4 * gap));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (qreal top : staffTops) {
        const QPainterPath clef = fitted(trebleClef(), QRectF(5, top - 9, 16, 4 * gap + 18));
        p.drawPath(clef);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    {
        QPainterPath time = fittedText(QStringLiteral("3"), font(QStringLiteral("DejaVu Serif"), true), QRectF(23, 22, 8, 12));
        time.addPath(fittedText(QStringLiteral("4"), font(QStringLiteral("DejaVu Serif"), true), QRectF(23, 35, 8, 12)));
        p.drawPath(time);
    }

    // notes: (x, staff step from the bottom line, stem up, hollow, beamed with the next)
    struct Note {
        qreal x;
        int step;
        bool hollow;
        bool beamNext;
    };
    const std::array<std::array<Note, 6>, 2> bars = {{
        {{{38, 2, false, false}, {50, 4, false, true}, {60, 5, false, false}, {82, 3, true, false}, {100, 6, false, true}, {110, 5, false, false}}},
        {{{28, 1, false, true}, {38, 3, false, false}, {52, 5, true, false}, {82, 4, false, true}, {92, 2, false, false}, {106, 0, true, false}}},
    }};
    for (std::size_t s = 0; s < staffTops.size(); ++s) {
        const qreal bottom = staffTops[s] + 4 * gap;
        const auto &notes = bars[s];
        for (std::size_t i = 0; i < notes.size(); ++i) {
            const Note &n = notes[i];
            const QPointF head(n.x, bottom - n.step * gap / 2);
            p.save();
            p.translate(head);
            p.rotate(-22);
            if (n.hollow) {
                p.setPen(QPen(ink, 1.3));
                p.setBrush(Qt::NoBrush);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(ink);
            }
            p.drawEllipse(QPointF(0, 0), 3.9, 2.7);
            p.restore();
            p.setPen(QPen(ink, 1.0));
            p.drawLine(QPointF(n.x + 3.4, head.y() - 1), QPointF(n.x + 3.4, head.y() - 19));
            if (n.beamNext && i + 1 < notes.size()) {
                const Note &m = notes[i + 1];
                const QPointF next(m.x + 3.4, bottom - m.step * gap / 2 - 19);
                QPainterPath beam(QPointF(n.x + 2.9, head.y() - 19));
                beam.lineTo(next + QPointF(0.5, 0));
                beam.lineTo(next + QPointF(0.5, 3));
                beam.lineTo(QPointF(n.x + 2.9, head.y() - 16));
                beam.closeSubpath();
                p.setPen(Qt::NoPen);
                p.fillPath(beam, ink);
            }
        }
    }
    // a slur and a dynamic mark
    p.setPen(QPen(ink, 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath slur(QPointF(82, 101));
    slur.cubicTo(88, 108, 100, 108, 106, 103);
    p.drawPath(slur);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(fittedText(QStringLiteral("p"), font(QStringLiteral("DejaVu Serif"), true, true), QRectF(28, 106, 8, 10)));
    p.drawPath(fittedText(QStringLiteral("mf"), font(QStringLiteral("DejaVu Serif"), true, true), QRectF(84, 52, 14, 10)));

    // the paper's worn edge
    p.fillRect(cell, withStops(QRadialGradient(cell.center(), 90),
                               {{0.7, QColor(120, 80, 20, 0)}, {1.0, QColor(120, 80, 20, 70)}}));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 50, 160), 1.0));
    p.drawRect(cell.adjusted(0.5, 0.5, -0.5, -0.5));
    return image;
}

ScatterPictures scatterPictures(const QImage &card)
{
    const qreal dpr = card.devicePixelRatio();
    const QRectF cell(0, 0, kCell, kCell);
    const QImage clef = layer(dpr, [](QPainter &p, const QRectF &c) { paintClef(p, c.adjusted(26, 8, -26, -8), false); });
    const auto glow = [dpr](int step) {
        return layer(dpr, [step](QPainter &p, const QRectF &c) { paintGlow(p, c, step); });
    };

    ScatterPictures made;
    // frames 1 to 9: the glow grows behind the clef
    for (int step = 1; step <= 9; ++step) {
        const QImage light = glow(step);
        made.frames.push_back(over(card, {&light, &clef}));
    }
    made.symbol = made.frames.front();

    // frames 10 to 17: the clef on a gold disc making one whole turn, 45 degrees a frame
    const QImage lit = over(card, {});
    const QImage fullGlow = glow(9);
    const QPointF centre = cell.center();
    const qreal radius = 47;
    const QRectF discBox(centre.x() - radius - 4, centre.y() - radius - 4, 2 * radius + 8, 2 * radius + 8);
    const QImage face = layer(dpr, [&](QPainter &p, const QRectF &) {
        QPainterPath disc;
        disc.addEllipse(centre, radius, radius);
        const QRadialGradient gold =
            withStops(QRadialGradient(centre - QPointF(14, 18), radius * 1.3),
                      {{0.0, QColor(255, 248, 200)}, {0.45, QColor(240, 190, 60)}, {1.0, QColor(130, 80, 6)}});
        paintEmbossed(p, disc, {.fill = gold, .outline = QColor(70, 36, 0), .outlineWidth = 1.2,
                                .rim = goldGradient(centre - QPointF(radius, radius), centre + QPointF(radius, radius)),
                                .rimWidth = 2.0, .glossAlpha = 60});
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(120, 70, 0, 170), 1.0));
        p.drawEllipse(centre, radius - 6, radius - 6);
        p.setPen(QPen(QColor(255, 244, 200, 150), 1.0));
        p.drawEllipse(centre, radius - 7.2, radius - 7.2);
        paintClef(p, QRectF(centre.x() - 22, centre.y() - 38, 44, 76), true);
    });
    for (int frame = 10; frame <= 17; ++frame) {
        QImage image = over(lit, {&fullGlow});
        QPainter p(&image);
        prepare(p);
        const qreal degrees = (frame - 10) * 45.0;
        const qreal width = std::abs(std::cos(radians(degrees)));
        if (width < 0.08) {
            paintEdgeOn(p, QRectF(centre.x() - 3.5, centre.y() - radius, 7, 2 * radius));
        } else {
            const QRectF target(centre.x() - discBox.width() * width / 2, discBox.top(), discBox.width() * width, discBox.height());
            const QRectF source(discBox.topLeft() * dpr, discBox.size() * dpr);
            p.drawImage(target, face, source);
            // the side turned away from the light is darker
            const qreal shade = std::sin(radians(degrees));
            if (shade > 0) {
                QPainterPath disc;
                disc.addEllipse(centre, radius * width, radius);
                p.fillPath(disc, QColor(60, 20, 0, static_cast<int>(70 * shade)));
            }
        }
        p.end();
        made.frames.push_back(image);
    }
    return made;
}

} // namespace melvane::art
