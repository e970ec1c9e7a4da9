#include "odbc_test_support.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace vo_test {

std::string diagnostics(SQLSMALLINT type, SQLHANDLE handle)
{
    std::string all;
    for (SQLSMALLINT rec = 1;; rec++) {
        SQLCHAR state[6] = {0};
        SQLCHAR text[SQL_MAX_MESSAGE_LENGTH * 2] = {0};
        SQLINTEGER native = 0;
        SQLSMALLINT len = 0;
        SQLRETURN ret = SQLGetDiagRec(type, handle, rec, state, &native, text, sizeof text, &len);
        if (!SQL_SUCCEEDED(ret))
            break;
        all += reinterpret_cast<char *>(state);
        all += ' ';
        all += reinterpret_cast<char *>(text);
        all += '\n';
    }
    return all;
}

static SQLHANDLE alloc_env()
{
    SQLHANDLE env = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env)))
        throw std::runtime_error("SQLAllocHandle(ENV) failed");
    return env;
}

Environment::Environment() : Handle(alloc_env())
{
    SQLSetEnvAttr(get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
}

static SQLHANDLE alloc_dbc(const Environment &env)
{
    SQLHANDLE dbc = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, env.get(), &dbc)))
        throw std::runtime_error("SQLAllocHandle(DBC) failed: " + env.diag());
    return dbc;
}

Connection::Connection(const Environment &env) : dbc_(alloc_dbc(env)) {}

Connection::~Connection()
{
    if (connected_)
        SQLDisconnect(dbc_.get());
}

SQLRETURN Connection::driver_connect(const std::string &text, std::string *out,
                                     SQLSMALLINT out_size)
{
    std::vector<SQLCHAR> buf(out_size > 0 ? out_size : 1);
    SQLSMALLINT len = -1;
    SQLRETURN ret = SQLDriverConnect(dbc_.get(), nullptr, sql_text(text), SQL_NTS, buf.data(),
                                     out_size, &len, SQL_DRIVER_NOPROMPT);
    connected_ = SQL_SUCCEEDED(ret);
    if (out)
        *out = connected_ ? std::string(reinterpret_cast<char *>(buf.data())) : std::string();
    return ret;
}

SQLRETURN Connection::connect_dsn(const std::string &dsn)
{
    SQLRETURN ret = SQLConnect(dbc_.get(), sql_text(dsn), SQL_NTS, nullptr, 0, nullptr, 0);
    connected_ = SQL_SUCCEEDED(ret);
    return ret;
}

static SQLHANDLE alloc_stmt(const Connection &conn)
{
    SQLHANDLE stmt = SQL_NULL_HANDLE;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, conn.get(), &stmt)))
        throw std::runtime_error("SQLAllocHandle(STMT) failed: " + conn.diag());
    return stmt;
}

Statement::Statement(const Connection &conn) : Handle(alloc_stmt(conn)) {}

namespace {

struct Bound {
    std::string text;
    SQLLEN ind;
};

SQLRETURN run(const Statement &stmt, const std::string &sql,
              const std::vector<std::optional<std::string>> &params, std::vector<Bound> &bound)
{
    SQLRETURN ret = SQLPrepare(stmt.get(), sql_text(sql), SQL_NTS);
    if (!SQL_SUCCEEDED(ret))
        return ret;
    bound.reserve(params.size());
    for (size_t i = 0; i < params.size(); i++) {
        bound.push_back({params[i].value_or(""),
                         params[i] ? static_cast<SQLLEN>(params[i]->size()) : SQL_NULL_DATA});
        Bound &b = bound.back();
        ret = SQLBindParameter(stmt.get(), static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                               SQL_C_CHAR, SQL_VARCHAR, std::max<SQLULEN>(255, b.text.size()), 0,
                               b.text.data(),
                               static_cast<SQLLEN>(b.text.size()), &b.ind);
        if (!SQL_SUCCEEDED(ret))
            return ret;
    }
    return SQLExecute(stmt.get());
}

}  // namespace

std::vector<Row> Connection::query(const std::string &sql,
                                   const std::vector<std::optional<std::string>> &params)
{
    std::vector<Row> rows;
    Statement stmt(*this);
    std::vector<Bound> bound;
    SQLRETURN ret = run(stmt, sql, params, bound);
    if (!SQL_SUCCEEDED(ret)) {
        ADD_FAILURE() << sql << ": " << stmt.diag();
        return rows;
    }
    SQLSMALLINT cols = 0;
    SQLNumResultCols(stmt.get(), &cols);
    while (cols > 0 && SQL_SUCCEEDED(SQLFetch(stmt.get()))) {
        Row row;
        for (SQLUSMALLINT c = 1; c <= cols; c++) {
            char buf[4096];
            SQLLEN ind = 0;
            ret = SQLGetData(stmt.get(), c, SQL_C_CHAR, buf, sizeof buf, &ind);
            if (!SQL_SUCCEEDED(ret)) {
                ADD_FAILURE() << sql << ": SQLGetData: " << stmt.diag();
                return rows;
            }
            if (ind == SQL_NULL_DATA)
                row.push_back(std::nullopt);
            else
                row.push_back(std::string(buf));
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Connection::failure(const std::string &sql,
                                const std::vector<std::optional<std::string>> &params)
{
    Statement stmt(*this);
    std::vector<Bound> bound;
    SQLRETURN ret = run(stmt, sql, params, bound);
    if (SQL_SUCCEEDED(ret))
        ret = SQLFetch(stmt.get());
    if (SQL_SUCCEEDED(ret)) {
        ADD_FAILURE() << sql << " succeeded";
        return std::string();
    }
    return stmt.diag();
}

TempDir::TempDir()
{
    std::string tmpl = (fs::temp_directory_path() / "vo-standin-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

ScopedEnv::ScopedEnv(const char *name, const std::string &value) : name_(name)
{
    if (const char *old = std::getenv(name))
        old_ = old;
    setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv()
{
    if (old_)
        setenv(name_.c_str(), old_->c_str(), 1);
    else
        unsetenv(name_.c_str());
}

void make_database(const fs::path &file)
{
    fs::create_directories(file.parent_path());
    sqlite3 *db = nullptr;
    int rc = sqlite3_open(file.c_str(), &db);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA user_version = 0", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("cannot create " + file.string());
}

std::optional<std::string> sqlite_value(const fs::path &file, const std::string &sql)
{
    sqlite3 *db = nullptr;
    sqlite3_stmt *stmt = nullptr;
    std::optional<std::string> value;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_type(stmt, 0) != SQLITE_NULL) {
        value = std::string(reinterpret_cast<const char *>(sqlite3_column_blob(stmt, 0)),
                            sqlite3_column_bytes(stmt, 0));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return value;
}

std::string access_connection_text(const std::string &dbq)
{
    return "ODBC;DBQ=" + dbq + ";Driver={" VO_DRIVER_NAME "};FIL=MS Access;";
}

}  // namespace vo_test
