#include "game/sidewindows/menuwindow.h"

#include "game/machine/melvane.h"
#include "game/profiles/profiles.h"

namespace melvane {

MenuWindow::MenuWindow(Melvane &m, Button &entry) : m_(m), entry_(entry)
{
    entry_.setAction([this] { open(); });
}

MenuWindow::~MenuWindow() { entry_.setAction({}); }

void MenuWindow::open()
{
    if (m_.freespins > 0 || open_ || refuses())
        return;
    m_.sound(Clip::Click);
    opening();
    open_ = true;
    ++m_.sideWindowsOpen;
    changed();
}

void MenuWindow::close()
{
    if (open_)
        --m_.sideWindowsOpen;
    open_ = false;
    changed();
}

void MenuWindow::changed()
{
    if (onChange)
        onChange();
}

AboutWindow::AboutWindow(Melvane &m) : MenuWindow(m, m.mnuabout) {}

PaytableWindow::PaytableWindow(Melvane &m) : MenuWindow(m, m.mnuptble) {}

void PaytableWindow::opening() { m_.pannomoney.hide(); }

HistoryWindow::HistoryWindow(Melvane &m) : MenuWindow(m, m.mnuhistory) {}

bool HistoryWindow::refuses() const
{
    // Never over play in progress: a spin, a gamble, autoplay, or a round total to collect.
    return m_.busy() || m_.spinRunning() || m_.pandouble.visible() || m_.autoplay > 0 || m_.freespinwin > 0;
}

void HistoryWindow::opening()
{
    games.clear();
    chosen = -1;
    const int player = profileNumber(m_.g.playernumber);
    if (m_.journal != nullptr && player != 0)
        games = m_.journal->lastGames(player, kGamesListed);
    if (!games.empty())
        chosen = 0;
}

void HistoryWindow::choose(int index)
{
    chosen = index >= 0 && index < static_cast<int>(games.size()) ? index : -1;
    if (onChange)
        onChange();
}

} // namespace melvane
