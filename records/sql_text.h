// Statement texts. Plain text concatenation, as the database layer sends it:
// square brackets quote the awkward field names and are turned into the
// driver's identifier quote by replaceBrackets() just before sending.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "records/schema.h"

namespace records {

using UnitTexts = std::array<std::string, kFieldCount>;

// Connection text for the Access driver on the file at `path`.
std::string connectionText(std::string_view path);

// Square brackets outside text literals become `quote`; "[[" and "]]" become
// single brackets. GBK double-byte characters are never split, so a second
// byte of 0x5B/0x5D/0x27 is never taken for a bracket or a quote.
std::string replaceBrackets(std::string_view statement, char quote);

// The body of a text literal: every single quote doubled.
std::string literalBody(std::string_view text);

// The unit table: the record number with `idColumnType` (an auto-number in
// the database's own words) and the 71 fields as character columns.
inline constexpr const char* kSqliteAutoNumber = "integer primary key autoincrement";
inline constexpr const char* kAccessAutoNumber = "counter primary key";
std::string createTableStatement(const char* idColumnType);

std::string listingStatement();
std::string searchStatement(std::string_view keyword);
std::string deleteStatement(std::int32_t recordNumber);
std::string insertStatement(const UnitTexts& values);

}  // namespace records
