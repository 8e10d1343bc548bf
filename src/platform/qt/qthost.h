#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSize>

#include "game/ports/host.h"
#include "platform/qt/randomsource.h"
#include "platform/qt/linkopener.h"

class QEvent;
class QLockFile;
class QEventLoop;
class QTimer;
class QWidget;

namespace melvane {

class ClipPlayer;

// The real host: Qt's event loop, precise window timers, the platform's settings store, the
// sound device, message boxes and the mouse pointer.
class QtHost : public QObject, public Host {
    Q_DECLARE_TR_FUNCTIONS(melvane::QtHost)

public:
    // `random` replaces the generator, for tests that script the stops of the real window.
    explicit QtHost(SettingsStore &store, std::function<double()> random = {});
    ~QtHost() override;

    void setClipPlayer(ClipPlayer *player) { player_ = player; }
    // Called before events are processed, before every frame pause and after every tick, so the
    // window can show what the game changed.
    void setRefresh(std::function<void()> refresh) { refresh_ = std::move(refresh); }
    // Called at every frame pause of the landing animation to repaint the reels at once.
    void setRepaintReels(std::function<void()> repaint) { repaintReels_ = std::move(repaint); }
    // Tells the player's stop (a click on the reels, the space bar) from other input while the
    // reels land; empty: nothing stops them.
    void setStopInput(std::function<bool(QObject *receiver, QEvent *event)> isStop)
    {
        isStop_ = std::move(isStop);
    }

    // The main window and its scale: a message box with no other window to stand on stands on
    // it, and its type grows with the window's.
    void setMainWindow(QWidget *window, std::function<qreal()> scale)
    {
        mainWindow_ = window;
        windowScale_ = std::move(scale);
    }

    // The size of the screen in pixels. `size` replaces the measurement (tests play on
    // screens they cannot have); an empty function measures the primary screen again.
    QSize screenSize() const;
    void setScreenSize(std::function<QSize()> size) { screenSize_ = std::move(size); }

    // What opens web pages: the system's opener unless replaced (tests make it refuse).
    const LinkHandler &linkHandler() const { return linkHandler_; }
    void setLinkHandler(LinkHandler handler) { linkHandler_ = std::move(handler); }

    // The routines that switch the display and back; setdisplaymode and restoredisplaymode
    // unless replaced.
    void setDisplayModeRoutines(std::function<bool(int, int)> change, std::function<void()> restore)
    {
        changeDisplay_ = std::move(change);
        restoreDisplay_ = std::move(restore);
    }

    void processEvents() override;
    void processEventsUntil(std::int64_t deadlineMs) override;
    void sleep(int ms) override;
    void setQuickStop(std::function<void()> stop) override;
    std::int64_t monotonicMs() override { return clock_.elapsed(); }
    double uniform() override;
    void playClip(Clip clip, bool looped) override;
    void stopClips() override;
    MessageAnswer showMessage(const MessageBoxRequest &request) override;
    SettingsStore &settings() override { return store_; }
    void setMousePointer(MousePointer pointer) override;
    void timerChanged(Timer &timer) override;
    int screenLogicalDpi() override;
    void loadClips() override;
    bool changeDisplayMode() override;
    void restoreDisplayMode() override;
    bool claimSettings() override;

    // The lock file that keeps a second copy of the game off the same settings; empty: none.
    void setSettingsLock(const QString &path) { settingsLockPath_ = path; }
    // Whether the settings were refused because another copy holds them.
    bool settingsHeldElsewhere() const { return settingsHeldElsewhere_; }

private:
    class LandingFilter;

    void refresh()
    {
        if (refresh_)
            refresh_();
    }
    // During a frame pause: a stop the player may make is taken, other input held.
    bool filterLandingEvent(QObject *receiver, QEvent *event);
    // A tick that fell due during a frame pause comes once, after it.
    void holdTick(Timer *timer);
    // Hands the input and the ticks held during the landing to the event loop, in order.
    void releaseHeld();

    SettingsStore &store_;
    std::function<double()> random_;
    RandomSource randomSource_;
    QElapsedTimer clock_;
    ClipPlayer *player_ = nullptr;
    std::function<void()> refresh_;
    std::function<void()> repaintReels_;
    std::function<void()> quickStop_;
    std::function<bool(QObject *, QEvent *)> isStop_;
    // Inside a frame pause; the stop has been taken in the landing.
    bool landing_ = false;
    bool stopTaken_ = false;
    QEventLoop *landingPause_ = nullptr;
    struct HeldEvent {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    std::vector<HeldEvent> heldEvents_;
    std::vector<Timer *> heldTicks_;
    std::map<Timer *, QTimer *> timers_;
    bool busyPointer_ = false;
    std::function<QSize()> screenSize_;
    LinkHandler linkHandler_;
    std::function<bool(int, int)> changeDisplay_;
    std::function<void()> restoreDisplay_;
    QString settingsLockPath_;
    std::unique_ptr<QLockFile> settingsLock_;
    bool settingsHeldElsewhere_ = false;
    QWidget *mainWindow_ = nullptr;
    std::function<qreal()> windowScale_;
};

} // namespace melvane
