// The machine's cabinet and the faces of its picture buttons.

#include "platform/qt/pictures/art.h"
#include "platform/qt/pictures/pictures.h"

#include <QCoreApplication>
#include <QRadialGradient>

#include <array>

namespace melvane::art {

namespace {

constexpr int kWidth = 820;
constexpr int kHeight = 595;
constexpr qreal kTwip = 15.0;

// Reel windows of the design, in pixels.
constexpr std::array<qreal, 5> kReelLeft = {970 / kTwip, 3020 / kTwip, 5050 / kTwip, 7100 / kTwip, 9140 / kTwip};
constexpr qreal kReelTop = 1025 / kTwip;
constexpr qreal kReelWidth = 125;
constexpr qreal kReelHeight = 375;

void paintGoldFrame(QPainter &p, const QRectF &r, qreal radius, qreal width)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 4, 0, 200), width + 2));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(QPen(QBrush(goldGradient(r.topLeft(), r.bottomRight())), width));
    p.drawRoundedRect(r, radius, radius);
    p.restore();
}

void paintNote(QPainter &p, QPointF head, qreal size, const QBrush &brush)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.translate(head);
    p.rotate(-22);
    p.drawEllipse(QPointF(0, 0), size, size * 0.7);
    p.restore();
    p.fillRect(QRectF(head.x() + size * 0.78, head.y() - size * 4.2, size * 0.28, size * 4.2), brush);
}

// A dark panel with rounded corners, lit by `stops` from top to bottom, in a gold frame
// `frameWidth` wide with a faint line inside it.
void paintPanel(QPainter &p, const QRectF &panel, std::initializer_list<QGradientStop> stops, qreal frameWidth,
                int lineAlpha)
{
    QPainterPath shape;
    shape.addRoundedRect(panel, 12, 12);
    p.fillPath(shape, withStops(QLinearGradient(panel.topLeft(), panel.bottomLeft()), stops));
    paintGoldFrame(p, panel, 12, frameWidth);
    p.setPen(QPen(QColor(255, 220, 140, lineAlpha), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(5, 5, -5, -5), 9, 9);
}

void paintVelvet(QPainter &p, const QRectF &r)
{
    p.fillRect(r, withStops(QRadialGradient(QPointF(400, 250), 600),
                            {{0.0, QColor(120, 16, 30)}, {0.5, QColor(70, 6, 16)},
                             {1.0, QColor::fromRgb(Pictures::kCabinetGround)}}));
    // a faint lattice of gold thread
    p.save();
    p.setPen(QPen(QColor(255, 200, 90, 14), 1.0));
    for (qreal x = -600; x < r.width() + 600; x += 26) {
        p.drawLine(QPointF(x, 0), QPointF(x + r.height(), r.height()));
        p.drawLine(QPointF(x, 0), QPointF(x - r.height(), r.height()));
    }
    p.restore();
}

void paintTitle(QPainter &p)
{
    // The title is written on a staff on a plate in the middle of the top; the top corners
    // stay plain for the meters, but for a gold clef and a pair of notes at the very edges.
    const QColor ink(240, 196, 96);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(fitted(trebleClef(), QRectF(28, 12, 22, 48)));
    paintNote(p, QPointF(797, 50), 3.6, ink);
    paintNote(p, QPointF(808, 45), 3.6, ink);
    QPainterPath beam(QPointF(799.6, 34.9));
    beam.lineTo(810.6, 29.9);
    beam.lineTo(810.6, 32.9);
    beam.lineTo(799.6, 37.9);
    beam.closeSubpath();
    p.fillPath(beam, ink);
    p.restore();

    const QRectF plate(250, 4, 300, 50);
    QPainterPath shape;
    shape.addRoundedRect(plate, 16, 16);
    p.fillPath(shape, withStops(QLinearGradient(plate.topLeft(), plate.bottomLeft()),
                                {{0, QColor(110, 12, 28)}, {1, QColor(40, 2, 8)}}));

    // the staff behind the letters, a small clef at its start and a double bar at its end
    const qreal gap = 7.0;
    const qreal top = plate.center().y() - 2 * gap;
    p.save();
    p.setPen(QPen(QColor(236, 190, 90, 150), 1.0));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(plate.left() + 12, top + i * gap), QPointF(plate.right() - 12, top + i * gap));
    p.setPen(QPen(QColor(236, 190, 90, 170), 1.2));
    p.drawLine(QPointF(plate.right() - 16, top), QPointF(plate.right() - 16, top + 4 * gap));
    p.setPen(QPen(QColor(236, 190, 90, 170), 2.4));
    p.drawLine(QPointF(plate.right() - 12.5, top), QPointF(plate.right() - 12.5, top + 4 * gap));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 190, 90, 190));
    p.drawPath(fitted(trebleClef(), QRectF(plate.left() + 12, top - 7, 12, 4 * gap + 14)));
    p.restore();
    paintGoldFrame(p, plate, 16, 2.4);

    const QPainterPath title = fittedText(QStringLiteral("MELVANE"), font(QStringLiteral("DejaVu Serif"), true), plate.adjusted(30, 8, -30, -8), 1.12);
    paintEmbossed(p, title, {.fill = goldGradient(QPointF(0, 10), QPointF(0, 52)), .outline = QColor(40, 0, 4),
                             .outlineWidth = 1.4, .rim = QColor(255, 246, 210), .rimWidth = 0.8,
                             .shadowOffset = QPointF(2, 2.5), .shadowAlpha = 170, .glossAlpha = 90});
}

