#include "platform/qt/displaymode.h"

namespace melvane {

// Desktops other than Windows change resolution through their own settings, never a game;
// the windows are still moved to the top-left corner by the caller.
bool setdisplaymode(int, int) { return false; }
void restoredisplaymode() {}
bool displayModeSwitches() { return false; }

} // namespace melvane
