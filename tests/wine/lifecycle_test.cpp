// The whole life of the program, run as a child process and driven from here.
#include <gtest/gtest.h>

#include "access/login_window.h"
#include "records/connection.h"
#include "records/sql_text.h"
#include "settings_fixture.h"
#include "support.h"
#include "ui/common/shell.h"
#include "ui/main/main_window.h"

using namespace testing_support;

namespace {

const char kLoginClass[] = "VoLoginWindow";
const char kLoginTitle[] = "登陆vo管理工作信息系统";

struct ProgramRun {
    std::string marker = tempPath("marker.txt");
    Child child;
    explicit ProgramRun(const char* scenario) : child(scenario, "--marker=" + marker) { DeleteFileA(marker.c_str()); }
    ~ProgramRun() { DeleteFileA(marker.c_str()); }
    DWORD exitCode(int ms = 10000) {
        DWORD code = 12345;
        EXPECT_TRUE(child.wait(ms, &code)) << "the program did not end";
        return code;
    }
};

}  // namespace

TEST(Lifecycle, ExitButtonEndsWithZeroAfterCleanUp) {
    ProgramRun run("program");
    HWND login = run.child.findWindow(kLoginClass, kLoginTitle);
    ASSERT_TRUE(login);
    RECT rc;
    GetWindowRect(login, &rc);
    EXPECT_EQ(rc.right - rc.left, 522);
    EXPECT_EQ(rc.bottom - rc.top, 278);
    HWND exit = GetDlgItem(login, access_control::LoginWindow::kExit);
    ASSERT_TRUE(exit);
    EXPECT_EQ(text(exit), "退出");
    PostMessageA(exit, BM_CLICK, 0, 0);
    EXPECT_EQ(run.exitCode(), 0u);
    EXPECT_EQ(readFile(run.marker), "cleanup\n");
}

TEST(Lifecycle, CloseBoxEndsWithZeroAfterCleanUp) {
    ProgramRun run("program");
    HWND login = run.child.findWindow(kLoginClass, kLoginTitle);
    ASSERT_TRUE(login);
    PostMessageA(login, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(run.exitCode(), 0u);
    EXPECT_EQ(readFile(run.marker), "cleanup\n");
}

TEST(Lifecycle, HiddenWindowKeepsTheProgramRunning) {
    ProgramRun run("hidden-window");
    HWND login = run.child.findWindow(kLoginClass, kLoginTitle);
    HWND hidden = run.child.findWindow("VoTestHidden", "hidden", false);
    ASSERT_TRUE(login && hidden);
    EXPECT_FALSE(IsWindowVisible(hidden));
    PostMessageA(login, WM_CLOSE, 0, 0);
    DWORD code = 0;
    EXPECT_FALSE(run.child.wait(700, &code)) << "ended although a hidden window was left";
    EXPECT_FALSE(IsWindow(login));
    PostMessageA(hidden, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.exitCode(), 0u);
    EXPECT_EQ(readFile(run.marker), "cleanup\n");
}

TEST(Lifecycle, FatalErrorEndsWithMinusOneWithoutCleanUp) {
    ProgramRun run("fatal");
    EXPECT_EQ(run.exitCode(), static_cast<DWORD>(-1));
    EXPECT_EQ(readFile(run.marker), "message\n");
}

// A whole session: the initial account opens the main window on the database
// beside the program, whose password button runs the password window modally.
TEST(Lifecycle, LoginOpensTheMainWindowWhichRunsThePasswordWindow) {
    SavedVadKey noPasswordSet;
    const std::string db = ui::shell::runDirectory() + "\\Database1.mdb";
    CloseHandle(CreateFileA(db.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    {
        records::Connection c;
        ASSERT_TRUE(c.open(db));
        ASSERT_EQ(c.execute(records::createTableStatement(records::kSqliteAutoNumber)), 1);
        for (int i = 0; i < 3; ++i) ASSERT_EQ(c.execute(records::insertStatement(records::UnitTexts{})), 1);
    }
    ProgramRun run("program");
    HWND login = run.child.findWindow(kLoginClass, kLoginTitle);
    ASSERT_TRUE(login);
    SendMessageA(GetDlgItem(login, access_control::LoginWindow::kAccount), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("admin"));
    SendMessageA(GetDlgItem(login, access_control::LoginWindow::kPassword), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("admin"));
    PostMessageA(GetDlgItem(login, access_control::LoginWindow::kLogin), BM_CLICK, 0, 0);
    HWND main = run.child.findWindow("VoMainWindow", nullptr);
    ASSERT_TRUE(main);
    EXPECT_TRUE(pumpUntil([&] { return !IsWindow(login); }));
    EXPECT_EQ(text(GetDlgItem(main, ui::MainWindow::kCount)), "数据库总量：3条数据");

    PostMessageA(GetDlgItem(main, ui::MainWindow::kPassword), BM_CLICK, 0, 0);
    HWND password = run.child.findWindow("VoPasswordWindow", "请输入2次正确密码：");
    ASSERT_TRUE(password);
    EXPECT_FALSE(IsWindowEnabled(main)) << "the password window is modal";
    PostMessageA(password, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pumpUntil([&] { return IsWindowEnabled(main) != FALSE; }));

    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.exitCode(), 0u);
    EXPECT_EQ(readFile(run.marker), "cleanup\n");
    DeleteFileA(db.c_str());
}
