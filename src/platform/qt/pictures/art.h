#pragma once

// Drawing helpers shared by the picture makers. Internal to the picture library: every
// function draws in logical pixels on a canvas that carries its device-pixel ratio, so the
// same code gives crisp pictures at 1x and on high-DPI screens.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <initializer_list>
#include <map>
#include <memory>
#include <vector>

#include "rules/symbols.h"

class QSvgRenderer;

namespace melvane::art {

// ---- canvas and colours -------------------------------------------------------------------

// A picture of `width` x `height` logical pixels at a device-pixel ratio, filled with `fill`;
// without an alpha channel when `fill` is opaque.
QImage canvas(int width, int height, qreal dpr, const QColor &fill = Qt::transparent);

// A painter with antialiasing and smooth picture scaling switched on.
void prepare(QPainter &painter);

// A transparent picture of `width` x `height` logical pixels at a device-pixel ratio, drawn by
// `paint` with a prepared painter and the picture's rectangle.
template <typename Paint>
QImage painted(int width, int height, qreal dpr, Paint paint)
{
    QImage image = canvas(width, height, dpr);
    QPainter p(&image);
    prepare(p);
    paint(p, QRectF(0, 0, width, height));
    return image;
}

// `gradient` with its colours set at `stops`, in order.
template <typename Gradient>
Gradient withStops(Gradient gradient, std::initializer_list<QGradientStop> stops)
{
    for (const QGradientStop &stop : stops)
        gradient.setColorAt(stop.first, stop.second);
    return gradient;
}

// Polished gold running from `from` to `to`: bright highlights and deep shadows.
QLinearGradient goldGradient(QPointF from, QPointF to);

// ---- text ---------------------------------------------------------------------------------

// A DejaVu font at a large pixel size, for outlines that are scaled to fit afterwards.
QFont font(const QString &family, bool bold, bool italic = false);

// The outline of `text`, scaled uniformly to fit into `box` and centred in it. A `stretch`
// above 1 widens the letters before fitting, below 1 condenses them.
QPainterPath fittedText(const QString &text, const QFont &font, const QRectF &box, qreal stretch = 1.0);

// `path` scaled uniformly to fit into `box`, centred.
QPainterPath fitted(const QPainterPath &path, const QRectF &box);

// How a raised shape is painted: a soft shadow, a dark outline, a bright rim, the fill and a
// glossy upper half.
struct Emboss {
    QBrush fill;
    QColor outline = QColor(40, 14, 0);
    qreal outlineWidth = 1.5;
    QBrush rim = Qt::NoBrush;
    qreal rimWidth = 0.0;
    QPointF shadowOffset = QPointF(1.5, 2.0);
    int shadowAlpha = 130;
    int glossAlpha = 70;
};
void paintEmbossed(QPainter &painter, const QPainterPath &path, const Emboss &style);
// Cream-to-gold lettering with a dark outline and no gloss, for words of `path`.
void paintCreamLettering(QPainter &painter, const QPainterPath &path, qreal outlineWidth);

// ---- shapes, each in a 100 x 100 box -------------------------------------------------------

QPainterPath trebleClef();
QPainterPath beamedNotes();
// Suit pips: 1 hearts, 2 clubs, 3 diamonds, 4 spades (the card numbers of the gamble).
QPainterPath suitPip(int card);
bool isRedSuit(int card);
// A four-pointed sparkle centred on `centre` with arms of length `radius`.
QPainterPath sparkle(QPointF centre, qreal radius, qreal waist = 0.18);
// A star with `points` points between the radii `outer` and `inner`, turned by `degrees`.
QPainterPath star(QPointF centre, int points, qreal outer, qreal inner, qreal degrees = 0);

// ---- SVG artwork --------------------------------------------------------------------------

// The hand-drawn SVG files of the library's resources, each parsed once.
class SvgBook {
public:
    SvgBook();
    ~SvgBook();
    SvgBook(const SvgBook &) = delete;
    SvgBook &operator=(const SvgBook &) = delete;

    // Renders the drawing `name` ("piano" for :/pictures/piano.svg) into `target`, keeping
    // its aspect ratio. A drawing that failed to load renders nothing.
    void render(QPainter &painter, const QString &name, const QRectF &target) const;

private:
    std::map<QString, std::unique_ptr<QSvgRenderer>> renderers_;
};

// ---- cells --------------------------------------------------------------------------------

inline constexpr int kCell = 125;

// ---- whole pictures -----------------------------------------------------------------------

// A symbol's empty cell card.
QImage cellBackground(Symbol symbol, qreal dpr);
// One of the nine paying symbols on its cell card (made by cellBackground at the same ratio).
QImage symbolPicture(Symbol symbol, const QImage &card, const SvgBook &svg);

// The Wild's symbol and its ten turning frames, on the Wild's cell card.
struct WildPictures {
    QImage symbol;
    std::vector<QImage> frames; // frames 1..10 at 0..9
};
WildPictures wildPictures(const QImage &card);

// The four sparkle frames of a multiplier's badge (2, 3, 5 or 10), on transparency.
std::vector<QImage> badgeFrames(int multiplier, qreal dpr);

// The Scatter's symbol and its seventeen frames, on the Scatter's cell card.
struct ScatterPictures {
    QImage symbol;
    std::vector<QImage> frames; // frames 1..17 at 0..16
};
ScatterPictures scatterPictures(const QImage &card);

QImage coverPicture(qreal dpr);
QImage cardPicture(int index, qreal dpr, const SvgBook &svg);  // 1..9
QImage banner(bool win, qreal dpr);
QImage backgroundPicture(qreal dpr);

enum class ButtonFace { FastMoney, Collect, AutoplayOn, AutoplayOff };
QImage buttonFace(ButtonFace face, qreal dpr);

} // namespace melvane::art
