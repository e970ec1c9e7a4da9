#include "ui/main/record_rows.h"

namespace ui {

void RecordRows::packCell(std::string& out, std::string_view text) {
    std::size_t n = text.size();
    do {
        unsigned char b = n & 0x7F;
        n >>= 7;
        if (n) b |= 0x80;
        out += static_cast<char>(b);
    } while (n);
    out.append(text.data(), text.size());
}

std::string_view RecordRows::cellAt(const std::string& cells, std::size_t offset, std::size_t* next) {
    std::size_t n = 0;
    int shift = 0;
    unsigned char b;
    do {
        b = static_cast<unsigned char>(cells[offset++]);
        n |= static_cast<std::size_t>(b & 0x7F) << shift;
        shift += 7;
    } while (b & 0x80);
    if (next) *next = offset + n;
    return std::string_view(cells).substr(offset, n);
}

std::size_t RecordRows::cellOffset(const std::string& cells, int column) {
    std::size_t offset = 0;
    for (int k = 0; k < column; ++k) cellAt(cells, offset, &offset);
    return offset;
}

int RecordRows::append(std::int32_t recordNumber) {
    Row row{recordNumber, std::string(kColumns, '\0')};  // 71 empty cells: one zero length each
    rows_.push_back(std::move(row));
    return size() - 1;
}

std::int32_t RecordRows::recordNumber(int row) const {
    return row >= 0 && row < size() ? rows_[static_cast<std::size_t>(row)].number : 0;
}

std::string_view RecordRows::text(int row, int column) const {
    if (row < 0 || row >= size() || column < 0 || column >= kColumns) return {};
    const std::string& cells = rows_[static_cast<std::size_t>(row)].cells;
    return cellAt(cells, cellOffset(cells, column));
}

void RecordRows::setText(int row, int column, std::string_view text) {
    if (row < 0 || row >= size() || column < 0 || column >= kColumns) return;
    std::string& cells = rows_[static_cast<std::size_t>(row)].cells;
    const std::size_t begin = cellOffset(cells, column);
    std::size_t end = begin;
    cellAt(cells, begin, &end);
    std::string packed;
    packCell(packed, text);
    cells.replace(begin, end - begin, packed);
}

RecordRows::Builder::Builder(RecordRows& rows, std::int32_t recordNumber) : rows_(rows), number_(recordNumber) {
    rows_.packing_.clear();
    rows_.cell_.clear();
}

void RecordRows::Builder::next() {
    if (cells_ < kColumns) {
        packCell(rows_.packing_, rows_.cell_);
        ++cells_;
    }
    rows_.cell_.clear();
}

int RecordRows::Builder::finish() {
    rows_.cell_.clear();
    while (cells_ < kColumns) next();
    rows_.rows_.push_back(Row{number_, std::string(rows_.packing_)});
    cells_ = 0;
    return rows_.size() - 1;
}

}  // namespace ui
