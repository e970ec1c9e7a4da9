#include "records/field_value.h"

#include <cstdio>
#include <limits>

namespace records {

namespace {

std::string formatFloat(double d, int digits) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, d);
    return buf;
}

struct TextForm {
    std::string operator()(const std::string& s) const { return s; }
    std::string operator()(std::int32_t v) const { return std::to_string(v); }
    std::string operator()(std::int16_t v) const { return std::to_string(v); }
    std::string operator()(std::int8_t v) const { return std::to_string(static_cast<int>(v)); }
    std::string operator()(bool v) const { return v ? "1" : "0"; }
    std::string operator()(float v) const { return formatFloat(v, 7); }
    std::string operator()(double v) const { return formatFloat(v, 15); }
    std::string operator()(const Bytes& b) const {
        static const char hex[] = "0123456789ABCDEF";
        std::string out;
        out.reserve(b.data.size() * 2);
        for (unsigned char c : b.data) {
            out += hex[c >> 4];
            out += hex[c & 15];
        }
        return out;
    }
};

}  // namespace

std::string textForm(const FieldValue& v) { return std::visit(TextForm{}, v); }

std::int32_t parseRecordNumber(std::string_view t) {
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t')) ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    long long value = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        value = value * 10 + (t[i] - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return 0;  // no 32-bit number
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t recordNumber(const FieldValue& v) {
    if (const auto* i = std::get_if<std::int32_t>(&v)) return *i;
    return parseRecordNumber(textForm(v));
}

}  // namespace records
