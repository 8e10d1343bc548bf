#pragma once

// The screen-mode routines of the module `melvanebas`. The windows of the game are laid out
// for an 800 x 600 screen; the options window can switch the screen to that size and back.
// Plain C++ on purpose: the Windows version is compiled without the window toolkit.
namespace melvane {

// Switches the display to `width` x `height` pixels for this session only; true when the
// platform took the new mode. Where a game cannot change the display it does nothing.
bool setdisplaymode(int width, int height);
// Returns the display to its stored mode, changed or not.
void restoredisplaymode();
// Whether this platform lets a game switch the display mode; where it does not, the game's
// window fills the screen instead.
bool displayModeSwitches();

} // namespace melvane
