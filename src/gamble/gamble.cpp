#include "machine/melvane.h"

namespace melvane {

void Melvane::doublebuttonClick() {}
void Melvane::betredClick() {}
void Melvane::betblackClick() {}
void Melvane::suitbetClick(int) {}
void Melvane::cancelbetClick() {}

} // namespace melvane
