#include "platform/qt/optionsdialog.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>

#include "game/machine/timing.h"
#include "game/profiles/optionswindow.h"
#include "platform/qt/accessibletexts.h"
#include "platform/qt/gametexts.h"
#include "platform/qt/look.h"

namespace melvane {

namespace {

constexpr int kEnterKey = 13;
constexpr int kWindowWidth = 712;
constexpr int kWindowHeight = 432;
// The statistics column: wide enough for the longest text and a ten-digit figure.
constexpr int kStatisticsWidth = 300;
constexpr int kProfileWidth = 150;
constexpr int kSmallestType = 8; // pixels

QString text(const std::string &s) { return QString::fromStdString(s); }

// An option button whose selection belongs to the game: a click asks the model, which marks
// the chosen option (or none, for a speed it does not offer) and the refresh shows that.
class OptionWidget : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void nextCheckState() override {}
};

// Read as the radio button it looks like. Qt reads a radio button that does not switch its
// neighbours off by itself as a check box; here the game switches them, so to the player they
// are one choice in a row all the same.
class OptionInterface : public QAccessibleWidget {
public:
    explicit OptionInterface(OptionWidget *option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && option()->isEnabled())
            option()->click();
    }

private:
    QAbstractButton *option() const { return static_cast<QAbstractButton *>(widget()); }
};

QAccessibleInterface *optionInterface(const QString &, QObject *object)
{
    if (auto *option = dynamic_cast<OptionWidget *>(object))
        return new OptionInterface(option);
    return nullptr;
}

// The note box shows its lines as a text box would; the line ends the game writes are the
// Windows ones, and the last one closes the note rather than opening a line.
QString noteText(const QString &caption)
{
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    return shown;
}

// An object name Qt's style sheets can select: "machine(3)" becomes "machine3".
QString selectorName(const std::string &name)
{
    QString s = text(name);
    s.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    return s;
}

// A caption too wide for its option button, such as a name of twelve wide capitals, is set
// in smaller type rather than cut off.
void fitCaption(QRadioButton &option)
{
    option.setStyleSheet(QString());
    option.ensurePolished();
    QStyleOptionButton look;
    look.initFrom(&option);
    const int room = option.width() - 4 -
                     option.style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &look, &option) -
                     option.style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &look, &option);
    QFont type = option.font();
    const int full = type.pixelSize();
    int size = full;
    for (; size > kSmallestType; --size) {
        type.setPixelSize(size);
        if (QFontMetrics(type).horizontalAdvance(option.text()) <= room)
            break;
    }
    if (size != full)
        option.setStyleSheet(QStringLiteral("QRadioButton { font-size: %1px; }").arg(size));
}

} // namespace

