// Tests that need a real X display (Xvfb): the notification area, and a
// smoke run of the program that ships.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "records/connection.h"
#include "records/sql_text.h"
#include "support.h"
#include "ui/main/main_window.h"

using namespace testing_support;
using ui::MainWindow;

namespace {

// Whether the notification area holds the window's icon: only an existing icon can be modified.
bool iconPresent(HWND owner) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = sizeof nid;
    nid.hWnd = owner;
    nid.uID = MainWindow::kTrayIconId;
    nid.uFlags = NIF_TIP;
    lstrcpyA(nid.szTip, "probe");
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

}  // namespace

TEST(NotificationArea, HideAndRestoreWithTheRealIcon) {
    const std::string path = tempPath("tray.mdb");
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    std::int32_t remembered = 0;
    {
        MainWindow window(remembered, path, {});
        MessageBoxes boxes;  // the empty file has no unit table: nothing to list, nothing to show
        ASSERT_TRUE(window.create());
        ShowWindow(window.hwnd(), SW_SHOW);
        pump(100);
        EXPECT_FALSE(iconPresent(window.hwnd()));
        click(window.control(MainWindow::kHide));
        pump(100);
        EXPECT_FALSE(IsWindowVisible(window.hwnd()));
        EXPECT_TRUE(window.trayIconShown());
        EXPECT_TRUE(iconPresent(window.hwnd()));
        SendMessageA(window.hwnd(), MainWindow::kTrayMessage, MainWindow::kTrayIconId, WM_LBUTTONUP);
        pump(100);
        EXPECT_TRUE(IsWindowVisible(window.hwnd()));
        EXPECT_FALSE(iconPresent(window.hwnd()));
        // Hidden again, the icon goes with the window when it closes.
        click(window.control(MainWindow::kHide));
        pump(100);
        EXPECT_TRUE(iconPresent(window.hwnd()));
        HWND gone = window.hwnd();
        DestroyWindow(window.hwnd());
        EXPECT_FALSE(iconPresent(gone));
    }
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    }
    DeleteFileA(path.c_str());
}

TEST(ShippedProgram, StartsWithTheLoginWindowAndEndsWithZero) {
    const std::string exe = VO_DIST_DIR "\\vo信息管理.exe";
    ASSERT_NE(GetFileAttributesA(exe.c_str()), INVALID_FILE_ATTRIBUTES) << exe;
    std::string cmd = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, VO_DIST_DIR, &si, &pi));
    HWND login = nullptr;
    pumpUntil([&] { return (login = FindWindowA("VoLoginWindow", "登陆vo管理工作信息系统")) && IsWindowVisible(login); },
              15000);
    ASSERT_TRUE(login);
    EXPECT_EQ(FindWindowA("VoMainWindow", nullptr), nullptr) << "nothing but the login window at first";
    PostMessageA(login, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 15000), WAIT_OBJECT_0);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
}
