#pragma once

#include <functional>
#include <vector>

#include <QCoreApplication>
#include <QLabel>

#include "platform/qt/sidedialog.h"

class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace melvane {

class Button;
class Control;
class OptionsWindow;

// A statistics label: its caption exactly as the game writes it, blanks included, in a
// fixed-pitch font. A figure at the end of the caption is set flush right, so the figures of
// the column line up whatever the length of the text before them.
class FigureLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The caption split into the text as it stands and its closing figure ("" when none).
    struct Parts {
        QString text;
        QString figure;
    };
    static Parts split(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The options window `frmmelvaneoptions` on screen. Every widget shows its control in the
// window-free model and sends clicks and keys back to it; the model decides everything,
// including when the window opens and closes and when the main window takes input again.
class OptionsDialog : public SideDialog {
    Q_DECLARE_TR_FUNCTIONS(melvane::OptionsDialog)

public:
    // `mainWindow` is the window the model moves to the top-left corner of the screen; this
    // window opens centred over it.
    OptionsDialog(OptionsWindow &model, QWidget &mainWindow);
    ~OptionsDialog() override;

    // Brings every widget up to date with the model; shows or hides the window as the model says.
    void refresh() override;
    // While the options are open the main window takes no input.
    bool blocksMainWindow() const override;
    // The type of a long name is chosen again for the new width.
    void setLook(qreal scale, const Pictures &pictures) override;

protected:
    // Escape and the close box both end here: the model's closing steps, never refused.
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding {
        std::function<void()> apply;
    };

    QGroupBox *addFrame(const QString &caption, QWidget *parent, const QRect &pixels);
    QAbstractButton *addButton(Button &button, QWidget *parent, const QRect &pixels);
    template <typename Group>
    // `name` is what a screen reader hears for the option, asked again whenever it is shown.
    QAbstractButton *addOption(Group &group, std::size_t index, QWidget *parent, const QRect &pixels,
                               std::function<QString()> name);
    QLabel *addLabel(const Control &label, QLabel *widget, QWidget *parent, const QRect &pixels);

    OptionsWindow &model_;
    QLineEdit *nameBox_ = nullptr;
    std::vector<QRadioButton *> options_;
    std::vector<Binding> bindings_;
    int movesSeen_ = 0;
};

} // namespace melvane
