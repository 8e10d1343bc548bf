#include "platform/qt/pictures/art.h"

#include <QSvgRenderer>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <vector>

namespace melvane::art {

QImage canvas(int width, int height, qreal dpr, const QColor &fill)
{
    // an opaque picture needs no alpha channel, and becomes a pixmap without conversion
    const QImage::Format format = fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    QImage image(qRound(width * dpr), qRound(height * dpr), format);
    image.setDevicePixelRatio(dpr);
    image.fill(fill);
    return image;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QLinearGradient goldGradient(QPointF from, QPointF to)
{
    return withStops(QLinearGradient(from, to), {{0.00, QColor(255, 244, 184)}, {0.22, QColor(243, 198, 72)},
                                                 {0.48, QColor(168, 112, 10)}, {0.70, QColor(247, 214, 106)},
                                                 {1.00, QColor(122, 76, 4)}});
}

QFont font(const QString &family, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(100);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferOutline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPainterPath fitted(const QPainterPath &path, const QRectF &box)
{
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return path;
    const qreal scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(scale, scale);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

QPainterPath fittedText(const QString &text, const QFont &f, const QRectF &box, qreal stretch)
{
    QPainterPath path;
    path.addText(0, 0, f, text);
    path = QTransform::fromScale(stretch, 1.0).map(path);
    return fitted(path, box);
}

void paintEmbossed(QPainter &painter, const QPainterPath &path, const Emboss &style)
{
    painter.save();
    const qreal outer = style.outlineWidth + style.rimWidth;
    // the outline is made once and filled for both the shadow and the dark ring
    QPainterPath ring;
    if (outer > 0) {
        QPainterPathStroker stroker;
        stroker.setWidth(2 * outer);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        ring = stroker.createStroke(path);
    }
    const QPen round(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    if (style.shadowAlpha > 0) {
        const QColor shadow(0, 0, 0, style.shadowAlpha);
        painter.fillPath(path.translated(style.shadowOffset), shadow);
        if (outer > 0)
            painter.fillPath(ring.translated(style.shadowOffset), shadow);
    }
    if (outer > 0)
        painter.fillPath(ring, style.outline);
    if (style.rimWidth > 0) {
        QPen rim = round;
        rim.setBrush(style.rim);
        rim.setWidthF(2 * style.rimWidth);
        painter.strokePath(path, rim);
    }
    painter.fillPath(path, style.fill);

    if (style.glossAlpha > 0) {
        // the gradient is clear below the middle, so filling the whole shape glosses its top
        const QRectF b = path.boundingRect();
        painter.fillPath(path, withStops(QLinearGradient(b.topLeft(), QPointF(b.left(), b.center().y())),
                                         {{0, QColor(255, 255, 255, style.glossAlpha)}, {1, QColor(255, 255, 255, 0)}}));
    }
    painter.restore();
}

void paintCreamLettering(QPainter &painter, const QPainterPath &path, qreal outlineWidth)
{
    const QRectF b = path.boundingRect();
    const QLinearGradient cream = withStops(QLinearGradient(b.topLeft(), b.bottomLeft()),
                                            {{0, QColor(255, 253, 232)}, {1, QColor(255, 206, 70)}});
    paintEmbossed(painter, path, {.fill = cream, .outline = QColor(30, 8, 0), .outlineWidth = outlineWidth,
                                  .shadowOffset = QPointF(1, 1.5), .shadowAlpha = 150, .glossAlpha = 0});
}

// ---- shapes -------------------------------------------------------------------------------

namespace {

// One cubic piece of a pen line whose width runs from `w0` to `w1`.
struct PenPiece {
    QPointF p0, c1, c2, p3;
    qreal w0, w1;
};

QPointF bezier(const PenPiece &c, qreal t)
{
    const qreal u = 1 - t;
    return u * u * u * c.p0 + 3 * u * u * t * c.c1 + 3 * u * t * t * c.c2 + t * t * t * c.p3;
}

QPointF tangent(const PenPiece &c, qreal t)
{
    const qreal u = 1 - t;
    return 3 * u * u * (c.c1 - c.p0) + 6 * u * t * (c.c2 - c.c1) + 3 * t * t * (c.p3 - c.c2);
}

// The outline of a pen line of varying width, with round ends: one closed polygon.
QPainterPath penLine(const std::vector<PenPiece> &pieces)
{
    constexpr int kSteps = 14;
    std::vector<QPointF> left, right, middle;
    std::vector<qreal> halfWidth;
    QPointF lastNormal(0, -1);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const PenPiece &piece = pieces[i];
        for (int step = i == 0 ? 0 : 1; step <= kSteps; ++step) {
            const qreal t = static_cast<qreal>(step) / kSteps;
            const QPointF d = tangent(piece, t);
            const qreal length = std::hypot(d.x(), d.y());
            const QPointF normal = length > 1e-9 ? QPointF(-d.y() / length, d.x() / length) : lastNormal;
            lastNormal = normal;
            const qreal w = (piece.w0 + (piece.w1 - piece.w0) * t) / 2;
            const QPointF at = bezier(piece, t);
            left.push_back(at + normal * w);
            right.push_back(at - normal * w);
            middle.push_back(at);
            halfWidth.push_back(w);
        }
    }
    const auto cap = [&](QPainterPath &path, QPointF centre, QPointF from, qreal w) {
        const qreal start = std::atan2(from.y() - centre.y(), from.x() - centre.x());
        for (int k = 1; k < 8; ++k) {
            const qreal a = start - std::numbers::pi * k / 8;
            path.lineTo(centre + QPointF(w * std::cos(a), w * std::sin(a)));
        }
    };
    QPainterPath path(left.front());
    for (std::size_t i = 1; i < left.size(); ++i)
        path.lineTo(left[i]);
    cap(path, middle.back(), left.back(), halfWidth.back());
    for (std::size_t i = right.size(); i-- > 0;)
        path.lineTo(right[i]);
    cap(path, middle.front(), right.front(), halfWidth.front());
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath makeTrebleClef()
{
    // The clef as one pen line, from the hook under the stem, up the stem to the pointed top,
    // down across the stem and round the belly clockwise into the spiral about the G line,
    // heavier on the belly's left and bottom; a ball ends the hook.
    const std::vector<PenPiece> line = {
        {{42, 95}, {44, 100.5}, {55.5, 100}, {56, 92}, 3.0, 3.6},
        {{56, 92}, {57, 80}, {55, 64}, {54, 50}, 3.6, 3.4},
        {{54, 50}, {53, 36}, {53, 28}, {56, 20}, 3.4, 3.0},
        {{56, 20}, {59, 14}, {60.5, 6}, {57, 3}, 3.0, 2.2},
        {{57, 3}, {52, 0.5}, {43, 11}, {43, 22}, 2.2, 3.4},
        {{43, 22}, {43, 32}, {57, 38}, {64, 46}, 3.4, 5.2},
        {{64, 46}, {71, 54}, {72, 70}, {64, 79}, 5.2, 5.6},
        {{64, 79}, {56, 87}, {40, 87}, {33, 77}, 5.6, 7.6},
        {{33, 77}, {27, 67}, {33, 53}, {46, 51}, 7.6, 5.0},
        {{46, 51}, {56, 50}, {63, 58}, {61, 66}, 5.0, 4.0},
        {{61, 66}, {59, 73}, {49, 74}, {47, 67}, 4.0, 2.8},
        {{47, 67}, {46, 63}, {49, 60}, {52.5, 61}, 2.8, 2.0},
    };
    QPainterPath ball;
    ball.addEllipse(QPointF(41.5, 93.5), 5.2, 5.0);
    return penLine(line).united(ball).simplified();
}

QPainterPath makeBeamedNotes()
{
    QPainterPath notes;
    notes.setFillRule(Qt::WindingFill);
    const auto head = [&](QPointF c) {
        QPainterPath e;
        e.addEllipse(QPointF(0, 0), 12.5, 8.8);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-24);
        notes.addPath(t.map(e));
    };
    head(QPointF(29, 80));
    head(QPointF(69, 72));
    notes.addRect(QRectF(36.8, 22, 5.2, 56));
    notes.addRect(QRectF(76.8, 14, 5.2, 56));
    QPainterPath beam(QPointF(36.8, 19));
    beam.lineTo(82, 9);
    beam.lineTo(82, 22);
    beam.lineTo(36.8, 32);
    beam.closeSubpath();
    notes.addPath(beam);
    return notes;
}

} // namespace

QPainterPath trebleClef()
{
    static const QPainterPath clef = makeTrebleClef();
    return clef;
}

QPainterPath beamedNotes()
{
    static const QPainterPath notes = makeBeamedNotes();
    return notes;
}

namespace {

// One cubic piece of an outline: its two control points and where it ends.
struct Curve {
    QPointF c1, c2, to;
};

// A closed outline that is its own mirror image about the pip's middle (x = 50): `half` from
// `start`, across to its mirror point where it does not end on the middle, then `half` mirrored
// and run backwards to the mirror of `start`.
void addSymmetric(QPainterPath &path, QPointF start, const std::vector<Curve> &half)
{
    const auto mirror = [](QPointF q) { return QPointF(100 - q.x(), q.y()); };
    path.moveTo(start);
    for (const Curve &c : half)
        path.cubicTo(c.c1, c.c2, c.to);
    if (half.back().to.x() != 50)
        path.lineTo(mirror(half.back().to));
    for (std::size_t i = half.size(); i-- > 0;)
        path.cubicTo(mirror(half[i].c2), mirror(half[i].c1), mirror(i > 0 ? half[i - 1].to : start));
    path.closeSubpath();
}

} // namespace

QPainterPath suitPip(int card)
{
    QPainterPath p;
    switch (card) {
    case 1: // hearts
        addSymmetric(p, {50, 92}, {{{36, 76}, {6, 60}, {6, 35}}, {{6, 18}, {18, 8}, {31, 8}}, {{41, 8}, {47, 15}, {50, 23}}});
        break;
    case 2: // clubs
        p.setFillRule(Qt::WindingFill);
        p.addEllipse(QPointF(50, 28), 19, 19);
        p.addEllipse(QPointF(28, 58), 19, 19);
        p.addEllipse(QPointF(72, 58), 19, 19);
        p.addEllipse(QPointF(50, 52), 10, 10);
        // the stem runs the same way round as the lobes, so the winding rule fills it whole
        addSymmetric(p, {53, 56}, {{{53, 74}, {58, 86}, {68, 94}}});
        break;
    case 3: // diamonds
        addSymmetric(p, {50, 4}, {{{60, 22}, {72, 38}, {86, 50}}, {{72, 62}, {60, 78}, {50, 96}}});
        break;
    default: // spades
        p.setFillRule(Qt::WindingFill);
        addSymmetric(p, {50, 5},
                     {{{64, 24}, {94, 40}, {94, 62}}, {{94, 76}, {83, 84}, {71, 84}}, {{62, 84}, {56, 80}, {52.5, 73}},
                      {{53, 83}, {58, 90}, {66, 95}}});
        break;
    }
    return p;
}

bool isRedSuit(int card) { return card == 1 || card == 3; }

QPainterPath sparkle(QPointF c, qreal r, qreal waist)
{
    const qreal w = r * waist;
    QPainterPath p(QPointF(c.x(), c.y() - r));
    p.quadTo(c.x() + w, c.y() - w, c.x() + r, c.y());
    p.quadTo(c.x() + w, c.y() + w, c.x(), c.y() + r);
    p.quadTo(c.x() - w, c.y() + w, c.x() - r, c.y());
    p.quadTo(c.x() - w, c.y() - w, c.x(), c.y() - r);
    p.closeSubpath();
    return p;
}

QPainterPath star(QPointF c, int points, qreal outer, qreal inner, qreal degrees)
{
    QPainterPath p;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal a = (degrees - 90.0 + 180.0 * i / points) * std::numbers::pi / 180.0;
        const qreal r = i % 2 == 0 ? outer : inner;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

// ---- SVG ----------------------------------------------------------------------------------

namespace {
const char *const kDrawings[] = {"composer", "piano", "tuba", "cello", "harp", "drum", "jester"};
}

SvgBook::SvgBook()
{
    for (const char *name : kDrawings) {
        auto renderer = std::make_unique<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(name)));
        renderer->setAspectRatioMode(Qt::KeepAspectRatio);
        if (renderer->isValid())
            renderers_.emplace(QString::fromLatin1(name), std::move(renderer));
    }
}

SvgBook::~SvgBook() = default;

void SvgBook::render(QPainter &painter, const QString &name, const QRectF &target) const
{
    const auto it = renderers_.find(name);
    if (it == renderers_.end())
        return;
    painter.save();
    it->second->render(&painter, target);
    painter.restore();
}

} // namespace melvane::art
