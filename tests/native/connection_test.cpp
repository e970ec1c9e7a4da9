// The database connection against a real database file, through the driver
// manager and the Access-driver stand-in.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "records/connection.h"
#include "records/sql_text.h"
#include "ui/main/listing.h"

using records::Connection;
using records::FieldValue;

namespace {

class ConnectionTest : public testing::Test {
protected:
    void SetUp() override {
        char dir[] = "/tmp/vo-conn-XXXXXX";
        ASSERT_TRUE(mkdtemp(dir));
        dir_ = dir;
        path_ = dir_ + "/Database1.mdb";
        std::ofstream(path_).flush();  // an empty file is an empty SQLite database
        ASSERT_TRUE(db_.open(path_));
    }
    void TearDown() override {
        db_.close();
        std::remove(path_.c_str());
        rmdir(dir_.c_str());
    }
    void makeUnitTable() {
        ASSERT_EQ(db_.execute(records::createTableStatement(records::kSqliteAutoNumber)), 1);
    }
    records::UnitTexts unit(const std::string& tag) {
        records::UnitTexts u;
        for (std::size_t i = 0; i < u.size(); ++i) u[i] = tag + "-" + std::to_string(i + 1);
        return u;
    }

    std::string dir_, path_;
    Connection db_;
};

}  // namespace

TEST_F(ConnectionTest, ListsUnitsFieldByFieldInOrder) {
    makeUnitTable();
    records::UnitTexts empty;
    ASSERT_EQ(db_.execute(records::insertStatement(unit("甲"))), 1);
    ASSERT_EQ(db_.execute(records::insertStatement(empty)), 1);
    const auto h = db_.query(records::listingStatement());
    ASSERT_NE(h, 0);
    db_.moveFirst(h);
    ASSERT_FALSE(db_.atEnd(h));
    EXPECT_EQ(db_.readField(h, "编号"), FieldValue{std::int32_t{1}});
    EXPECT_EQ(db_.readField(h, "法定代表人(负责人)"), FieldValue{std::string("甲-7")});
    EXPECT_EQ(db_.readField(h, "外籍职工人数"), FieldValue{std::string("甲-39")});
    EXPECT_EQ(db_.readField(h, "备注"), FieldValue{std::string("甲-71")});
    EXPECT_EQ(db_.readField(h, "[备注]"), FieldValue{std::string()});
    EXPECT_EQ(db_.readField(h, "备注 "), FieldValue{std::string()});
    db_.moveNext(h);
    ASSERT_FALSE(db_.atEnd(h));
    EXPECT_EQ(db_.readField(h, "编号"), FieldValue{std::int32_t{2}});
    EXPECT_EQ(db_.readField(h, "单位名称"), FieldValue{std::string()});
    db_.moveNext(h);
    EXPECT_TRUE(db_.atEnd(h));
    db_.moveNext(h);
    EXPECT_TRUE(db_.atEnd(h));
    db_.moveFirst(h);  // the cursor scrolls back
    EXPECT_EQ(db_.readField(h, "编号"), FieldValue{std::int32_t{1}});
    db_.closeResult(h);
    EXPECT_TRUE(db_.atEnd(h));
    EXPECT_EQ(db_.readField(h, "编号"), FieldValue{std::string()});
}

TEST_F(ConnectionTest, QueryRefusesEmptyTextAndClosedConnection) {
    makeUnitTable();
    EXPECT_EQ(db_.quoteChar(), '"') << "the quote the driver reports replaces the brackets";
    EXPECT_EQ(db_.query(""), 0);
    EXPECT_EQ(db_.execute(""), 0);
    EXPECT_TRUE(db_.atEnd(0));
    EXPECT_EQ(db_.query("select * from 没有这个表"), 0);
    EXPECT_EQ(db_.execute("delete from 没有这个表"), 0);
    db_.close();
    EXPECT_EQ(db_.quoteChar(), ' ');
    EXPECT_EQ(db_.query(records::listingStatement()), 0);
    EXPECT_EQ(db_.execute(records::deleteStatement(1)), 0);
}

TEST_F(ConnectionTest, ThirtyOpenResultSetsAndNoMore) {
    makeUnitTable();
    std::vector<Connection::Handle> open;
    for (int i = 0; i < 30; ++i) {
        open.push_back(db_.query(records::listingStatement()));
        ASSERT_NE(open.back(), 0) << i;
    }
    EXPECT_EQ(db_.query(records::listingStatement()), 0);
    db_.closeResult(open[7]);
    const auto again = db_.query(records::listingStatement());
    EXPECT_NE(again, 0);
    EXPECT_NE(again, open[7]) << "a closed handle must not come back to life";
    EXPECT_EQ(db_.columnIndex(open[7], "编号"), -1);
}

TEST_F(ConnectionTest, ChangesThatMatchNothingSucceed) {
    makeUnitTable();
    EXPECT_EQ(db_.execute(records::deleteStatement(57)), 1);
    EXPECT_EQ(db_.execute("update 单位信息 set 备注='x' where 编号=57"), 1);
    EXPECT_EQ(db_.execute("this is no statement"), 0);
}

