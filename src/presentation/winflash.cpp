#include "machine/melvane.h"

namespace melvane {

void Melvane::tickTimerflash() {}

} // namespace melvane
