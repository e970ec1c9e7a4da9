// The password change, driven in-process with real messages against the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "access/login_window.h"
#include "access/password_window.h"
#include "access/settings.h"
#include "access/verifier.h"
#include "settings_fixture.h"
#include "support.h"

using namespace testing_support;
using access_control::LoginWindow;
using access_control::PasswordWindow;

namespace {

const char kNotTwiceTheSame[] = " 没有输入密码 或 2遍密码输入不相符！";
const char kCheckCaption[] = "请 检 查：";
const char kSaved[] = "密码设置成功，请牢记新密码！";
const char kSavedCaption[] = "提 示：";
const char kSaveFailed[] = "密码保存失败，原密码仍然有效！";

// What a write of one value does.
enum class Write { Stores, Fails, DropsSilently, StoresButReportsFailure };

class FaultyRegistry : public 注册表类 {
public:
    std::map<std::string, Write> writes;  // by value name; Stores when not listed
    int writeCount = 0;
    bool writeRawValue(const std::string& path, const std::string& name, const std::string& data,
                       DWORD type) override {
        ++writeCount;
        const auto it = writes.find(name);
        switch (it == writes.end() ? Write::Stores : it->second) {
        case Write::Stores: return 注册表类::writeRawValue(path, name, data, type);
        case Write::Fails: return false;
        case Write::DropsSilently: return true;
        case Write::StoresButReportsFailure: 注册表类::writeRawValue(path, name, data, type); return false;
        }
        return false;
    }
};

class PasswordWindowTest : public SettingsTest {
protected:
    void TearDown() override {
        window_.reset();
        pump();  // the last program window gone posts a quit; take it off the queue
    }

    PasswordWindow& open(注册表类& registry) {
        window_ = std::make_unique<PasswordWindow>(registry);
        EXPECT_TRUE(window_->create(nullptr));
        ShowWindow(window_->hwnd(), SW_SHOW);
        pump();
        return *window_;
    }
    HWND control(int id) { return window_->control(id); }
    void set(const std::string& first, const std::string& second) {
        SendMessageA(control(PasswordWindow::kFirst), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(first.c_str()));
        SendMessageA(control(PasswordWindow::kSecond), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(second.c_str()));
        click(control(PasswordWindow::kSet));
        pump();
    }
    void expectOneBox(const char* text, const char* caption) {
        ASSERT_EQ(boxes_.shown().size(), 1u);
        EXPECT_EQ(boxes_.shown()[0].text, text);
        EXPECT_EQ(boxes_.shown()[0].caption, caption);
        EXPECT_EQ(boxes_.shown()[0].style, static_cast<UINT>(MB_OK));
        EXPECT_TRUE(boxes_.shown()[0].taskModal);
        EXPECT_FALSE(boxes_.shown()[0].hasOwner);
        boxes_.clear();
    }

    // Whether the login window lets `password` in now.
    bool logsIn(const std::string& password) {
        bool entered = false;
        LoginWindow login(registry_, {[&] { return entered = true; }, [](int) {}});
        EXPECT_TRUE(login.create());
        SendMessageA(login.control(LoginWindow::kAccount), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("admin"));
        SendMessageA(login.control(LoginWindow::kPassword), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(password.c_str()));
        click(login.control(LoginWindow::kLogin));
        pump();
        boxes_.clear();  // a refusal's box is no concern here
        return entered;
    }

    std::string readBack(const char* name) { return registry_.readTextValue(access_control::kSettingsKey, name); }

    MessageBoxes boxes_;
    std::unique_ptr<PasswordWindow> window_;
};

}  // namespace

TEST_F(PasswordWindowTest, WindowAndControls) {
    open(registry_);
    HWND w = window_->hwnd();
    EXPECT_EQ(text(w), "请输入2次正确密码：");
    RECT outer;
    GetWindowRect(w, &outer);
    EXPECT_EQ(outer.right - outer.left, 262);
    EXPECT_EQ(outer.bottom - outer.top, 92);
    struct Place {
        int id;
        const char* text;
        int x, y, width, height;
        bool password;
    };
    const Place places[] = {
        {PasswordWindow::kFirst, "", 16, 13, 129, 20, true},
        {PasswordWindow::kSecond, "", 16, 38, 129, 20, true},
        {PasswordWindow::kSet, "加 密", 154, 16, 88, 38, false},
    };
    for (const Place& p : places) {
        HWND c = GetDlgItem(w, p.id);
        ASSERT_TRUE(c) << p.id;
        EXPECT_EQ(text(c), p.text) << p.id;
        RECT rc;
        GetWindowRect(c, &rc);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&rc), 2);
        EXPECT_EQ(rc.left, p.x) << p.id;
        EXPECT_EQ(rc.top, p.y) << p.id;
        EXPECT_EQ(rc.right - rc.left, p.width) << p.id;
        EXPECT_EQ(rc.bottom - rc.top, p.height) << p.id;
        EXPECT_EQ((GetWindowLongA(c, GWL_STYLE) & ES_PASSWORD) != 0, p.password) << p.id;
    }
}

TEST_F(PasswordWindowTest, UnequalOrEmptyInputWritesNothing) {
    struct Input {
        const char* first;
        const char* second;
    };
    const Input inputs[] = {{"", ""}, {"abc", ""}, {"", "abc"}, {"abc", "ABC"}, {"abc", "abc "}, {"　abc", "abc"}};
    FaultyRegistry second;
    open(second);
    for (const Input& in : inputs) {
        set(in.first, in.second);
        expectOneBox(kNotTwiceTheSame, kCheckCaption);
        ASSERT_TRUE(window_->exists());
        EXPECT_EQ(text(control(PasswordWindow::kFirst)), in.first);
        EXPECT_EQ(text(control(PasswordWindow::kSecond)), in.second);
    }
    EXPECT_EQ(second.writeCount, 0);
    EXPECT_FALSE(keyExists(HKEY_CURRENT_USER, kVadSubkey));
    EXPECT_TRUE(logsIn("admin"));
}

