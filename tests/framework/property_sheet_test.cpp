// A property sheet as a child of a dialog: it sits where its owner puts it,
// has no caption or buttons of its own, and its pages exchange data on
// activation and may refuse to be left.
#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "dialog_driver.h"
#include "test_dialogs.h"

namespace {

class ChildSheet : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        ASSERT_NE(m_dlg.m_sheet.m_hWnd, nullptr);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    RECT ClientRect(int id) const {
        RECT rc;
        GetWindowRect(GetDlgItem(m_dlg.m_hWnd, id), &rc);
        MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    std::string PageText(CPropertyPage& page, int id) const {
        char text[128] = "";
        GetDlgItemTextA(page.m_hWnd, id, text, sizeof text);
        return text;
    }

    CSheetTestDlg m_dlg;
};

TEST_F(ChildSheet, IsAChildOfTheDialogWithoutCaptionOrButtonsOfItsOwn) {
    HWND sheet = m_dlg.m_sheet.m_hWnd;
    EXPECT_EQ(GetParent(sheet), m_dlg.m_hWnd);
    const LONG_PTR style = GetWindowLongPtrA(sheet, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_TABSTOP);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_TRUE(GetWindowLongPtrA(sheet, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    for (int id : {IDOK, IDCANCEL}) {
        HWND button = GetDlgItem(sheet, id);
        if (button != nullptr) {
            EXPECT_FALSE(IsWindowVisible(button)) << id;
        }
    }
    // It ends below its tabs: nothing of it reaches past the dialog.
    RECT sheetRect, client;
    GetWindowRect(sheet, &sheetRect);
    MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&sheetRect), 2);
    GetClientRect(m_dlg.m_hWnd, &client);
    EXPECT_LE(sheetRect.bottom, client.bottom);
    RECT tab;
    GetWindowRect(m_dlg.m_sheet.GetTabControl(), &tab);
    MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&tab), 2);
    EXPECT_EQ(sheetRect.bottom - tab.bottom, tab.left - sheetRect.left);
    // Nor past its pages: the dialog's own buttons beside it stay uncovered.
    EXPECT_EQ(sheetRect.right - tab.right, tab.left - sheetRect.left);
    EXPECT_LE(sheetRect.right, ClientRect(IDOK).left);
}

TEST_F(ChildSheet, SitsSevenPixelsAboveAndLeftOfItsFrame) {
    RECT frame, sheet;
    GetWindowRect(GetDlgItem(m_dlg.m_hWnd, IDC_T_SHEET_FRAME), &frame);
    GetWindowRect(m_dlg.m_sheet.m_hWnd, &sheet);
    EXPECT_EQ(sheet.left, frame.left - 7);
    EXPECT_EQ(sheet.top, frame.top - 7);
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
    EXPECT_EQ(m_dlg.m_namePage.m_strName, "Ada");  // stored on the way out
    EXPECT_EQ(m_dlg.m_notePage.m_nSetActive, 1);
}

TEST_F(ChildSheet, LaterActivationsMoveTheMembersIntoTheControls) {
    CNamePage& page = m_dlg.m_namePage;
    ASSERT_EQ(page.m_nSetActive, 1);
    SetDlgItemTextA(page.m_hWnd, IDC_T_PAGE_NAME, "typed");
    ASSERT_TRUE(m_dlg.m_sheet.SetActivePage(1));
    page.m_strName = "changed meanwhile";
    ASSERT_TRUE(m_dlg.m_sheet.SetActivePage(0));
    EXPECT_EQ(page.m_nSetActive, 2);
    EXPECT_EQ(PageText(page, IDC_T_PAGE_NAME), "changed meanwhile");
}

TEST(ChildSheetInAModalDialog, OkWaitsForTheShownPage) {
    CSheetTestDlg dlg;
    std::atomic<bool> stayedOpen{false};
    DialogDriver driver("Property sheet", [&](HWND dialog) {
        DialogDriver::Click(dialog, IDOK);
        Sleep(300);
        stayedOpen = IsWindowVisible(dialog) != FALSE;
        SetDlgItemTextA(dlg.m_namePage.m_hWnd, IDC_T_PAGE_NAME, "Lin");
        DialogDriver::Click(dialog, IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    driver.Stop();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dlg.m_namePage.m_strName, "Lin");
}

}  // namespace
