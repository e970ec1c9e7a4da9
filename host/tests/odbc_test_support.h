// Small RAII helpers for talking to the stand-in through the driver manager.
#ifndef ACCESS_STANDIN_TESTS_ODBC_TEST_SUPPORT_H
#define ACCESS_STANDIN_TESTS_ODBC_TEST_SUPPORT_H

#include <sql.h>
#include <sqlext.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vo_test {

namespace fs = std::filesystem;

// ODBC's ANSI functions take text as non-const SQLCHAR *.
inline SQLCHAR *sql_text(const std::string &s)
{
    return reinterpret_cast<SQLCHAR *>(const_cast<char *>(s.c_str()));
}

// Every diagnostic record of a handle, "STATE message" per line.
std::string diagnostics(SQLSMALLINT type, SQLHANDLE handle);

template <SQLSMALLINT Type>
class Handle {
public:
    Handle() = default;
    explicit Handle(SQLHANDLE h) : h_(h) {}
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;
    Handle(Handle &&other) noexcept : h_(other.h_) { other.h_ = SQL_NULL_HANDLE; }
    ~Handle()
    {
        if (h_ != SQL_NULL_HANDLE)
            SQLFreeHandle(Type, h_);
    }
    SQLHANDLE get() const { return h_; }
    std::string diag() const { return diagnostics(Type, h_); }

private:
    SQLHANDLE h_ = SQL_NULL_HANDLE;
};

class Environment : public Handle<SQL_HANDLE_ENV> {
public:
    Environment();  // with ODBC 3 behaviour
};

using Row = std::vector<std::optional<std::string>>;

class Connection {
public:
    explicit Connection(const Environment &env);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // SQLDriverConnect; returns its result, the completed string in *out.
    SQLRETURN driver_connect(const std::string &text, std::string *out = nullptr,
                             SQLSMALLINT out_size = 1024);
    SQLRETURN connect_dsn(const std::string &dsn);
    bool connected() const { return connected_; }
    SQLHDBC get() const { return dbc_.get(); }
    std::string diag() const { return dbc_.diag(); }

    // Runs SQL (with text parameters, nullopt for NULL) and returns all rows
    // as text; a failure is reported through the test and yields no rows.
    std::vector<Row> query(const std::string &sql,
                           const std::vector<std::optional<std::string>> &params = {});
    void exec(const std::string &sql) { query(sql); }
    // Like query, but expects the statement to fail; returns its diagnostics.
    std::string failure(const std::string &sql,
                        const std::vector<std::optional<std::string>> &params = {});

private:
    Handle<SQL_HANDLE_DBC> dbc_;
    bool connected_ = false;
};

class Statement : public Handle<SQL_HANDLE_STMT> {
public:
    explicit Statement(const Connection &conn);
};

// A temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;
    const fs::path &path() const { return path_; }
    fs::path operator/(const std::string &name) const { return path_ / name; }

private:
    fs::path path_;
};

// Sets an environment variable for a scope, restoring the old value.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const std::string &value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// Makes an empty SQLite database file (creating its directory).
void make_database(const fs::path &file);

// Reads back one value with SQLite itself, bypassing ODBC entirely.
std::optional<std::string> sqlite_value(const fs::path &file, const std::string &sql);

// The program's connection text for a database at DBQ.
std::string access_connection_text(const std::string &dbq);

}  // namespace vo_test

#endif
