// The record list: a report-style list view over the rows model. The view
// asks for the cells it shows (a virtual list), so a hundred thousand units
// show at once; what the other windows use goes through the model.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/main/record_rows.h"

namespace ui {

class RecordList {
public:
    RecordList() = default;
    ~RecordList();
    RecordList(const RecordList&) = delete;
    RecordList& operator=(const RecordList&) = delete;

    // Sets up the view: the 71 columns, row picture 0, full-row selection.
    void attach(HWND listView);
    HWND hwnd() const { return view_; }

    RecordRows& rows() { return rows_; }
    int appendRow(std::int32_t recordNumber);
    void setText(int row, int column, std::string_view text);
    std::string text(int row, int column) const;
    std::int32_t itemValue(int row) const { return rows_.recordNumber(row); }
    void removeAll();
    int rowCount() const { return rows_.size(); }
    int selection() const;

    // Tells the view how many rows the model holds after the model changed.
    void refresh();
    // Handles the view's notifications; true when `n` was one of them.
    bool onNotify(const NMHDR* n, LRESULT* result);

private:
    HWND view_ = nullptr;
    HIMAGELIST images_ = nullptr;
    RecordRows rows_;
};

}  // namespace ui
