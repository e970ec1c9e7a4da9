// The login window, driven in-process with real messages against the real registry.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "access/login_window.h"
#include "access/password_hash.h"
#include "access/settings.h"
#include "app/res/resource_ids.h"
#include "settings_fixture.h"
#include "support.h"
#include "ui/common/tooltips.h"

using namespace testing_support;
using access_control::LoginWindow;

namespace {

const char kWrongAccount[] = "帐号错误，请重新输入！";
const char kWrongPassword[] = "密码错误，请重新输入！";

// Remembers which values were read, and through which accessor.
class ReadRecordingRegistry : public 注册表类 {
public:
    std::vector<std::string> reads;
    std::string readTextValue(const std::string& path, const std::string& name) override {
        reads.push_back(name);
        return 注册表类::readTextValue(path, name);
    }
};

class LoginWindowTest : public SettingsTest {
protected:
    void TearDown() override {
        window_.reset();
        pump();  // the last program window gone posts a quit; take it off the queue
    }

    LoginWindow& open(注册表类& registry) {
        LoginWindow::Actions actions;
        actions.openMainWindow = [this] {
            ++opened_;
            waitShownWhileOpening_ = IsWindowVisible(window_->control(LoginWindow::kWait)) != FALSE;
            return mainWindowOpens_;
        };
        actions.endProgram = [this](int code) { endedWith_.push_back(code); };
        window_ = std::make_unique<LoginWindow>(registry, actions);
        EXPECT_TRUE(window_->create());
        ShowWindow(window_->hwnd(), SW_SHOW);
        pump();
        return *window_;
    }
    LoginWindow& open() { return open(registry_); }

    HWND control(int id) { return window_->control(id); }
    void type(int id, const std::string& text) {
        SendMessageA(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void tryLogin(const std::string& account, const std::string& password) {
        type(LoginWindow::kAccount, account);
        type(LoginWindow::kPassword, password);
        SetFocus(control(LoginWindow::kLogin));  // where a click leaves it
        click(control(LoginWindow::kLogin));
        pump();
    }

    MessageBoxes boxes_;
    std::unique_ptr<LoginWindow> window_;
    int opened_ = 0;
    bool waitShownWhileOpening_ = false;
    bool mainWindowOpens_ = true;
    std::vector<int> endedWith_;
};

RECT placeInClient(HWND control) {
    RECT rc;
    GetWindowRect(control, &rc);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace

TEST_F(LoginWindowTest, WindowAndControls) {
    open();
    HWND w = window_->hwnd();
    EXPECT_EQ(text(w), "登陆vo管理工作信息系统");
    RECT outer;
    GetWindowRect(w, &outer);
    EXPECT_EQ(outer.right - outer.left, 522);
    EXPECT_EQ(outer.bottom - outer.top, 278);
    EXPECT_EQ(GetWindow(w, GW_OWNER), nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICON)),
              LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM)));
    EXPECT_NE(GetClassLongPtrA(w, GCLP_HICON), 0);

