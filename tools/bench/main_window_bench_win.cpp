// vo-bench-window DB [KEYWORD]: the main window's full listing under the
// real list view, from the query to the rows painted, and the keyword
// search for KEYWORD (default: one that matches nothing), with peak memory.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ui/common/message_box.h"
#include "records/sql_text.h"
#include "ui/main/listing.h"
#include "ui/main/main_window.h"

namespace {

double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

double peakMegabytes() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return static_cast<double>(pmc.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

int WINAPI quietBox(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: vo-bench-window DB [KEYWORD]\n");
        return 2;
    }
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    ui::setMessageBoxFunction(&quietBox);
    std::int32_t remembered = 0;
    ui::MainWindow window(remembered, argv[1], {});
    const auto t0 = std::chrono::steady_clock::now();
    if (!window.create()) return 1;  // creation opens the database and lists every unit
    ShowWindow(window.hwnd(), SW_SHOW);
    UpdateWindow(window.hwnd());
    const auto t1 = std::chrono::steady_clock::now();
    window.fullListing();
    UpdateWindow(window.hwnd());
    const auto t2 = std::chrono::steady_clock::now();
    const int listed = window.list().rowCount();
    // Showing rows that are already read: the virtual list only learns their number.
    window.list().removeAll();
    UpdateWindow(window.hwnd());
    ui::readUnits(window.database(), records::listingStatement(), window.list().rows());
    const auto t2a = std::chrono::steady_clock::now();
    window.list().refresh();
    UpdateWindow(window.hwnd());
    const auto t2b = std::chrono::steady_clock::now();
    SetWindowTextA(window.control(ui::MainWindow::kSearchBox), argc > 2 ? argv[2] : "没有这个关键字");
    window.search();
    UpdateWindow(window.hwnd());
    const auto t3 = std::chrono::steady_clock::now();
    std::printf("rows %d create+list %.3f relist %.3f show-read-rows %.4f search %.3f (found %d) peak_mb %.1f\n",
                listed, seconds(t0, t1), seconds(t1, t2), seconds(t2a, t2b), seconds(t2b, t3),
                window.list().rowCount(), peakMegabytes());
    DestroyWindow(window.hwnd());
    OleUninitialize();
    return 0;
}
