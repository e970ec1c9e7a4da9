#include "ui/common/tooltips.h"

#include <commctrl.h>

#include <vector>

#include "ui/common/window.h"

namespace ui::tooltips {

namespace {

TTTOOLINFOA toolFor(HWND control) {
    TTTOOLINFOA ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = GetParent(control);
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.hinst = instance();
    return ti;
}

BOOL CALLBACK collectChild(HWND child, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(child);
    return TRUE;
}

}  // namespace

HWND shared() {
    static HWND tip = nullptr;
    if (tip && IsWindow(tip)) return tip;
    tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance(),
                          nullptr);
    if (tip) SendMessageA(tip, TTM_SETMAXTIPWIDTH, 0, 300);  // long help texts wrap
    return tip;
}

bool attach(HWND control, const char* text) {
    HWND tip = shared();
    if (!tip || !control) return false;
    TTTOOLINFOA ti = toolFor(control);
    ti.lpszText = const_cast<char*>(text);
    return SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)) != 0;
}

void detachAll(HWND window) {
    HWND tip = shared();
    if (!tip) return;
    std::vector<HWND> children;
    // A named CALLBACK: a lambda lacks the stdcall convention the 32-bit build needs.
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    for (HWND child : children) {
        TTTOOLINFOA ti = toolFor(child);
        SendMessageA(tip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

std::string textOf(HWND control) {
    HWND tip = shared();
    if (!tip) return {};
    char buf[1024] = {};
    TTTOOLINFOA ti = toolFor(control);
    ti.lpszText = buf;
    // TTM_GETTEXTA leaves the text empty when there is no such tool.
    SendMessageA(tip, TTM_GETTEXTA, sizeof buf, reinterpret_cast<LPARAM>(&ti));
    return buf;
}

}  // namespace ui::tooltips
