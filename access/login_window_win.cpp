#include "access/login_window.h"

#include <ole2.h>
#include <olectl.h>
#include <shlwapi.h>

#include "access/registry.h"
#include "access/settings.h"
#include "app/res/resource_ids.h"
#include "ui/common/message_box.h"
#include "ui/common/tooltips.h"

namespace access_control {

namespace {

const char kClassName[] = "VoLoginWindow";
const char kTitle[] = "登陆vo管理工作信息系统";
const int kOuterWidth = 522, kOuterHeight = 278;

const ui::ControlSpec kControls[] = {
    {LoginWindow::kAccount, ui::Kind::Edit, "", 190, 143, 126, 20},
    {LoginWindow::kPassword, ui::Kind::Password, "", 190, 181, 126, 20},
    {LoginWindow::kLogin, ui::Kind::Button, "登陆系统", 328, 141, 88, 60},
    // Narrow and tall: its two characters stand one above the other.
    {LoginWindow::kExit, ui::Kind::Button, "退出", 416, 142, 24, 58, 0, BS_MULTILINE},
    {LoginWindow::kWait, ui::Kind::TransparentLabel, "请稍等.正在登陆数据库....", 132, 90, 288, 24},
    // Lies below the visible area: it only holds the stored password while it is prepared.
    {LoginWindow::kScratch, ui::Kind::Edit, "", 240, 408, 80, 20},
};

struct TooltipRow {
    int id;
    const char* flagSet;
    const char* flagNotSet;  // tells a first user the initial account and password
};

const TooltipRow kTooltips[] = {
    {LoginWindow::kAccount, "请输入登陆帐号。", "初始帐号：admin"},
    {LoginWindow::kPassword, "请输入登陆密码。", "初始密码：admin，登陆后请修改密码。"},
    {LoginWindow::kLogin, "登陆系统。", "登陆系统。"},
    {LoginWindow::kExit, "关闭软件。", "关闭软件。"},
};

const char kErrorCaption[] = "出错了！";
const char kWrongAccount[] = "帐号错误，请重新输入！";
const char kWrongPassword[] = "密码错误，请重新输入！";

// The JPEG kept in the program's resources, decoded into a bitmap of our own.
HBITMAP loadJpegResource(int id) {
    HINSTANCE module = ui::instance();
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;  // part of the module: never freed
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return nullptr;
    const DWORD size = SizeofResource(module, found);
    ui::ComPtr<IStream> stream;
    *stream.out() = SHCreateMemStream(static_cast<const BYTE*>(data), size);
    if (!stream) return nullptr;
    ui::ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture, picture.outVoid())))
        return nullptr;
    OLE_HANDLE handle = 0;
    short type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)))
        return nullptr;
    // The picture owns its bitmap; a copy outlives it.
    return static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<ULONG_PTR>(handle)), IMAGE_BITMAP, 0,
                                          0, LR_CREATEDIBSECTION));
}

}  // namespace

LoginWindow::LoginWindow(注册表类& registry, Actions actions) : registry_(registry), actions_(std::move(actions)) {}

// Destroyed here, while this object's own handlers still answer its messages.
LoginWindow::~LoginWindow() { destroy(); }

bool LoginWindow::create() {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
    const ui::WindowSpec shape{kClassName,
                              kTitle,
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                              0,
                              x,
                              y,
                              kOuterWidth,
                              kOuterHeight,
                              nullptr,
                              LoadIconA(ui::instance(), MAKEINTRESOURCEA(IDI_PROGRAM))};
    return createTopLevel(shape);
}

LRESULT LoginWindow::onMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: return onCreate() ? 0 : -1;
    case WM_ERASEBKGND:
        // Also asked for by the transparent wait label, to draw what lies beneath it.
        paintBackground(reinterpret_cast<HDC>(wp));
        return 1;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) onCommand(LOWORD(wp));
        return 0;
    case WM_ACTIVATE:
        onActivate(LOWORD(wp) != WA_INACTIVE);
        return 0;
    case WM_SETFOCUS: onFocus(); return 0;
    case WM_DESTROY:
        // The shared tooltip window outlives this one: take our tools off it.
        ui::tooltips::detachAll(hwnd());
        return 0;
    default: return defaultProc(msg, wp, lp);
    }
}

