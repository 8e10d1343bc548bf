#pragma once

#include <array>

#include "machine/controls.h"

namespace melvane {

// The controls inside the gamble panel `pandouble`.
struct GamblePanel {
    PictureBox piccardholder{"piccardholder"};
    Button betred{"betred"};
    Button betblack{"betblack"};
    std::array<Button, 5> suitbet;       // 1..4
    Button cancelbet{"cancelbet"};
    Label risklab{"risklab"};
    Label lblblackred{"lblblackred"};
    Label lblsuit{"lblsuit"};
    PictureBox gamblewin{"gamblewin"};
    PictureBox gamblelose{"gamblelose"};
    std::array<PictureBox, 6> historypic; // 1..5
    Label Label1{"Label1", "past history"};
};

} // namespace melvane
