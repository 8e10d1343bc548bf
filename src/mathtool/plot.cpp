#include "mathtool/plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "mathtool/messages.h"
#include "platform/qt/gamefont.h"
#include "platform/qt/languages.h"
#include "rules/grid.h"
#include "rules/payoutcontrol.h"

namespace melvane::mathtool {

namespace {

constexpr int kWidth = 960;
constexpr int kHeight = 600;
constexpr QRectF kPlot(100, 118, 820, 380); // the bars' area

const QColor kInk(0x22, 0x22, 0x2a);
const QColor kGrid(0xd8, 0xd8, 0xe0);
const QColor kBase(0x3b, 0x6e, 0xb4);
const QColor kBonus(0xe0, 0x9a, 0x1f);

QString bandLabel(const WinBand &b)
{
    if (b.high == 0)
        return QStringLiteral("no win");
    if (std::isinf(b.high))
        return QStringLiteral("over %1x").arg(b.low);
    if (b.low == 0)
        return QStringLiteral("up to %1x").arg(b.high);
    return QStringLiteral("%1-%2x").arg(b.low).arg(b.high);
}

// "1", "1/10", ..., "1/1M" for the decades of the chance axis.
QString decadeLabel(int decade)
{
    static const char *const names[] = {"1", "1/10", "1/100", "1/1k", "1/10k", "1/100k", "1/1M", "1/10M", "1/100M"};
    if (decade < static_cast<int>(std::size(names)))
        return QString::fromLatin1(names[decade]);
    return QStringLiteral("1e-%1").arg(decade);
}

QString oneIn(double chance)
{
    if (chance <= 0)
        return QStringLiteral("never");
    const double n = 1.0 / chance;
    return QStringLiteral("1 in ") + (n < 100 ? QString::number(n, 'f', 1) : QString::number(std::round(n), 'f', 0));
}

void paint(QPainter &p, const ParSheet &s)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);

