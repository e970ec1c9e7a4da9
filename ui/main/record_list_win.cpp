#include "ui/main/record_list.h"

#include <algorithm>
#include <cstring>

#include "app/res/resource_ids.h"
#include "records/schema.h"
#include "ui/common/window.h"

namespace ui {

RecordList::~RecordList() {
    if (images_) ImageList_Destroy(images_);
}

void RecordList::attach(HWND listView) {
    view_ = listView;
    ListView_SetExtendedListViewStyle(view_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    if (!images_) {
        images_ = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
        HICON row = static_cast<HICON>(LoadImageA(instance(), MAKEINTRESOURCEA(IDI_ROW), IMAGE_ICON, 16, 16, 0));
        ImageList_AddIcon(images_, row);
        DestroyIcon(row);
    }
    ListView_SetImageList(view_, images_, LVSIL_SMALL);
    for (std::size_t k = 0; k < records::kFieldCount; ++k) {
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        c.pszText = const_cast<char*>(records::kFields[k].header);
        c.cx = records::kFields[k].width;
        c.iSubItem = static_cast<int>(k);
        SendMessageA(view_, LVM_INSERTCOLUMNA, k, reinterpret_cast<LPARAM>(&c));
    }
}

int RecordList::appendRow(std::int32_t recordNumber) {
    const int row = rows_.append(recordNumber);
    refresh();
    return row;
}

void RecordList::setText(int row, int column, std::string_view text) {
    rows_.setText(row, column, text);
    if (view_ && row >= 0 && row < rows_.size()) ListView_RedrawItems(view_, row, row);
}

std::string RecordList::text(int row, int column) const { return std::string(rows_.text(row, column)); }

void RecordList::removeAll() {
    rows_.clear();
    if (!view_) return;
    ListView_SetItemState(view_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemCountEx(view_, 0, 0);
}

int RecordList::selection() const {
    return view_ ? static_cast<int>(SendMessageA(view_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)) : -1;
}

void RecordList::refresh() {
    if (view_) ListView_SetItemCountEx(view_, rows_.size(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
}

bool RecordList::onNotify(const NMHDR* n, LRESULT* result) {
    if (n->hwndFrom != view_ || n->code != LVN_GETDISPINFOA) return false;
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(const_cast<NMHDR*>(n));
    LVITEMA& item = info->item;
    if (item.mask & LVIF_TEXT && item.pszText && item.cchTextMax > 0) {
        const std::string_view cell = rows_.text(item.iItem, item.iSubItem);
        const std::size_t n = std::min<std::size_t>(cell.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::memcpy(item.pszText, cell.data(), n);
        item.pszText[n] = '\0';
    }
    if (item.mask & LVIF_IMAGE) item.iImage = 0;
    if (item.mask & LVIF_PARAM) item.lParam = rows_.recordNumber(item.iItem);
    *result = 0;
    return true;
}

}  // namespace ui
