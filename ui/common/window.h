// Base of every window of the program: the window procedure finds the C++
// object through GWLP_USERDATA and hands each message to the object's
// onMessage(), which dispatches to short named handlers.
//
// Top-level windows of the program are counted: when the last one is
// destroyed the event loop is told to stop. Hidden windows still count; the
// shared tooltip window and other helper windows do not.
#pragma once

#include <windows.h>


namespace ui {

struct WindowSpec {
    const char* className;
    const char* title;
    DWORD style;
    DWORD exStyle;
    int x, y, width, height;  // outer size
    HWND owner;
    HICON icon;
};

class Window {
public:
    Window() = default;
    // Derived windows destroy their window in their own destructor, so that
    // their handlers still see WM_DESTROY.
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    bool exists() const { return hwnd_ != nullptr; }
    void destroy();

    // Destroys every top-level window of the program.
    static void destroyAll();

protected:
    bool createTopLevel(const WindowSpec& spec);
    virtual LRESULT onMessage(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT defaultProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }
    // Runs after the window is gone (WM_NCDESTROY); hwnd() is already null.
    virtual void onDestroyed() {}

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

// A modal run of `window`: `owner` takes no input until the window is gone.
void runModal(Window& window, HWND owner);

// Brings an open window to the front, restoring it first when minimised.
void bringToFront(HWND hwnd);

// The program's module instance.
HINSTANCE instance();

}  // namespace ui
