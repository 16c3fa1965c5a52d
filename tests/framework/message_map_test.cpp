// Message maps and routing: commands reach their handlers through the maps,
// notifications about a control reach the control's own object first
// (reflection), handlers can leave a message to the system (Default) or to
// the parent. Dialogs run modeless on the test thread, so messages are
// delivered at once and the objects can be inspected.
#include <gtest/gtest.h>

#include <string>

#include "edit.h"
#include "msg_map.h"
#include "test_dialogs.h"

namespace {

class MessageMap : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Create()); }
    void TearDown() override { m_dlg.DestroyWindow(); }

    CExchangeTestDlg m_dlg;
};

TEST(MessageMapEntries, MatchOnlyTheirMessageIdAndCode) {
    CExchangeTestDlg dlg;  // no window: the map is a plain function
    const LPARAM control = 0x1234;  // any non-null sender
    LRESULT result = -1;
    EXPECT_TRUE(dlg.ProcessWindowMessage(WM_COMMAND, MAKEWPARAM(IDC_T_COMMAND, BN_CLICKED), control, result));
    EXPECT_EQ(dlg.m_nCommands, 1);
    EXPECT_EQ(result, 0);
    // The same id with another notification is not a click.
    EXPECT_FALSE(dlg.ProcessWindowMessage(WM_COMMAND, MAKEWPARAM(IDC_T_COMMAND, BN_SETFOCUS), control, result));
    // Code 1 is an accelerator only without a control; from a control it is
    // a selection change, not a command.
    EXPECT_TRUE(dlg.ProcessWindowMessage(WM_COMMAND, MAKEWPARAM(IDC_T_RANGE_FIRST, 1), 0, result));
    EXPECT_FALSE(dlg.ProcessWindowMessage(WM_COMMAND, MAKEWPARAM(IDC_T_RANGE_FIRST, 1), control, result));
    EXPECT_FALSE(dlg.ProcessWindowMessage(WM_COMMAND, MAKEWPARAM(IDC_T_RANGE_LAST + 1, 0), control, result));
    EXPECT_EQ(dlg.m_rangeIds, (std::vector<UINT>{IDC_T_RANGE_FIRST}));
    // A notification from another control than the one named.
    NMHDR header = {reinterpret_cast<HWND>(control), IDC_T_COMMAND, LVN_INSERTITEM};
    EXPECT_FALSE(dlg.ProcessWindowMessage(WM_NOTIFY, IDC_T_COMMAND, reinterpret_cast<LPARAM>(&header), result));
    header.idFrom = IDC_T_LIST;
    EXPECT_TRUE(dlg.ProcessWindowMessage(WM_NOTIFY, IDC_T_LIST, reinterpret_cast<LPARAM>(&header), result));
    EXPECT_EQ(dlg.m_nParentInserts, 1);
}

TEST_F(MessageMap, AListViewAnswersItsOwnNotificationsBeforeItsParent) {
    CCallbackList& list = m_dlg.m_list;
    ASSERT_NE(list.m_hWnd, nullptr);  // bound by the dialog's data exchange
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Size", LVCFMT_RIGHT, 60);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.pszText = LPSTR_TEXTCALLBACKA;
    ASSERT_EQ(list.InsertItem(&item), 0);
    EXPECT_EQ(list.m_nInserts, 1);
    EXPECT_EQ(m_dlg.m_nParentInserts, 0);  // taken by the list

    // The texts of callback rows come from the list object itself.
    EXPECT_EQ(list.GetItemText(0, 1), "row 0 column 1");
    EXPECT_GT(list.m_nDispInfo, 0);

    list.m_bLeaveInsertsToParent = true;
    item.iItem = 1;
    ASSERT_EQ(list.InsertItem(&item), 1);
    EXPECT_EQ(list.m_nInserts, 2);
    EXPECT_EQ(m_dlg.m_nParentInserts, 1);  // declined by the list, so the parent's map ran
}

// The watched edit swallows digits and passes other characters on; its
// change notifications come back to it, until it lets its window go.
TEST_F(MessageMap, AHandlerCanSwallowAMessageOrPassItOnAndAnEditSeesItsOwnChanges) {
    CWatchedEdit& edit = m_dlg.m_watched;
    HWND window = edit.m_hWnd;
    for (char ch : std::string("a1b2c")) SendMessageA(window, WM_CHAR, static_cast<WPARAM>(ch), 0);
    EXPECT_EQ(edit.GetWindowText(), "abc");
    EXPECT_EQ(edit.m_nChanges, 3);
    edit.UnsubclassWindow();
    SendMessageA(window, WM_CHAR, '9', 0);  // its own procedure again
    char text[16] = "";
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "abc9");
    EXPECT_EQ(edit.m_nChanges, 3);
}

TEST_F(MessageMap, AWindowIsUnboundFromItsObjectWhenItGoes) {
    HWND list = m_dlg.m_list.m_hWnd;
    ASSERT_EQ(CWnd::FromHandle(list), &m_dlg.m_list);
    ASSERT_EQ(CWnd::FromHandle(m_dlg.m_hWnd), &m_dlg);
    m_dlg.DestroyWindow();
    EXPECT_EQ(m_dlg.m_list.m_hWnd, nullptr);
    EXPECT_EQ(m_dlg.m_hWnd, nullptr);
}

TEST_F(MessageMap, AnObjectCannotBindASecondWindowNorAWindowASecondObject) {
    CEdit other;
    EXPECT_FALSE(other.SubclassDlgItem(IDC_T_WATCHED_EDIT, m_dlg.m_hWnd));  // already the watched edit's
    EXPECT_FALSE(m_dlg.m_watched.SubclassDlgItem(IDC_T_NAME, m_dlg.m_hWnd));
}

}  // namespace
