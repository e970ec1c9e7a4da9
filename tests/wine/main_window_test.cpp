// The main window on a real database (through Wine's ODBC and the stand-in
// driver), driven with real messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <memory>

#include "records/connection.h"
#include "records/sql_text.h"
#include "support.h"
#include "ui/common/scoped.h"
#include "ui/common/shell.h"
#include "ui/common/tooltips.h"
#include "ui/main/desktop_shortcut.h"
#include "ui/main/main_window.h"

using namespace testing_support;
using ui::MainWindow;

namespace {

// A unit whose field n holds "<tag>-n".
records::UnitTexts unit(const std::string& tag) {
    records::UnitTexts u;
    for (std::size_t i = 0; i < u.size(); ++i) u[i] = tag + "-" + std::to_string(i + 1);
    return u;
}

// What the window asked the shell to do, instead of doing it.
struct ShellCalls {
    static inline std::vector<DWORD> notify;
    static inline std::string executed;
    static BOOL WINAPI notifyIcon(DWORD message, PNOTIFYICONDATAA) {
        notify.push_back(message);
        return TRUE;
    }
    static HINSTANCE WINAPI execute(HWND, LPCSTR verb, LPCSTR file, LPCSTR params, LPCSTR, INT show) {
        executed = std::string(verb) + "|" + file + "|" + params + "|" + std::to_string(show);
        return reinterpret_cast<HINSTANCE>(33);
    }
};

class MainWindowTest : public testing::Test {
public:  // reached from timer callbacks too
    void SetUp() override {
        dir_ = tempPath("main");
        CreateDirectoryA(dir_.c_str(), nullptr);
        path_ = dir_ + "\\Database1.mdb";
        ShellCalls::notify.clear();
        ShellCalls::executed.clear();
        oldNotify_ = ui::shell::setNotifyIconFunction(&ShellCalls::notifyIcon);
        oldExecute_ = ui::shell::setExecuteFunction(&ShellCalls::execute);
    }
    void TearDown() override {
        window_.reset();
        pump();
        ui::shell::setNotifyIconFunction(oldNotify_);
        ui::shell::setExecuteFunction(oldExecute_);
        DeleteFileA(path_.c_str());
        RemoveDirectoryA(dir_.c_str());
        MSG m;
        while (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }

    // The unit table with `units` rows, plus whatever `extra` statements add.
    void makeDatabase(const std::vector<records::UnitTexts>& units, const std::vector<std::string>& extra = {}) {
        CloseHandle(CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        records::Connection db;
        ASSERT_TRUE(db.open(path_));
        ASSERT_EQ(db.execute(records::createTableStatement(records::kSqliteAutoNumber)), 1);
        for (const auto& u : units) ASSERT_EQ(db.execute(records::insertStatement(u)), 1);
        for (const auto& s : extra) ASSERT_EQ(db.execute(s), 1) << s;
    }
    void makeUnits(int n) {
        std::vector<records::UnitTexts> units;
        for (int i = 1; i <= n; ++i) units.push_back(unit("单位" + std::to_string(i)));
        makeDatabase(units);
    }
    void open() {
        MainWindow::Actions actions;
        actions.openEditForm = [this] { ++editOpened_; };
        window_ = std::make_unique<MainWindow>(remembered_, path_, actions);
        ASSERT_TRUE(window_->create());
        ShowWindow(window_->hwnd(), SW_SHOW);
        pump();
    }
    HWND control(int id) { return window_->control(id); }
    void press(int id) { click(control(id)); }
    void select(int row) {
        ListView_SetItemState(control(MainWindow::kList), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }
    std::string cell(int row, int column) {
        char buf[512] = {};
        ListView_GetItemText(control(MainWindow::kList), row, column, buf, sizeof buf);
        return buf;
    }
    int rowsShown() { return ListView_GetItemCount(control(MainWindow::kList)); }
    std::vector<int> numbers() {
        std::vector<int> out;
        for (int r = 0; r < window_->list().rowCount(); ++r) out.push_back(window_->list().itemValue(r));
        return out;
    }

    std::string dir_, path_;
    std::int32_t remembered_ = 0;
    int editOpened_ = 0;
    std::unique_ptr<MainWindow> window_;
    ui::shell::NotifyIconFunction oldNotify_{};
    ui::shell::ExecuteFunction oldExecute_{};
};

class MainWindowTest;
MainWindowTest* current = nullptr;
int rowsWhenActed = -1;  // how far the interrupted listing had come

// Runs `action` once, from inside whatever message loop runs next (here:
// the search's own, between two of its rows).
void soon(void (*action)());

}  // namespace

namespace {

void (*pendingAction)() = nullptr;

void CALLBACK runPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (auto a = pendingAction) {
        pendingAction = nullptr;
        rowsWhenActed = current->window_->list().rowCount();
        a();
    }
}

void soon(void (*action)()) {
    pendingAction = action;
    rowsWhenActed = -1;
    SetTimer(nullptr, 0, 1, runPendingAction);
}

std::vector<std::string> menuTexts;

// Runs inside the pop-up menu's own loop: read the menu, then close it.
void CALLBACK readAndCloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menuWindow = FindWindowA("#32768", nullptr);
    if (!menuWindow) return;
    KillTimer(nullptr, id);
    HMENU m = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(m); ++i) {
        char buf[64] = {};
        GetMenuStringA(m, static_cast<UINT>(i), buf, sizeof buf, MF_BYPOSITION);
        menuTexts.push_back(buf);
    }
    EndMenu();
}

}  // namespace

