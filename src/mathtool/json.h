#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace melvane::mathtool {

// A small JSON value: enough to print the tool's reports, with keys kept in insertion order.
class Json {
public:
    using Array = std::vector<Json>;
    using Object = std::vector<std::pair<std::string, Json>>;
    // A number printed from its exact decimal text (for example a signature such as 32.5).
    struct RawNumber {
        std::string text;
    };

    Json() = default;
    Json(std::nullptr_t) {}
    Json(bool b) : value_(b) {}
    Json(int i) : value_(static_cast<std::int64_t>(i)) {}
    Json(std::int64_t i) : value_(i) {}
    Json(std::uint64_t i) : value_(i) {}
    Json(double d) : value_(d) {}
    Json(const char *s) : value_(std::string(s)) {}
    Json(std::string s) : value_(std::move(s)) {}
    Json(RawNumber n) : value_(std::move(n)) {}
    Json(Array a) : value_(std::move(a)) {}
    Json(Object o) : value_(std::move(o)) {}

    // Text with two-space indentation; arrays of plain values stay on one line.
    std::string dump() const;

private:
    void write(std::string &out, int indent) const;
    bool isPlain() const;

    std::variant<std::monostate, bool, std::int64_t, std::uint64_t, double, std::string, RawNumber, Array, Object>
        value_;
};

} // namespace melvane::mathtool
