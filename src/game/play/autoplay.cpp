// Autoplay: switching it on and off, and the two timers that pace it.
#include "game/machine/checked.h"
#include "game/machine/melvane.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/storedvalue.h"

namespace melvane {

namespace {

// Shared by every player, so the notice appears once per machine, not once per player.
constexpr StoreKey kNoticeKey{"key", "notice", "autoplay"};
constexpr const char *kNoticeShown = "-1";

constexpr const char *kNoticeTitle = GameText::tr("Slots Melvane");
// One text, its lines parted by the carriage returns the message box breaks them at.
constexpr const char *kNoticeText = GameText::tr(" ..............PLEASE READ.................\r"
                                                 " When you use this function all other Functions are\r"
                                                 "   unavailable to you until you turn the Autoplay OFF \r"
                                                 " To turn Autoplay OFF Click on the Autoplayoff button.\r"
                                                 "  \r"
                                                 "  This message will not appear again");

constexpr std::int16_t kAutoplayOn = 10;

} // namespace

// Switches autoplay on (explaining it the first time ever) and spins at once; with an autoplay
// window hooked, the window's "Start" switches it on.
void Melvane::autoplayonClick()
{
    // Autoplay would spin under an open gamble and lose what is at risk.
    if (pandouble.visible())
        return;
    // Keys would otherwise reach the window and spin beside the autoplay.
    const bool keysBefore = keyPreview;
    keyPreview = false;
    readStored(autonotice, host_.settings().valueAt(kNoticeKey));
    if (autonotice == 0)
        host_.showMessage({kNoticeTitle, kNoticeText, MessageIcon::Information});
    autonotice = -1;
    host_.settings().setValueAt(kNoticeKey, kNoticeShown);
    host_.settings().flush();
    if (onAutoplayChoice) {
        // Until the player starts it, the keys stay where they were.
        keyPreview = keysBefore;
        onAutoplayChoice();
        return;
    }
    startAutoplay({});
}

void Melvane::startAutoplay(const AutoplayLimits &limits)
{
    // The window may have stood open while the machine moved on: the same refusals as the button.
    if (pandouble.visible() || autoplay > 0 || freespins > 0 || closeRequested_)
        return;
    keyPreview = false;
    tmrautospin.start();
    mnuplayer.setEnabled(false);
    mnuabout.setEnabled(false);
    mnuptble.setEnabled(false);
    if (playIndexFor(coinbet) != 0) {
        autoRun_ = {};
        autoRun_.limits = limits;
        autoRun_.startCredit = g.bank;
        autoplayStopped = AutoplayStop::None;
        lblautoplay.hide();
        autoplay = kAutoplayOn;
        autoplayoff.show();
        autoplayoff.setEnabled(true);
        autoplayon.hide();
        // The bet buttons are locked under autoplay; the machine presses its own button.
        pressPlayForCoinbet();
    }
}

bool Melvane::stopAutoplayKey()
{
    if (autoplay < 1)
        return false;
    autoRun_.keyStop = true;
    // Between games it stops now; otherwise when the game in progress has ended.
    if (!spinRunning() && !busy() && freespins == 0)
        stopAutoplay(AutoplayStop::Key);
    return true;
}

void Melvane::stopAutoplay(AutoplayStop reason)
{
    autoplayoffClick();
    autoplayStopped = reason;
    lblautoplay.setCaption(autoplayStopText(autoRun_.limits, reason));
    lblautoplay.show();
}

bool Melvane::betweenGames()
{
    if (realityCheckIfDue() && autoplay > 0) {
        stopAutoplay(AutoplayStop::RealityCheck);
        return false;
    }
    if (autoplay < 1)
        return true;
    const AutoplayLimits &limits = autoRun_.limits;
    AutoplayStop reason = AutoplayStop::None;
    if (autoRun_.keyStop)
        reason = AutoplayStop::Key;
    else if (limits.spins > 0 && autoRun_.spins >= limits.spins)
        reason = AutoplayStop::Spins;
    else if (limits.lossLimit > 0 && static_cast<std::int64_t>(autoRun_.startCredit) - g.bank > limits.lossLimit)
        reason = AutoplayStop::LossLimit;
    else if (limits.winLimit > 0 && autoRun_.biggestWin >= limits.winLimit)
        reason = AutoplayStop::WinLimit;
    else if (limits.stopOnBonus && autoRun_.bonus)
        reason = AutoplayStop::Bonus;
    if (reason == AutoplayStop::None)
        return true;
    stopAutoplay(reason);
    return false;
}

// Switches autoplay off and gives the player the machine back; a running spin still ends.
void Melvane::autoplayoffClick()
{
    mnuplayer.setEnabled(true);
    mnuabout.setEnabled(true);
    mnuptble.setEnabled(true);
    autoplay = 0;
    autoRun_.keyStop = false;
    autoplayStopped = AutoplayStop::None;
    lblautoplay.hide();
    autoplayon.show();
    autoplayoff.hide();
    setAllPlayAndWays(true);
    COINSIN.setEnabled(true);
    cmdfastmoney.setEnabled(true);
    tmrautospin.stop();
    keyPreview = true;
    const int index = playIndexFor(coinbet);
    if (index != 0)
        focus = play[static_cast<std::size_t>(index)].name();
}

// Spins again once the pause chosen after a win has been counted off.
void Melvane::tickTmrautospin()
{
    if (autoplay < 1 || autoticks < autopause)
        return;
    autoticks = 0;
    autopause = 0;
    pressPlayForCoinbet();
}

// Counts one tick of the pause; the count holds at its largest value rather than wrap.
void Melvane::tickTmrtick() { addChecked(autoticks, 1); }

} // namespace melvane
