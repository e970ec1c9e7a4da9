#include "access/password_window.h"

#include "access/registry.h"
#include "access/settings.h"
#include "ui/common/message_box.h"

namespace access_control {

namespace {

const char kClassName[] = "VoPasswordWindow";
const char kTitle[] = "请输入2次正确密码：";
const int kOuterWidth = 262, kOuterHeight = 92;

const ui::ControlSpec kControls[] = {
    {PasswordWindow::kFirst, ui::Kind::Password, "", 16, 13, 129, 20},
    {PasswordWindow::kSecond, ui::Kind::Password, "", 16, 38, 129, 20},
    {PasswordWindow::kSet, ui::Kind::Button, "加 密", 154, 16, 88, 38},
};

const char kCheckCaption[] = "请 检 查：";
const char kNotTwiceTheSame[] = " 没有输入密码 或 2遍密码输入不相符！";
const char kSaveFailed[] = "密码保存失败，原密码仍然有效！";
const char kSavedCaption[] = "提 示：";
const char kSaved[] = "密码设置成功，请牢记新密码！";

PasswordWindow* openWindow = nullptr;

}  // namespace

PasswordWindow::PasswordWindow(注册表类& registry) : registry_(registry) {}

// Destroyed here, while this object's own handlers still answer its messages.
PasswordWindow::~PasswordWindow() { destroy(); }

PasswordWindow* PasswordWindow::open() { return openWindow; }

bool PasswordWindow::create(HWND owner) {
    RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &over);
    const int x = over.left + (over.right - over.left - kOuterWidth) / 2;
    const int y = over.top + (over.bottom - over.top - kOuterHeight) / 2;
    // A dialog's frame, without an icon of its own.
    const ui::WindowSpec shape{kClassName, kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, x, y,
                               kOuterWidth, kOuterHeight, owner, nullptr};
    if (!createTopLevel(shape)) return false;
    openWindow = this;
    return true;
}

LRESULT PasswordWindow::onMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: return controls_.create(hwnd(), kControls) ? 0 : -1;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) onCommand(LOWORD(wp));
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) SetFocus(controls_[kFirst]);
        return 0;
    case WM_DESTROY:
        if (openWindow == this) openWindow = nullptr;
        return 0;
    default: return defaultProc(msg, wp, lp);
    }
}

void PasswordWindow::onCommand(int id) {
    if (id == kSet) onSet();
}

void PasswordWindow::onSet() {
    const std::string first = ui::windowText(controls_[kFirst]);
    if (first.empty() || first != ui::windowText(controls_[kSecond])) {
        ui::message(kNotTwiceTheSame, kCheckCaption, ui::kPlain);
        return;
    }
    if (!savePassword(registry_, first)) {
        ui::message(kSaveFailed, kCheckCaption, ui::kPlain);
        return;
    }
    ui::message(kSaved, kSavedCaption, ui::kPlain);
    destroy();
}

void runPasswordWindow(注册表类& registry, HWND owner) {
    if (PasswordWindow* open = PasswordWindow::open()) {
        ui::bringToFront(open->hwnd());
        return;
    }
    PasswordWindow window(registry);
    if (window.create(owner)) ui::runModal(window, owner);
}

}  // namespace access_control
