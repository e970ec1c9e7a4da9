// What reading a field delivers: a value tagged by the column's SQL type.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace records {

struct Bytes {
    std::string data;
    bool operator==(const Bytes& o) const { return data == o.data; }
};

// Text (GBK as the driver delivers it), 32/16/8-bit integers, boolean,
// single and double floats, byte strings. A missing column or a NULL is the
// empty text.
using FieldValue = std::variant<std::string, std::int32_t, std::int16_t, std::int8_t, bool, float, double, Bytes>;

inline bool isText(const FieldValue& v) { return std::holds_alternative<std::string>(v); }

// The value's text form: a text as it is, a number in decimal, a boolean as
// 0 or 1, bytes as upper-case hex.
std::string textForm(const FieldValue& v);

// A record number from whatever the database delivered: its text form read
// as a decimal integer; a fraction is cut off and a text that is no number
// gives 0.
std::int32_t recordNumber(const FieldValue& v);
std::int32_t parseRecordNumber(std::string_view text);

}  // namespace records
