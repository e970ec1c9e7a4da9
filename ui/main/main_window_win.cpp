#include "ui/main/main_window.h"

#include <commctrl.h>
#include <shellapi.h>

#include <cstring>

#include "app/maker.h"
#include "app/res/resource_ids.h"
#include "records/sql_text.h"
#include "ui/common/message_box.h"
#include "ui/common/shell.h"
#include "ui/common/tooltips.h"
#include "ui/main/clock_text.h"
#include "ui/main/desktop_shortcut.h"
#include "ui/main/listing.h"

namespace ui {

namespace {

using M = MainWindow;

const char kTitle[] = " zev人力资源和社会保障局 - vo管理工作信息采集系统                 [vu科技公司编制]";
const char kSearchPrompt[] = "在此输入关键字：（可模糊查询）";
const char kNoSelection[] = "请选择一条要操作的信息！";
const char kNoRecordChosen[] = "请选择一条单位数据记录！";
const char kWrongUse[] = "错误操作:";

// Places are relative to the container; containers come before what they hold.
const ControlSpec kControls[] = {
    {M::kBanner, Kind::Picture, "", 0, 0, 968, 80},
    {M::kBannerTitle, Kind::TransparentLabel, "zev劳动保障vo管理工作信息采集系统", 116, 15, 736, 41, M::kBanner, SS_CENTER},
    {M::kUpdateStatus, Kind::Edit, "", 400, -176, 80, 20, M::kBanner},
    {M::kSidebar, Kind::Frame, "", 0, 78, 170, 441},
    {M::kSidebarHeader, Kind::Picture, "", 1, 1, 168, 32, M::kSidebar},
    {M::kSidebarHeaderText, Kind::TransparentLabel, "数 据 库 管 理", 49, 10, 100, 16, M::kSidebarHeader},
    {M::kAdd, Kind::Button, "录入单位信息", 1, 33, 168, 35, M::kSidebar},
    {M::kEdit, Kind::Button, "编辑单位信息", 1, 69, 168, 35, M::kSidebar},
    {M::kDelete, Kind::Button, "删除单位信息", 1, 105, 168, 35, M::kSidebar},
    {M::kShowAll, Kind::Button, "全部信息显示", 1, 141, 168, 35, M::kSidebar},
    {M::kTransfer, Kind::Button, "数据库上传下载", 1, 410, 168, 35},
    {M::kPrint, Kind::Button, "打印信息", 0, 446, 168, 35},
    {M::kPassword, Kind::Button, "修改登录密码", 0, 482, 168, 35},
    {M::kListFrame, Kind::GroupBox, "", 172, 74, 793, 446},
    {M::kList, Kind::ListView, "", 2, 8, 788, 435, M::kListFrame, LVS_OWNERDATA},
    {M::kCount, Kind::Label, "", 2, 525, 171, 22, 0, SS_CENTERIMAGE},
    {M::kSearchBox, Kind::Edit, kSearchPrompt, 390, 524, 208, 24},
    {M::kSearch, Kind::Button, "查询", 613, 524, 147, 23},
    {M::kHide, Kind::Button, "隐藏到任务栏", 782, 524, 88, 23},
    {M::kAnnouncement, Kind::Button, "监察大队公告", 873, 524, 82, 23},
    {M::kStatusBar, Kind::StatusBar, "", 0, 564, 879, 20},
};

const struct {
    int id;
    const char* text;
} kSidebarTips[] = {
    {M::kAdd, "增加新的单位信息数据."},
    {M::kEdit, "修改选中的单位信息数据."},
    {M::kDelete, "删除选中的单位信息数据."},
    {M::kShowAll, "显示全部数据库单位信息."},
    {M::kTransfer, "上传或下载数据库文件."},
    {M::kPrint, "打印选中的单位信息数据."},
    {M::kPassword, "修改软件的登录密码."},
};

const struct {
    int id;
    const char* text;
} kMenu[] = {
    {M::kMenuEdit, "编辑信息"},  {M::kMenuDelete, "删除信息"}, {M::kMenuPrint, "打印信息"},
    {M::kMenuAbout, "版权信息"}, {M::kMenuUpdate, "软件更新"}, {M::kMenuWebSite, "官方网站"},
};

// Every left click into the search box empties it, then places the caret as usual.
LRESULT CALLBACK searchBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_LBUTTONDOWN) SetWindowTextA(hwnd, "");
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LocalTime now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

}  // namespace

MainWindow::MainWindow(std::int32_t& rememberedRow, std::string databasePath, Actions actions)
    : rememberedRow_(rememberedRow), databasePath_(std::move(databasePath)), actions_(std::move(actions)) {}

bool MainWindow::create() {
    const WindowSpec spec{"VoMainWindow", kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                          0, 50, 50, 972, 603, nullptr, LoadIconA(instance(), MAKEINTRESOURCEA(IDI_PROGRAM))};
    return createTopLevel(spec);
}