void paintReelBay(QPainter &p)
{
    paintPanel(p, QRectF(52, 57, 695, 398), {{0, QColor(26, 6, 10)}, {1, QColor(8, 1, 3)}}, 3.0, 60);

    for (qreal left : kReelLeft) {
        const QRectF window(left, kReelTop, kReelWidth, kReelHeight);
        p.fillRect(window, withStops(QLinearGradient(window.topLeft(), window.bottomLeft()),
                                     {{0.0, QColor(8, 8, 12)}, {0.5, QColor(34, 30, 40)}, {1.0, QColor(8, 8, 12)}}));
        paintGoldFrame(p, window.adjusted(-3, -3, 3, 3), 4, 1.6);
    }
    // row markers beside the first and the last reel
    p.setPen(QPen(QColor(60, 20, 0), 0.8));
    p.setBrush(goldGradient(QPointF(0, 60), QPointF(0, 450)));
    for (int row = 0; row < 3; ++row) {
        const qreal y = kReelTop + kReelWidth * (row + 0.5);
        QPainterPath left(QPointF(54.5, y - 6));
        left.lineTo(60.5, y);
        left.lineTo(54.5, y + 6);
        left.closeSubpath();
        QPainterPath right(QPointF(744.5, y - 6));
        right.lineTo(738.5, y);
        right.lineTo(744.5, y + 6);
        right.closeSubpath();
        p.drawPath(left);
        p.drawPath(right);
    }
}

void paintDeck(QPainter &p)
{
    paintPanel(p, QRectF(24, 463, 772, 100),
               {{0.0, QColor(92, 14, 26)}, {0.5, QColor(52, 6, 14)}, {1.0, QColor(24, 2, 6)}}, 2.4, 55);
}

