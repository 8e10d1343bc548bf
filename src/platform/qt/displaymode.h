#pragma once

namespace melvane {

// Switches the screen to 800 x 600, remembering the mode in force; false when it could not.
// Only Windows changes display modes; elsewhere the game keeps the screen as it is.
bool setdisplaymode();
// Returns the screen to the mode remembered by setdisplaymode.
void restoredisplaymode();

} // namespace melvane
