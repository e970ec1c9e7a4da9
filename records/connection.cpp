#include "records/connection.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "records/sql_text.h"

namespace records {

namespace odbc {

std::shared_ptr<Environment> Environment::acquire() {
    static std::weak_ptr<Environment> shared;
    if (auto env = shared.lock()) return env;
    SQLHENV h = SQL_NULL_HENV;
    if (!ok(SQLAllocEnv(&h))) return nullptr;
    std::shared_ptr<Environment> env(new Environment(h));
    shared = env;
    return env;
}

Environment::~Environment() { SQLFreeEnv(env_); }

}  // namespace odbc

namespace {

enum class Kind { Text, Int32, Int16, Int8, Bool, Float, Double, Bytes };

// Character and binary columns up to this size are fetched in blocks of rows;
// anything longer (memo, long binary) is read value by value.
constexpr SQLULEN kMaxBoundSize = 4000;
constexpr std::size_t kBlockBytes = 512 * 1024;
constexpr SQLULEN kMaxRowsetSize = 256;

Kind kindOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_INTEGER: return Kind::Int32;
    case SQL_SMALLINT: return Kind::Int16;
    case SQL_TINYINT: return Kind::Int8;
    case SQL_BIT: return Kind::Bool;
    case SQL_REAL: return Kind::Float;
    case SQL_FLOAT:
    case SQL_DOUBLE: return Kind::Double;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY: return Kind::Bytes;
    default: return Kind::Text;
    }
}

SQLSMALLINT cTypeOf(Kind k) {
    switch (k) {
    case Kind::Int32: return SQL_C_SLONG;
    case Kind::Int16: return SQL_C_SSHORT;
    case Kind::Int8: return SQL_C_STINYINT;
    case Kind::Bool: return SQL_C_BIT;
    case Kind::Float: return SQL_C_FLOAT;
    case Kind::Double: return SQL_C_DOUBLE;
    case Kind::Bytes: return SQL_C_BINARY;
    case Kind::Text: break;
    }
    return SQL_C_CHAR;
}

std::size_t fixedSize(Kind k) {
    switch (k) {
    case Kind::Int32: return sizeof(SQLINTEGER);
    case Kind::Int16: return sizeof(SQLSMALLINT);
    case Kind::Int8: return sizeof(SQLSCHAR);
    case Kind::Bool: return sizeof(SQLCHAR);
    case Kind::Float: return sizeof(SQLREAL);
    case Kind::Double: return sizeof(SQLDOUBLE);
    default: return 0;
    }
}

template <class T>
T load(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

FieldValue numberValue(Kind k, const char* p) {
    switch (k) {
    case Kind::Int32: return static_cast<std::int32_t>(load<SQLINTEGER>(p));
    case Kind::Int16: return static_cast<std::int16_t>(load<SQLSMALLINT>(p));
    case Kind::Int8: return static_cast<std::int8_t>(load<SQLSCHAR>(p));
    case Kind::Bool: return load<SQLCHAR>(p) != 0;
    case Kind::Float: return static_cast<float>(load<SQLREAL>(p));
    case Kind::Double: return static_cast<double>(load<SQLDOUBLE>(p));
    default: return std::string();
    }
}

}  // namespace

// One open query: a static, read-only cursor walked forward. Rows come in
// blocks into bound buffers when every column has a bounded size; otherwise
// one row at a time, each value read with SQLGetData.
class ResultSet {
public:
    static std::unique_ptr<ResultSet> open(SQLHDBC dbc, const std::string& sql);

    void moveFirst() { fetch(SQL_FETCH_FIRST); }
    void moveNext() {
        if (atEnd_) return;
        if (++pos_ < fetched_) {
            rowLoaded_ = false;
            return;
        }
        fetch(SQL_FETCH_NEXT);
    }
    bool atEnd() const { return atEnd_; }