void paintKeyboard(QPainter &p)
{
    const QRectF strip(24, 567, 772, 24);
    const int whiteKeys = 56;
    const qreal keyWidth = strip.width() / whiteKeys;
    p.fillRect(strip, withStops(QLinearGradient(strip.topLeft(), strip.bottomLeft()),
                                {{0, QColor(255, 252, 238)}, {1, QColor(214, 204, 178)}}));
    p.setPen(QPen(QColor(110, 96, 70), 0.8));
    for (int i = 1; i < whiteKeys; ++i)
        p.drawLine(QPointF(strip.left() + i * keyWidth, strip.top()), QPointF(strip.left() + i * keyWidth, strip.bottom()));
    const QLinearGradient ebony = withStops(QLinearGradient(strip.topLeft(), strip.bottomLeft()),
                                            {{0, QColor(60, 60, 70)}, {1, QColor(6, 6, 10)}});
    for (int i = 0; i < whiteKeys - 1; ++i) {
        const int inOctave = i % 7; // C D E F G A B: black keys after C, D, F, G, A
        if (inOctave == 2 || inOctave == 6)
            continue;
        const QRectF key(strip.left() + (i + 1) * keyWidth - keyWidth * 0.3, strip.top(), keyWidth * 0.6, strip.height() * 0.6);
        p.fillRect(key, ebony);
    }
    p.fillRect(QRectF(strip.left(), strip.top(), strip.width(), 2.5), QColor(30, 4, 8));
    paintGoldFrame(p, strip.adjusted(-1, -1, 1, 1), 3, 1.6);
}

} // namespace

QImage backgroundPicture(qreal dpr)
{
    QImage image = canvas(kWidth, kHeight, dpr, Qt::black);
    QPainter p(&image);
    prepare(p);
    const QRectF all(0, 0, kWidth, kHeight);
    paintVelvet(p, all);
    paintGoldFrame(p, all.adjusted(4, 4, -4, -4), 14, 3.0);
    paintTitle(p);
    paintReelBay(p);
    paintDeck(p);
    paintKeyboard(p);
    return image;
}

namespace {

struct FaceStyle {
    QColor top;
    QColor middle;
    QColor bottom;
};

FaceStyle faceStyle(ButtonFace face)
{
    switch (face) {
    case ButtonFace::FastMoney: return {QColor(120, 236, 150), QColor(24, 150, 66), QColor(4, 72, 28)};
    case ButtonFace::Collect: return {QColor(255, 214, 120), QColor(226, 110, 16), QColor(130, 40, 0)};
    case ButtonFace::AutoplayOn: return {QColor(130, 196, 255), QColor(28, 100, 220), QColor(6, 36, 110)};
    case ButtonFace::AutoplayOff: return {QColor(255, 140, 140), QColor(206, 24, 40), QColor(100, 0, 10)};
    }
    return {Qt::gray, Qt::darkGray, Qt::black};
}

void paintWords(QPainter &p, const QString &text, const QRectF &box, qreal stretch = 1.0)
{
    paintCreamLettering(p, fittedText(text, font(QStringLiteral("DejaVu Sans"), true), box, stretch), 1.1);
}

void paintCoins(QPainter &p, QPointF base)
{
    for (int i = 0; i < 3; ++i) {
        const QPointF c = base - QPointF(0, 5.0 * i);
        QPainterPath side;
        side.addRect(QRectF(c.x() - 11, c.y(), 22, 3.5));
        side.addEllipse(QPointF(c.x(), c.y() + 3.5), 11, 4.2);
        p.setPen(QPen(QColor(90, 50, 0), 0.8));
        p.setBrush(QColor(196, 130, 20));
        p.drawPath(side.simplified());
        p.setBrush(goldGradient(c - QPointF(11, 4), c + QPointF(11, 4)));
        p.drawEllipse(c, 11, 4.2);
    }
    const QPointF top = base - QPointF(0, 10);
    p.fillPath(fittedText(QStringLiteral("$"), font(QStringLiteral("DejaVu Sans"), true), QRectF(top.x() - 3, top.y() - 3.2, 6, 6.4)),
               QColor(120, 70, 0));
}

void paintIcon(QPainter &p, QPointF centre, bool play)
{
    p.setPen(QPen(QBrush(goldGradient(centre - QPointF(12, 12), centre + QPointF(12, 12))), 1.8));
    p.setBrush(withStops(QRadialGradient(centre - QPointF(3, 4), 15),
                         {{0, QColor(255, 253, 240)}, {1, QColor(214, 200, 160)}}));
    p.drawEllipse(centre, 12.5, 12.5);
    p.setPen(Qt::NoPen);
    if (play) {
        QPainterPath triangle(centre + QPointF(-4, -7));
        triangle.lineTo(centre + QPointF(7.5, 0));
        triangle.lineTo(centre + QPointF(-4, 7));
        triangle.closeSubpath();
        p.fillPath(triangle, QColor(20, 80, 200));
    } else {
        QPainterPath square;
        square.addRoundedRect(QRectF(centre.x() - 5.5, centre.y() - 5.5, 11, 11), 1.5, 1.5);
        p.fillPath(square, QColor(190, 10, 26));
    }
}

} // namespace

