// The record list's rows: the working copy of the unit table. Row r holds
// the record number (its item value) and the 71 cells, column k showing
// field k + 1. Each row keeps its cells packed in one string, so a hundred
// thousand units take little more than their text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/schema.h"

namespace ui {

class RecordRows {
public:
    static constexpr int kColumns = static_cast<int>(records::kFieldCount);

    int size() const { return static_cast<int>(rows_.size()); }
    void clear() { rows_.clear(); }
    void reserve(std::size_t n) { rows_.reserve(n); }

    // Appends a row of 71 empty cells; returns its index.
    int append(std::int32_t recordNumber);
    std::int32_t recordNumber(int row) const;
    std::string_view text(int row, int column) const;  // empty for a row or column out of range
    void setText(int row, int column, std::string_view text);

    // Builds a row cell by cell, in column order, in buffers the rows keep
    // for it; the row itself gets a string of exactly its size.
    class Builder {
    public:
        explicit Builder(RecordRows& rows, std::int32_t recordNumber);
        std::string& cellBuffer() { return rows_.cell_; }  // write the next cell here, then call next()
        void next();
        int finish();  // pads missing cells, appends the row, returns its index

    private:
        RecordRows& rows_;
        std::int32_t number_;
        int cells_ = 0;
    };

private:
    struct Row {
        std::int32_t number;
        std::string cells;  // kColumns cells, each a length (varint) and its bytes
    };
    static void packCell(std::string& out, std::string_view text);
    // Offset of `column`'s length prefix within `cells`.
    static std::size_t cellOffset(const std::string& cells, int column);
    static std::string_view cellAt(const std::string& cells, std::size_t offset, std::size_t* next = nullptr);

    std::vector<Row> rows_;
    std::string packing_;  // the row a Builder is packing
    std::string cell_;     // the cell a Builder is filling
};

}  // namespace ui