bool LoginWindow::onCreate() {
    if (!controls_.create(hwnd(), kControls)) return false;
    ShowWindow(controls_[kWait], SW_HIDE);
    ui::setLabelColor(controls_[kWait], RGB(255, 255, 255));  // stands on the blue of the picture
    // Tab never stops in the box that nobody can see.
    HWND scratch = controls_[kScratch];
    SetWindowLongA(scratch, GWL_STYLE, GetWindowLongA(scratch, GWL_STYLE) & ~WS_TABSTOP);
    background_.reset(loadJpegResource(IDR_LOGIN_PICTURE));
    lastFocus_ = controls_[kAccount];
    attachTooltips();
    return true;
}

void LoginWindow::attachTooltips() {
    const bool flagSet = passwordFlagSet(registry_);
    for (const TooltipRow& t : kTooltips) ui::tooltips::attach(controls_[t.id], flagSet ? t.flagSet : t.flagNotSet);
}

void LoginWindow::paintBackground(HDC dc) {
    RECT rc;
    GetClientRect(hwnd(), &rc);
    BITMAP info{};
    if (!background_ || !GetObjectA(background_.get(), sizeof info, &info)) {
        FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    // At its own size from the top left; it is a little larger than the client area.
    HDC mem = CreateCompatibleDC(dc);
    {
        ui::SelectObjectScope keep(mem, background_.get());
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, mem, 0, 0, SRCCOPY);
    }
    DeleteDC(mem);
}

void LoginWindow::onCommand(int id) {
    if (id == kLogin)
        onLogin();
    else if (id == kExit)
        onExit();
}

void LoginWindow::onLogin() {
    if (ui::windowText(controls_[kAccount]) != kAccountName) {
        refuse(kAccount, kWrongAccount);
        return;
    }
    if (passwordAccepted(ui::windowText(controls_[kPassword])))
        enter();
    else
        refuse(kPassword, kWrongPassword);
}

bool LoginWindow::passwordAccepted(const std::string& password) {
    const bool accepted = storedSettingsAccept(
        registry_, password, [this](const std::string& stored) { return prepareInScratchBox(stored); });
    SetWindowTextA(controls_[kScratch], "");  // nothing stored lingers in the window
    return accepted;
}

std::string LoginWindow::prepareInScratchBox(const std::string& stored) {
    HWND scratch = controls_[kScratch];
    SetWindowTextA(scratch, stored.c_str());
    SetWindowTextA(scratch, prepareStoredText(ui::windowText(scratch)).c_str());
    return ui::windowText(scratch);
}

void LoginWindow::enter() {
    HWND wait = controls_[kWait];
    ShowWindow(wait, SW_SHOW);
    // Painted now, with everything else: creating the main window keeps the loop busy.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (actions_.openMainWindow && actions_.openMainWindow()) {
        destroy();
        return;
    }
    // Without a main window the program would end with the login window; keep it.
    ShowWindow(wait, SW_HIDE);
}

void LoginWindow::refuse(int box, const char* text) {
    ui::message(text, kErrorCaption, ui::kError);
    if (box == kPassword) SetWindowTextA(controls_[kPassword], "");
    SetFocus(controls_[box]);
}

void LoginWindow::onExit() {
    if (actions_.endProgram) actions_.endProgram(0);
}

void LoginWindow::onActivate(bool active) {
    if (active) {
        onFocus();
        return;
    }
    // Remember where the user was, to come back there.
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
}

void LoginWindow::onFocus() {
    if (lastFocus_ && IsWindow(lastFocus_)) SetFocus(lastFocus_);
}

}  // namespace access_control
