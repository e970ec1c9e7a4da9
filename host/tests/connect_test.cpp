// Connecting the way the program does, through the driver manager.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cctype>
#include <fstream>
#include <set>

#include "odbc_test_support.h"

using namespace vo_test;

namespace {

// A database file that says where it is, so a test can tell that the
// connection reached this very file.
void plant_database(const fs::path &file)
{
    make_database(file);
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    std::string sql = "CREATE TABLE marker (v varchar(255)); INSERT INTO marker VALUES ('" +
                      file.string() + "')";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

std::set<fs::path> files_below(const fs::path &dir)
{
    std::set<fs::path> files;
    for (const auto &entry : fs::recursive_directory_iterator(dir))
        files.insert(entry.path());
    return files;
}

// "/tmp/x" as Wine shows it on drive Z: ("\tmp\x").
std::string dos_form(const fs::path &p)
{
    std::string s = p.string();
    for (char &c : s)
        if (c == '/')
            c = '\\';
    return s;
}

std::string replace_all(std::string s, const std::string &from, const std::string &to)
{
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

class Connect : public ::testing::Test {
protected:
    // A Wine prefix whose drive D: is the directory drive_d.
    void SetUp() override
    {
        fs::create_directories(tmp_ / "prefix" / "dosdevices");
        fs::create_directories(tmp_ / "drive_d");
        fs::create_symlink("../../drive_d", tmp_ / "prefix" / "dosdevices" / "d:");
    }
    void map_z_to_root() { fs::create_symlink("/", tmp_ / "prefix" / "dosdevices" / "z:"); }

    // {T} is the temporary directory, {Z} the same as a path on drive Z:.
    std::string expand(const std::string &s) const
    {
        return replace_all(replace_all(s, "{T}", tmp_.path().string()), "{Z}",
                           dos_form(tmp_.path()));
    }

    std::string text(const std::string &dbq, const std::optional<std::string> &default_dir) const
    {
        std::string t = "ODBC;DBQ=" + expand(dbq) + ";";
        if (default_dir)
            t += "DefaultDir=" + expand(*default_dir) + ";";
        return t + "Driver={" VO_DRIVER_NAME "};FIL=MS Access;";
    }

    TempDir tmp_;
    ScopedEnv prefix_{"WINEPREFIX", (tmp_ / "prefix").string()};
    Environment env_;
};

TEST_F(Connect, ProgramTextWithUnixPath)
{
    fs::path file = tmp_ / "Database1.mdb";
    plant_database(file);
    std::string in = access_connection_text(file.string());
    std::string out;
    Connection conn(env_);

    ASSERT_EQ(conn.driver_connect(in, &out), SQL_SUCCESS) << conn.diag();
    // The driver manager hands over the whole text, bare "ODBC;" included.
    EXPECT_EQ(out, in);
    EXPECT_EQ(conn.query("SELECT v FROM marker"), (std::vector<Row>{{file.string()}}));
    conn.exec("CREATE TABLE written (x integer)");
    EXPECT_TRUE(sqlite_value(file, "SELECT name FROM sqlite_master WHERE name = 'written'"));
}

// The hermetic odbcinst.ini, not a machine-wide registration, picks the driver.
TEST_F(Connect, LoadsTheBuildTreeDriver)
{
    fs::path file = tmp_ / "Database1.mdb";
    plant_database(file);
    Connection conn(env_);
    ASSERT_EQ(conn.driver_connect(access_connection_text(file.string())), SQL_SUCCESS)
        << conn.diag();

    const std::string driver = fs::canonical(VO_STANDIN_DRIVER_FILE).string();
    std::ifstream maps("/proc/self/maps");
    std::string line;
    bool mapped = false;
    while (std::getline(maps, line))
        mapped = mapped || line.find(driver) != std::string::npos;
    EXPECT_TRUE(mapped) << VO_STANDIN_DRIVER_FILE << " is not loaded";
}

TEST_F(Connect, CompletedStringIsTruncatedSafely)
{
    fs::path file = tmp_ / "Database1.mdb";
    plant_database(file);
    std::string in = access_connection_text(file.string());
    std::string out;
    Connection conn(env_);

    ASSERT_EQ(conn.driver_connect(in, &out, 12), SQL_SUCCESS_WITH_INFO) << conn.diag();
    EXPECT_EQ(out, in.substr(0, 11));
    EXPECT_NE(conn.diag().find("01004"), std::string::npos) << conn.diag();
}

struct DosCase {
    const char *what;
    const char *dbq;
    std::optional<std::string> default_dir;
    const char *file;  // below the temporary directory, UTF-8
    bool map_z;
};

// DBQ and DefaultDir literals are GBK bytes, as a Windows program in code
// page 936 passes them; file names are UTF-8 (u8), as they are on disk.
// 乗 is 81 5C in GBK: its second byte is a backslash.
const DosCase dos_cases[] = {
    {"program's text on drive D:", "D:\\app\\Database1.mdb", "D:\\app",
     "drive_d/app/Database1.mdb", false},
    {"lowercase drive letter", "d:\\app\\Database1.mdb", {}, "drive_d/app/Database1.mdb", false},
    {"relative DBQ joined to DefaultDir", "Database1.mdb", "D:\\app", "drive_d/app/Database1.mdb",
     false},
    {"relative DBQ with a directory", "data\\Database1.mdb", "D:\\app\\",
     "drive_d/app/data/Database1.mdb", false},
    {"rooted DBQ takes DefaultDir's drive", "\\app\\Database1.mdb", "D:\\other",
     "drive_d/app/Database1.mdb", false},
    {"relative DBQ, Unix DefaultDir", "Database1.mdb", "{T}/unix", "unix/Database1.mdb", false},
    {"GBK directory names", "D:\\数据\\单位信息\\Database1.mdb", {},
     u8"drive_d/数据/单位信息/Database1.mdb", false},
    {"GBK second byte 0x5C in a name", "D:\\乗务\\Database1.mdb", {},
     u8"drive_d/乗务/Database1.mdb", false},
    {"names in another ASCII case", "D:\\APP\\DATABASE1.MDB", {}, "drive_d/app/Database1.mdb",
     false},
    {"Z: linked to /", "Z:{Z}\\zdir\\Database1.mdb", {}, "zdir/Database1.mdb", true},
    {"Z: without a dosdevices entry", "Z:{Z}\\zdir\\Database1.mdb", {}, "zdir/Database1.mdb",
     false},
};

void PrintTo(const DosCase &c, std::ostream *os)
{
    *os << c.what;
}

class DosPath : public Connect, public ::testing::WithParamInterface<DosCase> {};

TEST_P(DosPath, ReachesTheFileWineMeans)
{
    const DosCase &c = GetParam();
    if (c.map_z)
        map_z_to_root();
    fs::path file = tmp_ / c.file;
    plant_database(file);
    Connection conn(env_);

    ASSERT_TRUE(SQL_SUCCEEDED(conn.driver_connect(text(c.dbq, c.default_dir)))) << conn.diag();
    EXPECT_EQ(conn.query("SELECT v FROM marker"), (std::vector<Row>{{file.string()}}));
}

std::string case_name(const char *what)
{
    std::string name;
    for (const char *p = what; *p; p++)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Cases, DosPath, ::testing::ValuesIn(dos_cases),
                         [](const auto &info) { return case_name(info.param.what); });

struct MissingCase {
    const char *what;
    const char *dbq;
    std::optional<std::string> default_dir;
    const char *expected_in_message;
};

const MissingCase missing_cases[] = {
    {"Unix path", "{T}/Database1.mdb", {}, "not found"},
    {"Unix path in a missing directory", "{T}/nodir/Database1.mdb", {}, "not found"},
    {"DOS path", "D:\\Database1.mdb", {}, "not found"},
    {"DOS path in a missing directory", "D:\\nodir\\Database1.mdb", {}, "not found"},
    {"unmapped drive", "Q:\\Database1.mdb", {}, "Q:"},
    {"relative DBQ without DefaultDir", "Database1.mdb", {}, "DefaultDir"},
    {"a directory", "{T}", {}, "not found"},
};

TEST_F(Connect, MissingDatabaseFailsAndCreatesNothing)
{
    for (const MissingCase &c : missing_cases) {
        SCOPED_TRACE(c.what);
        auto before = files_below(tmp_.path());
        Connection conn(env_);

        EXPECT_EQ(conn.driver_connect(text(c.dbq, c.default_dir)), SQL_ERROR);
        EXPECT_NE(conn.diag().find(c.expected_in_message), std::string::npos) << conn.diag();
        EXPECT_EQ(files_below(tmp_.path()), before);
    }
}

// The probe's verdict for a copy of the driver with or without the extension
// beside it; the copy with it shows the copying itself is sound.
TEST_F(Connect, RefusedWhenTheExtensionIsMissing)
{
    fs::path file = tmp_ / "Database1.mdb";
    plant_database(file);
    for (bool with_extension : {true, false}) {
        SCOPED_TRACE(with_extension ? "extension beside the driver" : "no extension");
        fs::path dir = tmp_ / (with_extension ? "with" : "without");
        fs::create_directories(dir);
        fs::copy_file(VO_STANDIN_DRIVER_FILE, dir / "libaccess_standin.so");
        if (with_extension)
            fs::copy_file(VO_STANDIN_EXTENSION_FILE, dir / "libgbklike.so");
        Connection conn(env_);

        // A library path as Driver= bypasses odbcinst.ini.
        SQLRETURN ret = conn.driver_connect("DBQ=" + file.string() + ";Driver=" +
                                           (dir / "libaccess_standin.so").string() + ";");
        if (with_extension) {
            EXPECT_EQ(ret, SQL_SUCCESS) << conn.diag();
        } else {
            EXPECT_EQ(ret, SQL_ERROR);
            EXPECT_NE(conn.diag().find("GBK LIKE extension is not active"), std::string::npos)
                << conn.diag();
        }
    }
}

// The data source in the build tree's odbc.ini names VO_SELFTEST_DBQ.
TEST_F(Connect, ThroughADataSource)
{
    fs::path file = VO_SELFTEST_DBQ;
    std::error_code ec;
    fs::remove(file, ec);
    plant_database(file);
    for (bool driver_connect : {false, true}) {
        SCOPED_TRACE(driver_connect ? "SQLDriverConnect DSN=" : "SQLConnect");
        Connection conn(env_);
        SQLRETURN ret = driver_connect ? conn.driver_connect("DSN=vo-standin-selftest;")
                                       : conn.connect_dsn("vo-standin-selftest");
        ASSERT_TRUE(SQL_SUCCEEDED(ret)) << conn.diag();
        EXPECT_EQ(conn.query("SELECT v FROM marker"), (std::vector<Row>{{file.string()}}));
    }
    fs::remove(file, ec);
}

}  // namespace
