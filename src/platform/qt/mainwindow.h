#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QMainWindow>

#include "gamble/gamblepanel.h"
#include "machine/controls.h"

class QAbstractButton;
class QLabel;
class QWidget;

namespace melvane {

class Melvane;
class Pictures;
class QtHost;
class ReelWindow;

// The machine on screen: every widget is bound to its control in the game's model and shows
// what the model says; clicks, keys and the close box go back to the game. No game rules here.
class MainWindow : public QMainWindow {
public:
    MainWindow(Melvane &machine, QtHost &host, const Pictures &pictures);
    ~MainWindow() override;

    // Brings every widget up to date with its control (only those that changed).
    void refresh();
    // Paints the five reel windows now, for the frames of the landing animation.
    void repaintReels();
    // Called when a menu entry other than Exit is chosen (the side windows live elsewhere).
    void setMenuHandler(std::function<void(const std::string &)> handler) { menuHandler_ = std::move(handler); }

    QPixmap pixmapFor(const Picture &picture) const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding {
        const Control *control;
        QWidget *widget;
        unsigned seen;
        std::function<void()> apply;
    };

    QAbstractButton *addButton(Button &button, QWidget *parent, const QPixmap &face = {},
                               const PictureButton *pictured = nullptr);
    QLabel *addLabel(Control &label, QWidget *parent, const QRect &pixels, const QString &style,
                     Qt::Alignment alignment = Qt::AlignCenter);
    QLabel *addPicture(PictureBox &box, QWidget *parent, const QRect &pixels);
    void buildMenu();
    void buildGamblePanel();
    void onClick(Button &button);

    Melvane &m_;
    QtHost &host_;
    const Pictures &pictures_;
    QWidget *surface_ = nullptr;
    QWidget *gamblePanel_ = nullptr;
    std::array<ReelWindow *, 6> reels_{};
    std::vector<Binding> bindings_;
    std::function<void(const std::string &)> menuHandler_;
    std::string shownCaption_;
    bool closing_ = false;
};

} // namespace melvane
