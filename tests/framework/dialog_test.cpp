// Dialogs: the modal run with its own message loop, data exchange both ways,
// a refused OK, keys offered to PreTranslateMessage, the owner disabled
// while a dialog runs, and an exception in a handler. Modal dialogs are
// driven from a helper thread as a user would.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "dialog_driver.h"
#include "test_dialogs.h"

namespace {

const char kTitle[] = "Data exchange";

// OK reads the controls back into the members; Cancel leaves them alone.
// Either way the owner takes no input while the dialog runs, and does again
// after.
TEST(Dialog, DataExchangeFillsTheControlsAndReadsThemBackOnOkOnly) {
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    const struct {
        int button;
        const char* name;
        int agree;
    } cases[] = {{IDOK, "Grace", BST_UNCHECKED}, {IDCANCEL, "Ada", BST_CHECKED}};
    for (const auto& c : cases) {
        CExchangeTestDlg dlg(owner);
        dlg.m_strName = "Ada";
        dlg.m_nAgree = BST_CHECKED;
        std::string shownName;
        LRESULT shownCheck = -1;
        std::atomic<bool> ownerEnabled{true};
        DialogDriver driver(kTitle, [&](HWND dialog) {
            shownName = DialogDriver::ControlText(dialog, IDC_T_NAME);
            shownCheck = SendDlgItemMessageA(dialog, IDC_T_AGREE, BM_GETCHECK, 0, 0);
            ownerEnabled = IsWindowEnabled(owner) != FALSE;
            DialogDriver::SetControlText(dialog, IDC_T_NAME, "Grace");
            SendDlgItemMessageA(dialog, IDC_T_AGREE, BM_SETCHECK, BST_UNCHECKED, 0);
            DialogDriver::Click(dialog, c.button);
        });
        EXPECT_EQ(dlg.DoModal(), c.button);
        driver.Stop();
        EXPECT_EQ(shownName, "Ada");
        EXPECT_EQ(shownCheck, BST_CHECKED);
        EXPECT_EQ(dlg.m_strName, c.name);
        EXPECT_EQ(dlg.m_nAgree, c.agree);
        EXPECT_FALSE(ownerEnabled);
        EXPECT_TRUE(IsWindowEnabled(owner));
    }
    DestroyWindow(owner);
}

TEST(Dialog, AFailedCheckKeepsTheDialogOpenWithTheFocusOnTheControl) {
    CExchangeTestDlg dlg;
    dlg.m_bRequireName = true;
    std::atomic<bool> stayedOpen{false}, focusOnName{false};
    DialogDriver driver(kTitle, [&](HWND dialog) {
        DialogDriver::Click(dialog, IDOK);
        Sleep(300);
        stayedOpen = IsWindowVisible(dialog) != FALSE;
        focusOnName = DialogDriver::FocusOf(dialog) == GetDlgItem(dialog, IDC_T_NAME);
        DialogDriver::SetControlText(dialog, IDC_T_NAME, "Lin");
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    driver.Stop();
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(focusOnName);
    EXPECT_EQ(dlg.m_strName, "Lin");
}

TEST(Dialog, TheModalLoopOffersKeysToPreTranslateMessageBeforeTheControl) {
    CExchangeTestDlg dlg;
    dlg.m_nSwallowKey = VK_F2;
    DialogDriver driver(kTitle, [](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_T_WATCHED_EDIT);
        PostMessageA(edit, WM_KEYDOWN, VK_F2, 0);
        PostMessageA(edit, WM_KEYDOWN, VK_F3, 0);
        DialogDriver::Click(dialog, IDCANCEL);  // queued after the keys
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_keysSeen, (std::vector<UINT>{VK_F2, VK_F3}));
    EXPECT_EQ(dlg.m_watched.m_keysReceived, (std::vector<UINT>{VK_F3}));  // F2 was consumed
}

TEST(Dialog, AnExceptionInAHandlerEndsTheDialogWithMinusOne) {
    CExchangeTestDlg dlg;
    dlg.m_bThrowOnCommand = true;
    DialogDriver driver(kTitle, [](HWND dialog) { DialogDriver::Click(dialog, IDC_T_COMMAND); });
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_EQ(dlg.m_nCommands, 1);
}

TEST(Dialog, AModelessDialogExchangesOnRequestHasATipPerControlAndHidesWhenEnded) {
    CExchangeTestDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_FALSE(dlg.IsModal());
    SetDlgItemTextA(dlg.m_hWnd, IDC_T_NAME, "second");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_strName, "second");
    int controls = 0;
    for (HWND child = GetWindow(dlg.m_hWnd, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        ++controls;
    ASSERT_TRUE(dlg.EnableToolTips());
    HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    while (tip != nullptr && GetWindow(tip, GW_OWNER) != dlg.m_hWnd) tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr);
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), controls);
    ShowWindow(dlg.m_hWnd, SW_SHOWNA);
    dlg.EndDialog(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(dlg.m_hWnd));
    dlg.DestroyWindow();
}

}  // namespace
