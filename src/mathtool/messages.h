#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "game/machine/wording.h"

namespace melvane::mathtool {

// A message for the user, its words translated (QCoreApplication::translate with the context
// "melvane::MathTool"), with %1, %2... filled in byte for byte: an argument or a file name in
// any encoding reaches the user exactly as it was given, which a round trip through QString
// would not promise. A value is never searched for markers itself.
inline std::string filled(const QString &pattern, std::initializer_list<std::string_view> values)
{
    return fillPattern(pattern.toStdString(), std::vector<std::string>(values.begin(), values.end()), std::nullopt);
}

} // namespace melvane::mathtool
