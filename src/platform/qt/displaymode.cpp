#include "platform/qt/displaymode.h"

namespace melvane {

// Desktops other than Windows change resolution through their own settings, never a game.
bool setdisplaymode() { return false; }
void restoredisplaymode() {}

} // namespace melvane