    struct Place {
        int id;
        const char* text;
        int x, y, width, height;
    };
    const Place places[] = {
        {LoginWindow::kAccount, "", 190, 143, 126, 20},
        {LoginWindow::kPassword, "", 190, 181, 126, 20},
        {LoginWindow::kLogin, "登陆系统", 328, 141, 88, 60},
        {LoginWindow::kExit, "退出", 416, 142, 24, 58},
        {LoginWindow::kWait, "请稍等.正在登陆数据库....", 132, 90, 288, 24},
        {LoginWindow::kScratch, "", 240, 408, 80, 20},
    };
    for (const Place& p : places) {
        HWND c = GetDlgItem(w, p.id);
        ASSERT_TRUE(c) << p.id;
        EXPECT_EQ(text(c), p.text) << p.id;
        const RECT rc = placeInClient(c);
        EXPECT_EQ(rc.left, p.x) << p.id;
        EXPECT_EQ(rc.top, p.y) << p.id;
        EXPECT_EQ(rc.right - rc.left, p.width) << p.id;
        EXPECT_EQ(rc.bottom - rc.top, p.height) << p.id;
    }
    EXPECT_TRUE(GetWindowLongA(control(LoginWindow::kPassword), GWL_STYLE) & ES_PASSWORD);
    EXPECT_FALSE(GetWindowLongA(control(LoginWindow::kAccount), GWL_STYLE) & ES_PASSWORD);
    EXPECT_FALSE(IsWindowVisible(control(LoginWindow::kWait)));
    // The scratch box lies below the client area and Tab never reaches it.
    RECT client;
    GetClientRect(w, &client);
    EXPECT_GE(placeInClient(control(LoginWindow::kScratch)).top, client.bottom);
    EXPECT_FALSE(GetWindowLongA(control(LoginWindow::kScratch), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(LoginWindowTest, BackgroundIsThePictureAtItsOwnSize) {
    open();
    RECT client;
    GetClientRect(window_->hwnd(), &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, canvas);
    SendMessageA(window_->hwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    // The picture: a white line along its top, a light band behind the boxes
    // (120..455 x 128..215) on a blue field.
    struct Spot {
        int x, y;
        bool light;
    };
    const Spot spots[] = {{300, 1, true}, {200, 170, true}, {440, 135, true}, {300, 60, false},
                          {300, 240, false}, {110, 170, false}, {470, 170, false}};
    for (const Spot& s : spots) {
        const COLORREF c = GetPixel(dc, s.x, s.y);
        const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
        if (s.light)
            EXPECT_TRUE(r > 200 && g > 200 && b > 200) << s.x << "," << s.y << " " << r << " " << g << " " << b;
        else
            EXPECT_TRUE(b > r + 60 && r < 120) << s.x << "," << s.y << " " << r << " " << g << " " << b;
    }
    SelectObject(dc, old);
    DeleteObject(canvas);
    DeleteDC(dc);
}

TEST_F(LoginWindowTest, TooltipsFollowTheFlagAtOpening) {
    struct TipCase {
        bool flagSet;
        const char* account;
        const char* password;
    };
    const TipCase cases[] = {
        {false, "初始帐号：admin", "初始密码：admin，登陆后请修改密码。"},
        {true, "请输入登陆帐号。", "请输入登陆密码。"},
    };
    for (const TipCase& c : cases) {
        if (c.flagSet) storeFlag("1");
        open();
        EXPECT_EQ(ui::tooltips::textOf(control(LoginWindow::kAccount)), c.account);
        EXPECT_EQ(ui::tooltips::textOf(control(LoginWindow::kPassword)), c.password);
        EXPECT_EQ(ui::tooltips::textOf(control(LoginWindow::kLogin)), "登陆系统。");
        EXPECT_EQ(ui::tooltips::textOf(control(LoginWindow::kExit)), "关闭软件。");
        EXPECT_EQ(ui::tooltips::textOf(control(LoginWindow::kWait)), "");
        window_.reset();
    }
}

TEST_F(LoginWindowTest, TooltipsLeaveTheSharedWindowWithTheirWindow) {
    HWND tip = ui::tooltips::shared();
    ASSERT_TRUE(tip);
    const auto before = SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
    open();
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), before + 4);
    EXPECT_EQ(ui::tooltips::shared(), tip);
    window_.reset();
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), before);
}

