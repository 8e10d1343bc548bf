#include "platform/qt/paytabledialog.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <QFontMetrics>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStringList>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "rules/grid.h"
#include "game/machine/melvane.h"
#include "rules/paytable.h"
#include "rules/payoutcontrol.h"
#include "rules/scatters.h"
#include "platform/qt/accessibletexts.h"
#include "platform/qt/gametexts.h"
#include "platform/qt/look.h"
#include "platform/qt/pictures/pictures.h"

namespace melvane {

namespace {

constexpr int kPictureWidth = 506;
constexpr int kPictureHeight = 596;

// The symbols in three rows of three, the best pays first.
constexpr std::array<Symbol, kPayingCount> kGridOrder = {Symbol::Composer, Symbol::Piano, Symbol::Tuba,
                                                         Symbol::Cello,    Symbol::Harp,  Symbol::Drum,
                                                         Symbol::K,        Symbol::Q,     Symbol::J};
constexpr int kGridLeft = 13;
constexpr int kGridTop = 62;
constexpr int kCellWidth = 160;
constexpr int kCellHeight = 90;

const QColor kGold(0xff, 0xd5, 0x4a);
const QColor kCream(0xf3, 0xe6, 0xc4);
const QColor kFrame(0xb8, 0x89, 0x2c);

// Draws into the picture and keeps a note of every text, for whoever checks what it says, and
// of the lines a screen reader reads.
class Canvas {
public:
    static bool fits(const QString &s, const QFont &font, const QRect &box, int flags)
    {
        const QRect needed = QFontMetrics(font).boundingRect(box, flags, s);
        return needed.width() <= box.width() && needed.height() <= box.height();
    }

    explicit Canvas(PaytablePicture &out, QPainter &p) : out_(out), p_(p) {}

