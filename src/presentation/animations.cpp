#include "machine/melvane.h"

namespace melvane {

void Melvane::tickTimerballflash() {}
void Melvane::tickTimerscatter() {}

} // namespace melvane
