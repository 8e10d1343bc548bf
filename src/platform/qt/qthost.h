#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QSize>

#include "game/ports/host.h"
#include "platform/qt/randomsource.h"
#include "platform/qt/linkopener.h"

class QTimer;
class QWidget;

namespace melvane {

class ClipPlayer;

// The real host: Qt's event loop, precise window timers, the platform's settings store, the
// sound device, message boxes and the mouse pointer.
class QtHost : public QObject, public Host {
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
    void setQuickStop(std::function<void()> stop) override { quickStop_ = std::move(stop); }
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

private:
    void refresh()
    {
        if (refresh_)
            refresh_();
    }

    SettingsStore &store_;
    std::function<double()> random_;
    RandomSource randomSource_;
    QElapsedTimer clock_;
    ClipPlayer *player_ = nullptr;
    std::function<void()> refresh_;
    std::function<void()> repaintReels_;
    std::function<void()> quickStop_;
    std::map<Timer *, QTimer *> timers_;
    bool busyPointer_ = false;
    std::function<QSize()> screenSize_;
    LinkHandler linkHandler_;
    std::function<bool(int, int)> changeDisplay_;
    std::function<void()> restoreDisplay_;
    QWidget *mainWindow_ = nullptr;
    std::function<qreal()> windowScale_;
};

} // namespace melvane