TEST_F(MainWindowTest, WindowAndControlsAsLaidOut) {
    makeUnits(0);
    open();
    RECT rc;
    GetWindowRect(window_->hwnd(), &rc);
    EXPECT_EQ(rc.left, 50);
    EXPECT_EQ(rc.top, 50);
    EXPECT_EQ(rc.right - rc.left, 972);
    EXPECT_EQ(rc.bottom - rc.top, 603);
    EXPECT_EQ(text(window_->hwnd()), " zev人力资源和社会保障局 - vo管理工作信息采集系统                 [vu科技公司编制]");
    const struct {
        int id;
        const char* text;
        int x, y, w, h;  // relative to the window's client area
        const char* tip;
    } expected[] = {
        {MainWindow::kAdd, "录入单位信息", 1, 111, 168, 35, "增加新的单位信息数据."},
        {MainWindow::kEdit, "编辑单位信息", 1, 147, 168, 35, "修改选中的单位信息数据."},
        {MainWindow::kDelete, "删除单位信息", 1, 183, 168, 35, "删除选中的单位信息数据."},
        {MainWindow::kShowAll, "全部信息显示", 1, 219, 168, 35, "显示全部数据库单位信息."},
        {MainWindow::kTransfer, "数据库上传下载", 1, 410, 168, 35, "上传或下载数据库文件."},
        {MainWindow::kPrint, "打印信息", 0, 446, 168, 35, "打印选中的单位信息数据."},
        {MainWindow::kPassword, "修改登录密码", 0, 482, 168, 35, "修改软件的登录密码."},
        {MainWindow::kList, "", 174, 82, 788, 435, ""},
        {MainWindow::kCount, "数据库总量：0条数据", 2, 525, 171, 22, ""},
        {MainWindow::kSearchBox, "在此输入关键字：（可模糊查询）", 390, 524, 208, 24, ""},
        {MainWindow::kSearch, "查询", 613, 524, 147, 23, "按条件查询数据库资料."},
        {MainWindow::kHide, "隐藏到任务栏", 782, 524, 88, 23, ""},
        {MainWindow::kAnnouncement, "监察大队公告", 873, 524, 82, 23, ""},
        {MainWindow::kBannerTitle, "zev劳动保障vo管理工作信息采集系统", 116, 15, 736, 41, ""},
        {MainWindow::kSidebarHeaderText, "数 据 库 管 理", 50, 89, 100, 16, ""},
    };
    for (const auto& e : expected) {
        HWND h = control(e.id);
        ASSERT_TRUE(h) << e.text;
        EXPECT_EQ(text(h), e.text);
        RECT r;
        GetWindowRect(h, &r);
        MapWindowPoints(nullptr, window_->hwnd(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, e.x) << e.text;
        EXPECT_EQ(r.top, e.y) << e.text;
        EXPECT_EQ(r.right - r.left, e.w) << e.text;
        EXPECT_EQ(r.bottom - r.top, e.h) << e.text;
        EXPECT_EQ(ui::tooltips::textOf(h), e.tip) << e.text;
    }
    // The 71 columns with their headers and widths.
    HWND header = ListView_GetHeader(control(MainWindow::kList));
    ASSERT_EQ(Header_GetItemCount(header), 71);
    for (int k = 0; k < 71; ++k) {
        char buf[128] = {};
        LVCOLUMNA c{};
        c.mask = LVCF_TEXT | LVCF_WIDTH;
        c.pszText = buf;
        c.cchTextMax = sizeof buf;
        SendMessageA(control(MainWindow::kList), LVM_GETCOLUMNA, k, reinterpret_cast<LPARAM>(&c));
        EXPECT_STREQ(buf, records::kFields[k].header);
        EXPECT_EQ(c.cx, records::kFields[k].width);
    }
}

TEST_F(MainWindowTest, FullListingShowsUnitsInOrderWithTheirNumbers) {
    std::vector<records::UnitTexts> units;
    for (int i = 1; i <= 12; ++i) units.push_back(unit("单位" + std::to_string(i)));
    units[4] = records::UnitTexts{};  // a unit of 71 empty fields is a unit too
    makeDatabase(units, {"delete from 单位信息 where 编号=2"});
    open();
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：11条数据");
    ASSERT_EQ(rowsShown(), 11);
    EXPECT_EQ(numbers(), (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(cell(0, 0), "单位1-1");
    EXPECT_EQ(cell(0, 38), "单位1-39");
    EXPECT_EQ(cell(0, 70), "单位1-71");
    for (int k = 0; k < 71; ++k) EXPECT_EQ(cell(3, k), "") << k;
    EXPECT_EQ(window_->list().itemValue(3), 5);
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = 1;
    SendMessageA(control(MainWindow::kList), LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(item.iImage, 0);
}

TEST_F(MainWindowTest, EmptyTableAndMissingDatabase) {
    makeUnits(0);
    open();
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：0条数据");
    EXPECT_EQ(rowsShown(), 0);
    window_.reset();
    DeleteFileA(path_.c_str());
    MessageBoxes boxes;
    open();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "打开数据库失败！");
    EXPECT_EQ(boxes.shown()[0].caption, "警告");
    EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(text(control(MainWindow::kCount)), "");
    press(MainWindow::kShowAll);
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：0条数据");
    EXPECT_EQ(GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES) << "opening must not create the file";
}

TEST_F(MainWindowTest, DeleteAsksFirstAndRelists) {
    makeUnits(3);
    open();
    {
        MessageBoxes boxes({IDNO});
        select(1);
        press(MainWindow::kDelete);
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].text, "删除无法恢复！\r\n您确定要删除吗？");
        EXPECT_EQ(boxes.shown()[0].caption, "提示");
        EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
        EXPECT_TRUE(boxes.shown()[0].taskModal);
        EXPECT_FALSE(boxes.shown()[0].hasOwner);
        EXPECT_EQ(numbers(), (std::vector<int>{1, 2, 3}));
    }
    MessageBoxes boxes({IDYES});
    select(1);
    SendMessageA(window_->hwnd(), WM_COMMAND, MainWindow::kMenuDelete, 0);
    EXPECT_EQ(numbers(), (std::vector<int>{1, 3}));
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：2条数据");
    EXPECT_EQ(window_->list().selection(), -1);
}

TEST_F(MainWindowTest, FailedDeleteStillRelists) {
    makeDatabase({unit("甲"), unit("乙")},
                 {"create trigger keep before delete on 单位信息 begin select raise(abort, 'kept'); end"});
    open();
    MessageBoxes boxes({IDYES});
    select(0);
    press(MainWindow::kDelete);
    EXPECT_EQ(boxes.shown().size(), 1u) << "a failed delete shows nothing more";
    EXPECT_EQ(numbers(), (std::vector<int>{1, 2}));
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：2条数据");
}

TEST_F(MainWindowTest, CommandsWithoutSelection) {
    makeUnits(2);
    open();
    MessageBoxes boxes;
    press(MainWindow::kEdit);
    SendMessageA(window_->hwnd(), WM_COMMAND, MainWindow::kMenuEdit, 0);
    press(MainWindow::kDelete);
    // A double-click on empty space below the rows.
    HWND list = control(MainWindow::kList);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(300, 400));
    SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(300, 400));
    ASSERT_EQ(boxes.shown().size(), 4u);
    const char* expected[] = {"请选择一条要操作的信息！", "请选择一条要操作的信息！", "请选择一条要操作的信息！",
                              "请选择一条单位数据记录！"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(boxes.shown()[i].text, expected[i]);
        EXPECT_EQ(boxes.shown()[i].caption, "错误操作:");
        EXPECT_EQ(boxes.shown()[i].style, static_cast<UINT>(MB_ICONERROR));
    }
    EXPECT_EQ(editOpened_, 0);
    EXPECT_EQ(numbers().size(), 2u);
}