namespace {

enum class Outcome { Enters, WrongAccount, WrongPassword };

using Text = std::optional<std::string>;
const Text kNone = std::nullopt;

struct LoginCase {
    const char* what;
    Text flag;            // stored as these REG_SZ bytes
    Text verifierOf;      // a verifier of this password is stored ...
    std::string around;   // ... with these bytes before the '|' and after it
    Text literal;         // stored as the verifier instead
    const char* account;
    const char* password;
    Outcome outcome;
};

const LoginCase kLogins[] = {
    // No password set yet: the initial one, byte for byte.
    {"initial", kNone, kNone, "", kNone, "admin", "admin", Outcome::Enters},
    {"initial, wrong case", kNone, kNone, "", kNone, "admin", "Admin", Outcome::WrongPassword},
    {"initial, blank added", kNone, kNone, "", kNone, "admin", "admin ", Outcome::WrongPassword},
    {"initial, empty", kNone, kNone, "", kNone, "admin", "", Outcome::WrongPassword},
    {"account case", kNone, kNone, "", kNone, "Admin", "admin", Outcome::WrongAccount},
    {"account blank", kNone, kNone, "", kNone, " admin", "admin", Outcome::WrongAccount},
    {"account empty", kNone, kNone, "", kNone, "", "", Outcome::WrongAccount},
    {"account checked first", "1", "x", "|", kNone, "admin1", "x", Outcome::WrongAccount},
    // A password that has been set.
    {"set", "1", "s3cret", "|", kNone, "admin", "s3cret", Outcome::Enters},
    {"set, initial refused", "1", "s3cret", "|", kNone, "admin", "admin", Outcome::WrongPassword},
    {"set, wrong case", "1", "s3cret", "|", kNone, "admin", "S3cret", Outcome::WrongPassword},
    {"set, GBK", "1", "密码　", "|", kNone, "admin", "密码　", Outcome::Enters},
    // What reads back is prepared: the first CR, the first LF, outer spaces.
    {"set, stored with its terminator", "1", "x", std::string("|\0", 2), kNone, "admin", "x", Outcome::Enters},
    {"set, stored ending in CR LF", "1", "x", "|\r\n", kNone, "admin", "x", Outcome::Enters},
    {"set, stored within spaces", "1", "x", " 　|　 \r\n", kNone, "admin", "x", Outcome::Enters},
    {"set, second line break stays", "1", "x", "|\r\n\r\n", kNone, "admin", "x", Outcome::WrongPassword},
    {"set, second terminator stays", "1", "x", std::string("|\0\0", 3), kNone, "admin", "x", Outcome::WrongPassword},
    {"flag with its terminator", std::string("1\0", 2), "x", "|", kNone, "admin", "x", Outcome::Enters},
    {"flag within spaces", " 1　\r\n", "x", "|", kNone, "admin", "admin", Outcome::WrongPassword},
    // A flag that is not "1" leaves the initial password in force.
    {"flag 0", "0", "x", "|", kNone, "admin", "admin", Outcome::Enters},
    {"flag 11", "11", "x", "|", kNone, "admin", "x", Outcome::WrongPassword},
    // Flag set over a missing or malformed verifier: nothing gets in.
    {"verifier missing", "1", kNone, "", kNone, "admin", "admin", Outcome::WrongPassword},
    {"verifier missing, empty", "1", kNone, "", kNone, "admin", "", Outcome::WrongPassword},
    {"password in clear", "1", kNone, "", "admin", "admin", "admin", Outcome::WrongPassword},
    {"verifier cut short", "1", kNone, "", "pbkdf2-sha256$200000$00112233", "admin", "admin", Outcome::WrongPassword},
    {"verifier empty", "1", kNone, "", "", "admin", "", Outcome::WrongPassword},
};

}  // namespace

