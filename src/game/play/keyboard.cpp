// The space bar: a spin with the current bet.
#include "game/machine/checked.h"
#include "game/machine/melvane.h"

namespace melvane {

namespace {
constexpr char kSpace = ' ';
} // namespace

// Acts on one typed key and returns the key the focused control gets: a space spins with the
// current bet, any other acted-on key reaches the control as a space so it cannot click it.
char Melvane::keyPress(char key)
{
    if (freespins > 0)
        return key;
    if (!creditCovers()) {
        sound(Clip::Refused);
        pannomoney.show();
        focus.clear();
        return key;
    }
    cmdfastmoney.setEnabled(false);
    addChecked(keycount, 1);
    // A spin started by the space bar yields while it runs; keys typed meanwhile count past 1
    // and are let through untouched, so a held or repeated space cannot queue more spins.
    if (keycount > 1)
        return key;
    if (key == kSpace) {
        // The player's own press: a locked button (spin running, autoplay) ignores it.
        const int index = playIndexFor(coinbet);
        if (index != 0)
            play[static_cast<std::size_t>(index)].press();
        keycount = 0;
        return key;
    }
    keycount = 0;
    return kSpace;
}

} // namespace melvane