TEST_F(MainWindowTest, EditRemembersTheSelectedRow) {
    makeUnits(3);
    open();
    select(2);
    press(MainWindow::kEdit);
    EXPECT_EQ(remembered_, 2);
    EXPECT_EQ(editOpened_, 1);
    select(1);
    SendMessageA(window_->hwnd(), WM_COMMAND, MainWindow::kMenuEdit, 0);
    EXPECT_EQ(remembered_, 1);
    EXPECT_EQ(editOpened_, 2);
}

TEST_F(MainWindowTest, PrintAboutAndWebSite) {
    makeUnits(0);
    open();
    MessageBoxes boxes;
    press(MainWindow::kPrint);
    SendMessageA(window_->hwnd(), WM_COMMAND, MainWindow::kMenuPrint, 0);
    SendMessageA(window_->hwnd(), WM_COMMAND, MainWindow::kMenuAbout, 0);
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[0].text, "打印模块正在制作中！");
    EXPECT_EQ(boxes.shown()[0].caption, "请稍后再打印:");
    EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(boxes.shown()[1].text, boxes.shown()[0].text);
    EXPECT_EQ(boxes.shown()[2].caption, "作者信息：");
    EXPECT_EQ(boxes.shown()[2].style, static_cast<UINT>(MB_OK));
    EXPECT_NE(boxes.shown()[2].text.find("vu科技公司"), std::string::npos);
    EXPECT_NE(boxes.shown()[2].text.find("vo管理工作信息采集系统"), std::string::npos);
    EXPECT_NE(boxes.shown()[2].text.find("http://www.example.com/"), std::string::npos);
    SendMessageA(window_->hwnd(), WM_COMMAND, MainWindow::kMenuWebSite, 0);
    EXPECT_EQ(ShellCalls::executed, "open|iexplore.exe|http://www.example.com/|" + std::to_string(SW_SHOWNORMAL));
}

