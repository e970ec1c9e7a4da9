// Entry of the Win32 tests. With --child=<scenario> the executable plays the
// program itself, so that tests can drive a whole run from outside.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "child_scenarios.h"

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--child=", 8) == 0) return testing_support::runChildScenario(argv[i] + 8, argc, argv);
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_INTERNET_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    testing::InitGoogleTest(&argc, argv);
    const int r = RUN_ALL_TESTS();
    OleUninitialize();
    return r;
}
