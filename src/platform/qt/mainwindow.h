#pragma once

#include <array>
#include <functional>
#include <vector>

#include <QMainWindow>

#include "game/machine/gamblepanel.h"
#include "game/machine/controls.h"

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
    // A side window shares this window's refresh and, while `blocksInput` holds, keeps this
    // window disabled: the side windows are modal by disabling the main window.
    void addSideWindow(std::function<void()> refresh, std::function<bool()> blocksInput);
    // Forgets the side windows (they are going away) and takes input again.
    void removeSideWindows();

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
    QLabel *addLabel(Control &label, QWidget *parent, const QRect &pixels, const char *role,
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
    struct SideWindow {
        std::function<void()> refresh;
        std::function<bool()> blocksInput;
    };
    std::vector<SideWindow> sideWindows_;
    bool refreshingSideWindows_ = false;
    std::string shownCaption_;
    bool closing_ = false;
};

} // namespace melvane
