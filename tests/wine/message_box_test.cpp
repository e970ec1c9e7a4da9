// The real message box: task-modal, without an owner, answered by "the user".
#include <gtest/gtest.h>

#include "support.h"
#include "ui/common/message_box.h"

using namespace testing_support;

namespace {

struct SeenBox {
    std::string text, caption;
    bool hasOwner = true;
    bool found = false;
} seen;

BOOL CALLBACK findBox(HWND hwnd, LPARAM) {
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::string(cls) != "#32770" || !IsWindowVisible(hwnd)) return TRUE;
    seen.found = true;
    seen.caption = text(hwnd);
    seen.text = text(GetDlgItem(hwnd, 0xFFFF));
    seen.hasOwner = GetWindow(hwnd, GW_OWNER) != nullptr;
    click(GetDlgItem(hwnd, IDNO));
    return FALSE;
}

// Runs inside the box's own message loop.
void CALLBACK answer(HWND, UINT, UINT_PTR id, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), findBox, 0);
    if (seen.found) KillTimer(nullptr, id);
}

}  // namespace

TEST(RealMessageBox, RealBoxIsShownWithoutOwnerAndAnswered) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, answer);
    const int answerGiven = ui::message("删除无法恢复！\r\n您确定要删除吗？", "提示", ui::kQuestion);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(answerGiven, IDNO);
    EXPECT_EQ(seen.caption, "提示");
    EXPECT_EQ(seen.text, "删除无法恢复！\r\n您确定要删除吗？");
    EXPECT_FALSE(seen.hasOwner);
}
