#pragma once

#include "voices.h"

#include <vector>

namespace melvane::clipsynth {

// The score of one clip and how it is to be finished.
struct Composition {
    std::vector<Note> notes;
    double peak = 0.89; // the loudest sample after mastering, as a fraction of full scale
};

// The score of a clip that lasts `seconds`. A looped clip's score is circular: notes that
// ring past the end belong to the start. Throws for a clip number the game does not have.
Composition compose(int clipNumber, double seconds);

} // namespace melvane::clipsynth