TEST_F(MainWindowTest, HideShowsTheTrayIconAndOneClickRestores) {
    makeUnits(1);
    open();
    press(MainWindow::kHide);
    EXPECT_FALSE(IsWindowVisible(window_->hwnd()));
    EXPECT_TRUE(window_->trayIconShown());
    EXPECT_EQ(ShellCalls::notify, (std::vector<DWORD>{NIM_ADD}));
    SendMessageA(window_->hwnd(), MainWindow::kTrayMessage, MainWindow::kTrayIconId, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(window_->hwnd()));
    for (LPARAM event : {WM_RBUTTONUP, WM_LBUTTONUP, WM_LBUTTONDBLCLK}) {
        ShellCalls::notify.clear();
        press(MainWindow::kHide);
        SendMessageA(window_->hwnd(), MainWindow::kTrayMessage, MainWindow::kTrayIconId, WM_MOUSEMOVE);
        EXPECT_FALSE(IsWindowVisible(window_->hwnd())) << "moving over the icon restores nothing";
        SendMessageA(window_->hwnd(), MainWindow::kTrayMessage, MainWindow::kTrayIconId, event);
        EXPECT_TRUE(IsWindowVisible(window_->hwnd())) << event;
        EXPECT_FALSE(window_->trayIconShown());
        EXPECT_EQ(ShellCalls::notify, (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));
    }
}

