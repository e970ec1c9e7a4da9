#include "support.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace testing_support {

void pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageA(&m);
        }
        if (ms) Sleep(5);
    } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

bool pumpUntil(const std::function<bool()>& done, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (;;) {
        pump();
        if (done()) return true;
        if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
        Sleep(5);
    }
}

std::string text(HWND hwnd) {
    char buf[4096] = {};
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }

namespace {

std::vector<ShownMessage> recorded;
std::vector<int> answers;
std::size_t nextAnswer = 0;
std::function<void()> duringBox;

int WINAPI record(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    recorded.push_back({text ? text : "", caption ? caption : "", style & ~static_cast<UINT>(MB_TASKMODAL),
                        (style & MB_TASKMODAL) != 0, owner != nullptr});
    if (duringBox) {
        auto during = std::move(duringBox);
        duringBox = nullptr;
        during();
    }
    return nextAnswer < answers.size() ? answers[nextAnswer++] : IDOK;
}

}  // namespace

MessageBoxes::MessageBoxes(std::vector<int> a) {
    recorded.clear();
    answers = std::move(a);
    nextAnswer = 0;
    previous_ = ui::setMessageBoxFunction(&record);
}

MessageBoxes::~MessageBoxes() {
    ui::setMessageBoxFunction(previous_);
    duringBox = nullptr;
}

const std::vector<ShownMessage>& MessageBoxes::shown() const { return recorded; }
void MessageBoxes::clear() { recorded.clear(); }
void MessageBoxes::onShow(std::function<void()> during) { duringBox = std::move(during); }

Child::Child(const std::string& scenario, const std::string& extra) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string cmd = std::string("\"") + self + "\" --child=" + scenario;
    if (!extra.empty()) cmd += " " + extra;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
}

Child::~Child() {
    if (pi_.hProcess) {
        if (running()) TerminateProcess(pi_.hProcess, 99);
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
}

bool Child::running() const { return pi_.hProcess && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

bool Child::wait(int ms, DWORD* exitCode) {
    if (!pi_.hProcess || WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0) return false;
    GetExitCodeProcess(pi_.hProcess, exitCode);
    return true;
}

HWND Child::findWindow(const char* className, const char* title, bool visible, int ms) const {
    HWND found = nullptr;
    pumpUntil(
        [&] {
            HWND w = nullptr;
            while ((w = FindWindowExA(nullptr, w, className, title))) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == pi_.dwProcessId && (!visible || IsWindowVisible(w))) {
                    found = w;
                    return true;
                }
            }
            return false;
        },
        ms);
    return found;
}

std::string tempPath(const std::string& name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + "vo-test-" + std::to_string(GetCurrentProcessId()) + "-" + name;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace testing_support
