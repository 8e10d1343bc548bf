#include "platform/virtual/virtualhost.h"

#include <algorithm>

#include "game/machine/controls.h"

namespace melvane {

VirtualHost::VirtualHost(std::uint64_t seed) : engine_(seed) {}

void VirtualHost::queueStops(const Stops &stops)
{
    for (int s : stops)
        queueDraw(kStops, s);
}

std::vector<Clip> VirtualHost::clipsPlayed() const
{
    std::vector<Clip> played;
    for (const ClipEvent &e : clips)
        if (e.clip)
            played.push_back(*e.clip);
    return played;
}

VirtualHost::Scheduled *VirtualHost::nextDue(std::int64_t limit, const std::vector<Timer *> &skip)
{
    Scheduled *best = nullptr;
    for (Scheduled &at : scheduled_) {
        if (!at.timer->enabled() || at.timer->ticking() || at.due > limit)
            continue;
        if (best != nullptr && (at.due > best->due || (at.due == best->due && at.order > best->order)))
            continue;
        if (std::find(skip.begin(), skip.end(), at.timer) != skip.end())
            continue;
        best = &at;
    }
    return best;
}

VirtualHost::Scheduled &VirtualHost::scheduleOf(Timer *timer)
{
    const auto it =
        std::find_if(scheduled_.begin(), scheduled_.end(), [timer](const Scheduled &at) { return at.timer == timer; });
    if (it != scheduled_.end())
        return *it;
    return scheduled_.emplace_back(Scheduled{timer, 0, 0});
}

void VirtualHost::fire(Scheduled &at)
{
    // The tick may start or stop timers, which moves the schedule: `at` is not used after it.
    Timer *timer = at.timer;
    // As a precise window timer: the next tick one interval after this one was due, or one
    // interval from now if the tick came late.
    at.due += timer->interval();
    if (at.due <= now_)
        at.due = now_ + timer->interval();
    timer->fire();
}

void VirtualHost::runPosted()
{
    // Nearly every call finds nothing due: leave before a queue is built for it.
    if (std::none_of(posted_.begin(), posted_.end(), [this](const Posted &p) { return p.at <= now_; }))
        return;
    // Only what was pending when events began to be processed: input posted by input waits for
    // the next processing, as a click made during a handler does.
    std::deque<Posted> pending;
    for (auto it = posted_.begin(); it != posted_.end();) {
        if (it->at <= now_) {
            pending.push_back(std::move(*it));
            it = posted_.erase(it);
        } else {
            ++it;
        }
    }
    for (Posted &p : pending)
        if (!ended_)
            p.input();
}

bool VirtualHost::pressQuickStop()
{
    if (!quickStop_)
        return false;
    quickStop_();
    return true;
}

void VirtualHost::startProgram()
{
    quickStop_ = nullptr;
    ended_ = false;
    scheduled_.clear();
    posted_.clear();
}

void VirtualHost::advance(std::int64_t ms)
{
    if (ended_)
        return;
    const std::int64_t target = now_ + ms;
    runPosted();
    for (;;) {
        Scheduled *t = nextDue(target, {});
        std::int64_t next = t != nullptr ? t->due : target + 1;
        for (const Posted &p : posted_)
            if (p.at <= target && p.at < next) {
                next = p.at;
                t = nullptr;
            }
        if (next > target || ended_)
            break;
        now_ = std::max(now_, next);
        if (t != nullptr)
            fire(*t);
        runPosted();
    }
    now_ = std::max(now_, target);
}

bool VirtualHost::advanceUntil(const std::function<bool()> &done, std::int64_t limitMs, std::int64_t stepMs)
{
    const std::int64_t end = now_ + limitMs;
    while (!done()) {
        if (now_ >= end)
            return false;
        advance(std::min(stepMs, end - now_));
    }
    return true;
}

void VirtualHost::processEvents()
{
    if (ended_)
        return;
    runPosted();
    // What is due now fires once; ticks that fall due while these run wait for the next yield.
    const std::int64_t snapshot = now_;
    std::vector<Timer *> fired;
    while (Scheduled *t = nextDue(snapshot, fired)) {
        if (ended_)
            return;
        fired.push_back(t->timer);
        fire(*t);
        runPosted();
    }
}

void VirtualHost::processEventsUntil(std::int64_t deadlineMs)
{
    if (ended_)
        return;
    if (deadlineMs > now_)
        advance(deadlineMs - now_);
    else
        processEvents();
}

void VirtualHost::sleep(int ms)
{
    if (ended_)
        return;
    ++sleeps;
    sleptMs += ms;
    now_ += ms;
    if (onSleep)
        onSleep(ms);
}

double VirtualHost::uniform()
{
    double r = 0;
    if (!uniforms_.empty()) {
        r = uniforms_.front();
        uniforms_.pop_front();
    } else {
        r = static_cast<double>(engine_() >> 11) * 0x1p-53;
    }
    if (recordDraws)
        draws.push_back(r);
    return r;
}

void VirtualHost::playClip(Clip clip, bool looped)
{
    if (recordClips)
        clips.push_back({now_, clip, looped});
}

void VirtualHost::stopClips()
{
    if (recordClips)
        clips.push_back({now_, std::nullopt, false});
}

MessageAnswer VirtualHost::showMessage(const MessageBoxRequest &request)
{
    messages.push_back(request);
    if (onMessage)
        onMessage(request);
    if (!answers_.empty()) {
        const MessageAnswer a = answers_.front();
        answers_.pop_front();
        return a;
    }
    return request.defaultAnswer;
}

void VirtualHost::timerChanged(Timer &timer)
{
    if (timer.enabled()) {
        Scheduled &at = scheduleOf(&timer);
        at.due = now_ + timer.interval();
        at.order = order_++;
        return;
    }
    // Only running timers are kept, so a search looks at the few that run rather than all the
    // machine has; enabling one again schedules it afresh.
    const auto it =
        std::find_if(scheduled_.begin(), scheduled_.end(), [&timer](const Scheduled &at) { return at.timer == &timer; });
    if (it != scheduled_.end()) {
        *it = scheduled_.back();
        scheduled_.pop_back();
    }
}

} // namespace melvane
