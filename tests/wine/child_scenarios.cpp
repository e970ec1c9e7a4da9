#include "child_scenarios.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "access/login_window.h"
#include "access/password_window.h"
#include "app/program.h"
#include "ui/common/message_box.h"
#include "ui/common/window.h"

namespace testing_support {

namespace {

std::string markerPath;

void mark(const char* what) {
    if (markerPath.empty()) return;
    if (FILE* f = std::fopen(markerPath.c_str(), "ab")) {
        std::fprintf(f, "%s\n", what);
        std::fclose(f);
    }
}

// A program window that is never shown.
class HiddenWindow : public ui::Window {
public:
    bool create() {
        return createTopLevel({"VoTestHidden", "hidden", WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100, nullptr, nullptr});
    }
};

void CALLBACK pressLogin(HWND login, UINT, UINT_PTR id, DWORD) {
    KillTimer(login, id);
    PostMessageA(GetDlgItem(login, access_control::LoginWindow::kLogin), BM_CLICK, 0, 0);
}

void CALLBACK pointAtPassword(HWND login, UINT, UINT_PTR id, DWORD) {
    KillTimer(login, id);
    RECT rc;
    GetWindowRect(GetDlgItem(login, access_control::LoginWindow::kPassword), &rc);
    SetCursorPos(rc.left + 20, rc.top + 8);
    SetCursorPos(rc.left + 22, rc.top + 10);
}

int WINAPI answerOk(HWND, LPCSTR, LPCSTR, UINT) {
    mark("message");
    return IDOK;
}

}  // namespace

int runChildScenario(const char* name, int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--marker=", 9) == 0) markerPath = argv[i] + 9;
    const std::string scenario = name;
    static HiddenWindow hidden;
    app::Program::Hooks hooks;
    hooks.cleanedUp = [] { mark("cleanup"); };
    if (scenario == "hidden-window") {
        hooks.started = [](app::Program&) { hidden.create(); };
    } else if (scenario == "main-window") {
        hooks.started = [](app::Program& program) { program.openMainWindow(); };
    } else if (scenario == "password-window") {
        // The password window on its own, as the main window would run it.
        hooks.started = [](app::Program& program) {
            ShowWindow(program.loginWindow()->hwnd(), SW_HIDE);
            access_control::runPasswordWindow(program.secondRegistry(), nullptr);
        };
    } else if (scenario == "login-waiting") {
        // A correct login whose main window takes long to open: the wait label stays up meanwhile.
        hooks.started = [](app::Program& program) {
            ShowWindow(program.loginWindow()->hwnd(), SW_HIDE);
            static access_control::LoginWindow slow(program.firstRegistry(), {[] {
                                                        Sleep(8000);
                                                        return false;
                                                    },
                                                    [](int code) { app::endProgram(code); }});
            slow.create();
            ShowWindow(slow.hwnd(), SW_SHOW);
            using access_control::LoginWindow;
            SetWindowTextA(slow.control(LoginWindow::kAccount), "admin");
            SetWindowTextA(slow.control(LoginWindow::kPassword), "admin");
            // Pressed a moment later, as a person would.
            SetTimer(slow.hwnd(), 1, 1500, pressLogin);
        };
    } else if (scenario == "login-tooltip") {
        // The pointer comes to rest on the password box, to show its balloon.
        hooks.started = [](app::Program& program) { SetTimer(program.loginWindow()->hwnd(), 1, 1000, pointAtPassword); };
    } else if (scenario == "fatal") {
        hooks.started = [](app::Program&) {
            ui::setMessageBoxFunction(&answerOk);
            app::fatalError("测试：致命错误");
        };
    }
    return app::runProgram(hooks);
}

}  // namespace testing_support