FigureLabel::Parts FigureLabel::split(const QString &caption)
{
    static const QRegularExpression closingFigure(QStringLiteral("^(.*\\s)(-?\\d+)$"),
                                                  QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = closingFigure.match(caption);
    if (!match.hasMatch())
        return {caption, {}};
    return {match.captured(1), match.captured(2)};
}

void FigureLabel::paintEvent(QPaintEvent *event)
{
    const Parts parts = split(text());
    if (parts.figure.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(foregroundRole()));
    p.setFont(font());
    const QRect area = contentsRect();
    const int flags = static_cast<int>(Qt::AlignVCenter | Qt::TextSingleLine);
    p.drawText(area, flags | Qt::AlignLeft, parts.text);
    p.drawText(area, flags | Qt::AlignRight, parts.figure);
}

OptionsDialog::OptionsDialog(OptionsWindow &model, QWidget &mainWindow)
    : SideDialog("frmmelvaneoptions", {kWindowWidth, kWindowHeight}), model_(model)
{
    setMainWindow(&mainWindow);
    // The look belongs to the window's own widgets, not to the message boxes it brings up.
    QWidget *surface = addSurface("optionssurface");
    bindings_.push_back({[this] {
        if (windowTitle() != GameTexts::caption(model_.window))
            setWindowTitle(GameTexts::caption(model_.window));
    }});

    QGroupBox *main = addFrame(GameTexts::caption(model_.Framemain), surface, {6, 2, kWindowWidth - 12, kWindowHeight - 8});
    main->setObjectName(QStringLiteral("Framemain"));

    // The profiles in their column, the statistics beside them, at their design positions.
    for (std::size_t n = 1; n <= 6; ++n) {
        // As wide as the column allows: a name of twelve capitals needs it.
        QRect at = toPixels(model_.machine[n].geometry());
        at.setWidth(kProfileWidth);
        addOption(model_.machine, n, main, at,
                  [this, n] { return AccessibleTexts::profile(static_cast<int>(n), GameTexts::caption(model_.machine[n])); });
    }
    for (Label *label : {&model_.lblcurrentplayer, &model_.lblgames, &model_.lblwager, &model_.lbltotalwon,
                         &model_.lblwinlose, &model_.lblreturned, &model_.lblinvested, &model_.lblfreespins}) {
        QRect at = toPixels(label->geometry());
        at.setWidth(kStatisticsWidth);
        // A name may end in a number ("AGENT 47"): the player's line is text, never a figure.
        QLabel *shown = label == &model_.lblcurrentplayer ? new QLabel(main) : new FigureLabel(main);
        shown->setProperty("statistics", true);
        addLabel(*label, shown, main, at);
    }

    // The name box under them; Enter names the profile in use.
    addLabel(model_.lblplayername, new QLabel(main), main, {16, 262, 452, 18});
    nameBox_ = new QLineEdit(main);
    nameBox_->setObjectName(QStringLiteral("player1"));
    nameBox_->setAccessibleName(AccessibleTexts::playerName());
    nameBox_->setGeometry(16, 282, 452, 28);
    nameBox_->installEventFilter(this);
    connect(nameBox_, &QLineEdit::textEdited, this,
            [this](const QString &typed) { model_.player1.setCaption(typed.toStdString()); });
    bindings_.push_back({[this] {
        const QString caption = text(model_.player1.caption());
        if (nameBox_->text() != caption)
            nameBox_->setText(caption);
    }});


    // The settings in their frames down the right-hand side.
    constexpr int kRight = 484;
    constexpr int kFrameWidth = 206;
    QGroupBox *sound = addFrame(tr("toggle sound"), main, {kRight, 20, kFrameWidth, 50});
    addOption(model_.sounds, 1, sound, {14, 22, 80, 20}, [] { return AccessibleTexts::sound(true); });
    addOption(model_.sounds, 2, sound, {104, 22, 80, 20}, [] { return AccessibleTexts::sound(false); });

    QGroupBox *speed = addFrame(tr("Reel Speed"), main, {kRight, 76, kFrameWidth, 92});
    for (std::size_t i = 0; i < 5; ++i)
        addOption(model_.setspeed, i, speed, {10 + 39 * static_cast<int>(i), 22, 36, 20},
                  [i] { return AccessibleTexts::reelSpeed(static_cast<int>(i) + 1); });
    addLabel(model_.fastslow, new QLabel(speed), speed, {8, 46, kFrameWidth - 16, 16});
    addLabel(model_.speedlab, new QLabel(speed), speed, {10, 66, kFrameWidth - 18, 18});

    QGroupBox *counter = addFrame(tr("Win Counter"), main, {kRight, 174, kFrameWidth, 50});
    addOption(model_.wincounter, 1, counter, {14, 22, 80, 20}, [] { return AccessibleTexts::winCounter(true); });
    addOption(model_.wincounter, 2, counter, {104, 22, 80, 20}, [] { return AccessibleTexts::winCounter(false); });

    QGroupBox *payout = addFrame(tr("Payout %"), main, {kRight, 230, kFrameWidth, 86});
    for (std::size_t i = 0; i < 3; ++i)
        addOption(model_.Amtpayout, i, payout, {14, 20 + 21 * static_cast<int>(i), kFrameWidth - 24, 20},
                  [this, i] { return GameTexts::caption(model_.Amtpayout[i]).simplified(); });

    addButton(model_.btnokplayer, main, {kRight, 328, kFrameWidth, 36});
    addButton(model_.Btndeletedetails, main, {kRight, 372, kFrameWidth, 36});

    // The screen size under the name box, its note beside the two buttons.
    QGroupBox *screen = addFrame(tr("Screen Size"), main, {16, 322, 452, 92});
    addButton(model_.cmdlargescreen, screen, {10, 22, 196, 28});
    addButton(model_.cmdorigonal, screen, {10, 56, 196, 28});
    auto *note = new QLabel(screen);
    note->setObjectName(QStringLiteral("Text1"));
    note->setGeometry(218, 22, 224, 62);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bindings_.push_back({[this, note] {
        const QString shown = noteText(GameTexts::caption(model_.Text1));
        if (note->text() != shown)
            note->setText(shown);
        note->setVisible(model_.Text1.visible());
    }});

    movesSeen_ = model_.mainWindowMovesToTopLeft;
    captureDesign();
    refresh();
}

OptionsDialog::~OptionsDialog() = default;

QGroupBox *OptionsDialog::addFrame(const QString &caption, QWidget *parent, const QRect &pixels)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setGeometry(pixels);
    return frame;
}

