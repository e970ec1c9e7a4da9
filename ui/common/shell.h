// The shell calls that reach outside the program: the notification-area
// icon and opening a document or program. Tests swap them, because neither
// has anything to show under a headless display.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace ui::shell {

using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
using ExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);

BOOL notifyIcon(DWORD message, NOTIFYICONDATAA* data);
HINSTANCE execute(HWND owner, const char* verb, const char* file, const char* parameters, const char* directory,
                  int show);

NotifyIconFunction setNotifyIconFunction(NotifyIconFunction f);
ExecuteFunction setExecuteFunction(ExecuteFunction f);

// The program file and the folder that holds it (no trailing backslash).
std::string programPath();
std::string runDirectory();

}  // namespace ui::shell
