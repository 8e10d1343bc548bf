#include "mathtool/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace melvane::mathtool {

namespace {

void writeString(std::string &out, const std::string &s)
{
    out += '"';
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    out += '"';
}

void writeDouble(std::string &out, double d)
{
    if (!std::isfinite(d)) {
        out += "null"; // JSON has no infinity or NaN
        return;
    }
    char buf[32];
    const auto result = std::to_chars(buf, buf + sizeof buf, d);
    out.append(buf, result.ptr);
}

void newline(std::string &out, int indent)
{
    out += '\n';
    out.append(static_cast<std::size_t>(indent) * 2, ' ');
}

} // namespace

bool Json::isPlain() const { return !std::holds_alternative<Array>(value_) && !std::holds_alternative<Object>(value_); }

void Json::write(std::string &out, int indent) const
{
    if (std::holds_alternative<std::monostate>(value_)) {
        out += "null";
    } else if (const bool *b = std::get_if<bool>(&value_)) {
        out += *b ? "true" : "false";
    } else if (const std::int64_t *i = std::get_if<std::int64_t>(&value_)) {
        out += std::to_string(*i);
    } else if (const std::uint64_t *u = std::get_if<std::uint64_t>(&value_)) {
        out += std::to_string(*u);
    } else if (const double *d = std::get_if<double>(&value_)) {
        writeDouble(out, *d);
    } else if (const std::string *s = std::get_if<std::string>(&value_)) {
        writeString(out, *s);
    } else if (const RawNumber *n = std::get_if<RawNumber>(&value_)) {
        out += n->text;
    } else if (const Array *a = std::get_if<Array>(&value_)) {
        bool allPlain = true;
        for (const Json &e : *a)
            allPlain = allPlain && e.isPlain();
        out += '[';
        for (std::size_t k = 0; k < a->size(); ++k) {
            if (k > 0)
                out += allPlain ? ", " : ",";
            if (!allPlain)
                newline(out, indent + 1);
            (*a)[k].write(out, indent + 1);
        }
        if (!allPlain && !a->empty())
            newline(out, indent);
        out += ']';
    } else if (const Object *o = std::get_if<Object>(&value_)) {
        // A nested object of plain values reads best on one line, like a table row.
        bool inline_ = indent > 0;
        for (const auto &member : *o)
            inline_ = inline_ && member.second.isPlain();
        out += '{';
        for (std::size_t k = 0; k < o->size(); ++k) {
            if (k > 0)
                out += inline_ ? ", " : ",";
            if (!inline_)
                newline(out, indent + 1);
            writeString(out, (*o)[k].first);
            out += ": ";
            (*o)[k].second.write(out, indent + 1);
        }
        if (!o->empty() && !inline_)
            newline(out, indent);
        out += '}';
    }
}

std::string Json::dump() const
{
    std::string out;
    write(out, 0);
    return out;
}

} // namespace melvane::mathtool
