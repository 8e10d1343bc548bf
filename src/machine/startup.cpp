#include "machine/melvane.h"

namespace melvane {

bool Melvane::load() { return true; }
void Melvane::shutdown() {}

} // namespace melvane
