#include "ui/common/window.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

std::vector<HWND>& topLevels() {
    static std::vector<HWND> list;
    return list;
}

void registerClass(const char* name, WNDPROC proc, HICON icon) {
    WNDCLASSEXA wc{};
    if (GetClassInfoExA(instance(), name, &wc)) return;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance();
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExA(&wc);
}

}  // namespace

HINSTANCE instance() { return GetModuleHandleA(nullptr); }

Window::~Window() { destroy(); }

void Window::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Window::destroyAll() {
    // Newest first, so owned windows go before their owners.
    auto list = topLevels();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (IsWindow(*it)) DestroyWindow(*it);
}

bool Window::createTopLevel(const WindowSpec& s) {
    registerClass(s.className, &Window::proc, s.icon);
    CreateWindowExA(s.exStyle, s.className, s.title, s.style, s.x, s.y, s.width, s.height, s.owner, nullptr,
                    instance(), this);
    if (!hwnd_) return false;
    topLevels().push_back(hwnd_);
    return true;
}

LRESULT Window::onMessage(UINT msg, WPARAM wp, LPARAM lp) { return defaultProc(msg, wp, lp); }

LRESULT CALLBACK Window::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        LRESULT r = self->onMessage(msg, wp, lp);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        auto& list = topLevels();
        const auto it = std::find(list.begin(), list.end(), hwnd);
        const bool counted = it != list.end();
        if (counted) list.erase(it);
        self->onDestroyed();
        if (counted && list.empty()) PostQuitMessage(0);
        return r;
    }
    return self->onMessage(msg, wp, lp);
}

void runModal(Window& window, HWND owner) {
    if (!window.exists()) return;
    const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
    ShowWindow(window.hwnd(), SW_SHOW);
    MSG m;
    bool quit = false;
    int quitCode = 0;
    while (window.exists()) {
        if (GetMessageA(&m, nullptr, 0, 0) <= 0) {
            quit = true;
            quitCode = static_cast<int>(m.wParam);
            break;
        }
        if (!IsDialogMessageA(window.hwnd(), &m)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
    }
    if (owner && ownerWasEnabled) {
        EnableWindow(owner, TRUE);
        SetActiveWindow(owner);
    }
    if (quit) PostQuitMessage(quitCode);  // the outer loop must see it too
}

void bringToFront(HWND hwnd) {
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    SetForegroundWindow(hwnd);
    BringWindowToTop(hwnd);
}

}  // namespace ui
