// The process's one balloon tooltip window, shared by every window that
// attaches help texts. It shows whether or not its window is active and
// takes every character literally (no '&' prefixes).
#pragma once

#include <windows.h>

#include <string>

namespace ui::tooltips {

HWND shared();
// Adds `control` as a tool; the tooltip watches the mouse over it by itself.
bool attach(HWND control, const char* text);
// Removes the tools of every control inside `window`.
void detachAll(HWND window);
// The text attached to `control`, empty when it has none.
std::string textOf(HWND control);

}  // namespace ui::tooltips
