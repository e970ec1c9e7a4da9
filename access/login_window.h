// The first window of the program: account, password, login and exit.
#pragma once

#include <functional>
#include <string>

#include "ui/common/controls.h"
#include "ui/common/scoped.h"
#include "ui/common/window.h"

class 注册表类;

namespace access_control {

class LoginWindow : public ui::Window {
public:
    enum Id { kAccount = 101, kPassword, kLogin, kExit, kWait, kScratch };

    struct Actions {
        // Creates the main window; true once it is up.
        std::function<bool()> openMainWindow;
        std::function<void(int)> endProgram;
    };

    // `registry` is the program's first registry accessor.
    LoginWindow(注册表类& registry, Actions actions);
    ~LoginWindow() override;
    bool create();
    HWND control(int id) const { return controls_[id]; }

protected:
    LRESULT onMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool onCreate();
    void attachTooltips();
    void paintBackground(HDC dc);
    void onCommand(int id);
    void onLogin();
    void onExit();
    void onActivate(bool active);
    void onFocus();
    bool passwordAccepted(const std::string& password);
    std::string prepareInScratchBox(const std::string& stored);
    void enter();
    void refuse(int box, const char* text);

    注册表类& registry_;
    Actions actions_;
    ui::Controls controls_;
    ui::ScopedBitmap background_;
    HWND lastFocus_ = nullptr;
};

}  // namespace access_control
