#include "platform/qt/autoplaydialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include "platform/qt/gametexts.h"

namespace melvane {

namespace {

constexpr int kWindowWidth = 340;
constexpr int kWindowHeight = 190;
constexpr int kMargin = 16;
constexpr int kRowHeight = 26;
constexpr int kChoiceLeft = 150;

// A choice box with a gold arrow of its own: the style's arrow keeps one size at every scale.
class ChoiceBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QComboBox::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal h = height();
        const QPointF tip(width() - 0.45 * h, 0.62 * h);
        QPainterPath arrow;
        arrow.moveTo(tip + QPointF(-0.2 * h, -0.22 * h));
        arrow.lineTo(tip + QPointF(0.2 * h, -0.22 * h));
        arrow.lineTo(tip);
        arrow.closeSubpath();
        p.fillPath(arrow, QColor(0x8a, 0x5a, 0x10));
    }
};

} // namespace

QString AutoplayDialog::limitText(std::int32_t coins)
{
    if (coins == 0)
        return tr("No limit");
    return tr("%n coins (%1)", nullptr, coins).arg(GameTexts::money(coins));
}

AutoplayDialog::AutoplayDialog(AutoplayWindow &model, QWidget &mainWindow)
    : ModelDialog(model, "frmautoplay", {kWindowWidth, kWindowHeight})
{
    setMainWindow(&mainWindow);
    setWindowTitle(tr("Autoplay"));
    surface_ = addSurface("autoplaysurface");

    spins_ = addChoice(
        "cmbspins", tr("Number of spins"), kMargin, kAutoplaySpinChoices,
        [](std::int32_t spins) { return spins == 0 ? tr("Until stopped") : QString::number(spins); },
        [this](std::int32_t spins) { model_.chooseSpins(spins); });
    lossLimit_ = addChoice("cmblosslimit", tr("Loss limit"), kMargin + 34, kAutoplayLossChoices, limitText,
                           [this](std::int32_t coins) { model_.chooseLossLimit(coins); });
    winLimit_ = addChoice("cmbwinlimit", tr("Single win limit"), kMargin + 68, kAutoplayWinChoices, limitText,
                          [this](std::int32_t coins) { model_.chooseWinLimit(coins); });

    stopOnBonus_ = new QCheckBox(tr("Stop when free spins are won"), surface_);
    stopOnBonus_->setObjectName(QStringLiteral("chkstoponbonus"));
    stopOnBonus_->setGeometry(kMargin, kMargin + 104, kWindowWidth - 2 * kMargin, 22);
    connect(stopOnBonus_, &QCheckBox::clicked, this, [this](bool on) { model_.chooseStopOnBonus(on); });

    constexpr int kButtonWidth = 96;
    constexpr int kButtonTop = kWindowHeight - kMargin - 30;
    start_ = new QPushButton(tr("Start"), surface_);
    start_->setObjectName(QStringLiteral("cmdstart"));
    start_->setGeometry(kWindowWidth - kMargin - 2 * kButtonWidth - 10, kButtonTop, kButtonWidth, 30);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, [this] {
        model_.start();
        handled();
    });
    auto *cancel = new QPushButton(tr("Cancel"), surface_);
    cancel->setObjectName(QStringLiteral("cmdcancel"));
    cancel->setGeometry(kWindowWidth - kMargin - kButtonWidth, kButtonTop, kButtonWidth, 30);
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    captureDesign();
    bindModel();
    refresh();
}

QComboBox *AutoplayDialog::addChoice(const char *name, const QString &caption, int top,
                                     const std::vector<std::int32_t> &values,
                                     const std::function<QString(std::int32_t)> &text,
                                     std::function<void(std::int32_t)> choose)
{
    auto *label = new QLabel(caption, surface_);
    label->setGeometry(kMargin, top, kChoiceLeft - kMargin - 6, kRowHeight);
    auto *box = new ChoiceBox(surface_);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(kChoiceLeft, top, kWindowWidth - kMargin - kChoiceLeft, kRowHeight);
    label->setBuddy(box);
    for (const std::int32_t value : values)
        box->addItem(text(value), value);
    // The model takes the choice and says what stands; the refresh shows that.
    connect(box, &QComboBox::activated, this, [this, box, choose = std::move(choose)](int index) {
        choose(box->itemData(index).toInt());
        handled();
    });
    return box;
}

void AutoplayDialog::showValue(QComboBox &box, std::int32_t value)
{
    const int index = box.findData(value);
    if (index >= 0 && index != box.currentIndex())
        box.setCurrentIndex(index);
}

void AutoplayDialog::refresh()
{
    showValue(*spins_, model_.choice.spins);
    showValue(*lossLimit_, model_.choice.lossLimit);
    showValue(*winLimit_, model_.choice.winLimit);
    if (stopOnBonus_->isChecked() != model_.choice.stopOnBonus)
        stopOnBonus_->setChecked(model_.choice.stopOnBonus);
    if (model_.isOpen() && !isVisible()) {
        showOverMainWindow();
        activateWindow();
        start_->setFocus();
    } else if (!model_.isOpen() && isVisible()) {
        hide();
    }
}

void AutoplayDialog::reject()
{
    model_.cancel();
    handled();
}

} // namespace melvane
