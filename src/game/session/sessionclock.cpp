// The session beside the designed game: its clock and net position, the reality check, and the
// "Play" menu's choices.
#include "game/machine/melvane.h"

namespace melvane {

namespace {
constexpr std::int64_t kMinuteMs = 60 * 1000;
constexpr const char *kRealityCheckTitle = GameText::tr("Slots Melvane");
constexpr const char *kKeepPlaying = GameText::tr("Keep playing");
constexpr const char *kStop = GameText::tr("Stop");
} // namespace

SessionMeters Melvane::sessionMeters() const
{
    return {g.wager, g.total, g.gamblelost, freespinwin, g.games};
}

void Melvane::showSessionLine()
{
    lblsession.setVisible(playOptions.sessionLine);
    if (playOptions.sessionLine)
        lblsession.setCaption(sessionLineText(host_.monotonicMs() - session.startedMs(), session));
}

void Melvane::setQuickStop(bool on)
{
    playOptions.quickStop = on;
    writePlayOptions(host_.settings(), playOptions);
}

void Melvane::setSessionLineShown(bool shown)
{
    playOptions.sessionLine = shown;
    writePlayOptions(host_.settings(), playOptions);
    showSessionLine();
}

void Melvane::setRealityCheckMinutes(int minutes)
{
    if (minutes != 0 && !isRealityCheckChoice(minutes))
        return;
    playOptions.realityCheckMinutes = minutes;
    writePlayOptions(host_.settings(), playOptions);
    scheduleRealityCheck();
}

void Melvane::scheduleRealityCheck()
{
    realityCheckDue_ = playOptions.realityCheckMinutes > 0
                           ? host_.monotonicMs() + playOptions.realityCheckMinutes * kMinuteMs
                           : 0;
}

void Melvane::tickTmrsession()
{
    showSessionLine();
    // Between games only: never over a spin, a round, a gamble or a side window.
    if (!spinRunning() && !busy())
        realityCheckIfDue();
}

bool Melvane::realityCheckIfDue()
{
    const std::int64_t now = host_.monotonicMs();
    if (realityCheckDue_ == 0 || now < realityCheckDue_ || messagesOpen_ > 0)
        return false;
    if (freespins > 0 || freespinwin > 0 || pandouble.visible() || sideWindowsOpen > 0 || closeRequested_)
        return false;
    // Every interval of play from the last check; intervals slept through are not owed.
    const std::int64_t interval = playOptions.realityCheckMinutes * kMinuteMs;
    if (interval <= 0)
        return false;
    while (realityCheckDue_ <= now)
        realityCheckDue_ += interval;
    showSessionLine();
    MessageBoxRequest check{kRealityCheckTitle, realityCheckText(now - session.startedMs(), session),
                            MessageIcon::Information, MessageButtons::YesNo, MessageAnswer::Yes};
    check.yesText = kKeepPlaying;
    check.noText = kStop;
    // No spin may start under the message: autoplay's timer waits until it is answered.
    ++messagesOpen_;
    const MessageAnswer answer = host_.showMessage(check);
    --messagesOpen_;
    if (answer != MessageAnswer::No)
        return false;
    if (autoplay > 0 && !spinRunning())
        stopAutoplay(AutoplayStop::RealityCheck);
    return true;
}

} // namespace melvane
