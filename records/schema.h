// The unit record: 71 text fields plus the record number the database assigns.
// This table is the one place the fields are listed; the record list, the
// forms and every statement builder take names, headers and widths from it.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace records {

struct Field {
    const char* name;    // column name in the unit table (GBK)
    const char* header;  // record-list column header
    int width;           // record-list column width in pixels
};

inline constexpr std::size_t kFieldCount = 71;
inline constexpr const char* kTable = "单位信息";
inline constexpr const char* kIdColumn = "编号";

extern const std::array<Field, kFieldCount> kFields;

// Field n (1..71) as numbered in the record; list column n - 1 shows it.
const Field& field(int n);

// Names holding parentheses or angle brackets are written in square brackets
// by the search and the update; all others stand bare.
bool needsBrackets(const Field& f);

// The name as the search and the update write it.
std::string searchName(const Field& f);

// The name in square brackets, as the insert writes every name.
std::string bracketedName(const Field& f);

}  // namespace records
