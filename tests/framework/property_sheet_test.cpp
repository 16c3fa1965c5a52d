// A property sheet as a child of a dialog: it sits where its owner puts it,
// has no caption or buttons of its own, and its pages exchange data on
// activation and may refuse to be left.
#include <gtest/gtest.h>

#include "test_dialogs.h"

namespace {

class ChildSheet : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        ASSERT_NE(m_dlg.m_sheet.m_hWnd, nullptr);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    RECT ClientRect(HWND window) const {
        RECT rc;
        GetWindowRect(window, &rc);
        MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }

    CSheetTestDlg m_dlg;
};

TEST_F(ChildSheet, IsAChildOfTheDialogWithoutCaptionOrButtonsOfItsOwn) {
    HWND sheet = m_dlg.m_sheet.m_hWnd;
    EXPECT_EQ(GetParent(sheet), m_dlg.m_hWnd);
    const LONG_PTR style = GetWindowLongPtrA(sheet, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_TABSTOP | WS_POPUP | WS_CAPTION), WS_CHILD | WS_TABSTOP);
    EXPECT_TRUE(GetWindowLongPtrA(sheet, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    for (int id : {IDOK, IDCANCEL}) {
        HWND button = GetDlgItem(sheet, id);
        EXPECT_TRUE(button == nullptr || !IsWindowVisible(button)) << id;
    }
    // It ends as far below and right of its tabs as it starts left of them:
    // the dialog's own buttons beside it stay uncovered.
    const RECT outer = ClientRect(sheet), tab = ClientRect(m_dlg.m_sheet.GetTabControl());
    EXPECT_EQ(outer.bottom - tab.bottom, tab.left - outer.left);
    EXPECT_EQ(outer.right - tab.right, tab.left - outer.left);
    EXPECT_LE(outer.right, ClientRect(GetDlgItem(m_dlg.m_hWnd, IDOK)).left);
}

TEST_F(ChildSheet, APageRefusesToBeLeftUntilItsCheckPasses) {
    CPropertySheet& sheet = m_dlg.m_sheet;
    ASSERT_EQ(sheet.GetPageCount(), 2);
    ASSERT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(sheet.GetActivePage(), &m_dlg.m_namePage);
    EXPECT_EQ(GetParent(m_dlg.m_namePage.m_hWnd), sheet.m_hWnd);

    EXPECT_FALSE(sheet.SetActivePage(1));  // no name yet
    EXPECT_EQ(sheet.GetActiveIndex(), 0);
    EXPECT_EQ(m_dlg.m_namePage.m_nRefusals, 1);
    EXPECT_EQ(m_dlg.m_notePage.m_nSetActive, 0);

    SetDlgItemTextA(m_dlg.m_namePage.m_hWnd, IDC_T_PAGE_NAME, "Ada");
    EXPECT_TRUE(sheet.SetActivePage(1));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    EXPECT_EQ(m_dlg.m_namePage.m_strText, "Ada");  // stored on the way out
    EXPECT_EQ(m_dlg.m_notePage.m_nSetActive, 1);
}

TEST_F(ChildSheet, LaterActivationsMoveTheMembersIntoTheControls) {
    CTextPage& page = m_dlg.m_namePage;
    ASSERT_EQ(page.m_nSetActive, 1);
    SetDlgItemTextA(page.m_hWnd, IDC_T_PAGE_NAME, "typed");
    ASSERT_TRUE(m_dlg.m_sheet.SetActivePage(1));
    page.m_strText = "changed meanwhile";
    ASSERT_TRUE(m_dlg.m_sheet.SetActivePage(0));
    EXPECT_EQ(page.m_nSetActive, 2);
    char text[64] = "";
    GetDlgItemTextA(page.m_hWnd, IDC_T_PAGE_NAME, text, sizeof text);
    EXPECT_STREQ(text, "changed meanwhile");
}

}  // namespace
