#pragma once

#include <QString>

#include <array>

namespace melvane {

// The game's 25 clips by number: 101 to 126, there is no 118.
inline constexpr std::array<int, 25> clipNumbers{101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113,
                                                 114, 115, 116, 117, 119, 120, 121, 122, 123, 124, 125, 126};

// The resource path of a clip's WAVE file, such as ":/sounds/RESOURCE_ID_101.wav".
QString clipResourcePath(int clipNumber);

} // namespace melvane
