#include "ui/common/shell.h"

#include "records/gbk.h"

namespace ui::shell {

namespace {
NotifyIconFunction notifyIconFunction = &Shell_NotifyIconA;
ExecuteFunction executeFunction = &ShellExecuteA;
}  // namespace

BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data) { return notifyIconFunction(message, data); }

HINSTANCE execute(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                  int show) {
    return executeFunction(owner, verb, file, parameters, directory, show);
}

NotifyIconFunction setNotifyIconFunction(NotifyIconFunction f) {
    const auto old = notifyIconFunction;
    notifyIconFunction = f ? f : &Shell_NotifyIconA;
    return old;
}

ExecuteFunction setExecuteFunction(ExecuteFunction f) {
    const auto old = executeFunction;
    executeFunction = f ? f : &ShellExecuteA;
    return old;
}

std::string programPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string runDirectory() {
    const std::string path = programPath();
    const auto slash = records::gbkFindLast(path, '\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace ui::shell
