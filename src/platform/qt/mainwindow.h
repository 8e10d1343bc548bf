#pragma once

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QMainWindow>
#include <QTimer>

#include "game/machine/gamblepanel.h"
#include "game/machine/controls.h"
#include "platform/qt/announcer.h"
#include "platform/qt/pictures/scaledpictures.h"
#include "platform/qt/scaledlayout.h"
#include "platform/qt/windowplacement.h"

class QAbstractButton;
class QAction;
class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

namespace melvane {

class Backdrop;
class Melvane;
class Pictures;
class QtHost;
class ReelWindow;

// The machine on screen: every widget is bound to its control in the game's model and shows
// what the model says; clicks, keys and the close box go back to the game. No game rules here.
//
// The cabinet keeps the design's proportions at any window size: every control, text and
// picture is its design place times one scale, the largest at which the cabinet fits, and the
// rest of the window shows the cabinet's own ground colour.
class MainWindow : public QMainWindow {
    // Its texts are the game's own, not QMainWindow's.
    Q_DECLARE_TR_FUNCTIONS(melvane::MainWindow)

public:
    MainWindow(Melvane &machine, QtHost &host, const Pictures &pictures);
    ~MainWindow() override;

    // Brings every widget up to date with its control (only those that changed).
    void refresh();
    // Paints the reel windows that changed now, for the frames of the landing animation.
    void repaintReels();
    // A side window shares this window's refresh and, while `blocksInput` holds, keeps this
    // window disabled: the side windows are modal by disabling the main window.
    void addSideWindow(std::function<void()> refresh, std::function<bool()> blocksInput);
    // Forgets the side windows (they are going away) and takes input again.
    void removeSideWindows();

    QPixmap pixmapFor(const Picture &picture) const;

    // Window pixels to a design pixel: the one scale of the cabinet.
    qreal scale() const { return layout_.scale(); }
    // The calm presentation: steady marks for winning cells, animations held still.
    bool reduceFlashing() const { return reduceFlashing_; }
    // The cabinet's pictures at that scale; the side windows draw from them too.
    ScaledPictures &pictures() { return pictures_; }
    // Tells a screen reader what happened; the journal's steps reach it from outside.
    Announcer &announcer() { return *announcer_; }
    // Called after the scale or the pictures have changed.
    void setOnScaleChange(std::function<void()> onChange) { onScaleChange_ = std::move(onChange); }

    // The window at the design scale, menu bar included.
    QSize designSize() const;
    // Full screen on or off: F11, the menu entry, Escape and the screen-size buttons of the
    // options window where the display mode cannot be switched. Off, the window is back in
    // the state it left, normal or maximised.
    void setFullScreen(bool on);
    // Back to the normal state at the design size, or the largest size the screen can show.
    void showDesignSize();
    // Where the window stands now; its normal geometry is kept while full screen or maximised.
    WindowPlacement placement() const;
    // Shows the window where the settings store remembers it, or centred at a size that fits.
    void showAtRememberedPlace();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class Cabinet;

    struct Binding {
        const Control *control;
        QWidget *widget;
        unsigned seen;
        std::function<void()> apply;
    };

    QPushButton *addButton(Button &button, QWidget *parent, std::function<QPixmap()> face = {});
    QLabel *addLabel(Control &label, QWidget *parent, const QRectF &design, const char *role,
                     Qt::Alignment alignment = Qt::AlignCenter);
    QLabel *addPicture(PictureBox &box, QWidget *parent, const QRectF &design);
    QLabel *addText(const QString &text, QWidget *parent, const QRectF &design, const char *role,
                    const char *name = nullptr, Qt::Alignment alignment = Qt::AlignCenter);
    void buildMenu();
    void buildGamblePanel();
    void buildStake();
    // `widget` is known to a screen reader by `name`, asked again at every refresh.
    void speak(QWidget *widget, std::function<QString()> name);
    void showAccessibleNames();
    void onClick(Button &button);
    void layoutCabinet();
    void placeReels();
    void picturesChanged();
    void showBetInForce();
    bool windowKey(QObject *watched, QKeyEvent *key);
    bool autoplayKey(QObject *watched, QKeyEvent *key);
    bool enterKey(QObject *watched, QKeyEvent *key);
    // Tab and Shift+Tab follow the buttons in reading order.
    void orderTabs();
    // The player's stop while the reels land: a left press on a reel window, or the space bar.
    bool isQuickStop(QObject *receiver, QEvent *event) const;
    bool isMine(QObject *receiver) const;
    // The "Play" menu's check marks show the machine's choices.
    void showPlayOptions();
    void giveRequestedFocus();
    void noteNormalGeometry();
    void restoreNormalGeometry();

    Melvane &m_;
    QtHost &host_;
    ScaledPictures pictures_;
    ScaledLayout layout_;
    QWidget *cabinet_ = nullptr;
    QWidget *surface_ = nullptr;
    std::unique_ptr<Announcer> announcer_;
    Backdrop *backdrop_ = nullptr;
    QWidget *gamblePanel_ = nullptr;
    std::array<ReelWindow *, 6> reels_{};
    std::array<QPushButton *, 6> playButtons_{};
    std::array<QPushButton *, 6> paylineButtons_{};
    QLabel *stakeCoins_ = nullptr;
    QLabel *stakeMoney_ = nullptr;
    std::array<QWidget *, 3> stake_{};
    QAction *fullScreenAction_ = nullptr;
    QAction *reduceFlashingAction_ = nullptr;
    bool reduceFlashing_ = false;
    QAction *quickStopAction_ = nullptr;
    QAction *sessionClockAction_ = nullptr;
    std::vector<std::pair<int, QAction *>> realityCheckActions_; // minutes, entry
    std::vector<Binding> bindings_;
    std::vector<std::pair<QWidget *, std::function<QString()>>> spoken_;
    std::vector<std::pair<const Button *, QWidget *>> conditionalButtons_;
    // The game's last focus request granted.
    unsigned focusServed_ = ~0u;
    struct SideWindow {
        std::function<void()> refresh;
        std::function<bool()> blocksInput;
    };
    std::vector<SideWindow> sideWindows_;
    bool refreshingSideWindows_ = false;
    std::string shownCaption_;
    std::int64_t shownStake_ = -1;
    int shownPlay_ = -1;
    int shownPayline_ = -1;
    bool closing_ = false;
    bool laidOut_ = false;
    QRect normalGeometry_;
    bool maximizedBeforeFullScreen_ = false;
    // The sharp pictures are drawn once the size has settled, not at every step of a drag.
    QTimer pictureRequest_;
    std::function<void()> onScaleChange_;
};

} // namespace melvane
