#include "game/sidewindows/menuwindow.h"

#include "game/machine/melvane.h"

namespace melvane {

MenuWindow::MenuWindow(Melvane &m, Button &entry) : m_(m), entry_(entry)
{
    entry_.setAction([this] { open(); });
}

MenuWindow::~MenuWindow() { entry_.setAction({}); }

void MenuWindow::open()
{
    if (m_.freespins > 0 || open_)
        return;
    m_.sound(Clip::Click);
    opening();
    open_ = true;
    changed();
}

void MenuWindow::close()
{
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

} // namespace melvane
