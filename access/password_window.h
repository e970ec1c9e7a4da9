// The password change: the new password typed twice, stored as a verifier.
#pragma once

#include "ui/common/controls.h"
#include "ui/common/window.h"

class 注册表类;

namespace access_control {

class PasswordWindow : public ui::Window {
public:
    enum Id { kFirst = 101, kSecond, kSet };

    // `registry` is the program's second registry accessor.
    explicit PasswordWindow(注册表类& registry);
    ~PasswordWindow() override;
    // Created hidden, centred over `owner`; ui::runModal() shows and runs it.
    bool create(HWND owner);
    HWND control(int id) const { return controls_[id]; }
    // The window that is open now, if any.
    static PasswordWindow* open();

protected:
    LRESULT onMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void onCommand(int id);
    void onSet();

    注册表类& registry_;
    ui::Controls controls_;
};

// What the main window's password button does: runs the password window
// modally over `owner`, or brings the open one to the front.
void runPasswordWindow(注册表类& registry, HWND owner);

}  // namespace access_control
