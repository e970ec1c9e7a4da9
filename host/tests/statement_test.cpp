// Statements the way the program sends them: GBK names, select @@IDENTITY.
#include <gtest/gtest.h>

#include "odbc_test_support.h"

using namespace vo_test;

namespace {

// Hex of the GBK bytes, to check what SQLite stored.
std::string hex(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

class ProgramTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        make_database(file_);
        ASSERT_TRUE(SQL_SUCCEEDED(conn_.driver_connect(access_connection_text(file_.string()))))
            << conn_.diag();
        conn_.exec("create table 单位信息 (编号 integer primary key autoincrement, "
                   "单位名称 varchar(255), 地址 varchar(255))");
    }

    // The program's way of reading the new number: SQLExecDirect.
    std::optional<std::string> identity_direct(const std::string &sql)
    {
        Statement stmt(conn_);
        SQLRETURN ret = SQLExecDirect(stmt.get(), sql_text(sql), SQL_NTS);
        if (!SQL_SUCCEEDED(ret) || !SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
            ADD_FAILURE() << sql << ": " << stmt.diag();
            return std::nullopt;
        }
        char buf[64];
        SQLLEN ind = 0;
        if (!SQL_SUCCEEDED(SQLGetData(stmt.get(), 1, SQL_C_CHAR, buf, sizeof buf, &ind)) ||
            ind == SQL_NULL_DATA)
            return std::nullopt;
        return std::string(buf);
    }

    TempDir tmp_;
    fs::path file_ = tmp_ / "Database1.mdb";
    Environment env_;
    Connection conn_{env_};
};

TEST_F(ProgramTable, IdentityIsTheNumberJustInserted)
{
    const char *spellings[] = {"select @@IDENTITY", "SELECT @@identity", "  Select @@Identity \r\n",
                               "\tselect @@identity"};
    int expected = 0;
    for (const char *sql : spellings) {
        for (bool direct : {true, false}) {
            SCOPED_TRACE(std::string(sql) + (direct ? " (SQLExecDirect)" : " (SQLPrepare)"));
            conn_.exec("insert into 单位信息 (单位名称) values ('单位')");
            std::string want = std::to_string(++expected);
            if (direct)
                EXPECT_EQ(identity_direct(sql), want);
            else
                EXPECT_EQ(conn_.query(sql), (std::vector<Row>{{want}}));
        }
    }
}

TEST_F(ProgramTable, GbkNamesAndLikeOnStoredRows)
{
    const struct {
        int id;
        const char *name;
    } rows[] = {{5, "北京单位"}, {12, "的单"}, {21, "上海单位信息"}, {112, "其他"}};
    for (const auto &r : rows)
        conn_.query("insert into 单位信息 (编号, 单位名称) values (?, ?)",
                    {std::to_string(r.id), std::string(r.name)});

    EXPECT_EQ(conn_.query("select 编号 from 单位信息 where 单位名称 like ? order by 编号",
                          {std::string("%单位%")}),
              (std::vector<Row>{{"5"}, {"21"}}));
    EXPECT_EQ(conn_.query("select 编号 from 单位信息 where 单位名称 like '%\xC4\xB5%'"),
              std::vector<Row>{});
    // The auto-number column, matched through its text.
    EXPECT_EQ(conn_.query("select 编号 from 单位信息 where 编号 like '%12%' order by 编号"),
              (std::vector<Row>{{"12"}, {"112"}}));
    // The bytes reach the file as GBK, untranslated.
    EXPECT_EQ(sqlite_value(file_, "select hex(单位名称) from 单位信息 where 编号 = 12"),
              hex("的单"));
    EXPECT_EQ(hex("的单"), "B5C4B5A5");
}

}  // namespace