    const std::string_view payout = payoutSettingName(s.rtp.machinepay);
    p.setPen(kInk);
    p.setFont(gameFont(22, true));
    p.drawText(QRectF(30, 16, kWidth - 60, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Melvane: %1 ways, payout %2 (%3)")
                   .arg(s.rtp.ways)
                   .arg(QString::fromUtf8(payout.data(), static_cast<int>(payout.size())))
                   .arg(s.rtp.machinepay));
    p.setFont(gameFont(14));
    p.drawText(QRectF(30, 48, kWidth - 60, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Win of a paid spin with its whole bonus, in stakes. Return %1 %, standard deviation "
                              "%2, volatility index %3 (%4)")
                   .arg(s.rtp.totalReturn * 100, 0, 'f', 2)
                   .arg(s.volatility.standardDeviation, 0, 'f', 2)
                   .arg(s.volatility.volatilityIndex, 0, 'f', 2)
                   .arg(QString::fromUtf8(volatilityWord(s.volatility.volatilityIndex).data())));

    const ChanceAxis axis = chanceAxis(s);
    const int decades = axis.decades;

    p.setFont(gameFont(12));
    for (int d = 0; d <= decades; ++d) {
        const double y = kPlot.top() + kPlot.height() * d / decades;
        p.setPen(QPen(kGrid, 1));
        p.drawLine(QPointF(kPlot.left(), y), QPointF(kPlot.right(), y));
        p.setPen(kInk);
        p.drawText(QRectF(kPlot.left() - 70, y - 9, 62, 18), Qt::AlignRight | Qt::AlignVCenter, decadeLabel(d));
    }
    p.save();
    p.translate(24, kPlot.center().y());
    p.rotate(-90);
    p.setFont(gameFont(13));
    p.drawText(QRectF(-160, -10, 320, 20), Qt::AlignCenter, QStringLiteral("chance per paid spin (log scale)"));
    p.restore();

    const double slot = kPlot.width() / static_cast<double>(s.bands.size());
    for (std::size_t i = 0; i < s.bands.size(); ++i) {
        const WinBand &b = s.bands[i];
        const double left = kPlot.left() + slot * static_cast<double>(i);
        const QRectF labelBox(left, kPlot.bottom() + 6, slot, 18);
        p.setPen(kInk);
        p.setFont(gameFont(12));
        p.drawText(labelBox, Qt::AlignCenter, bandLabel(b));
        if (b.chance() <= 0)
            continue;
        // Each part has a bar of its own on the one log scale: a share of a log-scale length
        // would read as a far smaller chance than the part's.
        const BandBars bars = bandBars(axis, b);
        const auto bar = [&](double from, double top, double chance, const QColor &colour) {
            if (chance <= 0)
                return;
            const QRectF box(left + slot * from, top, slot * 0.34, kPlot.bottom() - top);
            p.fillRect(box, colour);
            p.setPen(QPen(kInk, 0.8));
            p.drawRect(box);
        };
        bar(0.14, bars.baseTop, b.baseChance, kBase);
        bar(0.52, bars.bonusTop, b.bonusChance, kBonus);
        // The band's whole chance: a mark across both bars, and the wait it means.
        p.setPen(QPen(kInk, 2));
        p.drawLine(QPointF(left + slot * 0.08, bars.totalTop), QPointF(left + slot * 0.92, bars.totalTop));
        p.setFont(gameFont(11));
        p.drawText(QRectF(left, bars.totalTop - 18, slot, 16), Qt::AlignCenter, oneIn(b.chance()));
    }
    p.setPen(QPen(kInk, 1.2));
    p.drawLine(kPlot.bottomLeft(), kPlot.bottomRight());
    p.drawLine(kPlot.bottomLeft(), kPlot.topLeft());
    p.setFont(gameFont(13));
    p.drawText(QRectF(kPlot.left(), kPlot.bottom() + 26, kPlot.width(), 20), Qt::AlignCenter,
               QStringLiteral("win of the paid spin, bonus included, in stakes"));

    // The legend.
    const double legendTop = kHeight - 44;
    const auto key = [&](double x, const QColor &colour, const QString &text) {
        p.fillRect(QRectF(x, legendTop + 3, 16, 14), colour);
        p.setPen(kInk);
        p.drawText(QRectF(x + 22, legendTop, 220, 20), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    p.setFont(gameFont(13));
    key(kPlot.left(), kBase, QStringLiteral("base game"));
    key(kPlot.left() + 130, kBonus, QStringLiteral("bonus rounds"));
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(kPlot.left() + 270, legendTop + 10), QPointF(kPlot.left() + 290, legendTop + 10));
    p.drawText(QRectF(kPlot.left() + 298, legendTop, 120, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("both"));
    p.setFont(gameFont(11));
    p.drawText(QRectF(kPlot.left() + 360, legendTop, kPlot.width() - 360, 20), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("exact from the full cycle of 22^5 stop sets; each bar reads on the scale"));
}

// Qt's notes on the platform (a missing runtime folder, say) are no business of the tool's
// output; its errors still reach standard error.
void quietNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Painting text needs a GUI application; a tool without one gets the offscreen platform, which
// needs no display. The application takes its arguments apart, so each gets its own copy.
class PaintingGui {
public:
    PaintingGui() : argv_{name_, option_, platform_, nullptr}, app_(argc_, argv_.data())
    {
        installTranslations(app_, std::nullopt);
    }

private:
    int argc_ = 3;
    char name_[13] = "melvane-math";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    std::array<char *, 4> argv_;
    QGuiApplication app_;
};

std::string cannotWrite(const std::string &file, const QFile &out)
{
    return filled(QCoreApplication::translate("melvane::MathTool", "cannot write %1: %2"),
                  {file, out.errorString().toStdString()});
}

std::unique_ptr<PaintingGui> guiForPainting()
{
    if (QCoreApplication::instance() != nullptr)
        return nullptr;
    return std::make_unique<PaintingGui>();
}

} // namespace

double ChanceAxis::yOf(double chance) const
{
    const double depth =
        chance > 0 ? std::clamp(-std::log10(chance), 0.0, static_cast<double>(decades)) : static_cast<double>(decades);
    return top + (bottom - top) * depth / decades;
}

ChanceAxis chanceAxis(const ParSheet &sheet)
{
    // The axis reaches one decade below the least likely part of a band that occurs.
    double least = 1;
    for (const WinBand &b : sheet.bands)
        for (const double chance : {b.baseChance, b.bonusChance})
            if (chance > 0)
                least = std::min(least, chance);
    return {kPlot.top(), kPlot.bottom(), std::max(3, static_cast<int>(std::ceil(-std::log10(least))) + 1)};
}

BandBars bandBars(const ChanceAxis &axis, const WinBand &band)
{
    return {axis.yOf(band.baseChance), axis.yOf(band.bonusChance), axis.yOf(band.chance())};
}

void plotWinBands(const ParSheet &sheet, const std::string &file, PlotFormat format)
{
    const QtMessageHandler previous = qInstallMessageHandler(quietNotes);
    struct Restore {
        QtMessageHandler handler;
        ~Restore() { qInstallMessageHandler(handler); }
    } restore{previous};
    const auto app = guiForPainting();
    const QString name = QString::fromStdString(file);
    if (format == PlotFormat::Png) {
        QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter p(&image);
            paint(p, sheet);
        }
        if (!image.save(name, "PNG"))
            throw std::runtime_error(
                filled(QCoreApplication::translate("melvane::MathTool", "cannot write %1"), {file}));
        return;
    }
    QFile out(name);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(cannotWrite(file, out));
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(QSize(kWidth, kHeight));
    svg.setViewBox(QRect(0, 0, kWidth, kHeight));
    svg.setTitle(QStringLiteral("Melvane win distribution, %1 ways, payout %2").arg(sheet.rtp.ways).arg(sheet.rtp.machinepay));
    {
        QPainter p(&svg);
        paint(p, sheet);
    }
    if (out.error() != QFileDevice::NoError)
        throw std::runtime_error(cannotWrite(file, out));
}

} // namespace melvane::mathtool
