// Every message to the user goes through here: a task-modal box without an
// owner window. Tests swap the function to read and answer the boxes.
#pragma once

#include <windows.h>

namespace ui {

// The five styles the program uses.
enum MessageStyle : UINT {
    kPlain = MB_OK,                             // 0
    kError = MB_OK | MB_ICONERROR,              // 16
    kWarning = MB_OK | MB_ICONWARNING,          // 48
    kInformation = MB_OK | MB_ICONINFORMATION,  // 64
    kQuestion = MB_YESNO | MB_ICONINFORMATION,  // 68: only Yes goes on
};

using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);

// Shows the box and returns the button pressed (IDOK, IDYES, IDNO).
int message(const char* text, const char* caption, MessageStyle style);

// Replaces the function that shows boxes; returns the one before.
MessageBoxFunction setMessageBoxFunction(MessageBoxFunction f);

}  // namespace ui
