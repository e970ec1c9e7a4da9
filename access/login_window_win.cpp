#include "access/login_window.h"

#include "access/registry.h"

namespace access_control {

namespace {

const ui::ControlSpec kControls[] = {
    {LoginWindow::kAccount, ui::Kind::Edit, "", 190, 143, 126, 20},
    {LoginWindow::kPassword, ui::Kind::Password, "", 190, 181, 126, 20},
    {LoginWindow::kLogin, ui::Kind::Button, "登陆系统", 328, 141, 88, 60},
    {LoginWindow::kExit, ui::Kind::Button, "退出", 416, 142, 24, 58},
    {LoginWindow::kWait, ui::Kind::TransparentLabel, "请稍等.正在登陆数据库....", 132, 90, 288, 24},
    // Lies below the visible area: it only holds the stored password while it is prepared.
    {LoginWindow::kScratch, ui::Kind::Edit, "", 240, 408, 80, 20},
};

}  // namespace

LoginWindow::LoginWindow(注册表类& registry, Actions actions) : registry_(registry), actions_(std::move(actions)) {}

bool LoginWindow::create() {
    const int width = 522, height = 278;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    const ui::WindowSpec spec{"VoLoginWindow", "登陆vo管理工作信息系统", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                              0, x, y, width, height, nullptr, LoadIconA(ui::instance(), MAKEINTRESOURCEA(1))};
    return createTopLevel(spec);
}

LRESULT LoginWindow::onMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        if (!controls_.create(hwnd(), kControls)) return -1;
        onCreated();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) onCommand(LOWORD(wp));
        return 0;
    default: return defaultProc(msg, wp, lp);
    }
}

void LoginWindow::onCreated() { ShowWindow(controls_[kWait], SW_HIDE); }

void LoginWindow::onCommand(int id) {
    if (id == kExit) onExit();
}

void LoginWindow::onExit() {
    if (actions_.endProgram) actions_.endProgram(0);
}

}  // namespace access_control
