// Creating a database the Access way: SQLConfigDataSource with CREATE_DB,
// through unixODBC's installer library and the driver's Setup entry.
#include <gtest/gtest.h>
#include <odbcinst.h>

#include <fstream>

#include "odbc_test_support.h"

using namespace vo_test;

namespace {

bool create_db(const std::string &value, std::string *error = nullptr)
{
    std::string attributes = "CREATE_DB=" + value;
    attributes.push_back('\0');  // c_str() adds the list's closing NUL
    BOOL ok = SQLConfigDataSource(nullptr, ODBC_ADD_DSN, VO_DRIVER_NAME, attributes.c_str());
    if (error) {
        DWORD code = 0;
        char msg[SQL_MAX_MESSAGE_LENGTH] = {0};
        WORD len = 0;
        error->clear();
        for (WORD i = 1; SQLInstallerError(i, &code, msg, sizeof msg, &len) == SQL_SUCCESS; i++)
            *error += std::string(msg) + "\n";
    }
    return ok != 0;
}

std::string header_of(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    char buf[16] = {0};
    in.read(buf, sizeof buf);
    return std::string(buf, static_cast<size_t>(in.gcount()));
}

class CreateDb : public ::testing::Test {
protected:
    TempDir tmp_;
    Environment env_;
};

struct CreateCase {
    const char *what;
    const char *value;  // {T}: the temporary directory
    const char *file;   // where the database must appear, UTF-8
    bool map_d;
};

const CreateCase create_cases[] = {
    {"quoted Unix path", "\"{T}/new.mdb\" General", "new.mdb", false},
    {"unquoted Unix path", "{T}/new.mdb General", "new.mdb", false},
    {"no sort order", "{T}/new.mdb", "new.mdb", false},
    {"quoted path with a blank", "\"{T}/my db.mdb\" General", "my db.mdb", false},
    {"DOS path in GBK", "\"D:\\新建\\Database1.mdb\" General", u8"drive_d/新建/Database1.mdb",
     true},
};

TEST_F(CreateDb, MakesADatabaseThatConnects)
{
    for (const CreateCase &c : create_cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        std::string value = c.value;
        if (size_t at = value.find("{T}"); at != std::string::npos)
            value.replace(at, 3, dir.path().string());
        fs::create_directories(dir / "prefix" / "dosdevices");
        fs::create_directories(dir / u8"drive_d/新建");
        if (c.map_d)
            fs::create_symlink(dir / "drive_d", dir / "prefix" / "dosdevices" / "d:");
        ScopedEnv prefix("WINEPREFIX", (dir / "prefix").string());
        fs::path file = dir / c.file;

        std::string error;
        ASSERT_TRUE(create_db(value, &error)) << error;
        EXPECT_EQ(header_of(file), std::string("SQLite format 3\0", 16));

        Connection conn(env_);
        ASSERT_TRUE(SQL_SUCCEEDED(conn.driver_connect(access_connection_text(file.string()))))
            << conn.diag();
        conn.exec("create table 单位信息 (编号 integer primary key autoincrement, "
                  "单位名称 varchar(255))");
        EXPECT_TRUE(sqlite_value(file, "select name from sqlite_master"));
    }
}

TEST_F(CreateDb, RefusesAnExistingFile)
{
    fs::path file = tmp_ / "Database1.mdb";
    ASSERT_TRUE(create_db("\"" + file.string() + "\" General"));
    {
        Connection conn(env_);
        ASSERT_TRUE(SQL_SUCCEEDED(conn.driver_connect(access_connection_text(file.string()))));
        conn.exec("create table kept (x integer)");
    }

    std::string error;
    EXPECT_FALSE(create_db("\"" + file.string() + "\" General", &error));
    EXPECT_NE(error.find("exists"), std::string::npos) << error;
    EXPECT_TRUE(sqlite_value(file, "select name from sqlite_master where name = 'kept'"));
}

TEST_F(CreateDb, FailsWithoutLeavingAFile)
{
    const std::string cases[] = {
        "\"" + (tmp_ / "nodir" / "new.mdb").string() + "\" General",  // no such directory
        "\"\" General",                                               // no path at all
        "new.mdb General",                                            // relative
    };
    for (const std::string &value : cases) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(create_db(value));
        EXPECT_TRUE(fs::is_empty(tmp_.path()));
    }
}

}  // namespace
