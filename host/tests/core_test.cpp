// The connection-string and path helpers, with inputs no driver manager
// would pass along.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "connstr.h"
#include "dospath.h"

namespace {

std::optional<std::string> take(char *s)
{
    std::unique_ptr<char, decltype(&free)> owned(s, &free);
    return s ? std::optional<std::string>(s) : std::nullopt;
}

std::optional<std::string> get(const std::string &text, const char *key)
{
    return take(vo_connstr_get(text.data(), text.size(), key));
}

TEST(ConnectionString, FindsValues)
{
    const struct {
        const char *text, *key;
        std::optional<std::string> value;
    } cases[] = {
        {"ODBC;DBQ=D:\\app\\Database1.mdb;DefaultDir=D:\\app;", "DBQ", "D:\\app\\Database1.mdb"},
        {"ODBC;DBQ=x;DefaultDir=D:\\app;", "DefaultDir", "D:\\app"},
        {"dbq=x", "DBQ", "x"},
        {" DbQ =x", "dbq", "x"},
        {"Driver={Microsoft Access Driver (*.mdb)};DBQ=x", "Driver",
         "Microsoft Access Driver (*.mdb)"},
        {"DBQ={/a;b/c.mdb};FIL=MS Access", "DBQ", "/a;b/c.mdb"},
        {"DBQ={a}}b};X=1", "DBQ", "a}b"},
        {"DBQ={a}junk;X=1", "X", "1"},
        {"DBQ=first;DBQ=second", "DBQ", "first"},
        {"DBQ=", "DBQ", ""},
        {"ODBC;FIL=MS Access;", "ODBC", std::nullopt},
        {"ODBC;FIL=MS Access;", "DBQ", std::nullopt},
        {"XDBQ=1;DBQX=2", "DBQ", std::nullopt},
        {"DBQ=a=b", "DBQ", "a=b"},
        {"", "DBQ", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(get(c.text, c.key), c.value);
    }
    // Length-bounded: whatever follows the given length is not read.
    std::string text = "DBQ=abc;X=1";
    EXPECT_EQ(take(vo_connstr_get(text.data(), 6, "DBQ")), "ab");
    EXPECT_EQ(take(vo_connstr_get(text.data(), 6, "X")), std::nullopt);
}

TEST(ConnectionString, CreateDbPath)
{
    const struct {
        const char *value;
        std::optional<std::string> path;
    } cases[] = {
        {"\"D:\\my dir\\new.mdb\" General", "D:\\my dir\\new.mdb"},
        {"D:\\new.mdb General", "D:\\new.mdb"},
        {"  /tmp/new.mdb", "/tmp/new.mdb"},
        {"\"/tmp/unclosed", "/tmp/unclosed"},
        {"\"\" General", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(take(vo_create_db_path(c.value)), c.path);
    }
}

TEST(DatabasePath, UnixPathsStayByteForByte)
{
    // GBK bytes and backslashes in a Unix path are the caller's business.
    const char *paths[] = {"/tmp/\xB5\xA5\\x.mdb", "/", "/a/../b.mdb"};
    for (const char *p : paths) {
        SCOPED_TRACE(p);
        EXPECT_EQ(take(vo_database_path(p, "D:\\ignored", "/nonexistent-prefix", nullptr, 0)), p);
    }
}

TEST(DatabasePath, RejectsWhatItCannotPlace)
{
    const struct {
        const char *dbq, *default_dir, *expected_in_message;
    } cases[] = {
        {"", nullptr, "empty"},
        {"Database1.mdb", nullptr, "DefaultDir"},
        {"Database1.mdb", "", "DefaultDir"},
        {"\\\\server\\share\\Database1.mdb", nullptr, "drive letter"},
        {"\\app\\Database1.mdb", nullptr, "drive letter"},
        {"Database1.mdb", "app", "drive letter"},
        {"Q:\\Database1.mdb", nullptr, "Q:"},
        {"D:\\bad\xB5", nullptr, "936"},  // a lead byte with nothing after it
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.dbq);
        char err[256] = "";
        EXPECT_EQ(take(vo_database_path(c.dbq, c.default_dir, "/nonexistent-prefix", err,
                                        sizeof err)),
                  std::nullopt);
        EXPECT_NE(std::string(err).find(c.expected_in_message), std::string::npos) << err;
    }
}

}  // namespace
