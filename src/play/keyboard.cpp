#include "machine/melvane.h"

namespace melvane {

char Melvane::keyPress(char key) { return key; }

} // namespace melvane