TEST_F(ConnectionTest, BracketsInsideLiteralsReachTheDatabase) {
    makeUnitTable();
    auto u = unit("乙");
    u[70] = "[备]注'引号";
    ASSERT_EQ(db_.execute(records::insertStatement(u)), 1);
    for (const char* keyword : {"[备]", "'引", "注'引号"}) {
        const auto h = db_.query(records::searchStatement(keyword));
        ASSERT_NE(h, 0) << keyword;
        EXPECT_FALSE(db_.atEnd(h)) << keyword;
        EXPECT_EQ(db_.readField(h, "备注"), FieldValue{std::string("[备]注'引号")});
        db_.closeResult(h);
    }
    const auto none = db_.query(records::searchStatement("[没有]"));
    EXPECT_TRUE(db_.atEnd(none));
}

TEST_F(ConnectionTest, ManyRowsAndLongValuesComeWhole) {
    makeUnitTable();
    ASSERT_TRUE(db_.setAutoCommit(false));
    const std::string longText(3000, 'L');  // longer than the declared column
    for (int i = 0; i < 1000; ++i) {
        auto u = unit(std::to_string(i));
        if (i == 555) u[0] = longText;
        ASSERT_EQ(db_.execute(records::insertStatement(u)), 1);
    }
    ASSERT_TRUE(db_.commit());
    const auto h = db_.query(records::listingStatement());
    const int id = db_.columnIndex(h, "编号");
    const int first = db_.columnIndex(h, records::field(1).name);
    const int last = db_.columnIndex(h, records::field(71).name);
    int n = 0;
    for (db_.moveFirst(h); !db_.atEnd(h); db_.moveNext(h), ++n) {
        ASSERT_EQ(db_.readField(h, id), FieldValue{std::int32_t{n + 1}});
        std::string text;
        EXPECT_TRUE(db_.appendText(h, first, text));
        EXPECT_EQ(text, n == 555 ? longText : std::to_string(n) + "-1");
        EXPECT_EQ(db_.readField(h, last), FieldValue{std::to_string(n) + "-71"});
    }
    EXPECT_EQ(n, 1000);
}

TEST_F(ConnectionTest, ValuesAreTaggedByColumnType) {
    ASSERT_EQ(db_.execute("create table t (i integer, s smallint, r real, d double, b blob, v varchar(20), m text)"), 1);
    ASSERT_EQ(db_.execute("insert into t values (-7, 3, 1.5, 2.25, x'00ff', '文', 'memo')"), 1);
    ASSERT_EQ(db_.execute("insert into t values (null, null, null, null, null, null, null)"), 1);
    const auto h = db_.query("select * from t");
    EXPECT_EQ(db_.readField(h, "i"), FieldValue{std::int32_t{-7}});
    EXPECT_EQ(db_.readField(h, "s"), FieldValue{std::int16_t{3}});
    EXPECT_EQ(db_.readField(h, "d"), FieldValue{2.25});
    EXPECT_EQ(db_.readField(h, "b"), FieldValue{records::Bytes{std::string("\0\xff", 2)}});
    EXPECT_EQ(db_.readField(h, "v"), FieldValue{std::string("文")});
    EXPECT_EQ(db_.readField(h, "m"), FieldValue{std::string("memo")});
    EXPECT_EQ(records::textForm(db_.readField(h, "r")), "1.5");
    db_.moveNext(h);
    for (const char* c : {"i", "s", "r", "d", "b", "v", "m"}) EXPECT_EQ(db_.readField(h, c), FieldValue{std::string()}) << c;
}

TEST_F(ConnectionTest, NewRecordNumberAfterInsert) {
    makeUnitTable();
    for (int i = 0; i < 3; ++i) ASSERT_EQ(db_.execute(records::insertStatement(unit("丙"))), 1);
    ASSERT_EQ(db_.execute(records::deleteStatement(3)), 1);
    ASSERT_EQ(db_.execute(records::insertStatement(unit("丁"))), 1);
    const auto h = db_.query("select @@IDENTITY");
    ASSERT_NE(h, 0);
    EXPECT_EQ(records::recordNumber(db_.readField(h, 0)), 4);  // not 3: numbers are never reused
}

TEST(ConnectionOpen, FailedOpenLeavesEverythingFailing) {
    Connection db;
    EXPECT_FALSE(db.open("/tmp/vo-no-such-dir/Database1.mdb"));
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(db.query(records::listingStatement()), 0);
    EXPECT_EQ(db.execute(records::deleteStatement(1)), 0);
    EXPECT_TRUE(db.atEnd(db.query("select 1")));
}

TEST_F(ConnectionTest, ListingShowsFieldsOfOtherTypesInTheirTextForm) {
    // A table whose last two fields are not character columns.
    std::string ddl = "create table 单位信息 (编号 integer primary key autoincrement";
    for (int n = 1; n <= 69; ++n) ddl += "," + records::bracketedName(records::field(n)) + " varchar(255)";
    ddl += ",[险种类型] integer,[备注] blob)";
    ASSERT_EQ(db_.execute(ddl), 1);
    ASSERT_EQ(db_.execute("insert into 单位信息 (单位名称, 险种类型, 备注) values ('甲', -12, x'0aff')"), 1);
    ui::RecordRows rows;
    EXPECT_EQ(ui::readUnits(db_, records::listingStatement(), rows).rowsRead, 1);
    EXPECT_EQ(rows.recordNumber(0), 1);
    EXPECT_EQ(rows.text(0, 2), "甲");
    EXPECT_EQ(rows.text(0, 0), "");  // NULL
    EXPECT_EQ(rows.text(0, 69), "-12");
    EXPECT_EQ(rows.text(0, 70), "0AFF");
}
