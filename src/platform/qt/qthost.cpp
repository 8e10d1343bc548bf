#include "platform/qt/qthost.h"

#include <chrono>
#include <thread>

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "machine/controls.h"
#include "platform/qt/clipplayer.h"
#include "platform/qt/displaymode.h"

namespace melvane {

namespace {
std::mt19937_64 seededEngine()
{
    // One generator for the whole run, seeded from the system's entropy and the clock, so
    // draws never repeat because they were seeded close together.
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device(),
                      static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    return std::mt19937_64(seq);
}
} // namespace

QtHost::QtHost(SettingsStore &store, std::function<double()> random)
    : store_(store), random_(std::move(random)), engine_(seededEngine())
{
    clock_.start();
}

QtHost::~QtHost() = default;

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
    // Show the frame, then hold it without looking at input: clicks wait for the reels.
    refresh();
    if (repaintReels_)
        repaintReels_();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

double QtHost::uniform()
{
    if (random_)
        return random_();
    return static_cast<double>(engine_() >> 11) * 0x1p-53;
}

void QtHost::playClip(ClipId clip, bool looped)
{
    if (player_ != nullptr)
        player_->play(static_cast<int>(clip), looped);
}

void QtHost::stopClips()
{
    if (player_ != nullptr)
        player_->stop();
}

MessageAnswer QtHost::showMessage(const MessageBoxRequest &request)
{
    refresh();
    QMessageBox box(request.icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(request.title), QString::fromStdString(request.text),
                    request.buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (request.buttons == MessageButtons::YesNo)
        box.setDefaultButton(request.defaultAnswer == MessageAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
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

bool QtHost::changeDisplayMode() { return setdisplaymode(); }

void QtHost::restoreDisplayMode() { restoredisplaymode(); }

} // namespace melvane
