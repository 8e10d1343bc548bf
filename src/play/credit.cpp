#include "machine/melvane.h"

namespace melvane {

void Melvane::coinsinClick() {}
void Melvane::fastmoneyClick() {}
void Melvane::takewinClick() {}

} // namespace melvane