TEST_F(MainWindowTest, ClockShowsTheDateInThePartZero) {
    makeUnits(0);
    open();
    char buf[256] = {};
    SendMessageA(control(MainWindow::kStatusBar), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buf));
    const std::string shown = buf;
    SYSTEMTIME st;
    GetLocalTime(&st);
    const std::string date = std::to_string(st.wYear) + "年" + std::to_string(st.wMonth) + "月" + std::to_string(st.wDay) + "日";
    EXPECT_EQ(shown.rfind("        当前日期： " + date + "    ", 0), 0u) << shown;
}

TEST_F(MainWindowTest, DesktopShortcutPointsAtTheProgram) {
    makeUnits(0);
    const std::string file = ui::desktopShortcutPath();
    ASSERT_FALSE(file.empty());
    DeleteFileA(file.c_str());
    open();
    ui::ComPtr<IShellLinkA> link;
    ASSERT_TRUE(SUCCEEDED(
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.outVoid())));
    ui::ComPtr<IPersistFile> persist;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, persist.outVoid())));
    wchar_t wide[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, file.c_str(), -1, wide, MAX_PATH);
    ASSERT_TRUE(SUCCEEDED(persist->Load(wide, STGM_READ)));
    char target[MAX_PATH] = {};
    link->GetPath(target, MAX_PATH, nullptr, 0);
    EXPECT_STRCASEEQ(target, ui::shell::programPath().c_str());
    EXPECT_NE(file.find("vo信息管理.lnk"), std::string::npos);
    // Rewritten at every start.
    window_.reset();
    open();
    EXPECT_NE(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(MainWindowTest, RightClickOverTheListShowsTheSixCommands) {
    makeUnits(2);
    open();
    EXPECT_EQ(GetMenu(window_->hwnd()), nullptr) << "the menu bar is never shown";
    menuTexts.clear();
    SetTimer(nullptr, 0, 20, readAndCloseMenu);
    HWND list = control(MainWindow::kList);
    PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(30, 30));
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 30));
    pumpUntil([] { return !menuTexts.empty(); }, 3000);
    EXPECT_EQ(menuTexts, (std::vector<std::string>{"编辑信息", "删除信息", "打印信息", "版权信息", "软件更新", "官方网站"}));
}

TEST_F(MainWindowTest, SearchFindsEveryFieldAndTheRecordNumber) {
    auto a = unit("甲"), b = unit("乙"), c = unit("丙");
    b[70] = "备注含[备]与o'k";
    c[6] = "张三";  // field 7, written in brackets in the statement
    makeDatabase({a, b, c, unit("丁")});
    open();
    const struct {
        const char* keyword;
        std::vector<int> found;
    } cases[] = {
        {"[备]", {2}},
        {"o'k", {2}},
        {"张三", {3}},
        {"-39", {1, 2, 3, 4}},
        {"4", {1, 2, 3, 4}},  // "...-4" is in every unit
        {"丁-71", {4}},
    };
    MessageBoxes boxes;
    for (const auto& k : cases) {
        SetWindowTextA(control(MainWindow::kSearchBox), k.keyword);
        press(MainWindow::kSearch);
        EXPECT_EQ(numbers(), k.found) << k.keyword;
        EXPECT_EQ(rowsShown(), static_cast<int>(k.found.size()));
    }
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：4条数据") << "a search leaves the count alone";
    // Result rows work like listed ones: the record number comes from the row.
    SetWindowTextA(control(MainWindow::kSearchBox), "张三");
    press(MainWindow::kSearch);
    select(0);
    press(MainWindow::kEdit);
    EXPECT_EQ(remembered_, 0);
    EXPECT_EQ(window_->list().itemValue(0), 3);
}

