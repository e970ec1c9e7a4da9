// The first window of the program: account, password, login and exit.
#pragma once

#include <functional>

#include "ui/common/controls.h"
#include "ui/common/window.h"

class 注册表类;

namespace access_control {

class LoginWindow : public ui::Window {
public:
    enum Id { kAccount = 101, kPassword, kLogin, kExit, kWait, kScratch };

    struct Actions {
        std::function<bool()> openMainWindow;  // true once the main window is up
        std::function<void(int)> endProgram;
    };

    LoginWindow(注册表类& registry, Actions actions);
    bool create();
    HWND control(int id) const { return controls_[id]; }

protected:
    LRESULT onMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onCreated();
    void onCommand(int id);
    void onExit();

    注册表类& registry_;
    Actions actions_;
    ui::Controls controls_;
};

}  // namespace access_control
