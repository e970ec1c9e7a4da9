#include "records/sql_text.h"

#include "records/gbk.h"

namespace records {

std::string connectionText(std::string_view path) {
    std::string text = "ODBC;DBQ=";
    text += path;
    const auto slash = gbkFindLast(path, '\\');
    if (slash != std::string_view::npos) {
        text += ";DefaultDir=";
        text += path.substr(0, slash);
    }
    text += ";Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;";
    return text;
}

std::string replaceBrackets(std::string_view s, char quote) {
    std::string out;
    out.reserve(s.size());
    bool inLiteral = false;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = gbkCharLength(s, i);
        const char c = s[i];
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        if (n == 2) {
            out.append(s, i, 2);
        } else if (c == '\'') {
            if (next == '\'') {
                out += "''";  // a doubled quote stays a quote, in or out of a literal
                i += 2;
                continue;
            }
            inLiteral = !inLiteral;
            out += c;
        } else if (!inLiteral && (c == '[' || c == ']')) {
            if (next == c) {
                out += c;
                i += 2;
                continue;
            }
            out += quote;
        } else {
            out += c;
        }
        i += n;
    }
    return out;
}

std::string literalBody(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = gbkCharLength(text, i);
        out.append(text, i, n);
        if (n == 1 && text[i] == '\'') out += '\'';
        i += n;
    }
    return out;
}

std::string createTableStatement(const char* idColumnType) {
    std::string s = std::string("create table ") + kTable + " (" + kIdColumn + " " + idColumnType;
    for (const Field& f : kFields) s += "," + bracketedName(f) + " varchar(255)";
    return s + ")";
}

std::string listingStatement() { return std::string("select * from ") + kTable; }

std::string searchStatement(std::string_view keyword) {
    const std::string k = literalBody(keyword);
    std::string s = std::string("select * from ") + kTable + " where " + kIdColumn + " like '%";
    s.reserve(s.size() + kFieldCount * (k.size() + 40));
    s += k;
    for (const Field& f : kFields) {
        s += "%' or ";
        s += searchName(f);
        s += " like '%";
        s += k;
    }
    s += "%'";
    return s;
}

std::string deleteStatement(std::int32_t recordNumber) {
    return std::string("delete from ") + kTable + " where " + kIdColumn + "=" + std::to_string(recordNumber);
}

std::string insertStatement(const UnitTexts& values) {
    std::string s = std::string("insert into ") + kTable + " (";
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (i) s += ',';
        s += bracketedName(kFields[i]);
    }
    s += ") values ('";
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (i) s += "','";
        s += literalBody(values[i]);
    }
    s += "')";
    return s;
}

}  // namespace records