LRESULT MainWindow::onMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: return onCreate() ? 0 : -1;
    case WM_COMMAND:
        if (lp == 0 || HIWORD(wp) == BN_CLICKED) onCommand(LOWORD(wp));
        return 0;
    case WM_NOTIFY: return onNotify(reinterpret_cast<const NMHDR*>(lp));
    case WM_TIMER:
        if (wp == kClockTimer) onClock();
        return 0;
    case kTrayMessage: onTray(lp); return 0;
    case WM_SHOWWINDOW:
        onShowWindow(wp != FALSE);
        return defaultProc(msg, wp, lp);
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lp) == controls_[kCount]) {
            SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return defaultProc(msg, wp, lp);
    case WM_DESTROY: onDestroy(); return 0;
    default: return defaultProc(msg, wp, lp);
    }
}

bool MainWindow::onCreate() {
    if (!controls_.create(hwnd(), kControls)) return false;
    banner_.reset(static_cast<HBITMAP>(LoadImageA(instance(), MAKEINTRESOURCEA(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0)));
    sidebarHeader_.reset(
        static_cast<HBITMAP>(LoadImageA(instance(), MAKEINTRESOURCEA(IDB_SIDEBAR), IMAGE_BITMAP, 0, 0, 0)));
    setPicture(controls_[kBanner], banner_.get());
    setPicture(controls_[kSidebarHeader], sidebarHeader_.get());
    SendMessageA(controls_[kBannerTitle], WM_SETFONT, reinterpret_cast<WPARAM>(boldFont(28)), FALSE);
    setLabelColor(controls_[kBannerTitle], RGB(255, 255, 255));
    SendMessageA(controls_[kSidebarHeaderText], WM_SETFONT, reinterpret_cast<WPARAM>(boldFont(12)), FALSE);
    setLabelColor(controls_[kSidebarHeaderText], RGB(255, 255, 255));
    int parts[] = {-1};
    SendMessageA(controls_[kStatusBar], SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
    list_.attach(controls_[kList]);
    SetWindowSubclass(controls_[kSearchBox], searchBoxProc, 1, 0);
    for (const auto& tip : kSidebarTips) tooltips::attach(controls_[tip.id], tip.text);

    menu_.reset(CreateMenu());
    HMENU popup = CreatePopupMenu();
    for (const auto& item : kMenu) AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.text);
    AppendMenuA(menu_.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "菜单");  // never shown as a bar

    SetTimer(hwnd(), kClockTimer, 1000, nullptr);
    onClock();

    if (db_.open(databasePath_))
        fullListing();
    else
        message("打开数据库失败！", "警告", kWarning);
    writeDesktopShortcut(shell::programPath());
    tooltips::attach(controls_[kSearch], "按条件查询数据库资料.");
    return true;
}

void MainWindow::onCommand(int id) {
    switch (id) {
    case kAdd:
        if (actions_.openAddForm) actions_.openAddForm();
        break;
    case kEdit:
    case kMenuEdit: edit(kNoSelection); break;
    case kDelete:
    case kMenuDelete: deleteSelected(); break;
    case kShowAll: fullListing(); break;
    case kPrint:
    case kMenuPrint: print(); break;
    case kPassword:
        if (actions_.openPasswordWindow) actions_.openPasswordWindow(hwnd());
        break;
    case kTransfer:
        if (actions_.openTransferWindow) actions_.openTransferWindow(hwnd());
        break;
    case kAnnouncement:
        if (actions_.openAnnouncementWindow) actions_.openAnnouncementWindow(hwnd());
        break;
    case kMenuAbout: about(); break;
    case kMenuUpdate:
        if (actions_.checkForUpdate) actions_.checkForUpdate();
        break;
    case kMenuWebSite: openWebSite(); break;
    case kHide: hide(); break;
    case kSearch: search(); break;
    default: break;
    }
}

LRESULT MainWindow::onNotify(const NMHDR* n) {
    LRESULT result = 0;
    if (list_.onNotify(n, &result)) return result;
    if (n->hwndFrom == controls_[kList]) {
        if (n->code == NM_DBLCLK) edit(kNoRecordChosen);
        if (n->code == NM_RCLICK) showPopupMenu();
    }
    return 0;
}

void MainWindow::setCountText(const std::string& text) { SetWindowTextA(controls_[kCount], text.c_str()); }

void MainWindow::stopRunningListing() {
    if (runningListing_) runningListing_->stopped = true;
}

void MainWindow::fullListing() {
    stopRunningListing();  // a search still listing gives way
    list_.removeAll();
    readUnits(db_, records::listingStatement(), list_.rows());
    list_.refresh();
    setCountText("数据库总量：" + std::to_string(list_.rowCount()) + "条数据");
}

bool MainWindow::pumpPendingEvents() {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(m.wParam));  // the event loop must still see it
            return false;
        }
        HWND root = GetAncestor(m.hwnd, GA_ROOT);
        if (root && IsDialogMessageA(root, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return true;
}

void MainWindow::search() {
    const std::string keyword = windowText(controls_[kSearchBox]);
    if (keyword.empty()) {
        message("请输入查询条件！", "错误", kInformation);
        SetFocus(controls_[kSearchBox]);
        return;
    }
    // The search lets the window work between rows; whatever lists the rows
    // in the meantime (another search, the full listing, a delete, closing
    // the window) stops this one before it touches the list again.
    stopRunningListing();
    ListingRun run;
    ListingRun* outer = runningListing_;
    runningListing_ = &run;
    list_.removeAll();
    readUnits(db_, records::searchStatement(keyword), list_.rows(), [&] {
        list_.refresh();
        return pumpPendingEvents() && !run.stopped;
    });
    runningListing_ = outer;
    if (run.stopped || !exists()) return;
    list_.refresh();
    if (list_.rowCount() == 0) {
        const std::string shown = windowText(controls_[kSearchBox]);
        message(("对不起！没有在数据库中找到 [" + shown + "] 的记录！").c_str(), "错 误:", kWarning);
    }
}

void MainWindow::edit(const char* noSelectionText) {
    const int selected = list_.selection();
    if (selected == -1) {
        message(noSelectionText, kWrongUse, kError);
        return;
    }
    rememberedRow_ = selected;
    if (actions_.openEditForm) actions_.openEditForm();
}

void MainWindow::deleteSelected() {
    if (list_.selection() == -1) {
        message(kNoSelection, kWrongUse, kError);
        return;
    }
    if (message("删除无法恢复！\r\n您确定要删除吗？", "提示", kQuestion) != IDYES) return;
    // The selection is read again: the list may have changed while the question was open.
    const int selected = list_.selection();
    if (selected != -1) db_.execute(records::deleteStatement(list_.itemValue(selected)));
    fullListing();
}

void MainWindow::print() { message("打印模块正在制作中！", "请稍后再打印:", kError); }

void MainWindow::about() {
    const std::string text = std::string(app::kProgramName) + "\r\n\r\n编制：" + app::kMakerName +
                             "\r\n网址：" + app::kMakerWebSite;
    message(text.c_str(), "作者信息：", kPlain);
}

void MainWindow::openWebSite() { shell::execute(hwnd(), "open", "iexplore.exe", app::kMakerWebSite, "", SW_SHOWNORMAL); }

void MainWindow::hide() { ShowWindow(hwnd(), SW_HIDE); }

void MainWindow::onShowWindow(bool shown) {
    if (shown || trayShown_) return;
    // Tray on: the window went out of sight.
    if (!trayIcon_)
        trayIcon_.reset(static_cast<HICON>(
            LoadImageA(instance(), MAKEINTRESOURCEA(IDI_PROGRAM), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                       GetSystemMetrics(SM_CYSMICON), 0)));
    NOTIFYICONDATAA nid = trayData();
    nid.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
    nid.uCallbackMessage = kTrayMessage;
    nid.hIcon = trayIcon_.get();
    std::strncpy(nid.szTip, app::kProgramName, 62);  // the tip holds at most 62 bytes
    trayShown_ = shell::notifyIcon(NIM_ADD, &nid) != FALSE;
}

void MainWindow::onTray(LPARAM event) {
    if (event != WM_LBUTTONUP && event != WM_LBUTTONDBLCLK && event != WM_RBUTTONUP) return;
    if (!trayShown_) return;
    ShowWindow(hwnd(), SW_SHOW);
    removeTrayIcon();
    SetForegroundWindow(hwnd());
}

NOTIFYICONDATAA MainWindow::trayData() const {
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = hwnd();
    nid.uID = kTrayIconId;
    return nid;
}

void MainWindow::removeTrayIcon() {
    if (!trayShown_) return;
    NOTIFYICONDATAA nid = trayData();
    shell::notifyIcon(NIM_DELETE, &nid);
    trayShown_ = false;
}

void MainWindow::showPopupMenu() {
    POINT pt;
    GetCursorPos(&pt);
    TrackPopupMenu(GetSubMenu(menu_.get(), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd(), nullptr);
}

void MainWindow::onClock() {
    SendMessageA(controls_[kStatusBar], SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(statusClockText(now()).c_str()));
}

void MainWindow::onDestroy() {
    stopRunningListing();
    KillTimer(hwnd(), kClockTimer);
    removeTrayIcon();
    tooltips::detachAll(hwnd());
    db_.close();  // the connection lives as long as the window
}

void MainWindow::onDestroyed() { controls_.clear(); }

}  // namespace ui
