#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include <QString>

namespace melvane::mathtool {

// A message for the user, its words translated (QCoreApplication::translate with the context
// "melvane::MathTool"), with %1, %2... filled in byte for byte: an argument or a file name in
// any encoding reaches the user exactly as it was given, which a round trip through QString
// would not promise. A value is never searched for markers itself.
inline std::string filled(const QString &pattern, std::initializer_list<std::string_view> values)
{
    const std::string text = pattern.toStdString();
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < values.size()) {
            out.append(values.begin()[next - '1']);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

} // namespace melvane::mathtool