    int columnIndex(std::string_view name) const {
        for (std::size_t i = 0; i < cols_.size(); ++i)
            if (cols_[i].name == name) return static_cast<int>(i);
        return -1;
    }
    FieldValue value(int col);
    bool appendText(int col, std::string& out);

private:
    struct Column {
        std::string name;
        Kind kind = Kind::Text;
        SQLSMALLINT cType = SQL_C_CHAR;
        SQLULEN size = 0;
        std::size_t width = 0;  // bytes a row in the bound buffer
        std::vector<char> data;
        std::vector<SQLLEN> ind;
    };

    bool describe();
    bool bind();
    void fetch(SQLUSMALLINT orientation, SQLLEN row = 0);
    bool readLong(SQLUSMALLINT col, SQLSMALLINT cType, std::string& out);
    void refetchCurrentRowAlone();
    const FieldValue& loaded(int col);
    bool validColumn(int col) const { return !atEnd_ && col >= 0 && static_cast<std::size_t>(col) < cols_.size(); }

    odbc::Stmt stmt_;
    std::vector<Column> cols_;
    bool bound_ = false;
    SQLULEN rowsetSize_ = 1;
    SQLULEN fetched_ = 0;
    SQLULEN pos_ = 0;
    SQLULEN first_ = 1;  // number of the rowset's first row in the result
    bool atEnd_ = true;
    std::vector<SQLUSMALLINT> rowStatus_;
    // Values of the current row when they are read value by value, or when a
    // bound text did not fit its buffer.
    std::vector<FieldValue> row_;
    bool rowLoaded_ = false;
};

