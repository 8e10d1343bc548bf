#include "game/machine/wording.h"

#include "rules/money.h"

namespace melvane {

Wording Wording::counted(const char *pattern, std::int64_t count, std::vector<Wording> args)
{
    Wording w(pattern, std::move(args));
    w.count_ = count;
    return w;
}

Wording Wording::verbatim(std::string text)
{
    Wording w;
    w.kind_ = Kind::Verbatim;
    w.text_ = std::move(text);
    return w;
}

Wording Wording::money(std::int64_t coins)
{
    Wording w;
    w.kind_ = Kind::Money;
    w.text_ = moneyCaption(coins);
    return w;
}

std::string Wording::english() const
{
    if (kind_ != Kind::Pattern)
        return text_;
    std::vector<std::string> filled;
    filled.reserve(args_.size());
    for (const Wording &arg : args_)
        filled.push_back(arg.english());
    return fillPattern(text_, filled, count_);
}

std::string fillPattern(const std::string &pattern, const std::vector<std::string> &args,
                        const std::optional<std::int64_t> &count)
{
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else if (pattern[i] == '%' && next == 'n' && count) {
            out += std::to_string(*count);
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

} // namespace melvane
