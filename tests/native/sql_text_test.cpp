#include <gtest/gtest.h>

#include "records/sql_text.h"

using namespace records;

namespace {
bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

struct BracketCase {
    const char* in;
    const char* out;
};

TEST(ReplaceBrackets, Table) {
    const BracketCase cases[] = {
        {"select [a] from t", "select \"a\" from t"},
        {"update t set [法定代表人(负责人)]='x'", "update t set \"法定代表人(负责人)\"='x'"},
        {"x like '%[a]%' or [b] like '%]%'", "x like '%[a]%' or \"b\" like '%]%'"},  // literals keep brackets
        {"a='it''s [x]' and [y]=1", "a='it''s [x]' and \"y\"=1"},                   // '' stays inside
        {"values ('','[k]')", "values ('','[k]')"},                                   // empty literal, then a literal
        {"[[a]] [b]", "[a] \"b\""},
        {"''[a]", "''\"a\""},                                                       // '' outside does not open a literal
        {"'unclosed [a]", "'unclosed [a]"},
        // GBK characters whose second byte is '[' '\' ']' are one unit each.
        {"\x81\x5b[a]", "\x81\x5b\"a\""},
        {"\x87\x5b]", "\x87\x5b\""},
        {"'\x81\x5d' [b]", "'\x81\x5d' \"b\""},
        {"\x81\x5c'[x]'", "\x81\x5c'[x]'"},
        {"\x81", "\x81"},  // a lead byte at the very end
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(replaceBrackets(c.in, '"'), c.out) << c.in;
    EXPECT_EQ(replaceBrackets("[a]", ' '), " a ");
}

TEST(ConnectionText, WindowsPathNamesItsDirectory) {
    EXPECT_EQ(connectionText("D:\\app\\Database1.mdb"),
              "ODBC;DBQ=D:\\app\\Database1.mdb;DefaultDir=D:\\app;Driver={Microsoft Access Driver (*.mdb)};FIL=MS "
              "Access;");
    EXPECT_EQ(connectionText("/srv/data/Database1.mdb"),
              "ODBC;DBQ=/srv/data/Database1.mdb;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;");
}

TEST(SearchStatement, KeywordAtAll72Places) {
    const std::string s = searchStatement("K");
    EXPECT_EQ(s.rfind("select * from 单位信息 where 编号 like '%K%' or 社会保险登记证编码 like '%K%' or 组织机构代码 like", 0), 0u);
    EXPECT_NE(s.find(" or [法定代表人(负责人)] like '%K%' or 法定代表人联系电话 like '%K%'"), std::string::npos);
    EXPECT_NE(s.find(" or [已办理<外国人就业许可证>人数] like '%K%'"), std::string::npos);
    EXPECT_TRUE(endsWith(s, "%' or 险种类型 like '%K%' or 备注 like '%K%'"));
    std::size_t count = 0;
    for (auto p = s.find("'%K%'"); p != std::string::npos; p = s.find("'%K%'", p + 1)) ++count;
    EXPECT_EQ(count, 72u);
    std::size_t ors = 0;
    for (auto p = s.find(" or "); p != std::string::npos; p = s.find(" or ", p + 1)) ++ors;
    EXPECT_EQ(ors, 71u);
}

TEST(SearchStatement, QuotesAreDoubledAndNothingElseChanges) {
    const std::string s = searchStatement(" o'k [%_] ");
    EXPECT_NE(s.find("编号 like '% o''k [%_] %' or "), std::string::npos);
    // A quote's double must not be confused with a GBK second byte.
    EXPECT_EQ(literalBody("\x81\x5c'"), "\x81\x5c''");
}

TEST(Statements, DeleteAndInsert) {
    EXPECT_EQ(deleteStatement(57), "delete from 单位信息 where 编号=57");
    EXPECT_EQ(deleteStatement(-3), "delete from 单位信息 where 编号=-3");
    UnitTexts v;
    v[0] = "a";
    v[70] = "x\r\ny";
    const std::string s = insertStatement(v);
    EXPECT_EQ(s.rfind("insert into 单位信息 ([社会保险登记证编码],[组织机构代码],[单位名称],", 0), 0u);
    EXPECT_NE(s.find("[险种类型],[备注]) values ('a','',''"), std::string::npos);
    EXPECT_TRUE(endsWith(s, "'','x\r\ny')"));
}

TEST(ConnectionText, DirectoryEndsAtARealBackslash) {
    // 乗 is 81 5C: its second byte is no separator.
    EXPECT_EQ(connectionText("D:\\\x81\x5c\\Database1.mdb"),
              "ODBC;DBQ=D:\\\x81\x5c\\Database1.mdb;DefaultDir=D:\\\x81\x5c;Driver={Microsoft Access Driver (*.mdb)};"
              "FIL=MS Access;");
    EXPECT_EQ(connectionText("\x81\x5c.mdb"), "ODBC;DBQ=\x81\x5c.mdb;Driver={Microsoft Access Driver (*.mdb)};FIL=MS Access;");
}