std::unique_ptr<ResultSet> ResultSet::open(SQLHDBC dbc, const std::string& sql) {
    SQLHSTMT h = SQL_NULL_HSTMT;
    if (!odbc::ok(SQLAllocStmt(dbc, &h))) return nullptr;
    std::unique_ptr<ResultSet> rs(new ResultSet);
    rs->stmt_ = odbc::Stmt(h);
    if (!odbc::ok(SQLSetStmtOption(h, SQL_CURSOR_TYPE, SQL_CURSOR_STATIC)) ||
        !odbc::ok(SQLSetStmtOption(h, SQL_CONCURRENCY, SQL_CONCUR_READ_ONLY)) ||
        !odbc::ok(SQLSetStmtOption(h, SQL_QUERY_TIMEOUT, Connection::kTimeoutSeconds)))
        return nullptr;
    SQLRETURN r = SQLExecDirect(h, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    if (!odbc::ok(r) && r != SQL_NO_DATA) {
        rs->stmt_.cancelAndReset();
        return nullptr;
    }
    if (!rs->describe() || !rs->bind()) {
        rs->stmt_.cancelAndReset();
        return nullptr;
    }
    rs->fetch(SQL_FETCH_FIRST);
    return rs;
}

bool ResultSet::describe() {
    SQLSMALLINT n = 0;
    if (!odbc::ok(SQLNumResultCols(stmt_.get(), &n))) return false;
    cols_.resize(static_cast<std::size_t>(std::max<SQLSMALLINT>(n, 0)));
    bound_ = true;
    for (SQLSMALLINT i = 0; i < n; ++i) {
        Column& c = cols_[static_cast<std::size_t>(i)];
        std::vector<SQLCHAR> name(256);
        SQLSMALLINT nameLen = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        for (;;) {
            if (!odbc::ok(SQLDescribeCol(stmt_.get(), static_cast<SQLUSMALLINT>(i + 1), name.data(),
                                         static_cast<SQLSMALLINT>(name.size()), &nameLen, &type, &size, &digits,
                                         &nullable)))
                return false;
            if (static_cast<std::size_t>(nameLen) < name.size()) break;
            name.resize(static_cast<std::size_t>(nameLen) + 1);
        }
        c.name.assign(reinterpret_cast<const char*>(name.data()), static_cast<std::size_t>(nameLen));
        c.kind = kindOf(type);
        c.cType = cTypeOf(c.kind);
        c.size = size;
        if (std::size_t fixed = fixedSize(c.kind)) {
            c.width = fixed;
        } else if (size > 0 && size <= kMaxBoundSize && type != SQL_LONGVARCHAR && type != SQL_LONGVARBINARY) {
            // A character column's size may count characters: two GBK bytes each.
            c.width = c.kind == Kind::Bytes ? size : size * 2 + 1;
        } else {
            bound_ = false;
        }
    }
    return true;
}

bool ResultSet::bind() {
    if (!bound_ || cols_.empty()) {
        bound_ = false;
        rowsetSize_ = 1;
    } else {
        std::size_t rowBytes = 0;
        for (const Column& c : cols_) rowBytes += c.width + sizeof(SQLLEN);
        rowsetSize_ = std::clamp<SQLULEN>(kBlockBytes / rowBytes, 1, kMaxRowsetSize);
        for (std::size_t i = 0; i < cols_.size(); ++i) {
            Column& c = cols_[i];
            c.data.assign(c.width * rowsetSize_, 0);
            c.ind.assign(rowsetSize_, 0);
            if (!odbc::ok(SQLBindCol(stmt_.get(), static_cast<SQLUSMALLINT>(i + 1), c.cType, c.data.data(),
                                     static_cast<SQLLEN>(c.width), c.ind.data())))
                return false;
        }
    }
    rowStatus_.assign(rowsetSize_, 0);
    row_.assign(cols_.size(), FieldValue{});
    return odbc::ok(SQLSetStmtOption(stmt_.get(), SQL_ROWSET_SIZE, rowsetSize_));
}

void ResultSet::fetch(SQLUSMALLINT orientation, SQLLEN row) {
    const SQLULEN before = fetched_;
    pos_ = 0;
    fetched_ = 0;
    rowLoaded_ = false;
    const SQLRETURN r = cols_.empty() ? SQL_NO_DATA
                                      : SQLExtendedFetch(stmt_.get(), orientation, row, &fetched_, rowStatus_.data());
    atEnd_ = !odbc::ok(r) || fetched_ == 0;
    if (orientation == SQL_FETCH_FIRST)
        first_ = 1;
    else if (orientation == SQL_FETCH_NEXT)
        first_ += before;
    else
        first_ = static_cast<SQLULEN>(row);
}

// Reads a whole character or binary value; false for NULL or an error.
bool ResultSet::readLong(SQLUSMALLINT col, SQLSMALLINT cType, std::string& out) {
    out.clear();
    char buf[4096];
    const std::size_t terminator = cType == SQL_C_CHAR ? 1 : 0;
    for (bool first = true;; first = false) {
        SQLLEN ind = 0;
        const SQLRETURN r = SQLGetData(stmt_.get(), col, cType, buf, sizeof buf, &ind);
        if (r == SQL_NO_DATA) return !first;
        if (!odbc::ok(r) || ind == SQL_NULL_DATA) return false;
        std::size_t got = sizeof buf - terminator;
        if (ind != SQL_NO_TOTAL && static_cast<std::size_t>(ind) < got) got = static_cast<std::size_t>(ind);
        out.append(buf, got);
        if (r == SQL_SUCCESS) return true;
    }
}

const FieldValue& ResultSet::loaded(int col) {
    if (!rowLoaded_) {
        rowLoaded_ = true;
        if (bound_) refetchCurrentRowAlone();  // only an oversized text lands here
        for (std::size_t i = 0; i < cols_.size(); ++i) {
            const Column& c = cols_[i];
            if (bound_ && c.kind != Kind::Text) continue;
            std::string bytes;
            if (!c.width || c.kind == Kind::Text || c.kind == Kind::Bytes) {
                if (!readLong(static_cast<SQLUSMALLINT>(i + 1), c.cType, bytes))
                    row_[i] = std::string();  // NULL reads as the empty text
                else if (c.kind == Kind::Bytes)
                    row_[i] = Bytes{std::move(bytes)};
                else
                    row_[i] = std::move(bytes);
                continue;
            }
            alignas(8) char buf[16] = {};
            SQLLEN ind = 0;
            const SQLRETURN r = SQLGetData(stmt_.get(), static_cast<SQLUSMALLINT>(i + 1), c.cType, buf, sizeof buf, &ind);
            row_[i] = odbc::ok(r) && ind != SQL_NULL_DATA ? numberValue(c.kind, buf) : FieldValue{std::string()};
        }
    }
    return row_[static_cast<std::size_t>(col)];
}

// The driver can read values whole only from a rowset of one row: fetch the
// current row again on its own, then go on in blocks from the row after it.
void ResultSet::refetchCurrentRowAlone() {
    const SQLLEN row = static_cast<SQLLEN>(first_ + pos_);
    SQLSetStmtOption(stmt_.get(), SQL_ROWSET_SIZE, 1);
    fetch(SQL_FETCH_ABSOLUTE, row);
    rowLoaded_ = true;
    SQLSetStmtOption(stmt_.get(), SQL_ROWSET_SIZE, rowsetSize_);
}

FieldValue ResultSet::value(int col) {
    if (!validColumn(col)) return std::string();
    const Column& c = cols_[static_cast<std::size_t>(col)];
    if (!bound_) return loaded(col);
    const SQLLEN ind = c.ind[pos_];
    if (ind == SQL_NULL_DATA) return std::string();
    const char* p = c.data.data() + pos_ * c.width;
    switch (c.kind) {
    case Kind::Text:
        if (ind == SQL_NO_TOTAL || static_cast<std::size_t>(ind) >= c.width) return loaded(col);
        return std::string(p, static_cast<std::size_t>(ind));
    case Kind::Bytes:
        return Bytes{std::string(p, std::min<std::size_t>(static_cast<std::size_t>(std::max<SQLLEN>(ind, 0)), c.width))};
    default: return numberValue(c.kind, p);
    }
}

bool ResultSet::appendText(int col, std::string& out) {
    if (!validColumn(col)) return true;  // no such column: the empty text
    const Column& c = cols_[static_cast<std::size_t>(col)];
    if (bound_ && c.kind == Kind::Text) {
        const SQLLEN ind = c.ind[pos_];
        if (ind == SQL_NULL_DATA) return true;
        if (ind != SQL_NO_TOTAL && static_cast<std::size_t>(ind) < c.width) {
            out.append(c.data.data() + pos_ * c.width, static_cast<std::size_t>(ind));
            return true;
        }
    }
    const FieldValue v = value(col);
    out += textForm(v);
    return isText(v);
}

Connection::Connection() = default;
Connection::~Connection() { close(); }

void Connection::close() {
    for (Slot& s : slots_) s = Slot{};
    dbc_.reset();
    env_.reset();
    quote_ = ' ';
}

bool Connection::open(const std::string& path) {
    close();
    env_ = odbc::Environment::acquire();
    if (!env_) return false;
    SQLHDBC h = SQL_NULL_HDBC;
    if (!odbc::ok(SQLAllocConnect(env_->get(), &h))) {
        env_.reset();
        return false;
    }
    odbc::Dbc dbc(h);
    SQLSetConnectOption(h, SQL_LOGIN_TIMEOUT, kTimeoutSeconds);
    SQLSetConnectOption(h, SQL_ODBC_CURSORS, SQL_CUR_USE_DRIVER);
    std::string text = connectionText(path);
    SQLCHAR completed[1024];
    SQLSMALLINT completedLen = 0;
#ifdef _WIN32
    HWND owner = GetActiveWindow();
    if (!owner) owner = GetDesktopWindow();
#else
    SQLHWND owner = nullptr;
#endif
    const SQLRETURN r = SQLDriverConnect(h, owner, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS, completed,
                                         sizeof completed, &completedLen, SQL_DRIVER_COMPLETE);
    if (!odbc::ok(r)) {
        env_.reset();
        return false;
    }
    dbc.setConnected();
    char quote[8] = {};
    SQLSMALLINT quoteLen = 0;
    if (odbc::ok(SQLGetInfo(h, SQL_IDENTIFIER_QUOTE_CHAR, quote, sizeof quote, &quoteLen)) && quoteLen == 1)
        quote_ = quote[0];
    dbc_ = std::move(dbc);
    return true;
}

ResultSet* Connection::find(Handle h) const {
    if (h == 0) return nullptr;
    for (const Slot& s : slots_)
        if (s.handle == h) return s.rows.get();
    return nullptr;
}

Connection::Handle Connection::nextHandle() {
    // Handles are never reused while the connection lives, so a closed one
    // can never reach a later result set.
    do {
        lastHandle_ = lastHandle_ == INT32_MAX ? 1 : lastHandle_ + 1;
    } while (find(lastHandle_));
    return lastHandle_;
}

Connection::Handle Connection::query(const std::string& statement) {
    if (statement.empty() || !isOpen()) return 0;
    auto free = std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.handle == 0; });
    if (free == slots_.end()) return 0;
    auto rows = ResultSet::open(dbc_.get(), replaceBrackets(statement, quote_));
    if (!rows) return 0;
    free->handle = nextHandle();
    free->rows = std::move(rows);
    return free->handle;
}

