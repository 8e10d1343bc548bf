#include "machine/melvane.h"

namespace melvane {

void Melvane::tickTimerwincounter() {}
void Melvane::tickTimerrespin() {}

} // namespace melvane