QImage buttonFace(ButtonFace face, qreal dpr)
{
    const int width = face == ButtonFace::Collect ? 162 : 102;
    const int height = 42;
    QImage image = canvas(width, height, dpr);
    QPainter p(&image);
    prepare(p);
    const QRectF r(0, 0, width, height);
    const QRectF body = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath shape;
    shape.addRoundedRect(body, 11, 11);
    const FaceStyle colours = faceStyle(face);
    p.fillPath(shape, withStops(QLinearGradient(body.topLeft(), body.bottomLeft()),
                                {{0.0, colours.top}, {0.5, colours.middle}, {1.0, colours.bottom}}));
    QPainterPath upper;
    upper.addRoundedRect(body.adjusted(3, 2.5, -3, -body.height() / 2), 8, 8);
    p.fillPath(upper, withStops(QLinearGradient(body.topLeft(), QPointF(body.left(), body.center().y())),
                                {{0, QColor(255, 255, 255, 110)}, {1, QColor(255, 255, 255, 10)}}));
    p.setPen(QPen(QColor(20, 6, 0), 3.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.setPen(QPen(QBrush(goldGradient(body.topLeft(), body.bottomRight())), 2.0));
    p.drawPath(shape);

    switch (face) {
    case ButtonFace::FastMoney:
        paintCoins(p, QPointF(20, 25));
        paintWords(p, QStringLiteral("$50"), QRectF(38, 5, 56, 18));
        //: Under "$50" on the button that gives the player $50 of play money at once.
        paintWords(p, QCoreApplication::translate("melvane::Pictures", "FAST"), QRectF(40, 25, 52, 11), 1.2);
        break;
    case ButtonFace::Collect:
        //: The button that takes the gamble's winnings to the bank.
        paintWords(p, QCoreApplication::translate("melvane::Pictures", "COLLECT"), QRectF(24, 9, 114, 24), 1.05);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 200));
        p.drawPath(sparkle(QPointF(14, 21), 6));
        p.drawPath(sparkle(QPointF(148, 21), 6));
        break;
    case ButtonFace::AutoplayOn:
    case ButtonFace::AutoplayOff: {
        const bool on = face == ButtonFace::AutoplayOn;
        paintIcon(p, QPointF(21, 21), on);
        // Two short lines beside the icon, each squeezed into its own line of the face.
        const char *const context = "melvane::Pictures";
        const QString first = on ? QCoreApplication::translate(context, "AUTO", "first line of the autoplay button")
                                 : QCoreApplication::translate(context, "STOP",
                                                               "first line of the button that stops autoplay");
        const QString second = on ? QCoreApplication::translate(context, "PLAY", "second line of the autoplay button")
                                  : QCoreApplication::translate(context, "AUTO",
                                                                "second line of the button that stops autoplay");
        paintWords(p, first, QRectF(39, 6, 56, 14));
        paintWords(p, second, QRectF(39, 22, 56, 14));
        break;
    }
    }
    return image;
}

} // namespace melvane::art