void Connection::moveFirst(Handle h) {
    if (ResultSet* rs = find(h)) rs->moveFirst();
}

bool Connection::atEnd(Handle h) const {
    const ResultSet* rs = find(h);
    return !rs || rs->atEnd();
}

void Connection::moveNext(Handle h) {
    if (ResultSet* rs = find(h)) rs->moveNext();
}

int Connection::columnIndex(Handle h, std::string_view name) const {
    const ResultSet* rs = find(h);
    return rs ? rs->columnIndex(name) : -1;
}

FieldValue Connection::readField(Handle h, std::string_view name) { return readField(h, columnIndex(h, name)); }

FieldValue Connection::readField(Handle h, int column) {
    ResultSet* rs = find(h);
    return rs ? rs->value(column) : FieldValue{std::string()};
}

bool Connection::appendText(Handle h, int column, std::string& out) {
    ResultSet* rs = find(h);
    return rs ? rs->appendText(column, out) : true;
}

void Connection::closeResult(Handle h) {
    if (h == 0) return;
    for (Slot& s : slots_)
        if (s.handle == h) s = Slot{};
}

int Connection::execute(const std::string& statement) {
    if (statement.empty() || !isOpen()) return 0;
    std::string sql = replaceBrackets(statement, quote_);
    SQLHSTMT h = SQL_NULL_HSTMT;
    if (!odbc::ok(SQLAllocStmt(dbc_.get(), &h))) return 0;
    odbc::Stmt stmt(h);
    auto step = [](auto call) {
        SQLRETURN r;
        do r = call();
        while (r == SQL_STILL_EXECUTING);
        return r;
    };
    if (!odbc::ok(SQLSetStmtOption(h, SQL_QUERY_TIMEOUT, kTimeoutSeconds)) ||
        !odbc::ok(step([&] { return SQLPrepare(h, reinterpret_cast<SQLCHAR*>(sql.data()), SQL_NTS); }))) {
        stmt.cancelAndReset();
        return 0;
    }
    SQLRETURN r = step([&] { return SQLExecute(h); });
    if (!odbc::ok(r) && r != SQL_NO_DATA) {  // a change that matches no row is no failure
        stmt.cancelAndReset();
        return 0;
    }
    // Drain every result the statement produced.
    for (;;) {
        SQLSMALLINT cols = 0;
        if (!odbc::ok(SQLNumResultCols(h, &cols))) {
            stmt.cancelAndReset();
            return 0;
        }
        if (cols > 0) {
            while (odbc::ok(r = SQLFetch(h))) {
            }
            if (r != SQL_NO_DATA) {
                stmt.cancelAndReset();
                return 0;
            }
        }
        r = SQLMoreResults(h);
        if (r == SQL_NO_DATA) break;
        if (!odbc::ok(r)) {
            stmt.cancelAndReset();
            return 0;
        }
    }
    return 1;
}

bool Connection::setAutoCommit(bool on) {
    return isOpen() &&
           odbc::ok(SQLSetConnectOption(dbc_.get(), SQL_AUTOCOMMIT, on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF));
}

bool Connection::commit() { return isOpen() && odbc::ok(SQLTransact(env_->get(), dbc_.get(), SQL_COMMIT)); }

}  // namespace records