TEST_F(PasswordWindowTest, OneCharacterPasswordLogsInNextTime) {
    open(registry_);
    set("x", "x");
    expectOneBox(kSaved, kSavedCaption);
    EXPECT_FALSE(window_->exists());
    // Stored as a verifier, never in clear, with the flag beside it.
    const std::string stored = readBack(access_control::kPasswordValue);
    EXPECT_TRUE(access_control::parseVerifier(access_control::prepareStoredText(stored))) << stored;
    EXPECT_TRUE(access_control::flagTextIsSet(readBack(access_control::kFlagValue)));
    EXPECT_TRUE(logsIn("x"));
    EXPECT_FALSE(logsIn("admin"));
    EXPECT_FALSE(logsIn("X"));
}

TEST_F(PasswordWindowTest, EachChangeReplacesTheOneBefore) {
    for (const char* password : {"first", "第二　2"}) {
        open(registry_);
        set(password, password);
        expectOneBox(kSaved, kSavedCaption);
    }
    EXPECT_FALSE(logsIn("first"));
    EXPECT_TRUE(logsIn("第二　2"));
}

TEST_F(PasswordWindowTest, FailedWritesAreReportedAndTheOldPasswordStays) {
    struct FaultCase {
        const char* what;
        const char* before;  // the password set before; null: none yet
        Write verifier, flag;
        bool saved;  // the new password is in force, whatever the writes said
    };
    const FaultCase cases[] = {
        {"verifier fails, none set", nullptr, Write::Fails, Write::Stores, false},
        {"flag fails, none set", nullptr, Write::Stores, Write::Fails, false},
        {"both fail, none set", nullptr, Write::Fails, Write::Fails, false},
        {"verifier dropped, none set", nullptr, Write::DropsSilently, Write::Stores, false},
        {"verifier fails, one set", "old", Write::Fails, Write::Stores, false},
        {"both fail, one set", "old", Write::Fails, Write::Fails, false},
        {"verifier dropped, one set", "old", Write::DropsSilently, Write::DropsSilently, false},
        // The flag was set already: the new verifier alone puts the new password in force.
        {"flag fails, one set", "old", Write::Stores, Write::Fails, true},
        {"stored but reported failed", nullptr, Write::StoresButReportsFailure, Write::StoresButReportsFailure, true},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        deleteTree(HKEY_CURRENT_USER, kVadSubkey);
        if (c.before) {
            ASSERT_TRUE(access_control::savePassword(registry_, c.before));
        }
        FaultyRegistry second;
        second.writes = {{access_control::kPasswordValue, c.verifier}, {access_control::kFlagValue, c.flag}};
        open(second);
        set("new", "new");
        if (c.saved) {
            expectOneBox(kSaved, kSavedCaption);
            EXPECT_FALSE(window_->exists());
        } else {
            expectOneBox(kSaveFailed, kCheckCaption);
            EXPECT_TRUE(window_->exists());
        }
        const std::string old = c.before ? c.before : "admin";
        EXPECT_EQ(logsIn("new"), c.saved);
        EXPECT_EQ(logsIn(old), !c.saved);
        window_.reset();
        pump();
    }
}

namespace {

// What the "user" sees and does while the modal run goes on.
struct ModalVisit {
    HWND owner = nullptr;
    bool visited = false, ownerDisabled = false, ownedByOwner = false, shown = false, secondOpenIsTheSame = false;
    注册表类* registry = nullptr;
} visit;

void CALLBACK actWhileModal(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PasswordWindow* open = PasswordWindow::open();
    if (!open) return;
    visit.visited = true;
    visit.ownerDisabled = !IsWindowEnabled(visit.owner);
    visit.ownedByOwner = GetWindow(open->hwnd(), GW_OWNER) == visit.owner;
    visit.shown = IsWindowVisible(open->hwnd()) != FALSE;
    // Pressing the main window's button again only brings this one to the front.
    access_control::runPasswordWindow(*visit.registry, visit.owner);
    visit.secondOpenIsTheSame = PasswordWindow::open() == open &&
                                FindWindowExA(nullptr, open->hwnd(), "VoPasswordWindow", nullptr) == nullptr;
    for (int id : {PasswordWindow::kFirst, PasswordWindow::kSecond})
        SendMessageA(open->control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("m"));
    click(open->control(PasswordWindow::kSet));
}

}  // namespace

TEST_F(PasswordWindowTest, RunsModallyOverItsOwnerUntilSet) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 600, 400, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(owner);
    visit = ModalVisit{};
    visit.owner = owner;
    visit.registry = &registry_;
    SetTimer(nullptr, 0, 50, actWhileModal);
    access_control::runPasswordWindow(registry_, owner);
    EXPECT_TRUE(visit.visited);
    EXPECT_TRUE(visit.ownerDisabled);
    EXPECT_TRUE(visit.ownedByOwner);
    EXPECT_TRUE(visit.shown);
    EXPECT_TRUE(visit.secondOpenIsTheSame);
    expectOneBox(kSaved, kSavedCaption);
    EXPECT_EQ(PasswordWindow::open(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
    EXPECT_TRUE(logsIn("m"));
}
