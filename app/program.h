// The program's life: start-up, the event loop, and the end. The shared
// objects and values live here for the whole run; windows reach the ones
// assigned to them through the Program they are given.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class 注册表类;
class HTTP类;

namespace access_control {
class LoginWindow;
}
namespace ui {
class MainWindow;
}

namespace app {

struct SharedValues {
    std::int32_t rememberedRow = 0;   // row of the record list the edit form works on
    std::string announcementAddress;  // read by the announcement window
};

class Program {
public:
    // Seams for tests of the whole life of the program.
    struct Hooks {
        std::function<void(Program&)> started;  // after the first window is up
        std::function<void()> cleanedUp;        // after the clean-up ran
    };

    explicit Program(Hooks hooks = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    注册表类& firstRegistry() { return *registry1_; }
    HTTP类& firstWeb() { return *web1_; }
    注册表类& secondRegistry() { return *registry2_; }
    HTTP类& secondWeb() { return *web2_; }
    SharedValues values;

    bool showLoginWindow();
    access_control::LoginWindow* loginWindow() const { return login_.get(); }
    // Creates and shows the main window on the database beside the program.
    bool openMainWindow();
    ui::MainWindow* mainWindow() const { return main_.get(); }

    // Destroys the shared objects in the order they were made; runs once.
    void cleanup();
    const Hooks& hooks() const { return hooks_; }

private:
    Hooks hooks_;
    std::unique_ptr<注册表类> registry1_;
    std::unique_ptr<HTTP类> web1_;
    std::unique_ptr<注册表类> registry2_;
    std::unique_ptr<HTTP类> web2_;
    std::unique_ptr<access_control::LoginWindow> login_;
    std::unique_ptr<ui::MainWindow> main_;
    bool cleanedUp_ = false;
};

// Start-up, event loop until the last window of the program is gone, end.
// Returns the exit code.
int runProgram(Program::Hooks hooks = {});

// Destroys every window, runs the clean-up and ends the process.
[[noreturn]] void endProgram(int exitCode);

// Shows `text` and ends the process at once with exit code -1, without clean-up.
[[noreturn]] void fatalError(const char* text);

}  // namespace app