    // A text too long for its box in a language runs smaller, down to three quarters of its
    // size: the picture's layout stays the same in every language.
    void text(const QRect &box, int flags, const QString &s, const QFont &f, const QColor &colour)
    {
        QFont font = f;
        const int smallest = f.pixelSize() * 3 / 4;
        while (font.pixelSize() > smallest && !fits(s, font, box, flags))
            font.setPixelSize(font.pixelSize() - 1);
        p_.setFont(font);
        p_.setPen(colour);
        p_.drawText(box, flags, s);
        out_.texts.push_back({{s, box}, font, flags});
    }
    void line(const QRect &box, const QString &s) { out_.lines.push_back({s, box}); }
    // A text that reads as it stands: drawn, and a line of its own.
    void sentence(const QRect &box, int flags, const QString &s, const QFont &f, const QColor &colour)
    {
        text(box, flags, s, f, colour);
        line(box, s);
    }
    void panel(const QRect &box, const QColor &fill, const QColor &border)
    {
        QPainterPath path;
        path.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        p_.fillPath(path, fill);
        p_.setPen(QPen(border, 1));
        p_.drawPath(path);
    }
    QPainter &painter() { return p_; }

private:
    PaytablePicture &out_;
    QPainter &p_;
};

constexpr int kLeft = static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
constexpr int kRight = static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
constexpr int kCentre = static_cast<int>(Qt::AlignHCenter | Qt::AlignVCenter);
constexpr int kWrapped = static_cast<int>(Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

// "2, 3, 5 or 10".
QString spokenList(const std::vector<int> &numbers)
{
    QStringList each;
    for (const int n : numbers)
        each << QString::number(n);
    if (each.size() < 2)
        return each.join(QString());
    const QString last = each.takeLast();
    return PaytableDialog::tr("%1 or %2").arg(each.join(QStringLiteral(", ")), last);
}

// The scatter code of Scatters on reels 1 to n.
int codeOfFirstReels(int n)
{
    int code = 0;
    for (int r = 1; r <= n; ++r)
        code += reelweight(r);
    return code;
}

void drawSymbol(Canvas &c, const Pictures &pictures, Symbol s, const QRect &cell, PaytablePicture &out)
{
    const QRect area = cell.adjusted(3, 3, -3, -3);
    c.panel(area, QColor(22, 6, 9, 235), kFrame);
    c.painter().drawPixmap(QRect(area.left() + 6, area.top() + 5, 56, 56), pictures.symbol(s));
    // The card symbols keep their letters; the pictures are named in the player's language.
    const bool letter = s == Symbol::K || s == Symbol::Q || s == Symbol::J;
    c.text({area.left() + 2, area.top() + 63, 64, 16}, kCentre,
           letter ? QString::fromUtf8(symbolName(s).data(), static_cast<int>(symbolName(s).size()))
                  : AccessibleTexts::symbol(s),
           gameFont(10), kCream);
    int line = 0;
    const int lines = basePay(s, 2) > 0 ? 4 : 3;
    const int top = area.top() + (area.height() - 18 * lines) / 2;
    std::vector<std::pair<int, int>> runs; // read shortest first
    for (int run = kReels; run >= 2; --run) {
        const int pay = basePay(s, run);
        if (pay <= 0)
            continue;
        const int y = top + 18 * line++;
        // The pay stands right in its column; the run's words have what it leaves them.
        const QFont payFont = gameFont(12, true);
        const int payLeft = area.left() + 150 - QFontMetrics(payFont).horizontalAdvance(payLabel(pay)) - 2;
        c.text({area.left() + 72, y, std::min(46, payLeft - area.left() - 72), 18}, kLeft, runLabel(run), gameFont(11),
               kCream);
        c.text({area.left() + 110, y, 40, 18}, kRight, payLabel(pay), payFont, kGold);
        runs.insert(runs.begin(), {run, pay});
    }
    c.line(area, AccessibleTexts::pays(s, runs));
    out.symbols.push_back({s, area});
}

void drawScatter(Canvas &c, const Pictures &pictures, const QRect &box)
{
    c.panel(box, QColor(22, 6, 9, 235), kFrame);
    c.painter().drawPixmap(QRect(box.left() + 6, box.top() + 6, 44, 44), pictures.symbol(Symbol::Scatter));
    c.text({box.left() + 56, box.top() + 6, box.width() - 62, 18}, kLeft, PaytableDialog::tr("SCATTER"),
           gameFont(13, true), kGold);
    const QString rule = PaytableDialog::tr("From reel 1 rightwards, paid on the whole stake");
    c.text({box.left() + 56, box.top() + 24, box.width() - 62, 28}, kWrapped, rule, gameFont(10), kCream);
    c.line({box.left(), box.top(), box.width(), 52}, AccessibleTexts::rule(Symbol::Scatter, rule));
    int line = 0;
    for (int n = kReels; n >= 3; --n) {
        const int code = codeOfFirstReels(n);
        const int y = box.top() + 54 + 16 * line++;
        // The spins added count the triggering spin; the player is given the rest.
        c.line({box.left(), y, box.width(), 16},
               AccessibleTexts::scatterPays(n, scatterPayMultiple(code), freeSpinsAdded(code) - 1));
        c.text({box.left() + 8, y, 66, 16}, kLeft, PaytableDialog::tr("%n Scatters", nullptr, n), gameFont(11), kCream);
        c.text({box.left() + 74, y, 72, 16}, kRight, PaytableDialog::tr("%1 x stake").arg(scatterPayMultiple(code)),
               gameFont(11, true), kGold);
        c.text({box.left() + 150, y, box.width() - 156, 16}, kRight,
               PaytableDialog::tr("%n free spins", nullptr, freeSpinsAdded(code) - 1), gameFont(11), kCream);
    }
}

void drawWild(Canvas &c, const Pictures &pictures, const QRect &box)
{
    c.panel(box, QColor(22, 6, 9, 235), kFrame);
    c.painter().drawPixmap(QRect(box.left() + 6, box.top() + 6, 44, 44), pictures.symbol(Symbol::Wild));
    c.text({box.left() + 56, box.top() + 6, box.width() - 62, 18}, kLeft, PaytableDialog::tr("WILD"),
           gameFont(13, true), kGold);
    const QString rule =
        PaytableDialog::tr("Reels 2 and 4 only: stands in for every paying symbol and counts as a Scatter");
    c.text({box.left() + 56, box.top() + 23, box.width() - 60, 42}, kWrapped, rule, gameFont(10), kCream);
    c.line({box.left(), box.top(), box.width(), 66}, AccessibleTexts::rule(Symbol::Wild, rule));
    std::vector<int> multipliers;
    for (const auto &[multiplier, chance] : wildMultiplierDistribution())
        if (chance > 0)
            multipliers.push_back(multiplier);
    std::sort(multipliers.begin(), multipliers.end());
    c.sentence({box.left() + 8, box.top() + 68, box.width() - 16, 32}, kWrapped,
               PaytableDialog::tr("In free spins every win is multiplied by %1.").arg(spokenList(multipliers)),
               gameFont(11, true), kGold);
}

void drawReturns(Canvas &c, const PaytableFacts &facts, int top)
{
    c.sentence({kGridLeft, top, kPictureWidth - 2 * kGridLeft, 18}, kLeft,
               PaytableDialog::tr("Return to player at %1 ways").arg(waysForWaysmult(facts.waysmult)),
               gameFont(12, true), kGold);
    std::vector<int> chances;
    for (std::size_t i = 0; i < kPayoutSettings.size(); ++i) {
        const int setting = kPayoutSettings[i];
        chances.push_back(setting);
        const QRect column(kGridLeft + static_cast<int>(i) * kCellWidth, top + 20, kCellWidth, 40);
        const bool inForce = setting == facts.machinepay;
        c.panel(column.adjusted(3, 0, -3, 0), inForce ? QColor(120, 10, 20, 235) : QColor(22, 6, 9, 235),
                inForce ? kGold : kFrame);
        const std::string_view name = payoutSettingName(setting);
        c.text({column.left(), column.top() + 2, column.width(), 16}, kCentre,
               GameTexts::text(std::string(name)), gameFont(11), kCream);
        const auto figure = std::find_if(facts.returns.begin(), facts.returns.end(),
                                         [setting](const RtpFigures &f) { return f.machinepay == setting; });
        const QString shown = figure != facts.returns.end() ? percentLabel(figure->totalReturn) : QString();
        if (!shown.isEmpty())
            c.text({column.left(), column.top() + 18, column.width(), 20}, kCentre, shown, gameFont(15, true), kGold);
        c.line(column, AccessibleTexts::payoutReturn(std::string(name), shown, inForce));
    }
    // The payout settings differ only in how often a big win stands.
    c.sentence({kGridLeft, top + 66, kPictureWidth - 2 * kGridLeft, 32}, kWrapped,
               PaytableDialog::tr("A win above twice the stake stands only with the chance the payout setting gives, "
                                  "1 in %1; otherwise the spin is drawn again.")
                   .arg(spokenList(chances)),
               gameFont(11), kCream);
    if (facts.volatility) {
        c.sentence({kGridLeft, top + 100, kPictureWidth - 2 * kGridLeft, 18}, kLeft,
                   volatilityLabel(*facts.volatility), gameFont(12, true), kGold);
        c.sentence({kGridLeft, top + 118, kPictureWidth - 2 * kGridLeft, 18}, kLeft, sessionsLabel(*facts.volatility),
                   gameFont(11), kCream);
    }
}

// A button whose caption, kept exactly as it is, breaks at its blanks when it does not fit
// on one line: the close button is narrower than its caption.
class WrappingButton : public QPushButton {
public:
    WrappingButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
    {
        setProperty("wrapsText", true);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton face;
        initStyleOption(&face);
        face.text.clear();
        p.drawControl(QStyle::CE_PushButton, face);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(rect().adjusted(3, 2, -3, -2), static_cast<int>(Qt::AlignCenter | Qt::TextWordWrap), text());
    }
};

} // namespace

ReturnToPlayerCache::ReturnToPlayerCache()
    : table_(std::async(std::launch::async, exactRtpTable).share()),
      volatility_(std::async(std::launch::async, volatilityTable).share())
{
}

ReturnToPlayerCache::~ReturnToPlayerCache() = default;

std::vector<RtpFigures> ReturnToPlayerCache::figures(int waysmult) const
{
    std::vector<RtpFigures> rows;
    for (const RtpFigures &f : table_.get())
        if (f.waysmult == waysmult)
            rows.push_back(f);
    return rows;
}

std::optional<Volatility> ReturnToPlayerCache::volatility(int waysmult, int machinepay) const
{
    const std::vector<RtpFigures> &settings = table_.get();
    const std::vector<Volatility> &spreads = volatility_.get();
    for (std::size_t i = 0; i < settings.size() && i < spreads.size(); ++i)
        if (settings[i].waysmult == waysmult && settings[i].machinepay == machinepay)
            return spreads[i];
    return std::nullopt;
}

QString volatilityLabel(const Volatility &v)
{
    return PaytableDialog::tr("Volatility: %1").arg(GameTexts::text(std::string(volatilityWord(v.volatilityIndex))));
}

QString sessionsLabel(const Volatility &v)
{
    constexpr std::uint64_t kSpins = 1'000;
    const auto session = std::find_if(v.sessions.begin(), v.sessions.end(),
                                      [](const SessionRange &r) { return r.spins == kSpins; });
    if (session == v.sessions.end())
        return {};
    const auto whole = [](double share) { return QString::number(std::lround(share * 100.0)); };
    return PaytableDialog::tr("9 in 10 sessions of 1,000 spins return between %1% and %2%")
        .arg(whole(session->low), whole(session->high));
}

QString runLabel(int run) { return PaytableDialog::tr("%n reels", nullptr, run); }
QString payLabel(int pay) { return QString::number(pay); }
QString percentLabel(double share) { return QString::number(share * 100.0, 'f', 2) + QStringLiteral(" %"); }

PaytablePicture drawPaytable(const PaytableFacts &facts, const Pictures &pictures)
{
    return drawPaytable(facts, pictures, pictures.devicePixelRatio());
}

PaytablePicture drawPaytable(const PaytableFacts &facts, const Pictures &pictures, qreal dpr)
{
    PaytablePicture out;
    out.picture = QPixmap(QSize(kPictureWidth, kPictureHeight) * dpr);
    out.picture.setDevicePixelRatio(dpr);
    QPainter p(&out.picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient ground(0, 0, 0, kPictureHeight);
    ground.setColorAt(0, QColor(0x5a, 0x12, 0x1c));
    ground.setColorAt(1, QColor(0x1c, 0x06, 0x09));
    p.fillRect(0, 0, kPictureWidth, kPictureHeight, ground);
    p.setPen(QPen(QColor(0xd4, 0xa7, 0x3a), 3));
    p.drawRect(QRectF(1.5, 1.5, kPictureWidth - 3, kPictureHeight - 3));

    Canvas c(out, p);
    c.text({16, 8, 380, 28}, kLeft, PaytableDialog::tr("PAY TABLE"), gameFont(22, true), kGold);
    c.sentence({16, 36, 390, 18}, kLeft, PaytableDialog::tr("Pays per way for one coin of the bet, runs from the left"),
               gameFont(11), kCream);
    for (std::size_t i = 0; i < kGridOrder.size(); ++i) {
        const int column = static_cast<int>(i % 3);
        const int row = static_cast<int>(i / 3);
        drawSymbol(c, pictures, kGridOrder[i],
                   {kGridLeft + column * kCellWidth, kGridTop + row * kCellHeight, kCellWidth, kCellHeight}, out);
    }
    const int specialTop = kGridTop + 3 * kCellHeight + 6;
    drawScatter(c, pictures, {kGridLeft + 3, specialTop, 234, 104});
    drawWild(c, pictures, {kGridLeft + 243, specialTop, 234, 104});
    drawReturns(c, facts, specialTop + 112);
    return out;
}

PaytableDialog::PaytableDialog(PaytableWindow &model, const Melvane &machine, const Pictures &pictures,
                               const ReturnToPlayerCache &returns)
    : ModelDialog(model, "melvanepays", {kPictureWidth, kPictureHeight}), m_(machine), pictures_(&pictures),
      returns_(returns)
{
    setWindowTitle(tr("PAYTABLE"));
    background_ = new QLabel(this);
    background_->setGeometry(0, 0, kPictureWidth, kPictureHeight);
    background_->setScaledContents(true);
    background_->setAccessibleName(AccessibleTexts::payTable());
    read_ = std::make_unique<ReadablePicture>(*background_, QSize(kPictureWidth, kPictureHeight));
    command1_ = new WrappingButton(tr("close  paytable"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setAccessibleName(AccessibleTexts::closePayTable());
    command1_->setGeometry(418, 7, 73, 33); // 6270, 105, 1095 x 495 twips
    // Enter closes the window, as Escape does: the button is all it holds.
    command1_->setDefault(true);
    // The button alone takes the machine's look: the picture is the window's ground.
    setStyled(command1_);
    connect(command1_, &QPushButton::clicked, this, [this] { reject(); });
    captureDesign();
    bindModel();
}

void PaytableDialog::setLook(qreal scale, const Pictures &pictures)
{
    pictures_ = &pictures;
    setScale(scale);
}

void PaytableDialog::refresh()
{
    if (model_.isOpen() && !isVisible()) {
        // Drawn afresh each time: the ways setting and the payout setting may have changed. It is
        // drawn at the window's scale and shown at the screen's ratio, so it fills the window.
        // A painter takes no ratio below 1: a smaller window shows the picture made smaller.
        const qreal screenRatio = devicePixelRatio();
        shown_ = drawPaytable({m_.waysmult, m_.g.machinepay, returns_.figures(m_.waysmult),
                               returns_.volatility(m_.waysmult, m_.g.machinepay)},
                              *pictures_, std::max<qreal>(scale(), 1.0) * screenRatio);
        QPixmap picture = shown_.picture;
        picture.setDevicePixelRatio(screenRatio);
        background_->setPixmap(picture);
        read_->setLines(shown_.lines);
        // Over the middle of the machine, kept on its screen; once shown, with its frame.
        showOverMainWindow();
        command1_->setFocus();
    } else if (!model_.isOpen() && isVisible()) {
        hide();
    }
}

void PaytableDialog::reject()
{
    // The main window takes input again, then the window goes.
    model_.close();
}

} // namespace melvane
