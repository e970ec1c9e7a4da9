#include "child_scenarios.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/program.h"
#include "ui/common/message_box.h"
#include "ui/common/window.h"

namespace testing_support {

namespace {

std::string markerPath;

void mark(const char* what) {
    if (markerPath.empty()) return;
    if (FILE* f = std::fopen(markerPath.c_str(), "ab")) {
        std::fprintf(f, "%s\n", what);
        std::fclose(f);
    }
}

// A program window that is never shown.
class HiddenWindow : public ui::Window {
public:
    bool create() {
        return createTopLevel({"VoTestHidden", "hidden", WS_OVERLAPPEDWINDOW, 0, 0, 0, 100, 100, nullptr, nullptr});
    }
};

int WINAPI answerOk(HWND, LPCSTR, LPCSTR, UINT) {
    mark("message");
    return IDOK;
}

}  // namespace

int runChildScenario(const char* name, int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--marker=", 9) == 0) markerPath = argv[i] + 9;
    const std::string scenario = name;
    static HiddenWindow hidden;
    app::Program::Hooks hooks;
    hooks.cleanedUp = [] { mark("cleanup"); };
    if (scenario == "hidden-window") {
        hooks.started = [](app::Program&) { hidden.create(); };
    } else if (scenario == "main-window") {
        hooks.started = [](app::Program& program) { program.openMainWindow(); };
    } else if (scenario == "fatal") {
        hooks.started = [](app::Program&) {
            ui::setMessageBoxFunction(&answerOk);
            app::fatalError("测试：致命错误");
        };
    }
    return app::runProgram(hooks);
}

}  // namespace testing_support