TEST_F(LoginWindowTest, LoginCheck) {
    for (const LoginCase& c : kLogins) {
        SCOPED_TRACE(c.what);
        deleteTree(HKEY_CURRENT_USER, kVadSubkey);
        if (c.flag) storeFlag(*c.flag);
        if (c.verifierOf) {
            const auto bar = c.around.find('|');
            storeVerifier(c.around.substr(0, bar) + access_control::makeVerifierText(*c.verifierOf) +
                          c.around.substr(bar + 1));
        }
        if (c.literal) storeVerifier(*c.literal);
        opened_ = 0;
        boxes_.clear();
        open();
        tryLogin(c.account, c.password);
        switch (c.outcome) {
        case Outcome::Enters:
            EXPECT_EQ(opened_, 1);
            EXPECT_TRUE(waitShownWhileOpening_);
            EXPECT_FALSE(window_->exists());
            EXPECT_TRUE(boxes_.shown().empty());
            break;
        case Outcome::WrongAccount:
        case Outcome::WrongPassword: {
            const bool account = c.outcome == Outcome::WrongAccount;
            EXPECT_EQ(opened_, 0);
            ASSERT_TRUE(window_->exists());
            ASSERT_EQ(boxes_.shown().size(), 1u);
            EXPECT_EQ(boxes_.shown()[0].text, account ? kWrongAccount : kWrongPassword);
            EXPECT_EQ(boxes_.shown()[0].caption, "出错了！");
            EXPECT_EQ(boxes_.shown()[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
            EXPECT_TRUE(boxes_.shown()[0].taskModal);
            EXPECT_FALSE(boxes_.shown()[0].hasOwner);
            EXPECT_EQ(text(control(LoginWindow::kAccount)), c.account);
            EXPECT_EQ(text(control(LoginWindow::kPassword)), account ? c.password : "");
            EXPECT_EQ(GetFocus(), control(account ? LoginWindow::kAccount : LoginWindow::kPassword));
            EXPECT_FALSE(IsWindowVisible(control(LoginWindow::kWait)));
            EXPECT_EQ(text(control(LoginWindow::kScratch)), "");
            break;
        }
        }
        window_.reset();
        pump();
    }
}

TEST_F(LoginWindowTest, StartsInTheAccountBox) {
    open();
    SetForegroundWindow(window_->hwnd());
    pump();
    EXPECT_EQ(GetFocus(), control(LoginWindow::kAccount));
}

TEST_F(LoginWindowTest, ExitButtonEndsTheProgramWithZero) {
    open();
    // A press and release of the mouse on the button, as the user does it.
    HWND exit = control(LoginWindow::kExit);
    const LPARAM centre = MAKELPARAM(12, 29);
    SendMessageA(exit, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageA(exit, WM_LBUTTONUP, 0, centre);
    pump();
    EXPECT_EQ(endedWith_, std::vector<int>{0});
    EXPECT_EQ(opened_, 0);
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(LoginWindowTest, LoginWindowStaysWhenTheMainWindowCannotOpen) {
    mainWindowOpens_ = false;
    open();
    tryLogin("admin", "admin");
    EXPECT_EQ(opened_, 1);
    EXPECT_TRUE(waitShownWhileOpening_);
    ASSERT_TRUE(window_->exists());
    EXPECT_FALSE(IsWindowVisible(control(LoginWindow::kWait)));
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(LoginWindowTest, FlagIsReadAtOpeningAndAtEveryAttemptThroughItsAccessor) {
    ReadRecordingRegistry first;
    open(first);
    EXPECT_EQ(first.reads, std::vector<std::string>{"mimaflag"});
    // A password set while the window is open counts at the next attempt;
    // the tooltips keep telling the state at opening.
    ASSERT_TRUE(access_control::savePassword(registry_, "new"));
    first.reads.clear();
    tryLogin("admin", "admin");
    EXPECT_EQ(boxes_.shown().size(), 1u);
    EXPECT_EQ(ui::tooltips::textOf(control(LoginWindow::kAccount)), "初始帐号：admin");
    EXPECT_EQ(first.reads, (std::vector<std::string>{"mimaflag", "mima"}));
    first.reads.clear();
    tryLogin("admin1", "new");
    EXPECT_TRUE(first.reads.empty()) << "the account is checked before anything is read";
    tryLogin("admin", "new");
    EXPECT_EQ(opened_, 1);
}
