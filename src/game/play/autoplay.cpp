// Autoplay: switching it on and off, and the two timers that pace it.
#include "game/machine/checked.h"
#include "game/machine/melvane.h"
#include "game/ports/settingsstore.h"
#include "game/profiles/storedvalue.h"

namespace melvane {

namespace {

// Shared by every player, so the notice appears once per machine, not once per player.
constexpr const char *kNoticeApplication = "key";
constexpr const char *kNoticeSection = "notice";
constexpr const char *kNoticeKey = "autoplay";
constexpr const char *kNoticeShown = "-1";

constexpr const char *kNoticeTitle = "Slots Melvane";
constexpr const char *kNoticeLines[] = {
    " ..............PLEASE READ.................",
    " When you use this function all other Functions are",
    "   unavailable to you until you turn the Autoplay OFF ",
    " To turn Autoplay OFF Click on the Autoplayoff button.",
    "  ",
    "  This message will not appear again",
};

constexpr std::int16_t kAutoplayOn = 10;

std::string noticeText()
{
    std::string text;
    for (const char *line : kNoticeLines) {
        if (!text.empty())
            text += '\r';
        text += line;
    }
    return text;
}

} // namespace

// Switches autoplay on (explaining it the first time ever) and spins at once.
void Melvane::autoplayonClick()
{
    // Autoplay would spin under an open gamble and lose what is at risk.
    if (pandouble.visible())
        return;
    // Keys would otherwise reach the window and spin beside the autoplay.
    keyPreview = false;
    readStored(autonotice, host_.settings().value(kNoticeApplication, kNoticeSection, kNoticeKey));
    if (autonotice == 0)
        host_.showMessage({kNoticeTitle, noticeText(), MessageIcon::Information});
    autonotice = -1;
    host_.settings().setValue(kNoticeApplication, kNoticeSection, kNoticeKey, kNoticeShown);
    host_.settings().flush();
    tmrautospin.start();
    mnuplayer.setEnabled(false);
    mnuabout.setEnabled(false);
    mnuptble.setEnabled(false);
    if (playIndexFor(coinbet) != 0) {
        autoplay = kAutoplayOn;
        autoplayoff.show();
        autoplayoff.setEnabled(true);
        autoplayon.hide();
        // The bet buttons are locked under autoplay; the machine presses its own button.
        pressPlayForCoinbet();
    }
}

// Switches autoplay off and gives the player the machine back; a running spin still ends.
void Melvane::autoplayoffClick()
{
    mnuplayer.setEnabled(true);
    mnuabout.setEnabled(true);
    mnuptble.setEnabled(true);
    autoplay = 0;
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
