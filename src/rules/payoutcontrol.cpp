#include "rules/payoutcontrol.h"

namespace melvane {

std::string_view payoutSettingName(int machinepay)
{
    switch (machinepay) {
    case 5:
        return "Realistic";
    case 3:
        return "Loose";
    case 2:
        return "Dream Machine !!";
    default:
        return "";
    }
}

} // namespace melvane