QAbstractButton *OptionsDialog::addButton(Button &button, QWidget *parent, const QRect &pixels)
{
    auto *widget = new QPushButton(parent);
    widget->setObjectName(text(button.name()));
    widget->setGeometry(pixels);
    // Enter belongs to the name box; no button of this window is pressed by it.
    widget->setAutoDefault(false);
    connect(widget, &QPushButton::clicked, this, [this, &button] {
        button.press();
        handled();
    });
    bindings_.push_back({[widget, &button] {
        if (widget->text() != GameTexts::caption(button))
            widget->setText(GameTexts::caption(button));
        widget->setEnabled(button.enabled());
        widget->setVisible(button.visible());
    }});
    return widget;
}

template <typename Group>
QAbstractButton *OptionsDialog::addOption(Group &group, std::size_t index, QWidget *parent, const QRect &pixels,
                                          std::function<QString()> name)
{
    OptionButton &option = group[index];
    static const bool optionsReadable = (QAccessible::installFactory(optionInterface), true);
    Q_UNUSED(optionsReadable);
    auto *widget = new OptionWidget(parent);
    widget->setObjectName(selectorName(option.name()));
    widget->setGeometry(pixels);
    widget->setAutoExclusive(false);
    widget->setCheckable(true);
    options_.push_back(widget);
    connect(widget, &QRadioButton::clicked, this, [this, &group, index] {
        group.select(index);
        handled();
    });
    bindings_.push_back({[widget, &option, name = std::move(name)] {
        if (const QString heard = name(); widget->accessibleName() != heard)
            widget->setAccessibleName(heard);
        if (widget->text() != GameTexts::caption(option)) {
            widget->setText(GameTexts::caption(option));
            fitCaption(*widget);
        }
        if (widget->isChecked() != option.selected())
            widget->setChecked(option.selected());
        widget->setEnabled(option.enabled());
        widget->setVisible(option.visible());
    }});
    return widget;
}

QLabel *OptionsDialog::addLabel(const Control &label, QLabel *widget, QWidget *parent, const QRect &pixels)
{
    widget->setParent(parent);
    widget->setObjectName(text(label.name()));
    widget->setGeometry(pixels);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    widget->setTextFormat(Qt::PlainText);
    bindings_.push_back({[widget, &label] {
        if (widget->text() != GameTexts::caption(label))
            widget->setText(GameTexts::caption(label));
        widget->setVisible(label.visible());
    }});
    return widget;
}

bool OptionsDialog::blocksMainWindow() const { return !model_.mainWindowEnabled; }

void OptionsDialog::refresh()
{
    for (const Binding &b : bindings_)
        b.apply();
    if (model_.mainWindowMovesToTopLeft != movesSeen_) {
        movesSeen_ = model_.mainWindowMovesToTopLeft;
        // A window filling its screen is in that corner already.
        if (!mainWindow_->isFullScreen())
            mainWindow_->move(0, 0);
    }
    if (model_.isOpen() && !isVisible()) {
        showOverMainWindow();
        nameBox_->setFocus();
    } else if (!model_.isOpen() && isVisible()) {
        hide();
    }
}

void OptionsDialog::setLook(qreal scale, const Pictures &)
{
    if (!setScale(scale))
        return;
    for (QRadioButton *option : options_)
        fitCaption(*option);
}

void OptionsDialog::reject()
{
    model_.close();
    handled();
}

bool OptionsDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == nameBox_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            model_.player1.setCaption(nameBox_->text().toStdString());
            model_.player1KeyPress(kEnterKey);
            handled();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace melvane
