// The main window's one database connection: open, query with a forward
// walk over the rows, read fields by name, and execute statements. Failures
// come back as result values (handle 0, result 0, false); nothing is shown.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "records/field_value.h"
#include "records/odbc.h"

namespace records {

class ResultSet;

class Connection {
public:
    using Handle = int;  // 0 stands for no result set
    static constexpr std::size_t kMaxResultSets = 30;
    static constexpr SQLULEN kTimeoutSeconds = 15;

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool open(const std::string& path);
    bool isOpen() const { return static_cast<bool>(dbc_); }
    void close();  // closes every result set and disconnects

    Handle query(const std::string& statement);
    void moveFirst(Handle h);
    bool atEnd(Handle h) const;
    void moveNext(Handle h);
    FieldValue readField(Handle h, std::string_view columnName);
    void closeResult(Handle h);
    int execute(const std::string& statement);  // 1 on success, 0 on failure

    // For readers of many rows: find a column once, then read it by position.
    // -1 when the result has no column of that name (reading it gives the empty text).
    int columnIndex(Handle h, std::string_view columnName) const;
    FieldValue readField(Handle h, int column);
    // Appends the column's text form to `out` without building a value;
    // false when the column does not hold text (its text form is appended all the same).
    bool appendText(Handle h, int column, std::string& out);

    // The driver's identifier quote, a blank when it reports none.
    char quoteChar() const { return quote_; }

    // Transactions, for tools that write many rows at once.
    bool setAutoCommit(bool on);
    bool commit();

private:
    struct Slot {
        Handle handle = 0;
        std::unique_ptr<ResultSet> rows;
    };
    ResultSet* find(Handle h) const;
    Handle nextHandle();

    std::shared_ptr<odbc::Environment> env_;
    odbc::Dbc dbc_;
    char quote_ = ' ';
    std::array<Slot, kMaxResultSets> slots_;
    Handle lastHandle_ = 0;
};

}  // namespace records
