#include "platform/qt/qthost.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "game/machine/controls.h"
#include "platform/qt/accessibletexts.h"
#include "platform/qt/clipplayer.h"
#include "platform/qt/displaymode.h"
#include "platform/qt/gametexts.h"

namespace melvane {

namespace {

// The game writes line ends as Windows does, a carriage return with or without a line feed;
// a Qt message box breaks lines at a line feed only.
QString withLineFeeds(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

constexpr int kLargeScreenWidth = 800;
// A copy that is just closing gets this long to let go of the settings.
constexpr int kSettingsLockWaitMs = 300;
constexpr int kLargeScreenHeight = 600;

// What the player does with the mouse, the keyboard, a pen or a finger, and the close box: all of
// it waits while the reels land.
bool isPlayerInput(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return true;
    case QEvent::Close:
        // The window system's close box; a close the program asks for is not the player's input.
        return event.spontaneous();
    default:
        return false;
    }
}

} // namespace

// Watches every event of the application during a frame pause.
class QtHost::LandingFilter : public QObject {
public:
    explicit LandingFilter(QtHost &host) : host_(host) {}

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override { return host_.filterLandingEvent(receiver, event); }

private:
    QtHost &host_;
};

QtHost::QtHost(SettingsStore &store, std::function<double()> random)
    : store_(store), random_(std::move(random)), linkHandler_(openWithDesktop),
      changeDisplay_(setdisplaymode), restoreDisplay_(restoredisplaymode)
{
    clock_.start();
}

QtHost::~QtHost() = default;

void QtHost::setQuickStop(std::function<void()> stop)
{
    quickStop_ = std::move(stop);
    stopTaken_ = false;
    // The landing is over: what the player did meanwhile happens now, as it would have after a
    // pause that never looked at input.
    if (!quickStop_)
        releaseHeld();
}

void QtHost::processEvents()
{
    refresh();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    refresh();
}

void QtHost::processEventsUntil(std::int64_t deadlineMs)
{
    refresh();
    const std::int64_t remaining = deadlineMs - monotonicMs();
    if (remaining > 0) {
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(remaining), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }
    processEvents();
}

void QtHost::sleep(int ms)
{
    // Show the frame, then hold it with the window alive: it repaints and answers the window
    // manager, while the player's input and the game's ticks wait for the pause to end, as they
    // would behind a pause that never looked at the window. A stop the player may make is taken.
    refresh();
    if (repaintReels_)
        repaintReels_();
    QEventLoop pause;
    QTimer::singleShot(std::max(ms, 0), Qt::PreciseTimer, &pause, &QEventLoop::quit);
    LandingFilter filter(*this);
    // The last filter installed sees every event first, the main window's key handling included.
    qApp->installEventFilter(&filter);
    landing_ = true;
    landingPause_ = &pause;
    pause.exec();
    landingPause_ = nullptr;
    landing_ = false;
    qApp->removeEventFilter(&filter);
    // A landing the player may stop hands its input on when it is over (setQuickStop); any
    // other pause at its end.
    if (!quickStop_)
        releaseHeld();
}

bool QtHost::filterLandingEvent(QObject *receiver, QEvent *event)
{
    if (!isPlayerInput(*event))
        return false;
    if (!stopTaken_ && quickStop_ && isStop_ && isStop_(receiver, event)) {
        stopTaken_ = true;
        quickStop_();
        // The rest of the landing comes at once.
        if (landingPause_ != nullptr)
            landingPause_->quit();
        return true;
    }
    heldEvents_.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

void QtHost::releaseHeld()
{
    for (HeldEvent &held : std::exchange(heldEvents_, {}))
        if (held.receiver != nullptr)
            QCoreApplication::postEvent(held.receiver, held.event.release());
    // A tick that fell due during the landing comes once, after it, as an overdue tick would.
    for (Timer *timer : std::exchange(heldTicks_, {}))
        QMetaObject::invokeMethod(
            this,
            [this, timer] {
                const auto it = timers_.find(timer);
                if (it == timers_.end() || !it->second->isActive())
                    return;
                // Handed on between two frame pauses, it reaches the next one: it waits again.
                if (landing_) {
                    holdTick(timer);
                    return;
                }
                timer->fire();
                refresh();
            },
            Qt::QueuedConnection);
}

void QtHost::holdTick(Timer *timer)
{
    if (std::find(heldTicks_.begin(), heldTicks_.end(), timer) == heldTicks_.end())
        heldTicks_.push_back(timer);
}

double QtHost::uniform()
{
    if (random_)
        return random_();
    return randomSource_.uniform();
}

void QtHost::playClip(Clip clip, bool looped)
{
    if (player_ != nullptr)
        player_->play(resourceNumber(clip), looped);
}

void QtHost::stopClips()
{
    if (player_ != nullptr)
        player_->stop();
}

MessageAnswer QtHost::showMessage(const MessageBoxRequest &request)
{
    refresh();
    // Over the window the player is using, else over the machine while it takes input.
    QWidget *parent = QApplication::activeWindow();
    if (parent == nullptr && mainWindow_ != nullptr && mainWindow_->isVisible() && mainWindow_->isEnabled())
        parent = mainWindow_;
    QMessageBox box(request.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    GameTexts::text(request.titleWording), withLineFeeds(GameTexts::text(request.textWording)),
                    request.buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    parent);
    if (const qreal scale = windowScale_ ? windowScale_() : 1.0; scale != 1.0) {
        QFont type = box.font();
        if (type.pixelSize() > 0)
            type.setPixelSize(std::max(1, qRound(type.pixelSize() * scale)));
        else
            type.setPointSizeF(type.pointSizeF() * scale);
        box.setFont(type);
    }
    // The game's texts are plain: a link or a name with "<" in it stays as it is.
    box.setTextFormat(Qt::PlainText);
    // A title padded to look centred, or with an underscore for a blank, is read as words.
    box.setAccessibleName(AccessibleTexts::title(box.windowTitle()));
    if (request.buttons == MessageButtons::YesNo) {
        box.setDefaultButton(request.defaultAnswer == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
        // Yes and No keep their roles (Escape is No) under the game's own words.
        if (!request.yesText.empty())
            box.button(QMessageBox::Yes)->setText(GameTexts::text(request.yesText));
        if (!request.noText.empty())
            box.button(QMessageBox::No)->setText(GameTexts::text(request.noText));
    }
    const int answer = box.exec();
    refresh();
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtHost::setMousePointer(MousePointer pointer)
{
    const bool busy = pointer == MousePointer::Busy;
    if (busy == busyPointer_)
        return;
    busyPointer_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtHost::timerChanged(Timer &timer)
{
    QTimer *&qt = timers_[&timer];
    if (qt == nullptr) {
        qt = new QTimer(this);
        qt->setTimerType(Qt::PreciseTimer);
        qt->setInterval(timer.interval());
        connect(qt, &QTimer::timeout, this, [this, &timer] {
            // The game's timers never tick inside a frame pause.
            if (landing_) {
                holdTick(&timer);
                return;
            }
            timer.fire();
            refresh();
        });
    }
    if (timer.enabled())
        qt->start();
    else
        qt->stop();
}

int QtHost::screenLogicalDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? qRound(screen->logicalDotsPerInchX()) : 96;
}

void QtHost::loadClips()
{
    if (player_ != nullptr)
        player_->loadAll();
}

QSize QtHost::screenSize() const
{
    if (screenSize_)
        return screenSize_();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize();
}

bool QtHost::changeDisplayMode() { return changeDisplay_ && changeDisplay_(kLargeScreenWidth, kLargeScreenHeight); }

bool QtHost::claimSettings()
{
    if (settingsLockPath_.isEmpty())
        return true;
    QDir().mkpath(QFileInfo(settingsLockPath_).absolutePath());
    settingsLock_ = std::make_unique<QLockFile>(settingsLockPath_);
    // Held for the whole run, however long: only a holder that is no longer running leaves a
    // stale lock, which is taken over.
    settingsLock_->setStaleLockTime(0);
    if (settingsLock_->tryLock(kSettingsLockWaitMs))
        return true;
    // A folder the game cannot write to is no second copy: play goes on, and its saves say so.
    if (settingsLock_->error() != QLockFile::LockFailedError)
        return true;
    settingsHeldElsewhere_ = true;
    const QString folder = QDir::toNativeSeparators(QFileInfo(settingsLockPath_).absolutePath());
    QMessageBox box(QMessageBox::Information, tr("Slots Melvane"),
                    tr("Melvane is already running with the settings in\n%1\n\n"
                       "Play on in that window; this one closes without changing anything.")
                        .arg(folder),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
}

void QtHost::restoreDisplayMode()
{
    if (restoreDisplay_)
        restoreDisplay_();
}

} // namespace melvane
