#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "rules/gametext.h"

namespace melvane {

// A text the player reads, kept as its parts so that a window can put it in the player's
// language: a marked pattern with the values that fill it (%1 to %9, and %n for a count), a
// value shown as it stands (a name, a number), or an amount of money.
class Wording {
public:
    enum class Kind { Pattern, Verbatim, Money };

    Wording() = default;
    // A pattern marked with GameText::tr, and what fills its %1, %2...
    Wording(const char *pattern, std::vector<Wording> args = {}) : text_(pattern), args_(std::move(args)) {}
    // A pattern whose %n is a count, so that a language can choose the count's plural form. The
    // count is never negative: a sign goes in an argument of its own.
    static Wording counted(const char *pattern, std::int64_t count, std::vector<Wording> args = {});
    static Wording verbatim(std::string text);
    static Wording number(std::int64_t value) { return verbatim(std::to_string(value)); }
    static Wording money(std::int64_t coins);

    Kind kind() const { return kind_; }
    // The pattern, or the text of a verbatim value.
    const std::string &text() const { return text_; }
    const std::vector<Wording> &args() const { return args_; }
    const std::optional<std::int64_t> &count() const { return count_; }

    // The English the game shows: the pattern filled in.
    std::string english() const;

    friend bool operator==(const Wording &, const Wording &) = default;

private:
    Kind kind_ = Kind::Pattern;
    std::string text_;
    std::vector<Wording> args_;
    std::optional<std::int64_t> count_;
};

// Fills %1 to %9 of `pattern` with `args` (a missing one leaves its marker) and %n with
// `count`. Every other "%" stands as it is. The English and every translation are filled alike.
std::string fillPattern(const std::string &pattern, const std::vector<std::string> &args,
                        const std::optional<std::int64_t> &count);

} // namespace melvane
