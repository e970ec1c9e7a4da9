// Helpers for tests that drive real windows: pumping messages, reading
// control texts, answering message boxes, and running the program as a child.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/common/message_box.h"

namespace testing_support {

// Processes pending messages for `ms` milliseconds (at least once).
void pump(int ms = 0);
// Pumps until `done` holds or `ms` pass; returns whether it held.
bool pumpUntil(const std::function<bool()>& done, int ms = 5000);

std::string text(HWND hwnd);
void click(HWND button);  // a real BM_CLICK

struct ShownMessage {
    std::string text;
    std::string caption;
    UINT style;  // without MB_TASKMODAL
    bool taskModal;
    bool hasOwner;
};

// While alive, every message box is recorded instead of shown, and answered
// from `answers` in turn (IDOK when they run out). `during` runs while a
// box is "open", as if the user acted before answering.
class MessageBoxes {
public:
    explicit MessageBoxes(std::vector<int> answers = {});
    ~MessageBoxes();
    const std::vector<ShownMessage>& shown() const;
    void clear();
    static void onShow(std::function<void()> during);

private:
    ui::MessageBoxFunction previous_;
};

// The program (or a scenario of it) as a child process of the test.
class Child {
public:
    // Runs this test executable with --child=<scenario> [extra].
    explicit Child(const std::string& scenario, const std::string& extra = "");
    ~Child();
    bool running() const;
    // Waits for the end; false when it did not end in time.
    bool wait(int ms, DWORD* exitCode);
    DWORD id() const { return pi_.dwProcessId; }
    // A top-level window of the child with this class and title, waiting
    // for it to appear (and to be shown, unless `visible` is false).
    HWND findWindow(const char* className, const char* title, bool visible = true, int ms = 10000) const;

private:
    PROCESS_INFORMATION pi_{};
};

// A file name in the test's own temporary folder.
std::string tempPath(const std::string& name);
std::string readFile(const std::string& path);

}  // namespace testing_support
