#include "machine/melvane.h"

namespace melvane {

void Melvane::autoplayonClick() {}
void Melvane::autoplayoffClick() {}
void Melvane::tickTmrautospin() {}
void Melvane::tickTmrtick() {}

} // namespace melvane