TEST_F(MainWindowTest, SearchMessagesAndTheClearingClick) {
    makeUnits(2);
    open();
    MessageBoxes boxes;
    HWND box = control(MainWindow::kSearchBox);
    // The prompt itself is searched for when left standing.
    press(MainWindow::kSearch);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, "对不起！没有在数据库中找到 [在此输入关键字：（可模糊查询）] 的记录！");
    EXPECT_EQ(boxes.shown()[0].caption, "错 误:");
    EXPECT_EQ(boxes.shown()[0].style, static_cast<UINT>(MB_ICONWARNING));
    EXPECT_EQ(rowsShown(), 0);
    // A left click always empties the box.
    SetWindowTextA(box, "单位");
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(text(box), "");
    SetFocus(control(MainWindow::kHide));
    press(MainWindow::kSearch);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text, "请输入查询条件！");
    EXPECT_EQ(boxes.shown()[1].caption, "错误");
    EXPECT_EQ(boxes.shown()[1].style, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(GetFocus(), box);
    // Blanks are a keyword like any other.
    SetWindowTextA(box, "   ");
    press(MainWindow::kSearch);
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].text, "对不起！没有在数据库中找到 [   ] 的记录！");
}

// While a search lists its rows the window keeps working; whatever lists
// rows in the meantime stops the search, and the list never mixes two listings.
TEST_F(MainWindowTest, FullListingDuringASearchStopsIt) {
    makeUnits(40);
    open();
    current = this;
    MessageBoxes boxes;
    SetWindowTextA(control(MainWindow::kSearchBox), "单位3");  // 3, 30..39: 11 units
    soon([] { current->press(MainWindow::kShowAll); });
    press(MainWindow::kSearch);
    EXPECT_GT(rowsWhenActed, 0);
    EXPECT_LT(rowsWhenActed, 11);
    std::vector<int> all;
    for (int i = 1; i <= 40; ++i) all.push_back(i);
    EXPECT_EQ(numbers(), all);
    EXPECT_EQ(rowsShown(), 40);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MainWindowTest, SecondSearchDuringASearchReplacesIt) {
    makeUnits(40);
    open();
    current = this;
    MessageBoxes boxes;
    SetWindowTextA(control(MainWindow::kSearchBox), "单位");
    soon([] {
        SetWindowTextA(current->control(MainWindow::kSearchBox), "单位7-");
        current->press(MainWindow::kSearch);
    });
    press(MainWindow::kSearch);
    EXPECT_GT(rowsWhenActed, 0);
    EXPECT_LT(rowsWhenActed, 40);
    EXPECT_EQ(numbers(), (std::vector<int>{7}));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MainWindowTest, DeleteDuringASearch) {
    makeUnits(40);
    open();
    current = this;
    MessageBoxes boxes({IDYES});
    SetWindowTextA(control(MainWindow::kSearchBox), "单位");
    soon([] {
        current->select(0);
        current->press(MainWindow::kDelete);
    });
    press(MainWindow::kSearch);
    EXPECT_GT(rowsWhenActed, 0);
    EXPECT_LT(rowsWhenActed, 40);
    EXPECT_EQ(window_->list().rowCount(), 39);
    EXPECT_EQ(numbers().front(), 2);
    EXPECT_EQ(text(control(MainWindow::kCount)), "数据库总量：39条数据");
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(MainWindowTest, ClosingTheWindowDuringASearchEndsIt) {
    makeUnits(40);
    open();
    current = this;
    MessageBoxes boxes;
    SetWindowTextA(control(MainWindow::kSearchBox), "单位");
    soon([] { SendMessageA(current->window_->hwnd(), WM_CLOSE, 0, 0); });
    press(MainWindow::kSearch);
    EXPECT_GT(rowsWhenActed, 0);
    EXPECT_LT(rowsWhenActed, 40);
    EXPECT_FALSE(window_->exists());
    EXPECT_FALSE(window_->database().isOpen());
    EXPECT_TRUE(boxes.shown().empty());
}
