// ODBC includes for both builds (odbc32 on Windows, unixODBC natively) and
// owning wrappers for the handles. Only ANSI, unsuffixed entry points are
// called: Wine's odbc32 has no A-suffixed SQLDriverConnectA.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include <memory>
#include <utility>

namespace records::odbc {

inline bool ok(SQLRETURN r) { return r == SQL_SUCCESS || r == SQL_SUCCESS_WITH_INFO; }

// The environment is shared by every connection of the process and freed with the last one.
class Environment {
public:
    static std::shared_ptr<Environment> acquire();
    ~Environment();
    SQLHENV get() const { return env_; }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

private:
    explicit Environment(SQLHENV env) : env_(env) {}
    SQLHENV env_;
};

class Dbc {
public:
    Dbc() = default;
    explicit Dbc(SQLHDBC h) : h_(h) {}
    Dbc(Dbc&& o) noexcept : h_(std::exchange(o.h_, SQLHDBC{})), connected_(std::exchange(o.connected_, false)) {}
    Dbc& operator=(Dbc&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, SQLHDBC{});
            connected_ = std::exchange(o.connected_, false);
        }
        return *this;
    }
    ~Dbc() { reset(); }
    SQLHDBC get() const { return h_; }
    explicit operator bool() const { return h_ != SQL_NULL_HDBC; }
    void setConnected() { connected_ = true; }
    void reset() {
        if (h_ == SQL_NULL_HDBC) return;
        if (connected_) SQLDisconnect(h_);
        SQLFreeConnect(h_);
        h_ = SQL_NULL_HDBC;
        connected_ = false;
    }

private:
    SQLHDBC h_ = SQL_NULL_HDBC;
    bool connected_ = false;
};

class Stmt {
public:
    Stmt() = default;
    explicit Stmt(SQLHSTMT h) : h_(h) {}
    Stmt(Stmt&& o) noexcept : h_(std::exchange(o.h_, SQLHSTMT{})) {}
    Stmt& operator=(Stmt&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, SQLHSTMT{});
        }
        return *this;
    }
    ~Stmt() { reset(); }
    SQLHSTMT get() const { return h_; }
    explicit operator bool() const { return h_ != SQL_NULL_HSTMT; }
    // Cancels whatever still runs on the statement before freeing it.
    void cancelAndReset() {
        if (h_ != SQL_NULL_HSTMT) SQLCancel(h_);
        reset();
    }
    void reset() {
        if (h_ != SQL_NULL_HSTMT) SQLFreeStmt(h_, SQL_DROP);
        h_ = SQL_NULL_HSTMT;
    }

private:
    SQLHSTMT h_ = SQL_NULL_HSTMT;
};

}  // namespace records::odbc
