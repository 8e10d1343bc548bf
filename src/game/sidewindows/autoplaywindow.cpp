#include "game/sidewindows/autoplaywindow.h"

#include "game/machine/melvane.h"
#include "game/profiles/profiles.h"

namespace melvane {

AutoplayWindow::AutoplayWindow(Melvane &m) : m_(m)
{
    m_.onAutoplayChoice = [this] { open(); };
}

AutoplayWindow::~AutoplayWindow() { m_.onAutoplayChoice = nullptr; }

void AutoplayWindow::open()
{
    if (open_)
        return;
    choice = m_.autoplayLimits;
    open_ = true;
    ++m_.sideWindowsOpen;
    changed();
}

void AutoplayWindow::chooseSpins(int spins)
{
    if (isOffered(kAutoplaySpinChoices, spins))
        choice.spins = spins;
    changed();
}

void AutoplayWindow::chooseLossLimit(std::int32_t coins)
{
    if (isOffered(kAutoplayLossChoices, coins))
        choice.lossLimit = coins;
    changed();
}

void AutoplayWindow::chooseWinLimit(std::int32_t coins)
{
    if (isOffered(kAutoplayWinChoices, coins))
        choice.winLimit = coins;
    changed();
}

void AutoplayWindow::chooseStopOnBonus(bool on)
{
    choice.stopOnBonus = on;
    changed();
}

void AutoplayWindow::start()
{
    if (!open_)
        return;
    open_ = false;
    --m_.sideWindowsOpen;
    m_.autoplayLimits = choice;
    if (const int n = profileNumber(m_.g.playernumber); n != 0)
        writeAutoplayLimits(m_.host().settings(), n, choice);
    changed();
    m_.startAutoplay(choice);
}

void AutoplayWindow::cancel()
{
    if (!open_)
        return;
    open_ = false;
    --m_.sideWindowsOpen;
    changed();
}

void AutoplayWindow::changed()
{
    if (onChange)
        onChange();
}

} // namespace melvane
