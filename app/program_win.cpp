#include "app/program.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdio>

#include "access/login_window.h"
#include "access/password_window.h"
#include "access/registry.h"
#include "net/http.h"
#include "ui/common/shell.h"
#include "ui/main/main_window.h"
#include "ui/common/message_box.h"
#include "ui/common/window.h"

namespace app {

namespace {

Program* running = nullptr;

class OleScope {
public:
    OleScope() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleScope() {
        if (ok_) OleUninitialize();
    }
    OleScope(const OleScope&) = delete;
    OleScope& operator=(const OleScope&) = delete;

private:
    bool ok_;
};

int eventLoop() {
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move between the controls of the window.
        HWND root = GetAncestor(m.hwnd, GA_ROOT);
        if (root && IsDialogMessageA(root, &m)) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}

}  // namespace

Program::Program(Hooks hooks)
    : hooks_(std::move(hooks)),
      registry1_(std::make_unique<注册表类>()),
      web1_(std::make_unique<HTTP类>()),
      registry2_(std::make_unique<注册表类>()),
      web2_(std::make_unique<HTTP类>()) {}

Program::~Program() { cleanup(); }

void Program::cleanup() {
    if (cleanedUp_) return;
    cleanedUp_ = true;
    registry1_.reset();
    web1_.reset();
    registry2_.reset();
    web2_.reset();
    values.announcementAddress.clear();
    values.announcementAddress.shrink_to_fit();
    if (hooks_.cleanedUp) hooks_.cleanedUp();
}

bool Program::showLoginWindow() {
    login_ = std::make_unique<access_control::LoginWindow>(
        firstRegistry(),
        access_control::LoginWindow::Actions{[this] { return openMainWindow(); }, [](int code) { endProgram(code); }});
    if (!login_->create()) return false;
    ShowWindow(login_->hwnd(), SW_SHOW);
    UpdateWindow(login_->hwnd());
    return true;
}

bool Program::openMainWindow() {
    if (main_ && main_->exists()) {
        ui::bringToFront(main_->hwnd());
        return true;
    }
    ui::MainWindow::Actions actions;
    actions.openPasswordWindow = [this](HWND owner) { access_control::runPasswordWindow(secondRegistry(), owner); };
    main_ = std::make_unique<ui::MainWindow>(values.rememberedRow, ui::shell::runDirectory() + "\\Database1.mdb",
                                             std::move(actions));
    if (!main_->create()) return false;
    ShowWindow(main_->hwnd(), SW_SHOW);
    UpdateWindow(main_->hwnd());
    return true;
}

int runProgram(Program::Hooks hooks) {
    OleScope ole;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    Program program(std::move(hooks));
    running = &program;
    program.values = SharedValues{};
    if (!program.showLoginWindow()) {
        ui::message("无法创建登陆窗口，程序将退出。", "出错了！", ui::kError);
        running = nullptr;
        return 1;
    }
    if (program.hooks().started) program.hooks().started(program);
    const int code = eventLoop();
    ui::Window::destroyAll();
    program.cleanup();
    running = nullptr;
    return code;
}

void endProgram(int exitCode) {
    ui::Window::destroyAll();
    if (running) running->cleanup();
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(exitCode));
}

void fatalError(const char* text) {
    ui::message(text, "严重错误", ui::kError);
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace app
