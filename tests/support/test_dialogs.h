// Test dialogs of the window layer: each exercises one part (layout rules,
// bitmap buttons, data exchange and message routing, a property sheet in a
// dialog). The tests drive them; the gallery host shows them.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "button.h"
#include "dialog.h"
#include "edit.h"
#include "ftp_bitmap_button.h"
#include "ftp_layout.h"
#include "list_ctrl.h"
#include "property_page.h"
#include "property_sheet.h"
#include "test_dialogs_resource.h"

class CLayoutTestDlg : public CFtpLayout {
public:
    explicit CLayoutTestDlg(HWND parent = nullptr) : CFtpLayout(IDD_TEST_LAYOUT, parent) {}

    BOOL OnInitDialog() override;
    // Registers every control again, as a window does when it rearranges
    // itself; with keepStarts the start rectangles already held stay.
    void Register(bool keepStarts);

    RECT m_window0 = {};  // the window at initialisation
};

class CButtonTestDlg : public CDialog {
public:
    explicit CButtonTestDlg(HWND parent = nullptr) : CDialog(IDD_TEST_BUTTONS, parent) {}

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* exchange) override;

    CFtpBitmapButton m_panel;      // style 3, no pictures
    CFtpBitmapButton m_download;   // style 2
    CFtpBitmapButton m_upload;     // style 2
    CFtpBitmapButton m_disabled;   // style 2, disabled
    CFtpBitmapButton m_selectAll;  // style 1
    CFtpBitmapButton m_browse;     // style 0, picture only
};

// An edit that counts its own change notifications (reflected), records the
// keys that reach it, and keeps digits out: its handler swallows them and
// leaves every other character to the edit's own procedure.
class CWatchedEdit : public CEdit {
public:
    int m_nChanges = 0;
    std::vector<UINT> m_keysReceived;
    void OnChange() { ++m_nChanges; }
    void OnKeyDown(UINT key, UINT, UINT) {
        m_keysReceived.push_back(key);
        Default();
    }
    void OnChar(UINT ch, UINT, UINT) {
        if (ch < '0' || ch > '9') Default();
    }

    BEGIN_MSG_MAP(CWatchedEdit, CEdit)
        ON_CONTROL_REFLECT(EN_CHANGE, OnChange)
        ON_WM_KEYDOWN()
        ON_WM_CHAR()
    END_MSG_MAP()
};

// A list view that supplies its rows' texts itself and may leave insert
// notifications to its parent.
class CCallbackList : public CListCtrl {
public:
    int m_nDispInfo = 0;
    int m_nInserts = 0;
    bool m_bLeaveInsertsToParent = false;

    void OnGetDispInfo(NMHDR* header, LRESULT* result);
    BOOL OnInsertItem(NMHDR*, LRESULT*) {
        ++m_nInserts;
        return m_bLeaveInsertsToParent ? FALSE : TRUE;
    }

    BEGIN_MSG_MAP(CCallbackList, CListCtrl)
        ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
        ON_NOTIFY_REFLECT_EX(LVN_INSERTITEM, OnInsertItem)
    END_MSG_MAP()
};

class CExchangeTestDlg : public CDialog {
public:
    explicit CExchangeTestDlg(HWND parent = nullptr) : CDialog(IDD_TEST_EXCHANGE, parent) {}

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) m_keysSeen.push_back(static_cast<UINT>(msg->wParam));
        return msg->message == WM_KEYDOWN && msg->wParam == m_nSwallowKey;
    }

    void OnCommandButton() {
        ++m_nCommands;
        if (m_bThrowOnCommand) throw std::runtime_error("handler failed");
    }
    void OnRange(UINT id) { m_rangeIds.push_back(id); }
    void OnListInsert(NMHDR*, LRESULT*) { ++m_nParentInserts; }

    BEGIN_MSG_MAP(CExchangeTestDlg, CDialog)
        ON_BN_CLICKED(IDC_T_COMMAND, OnCommandButton)
        ON_COMMAND_RANGE(IDC_T_RANGE_FIRST, IDC_T_RANGE_LAST, OnRange)
        ON_NOTIFY(LVN_INSERTITEM, IDC_T_LIST, OnListInsert)
    END_MSG_MAP()

    std::string m_strName;
    int m_nAgree = BST_UNCHECKED;
    bool m_bRequireName = false;  // OK is refused while the name is empty
    CWatchedEdit m_watched;
    CCallbackList m_list;

    int m_nCommands = 0;
    bool m_bThrowOnCommand = false;
    std::vector<UINT> m_rangeIds;
    int m_nParentInserts = 0;
    std::vector<UINT> m_keysSeen;  // key-downs offered to PreTranslateMessage
    UINT m_nSwallowKey = 0;        // a key PreTranslateMessage consumes
};

// A page with one text box; it counts its activations and, when the text is
// required, refuses to be left while the text is empty.
class CTextPage : public CPropertyPage {
public:
    CTextPage(UINT id, int edit, bool required) : CPropertyPage(id), m_nEdit(edit), m_bRequired(required) {}
    void DoDataExchange(CDataExchange* exchange) override { DDX_Text(exchange, m_nEdit, m_strText); }
    BOOL OnSetActive() override {
        ++m_nSetActive;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override;

    int m_nEdit;
    bool m_bRequired;
    std::string m_strText;
    int m_nSetActive = 0;
    int m_nRefusals = 0;
};

class CSheetTestDlg : public CDialog {
public:
    explicit CSheetTestDlg(HWND parent = nullptr) : CDialog(IDD_TEST_SHEET_HOST, parent) {}
    BOOL OnInitDialog() override;

    CPropertySheet m_sheet;
    CTextPage m_namePage{IDD_TEST_PAGE_NAME, IDC_T_PAGE_NAME, true};
    CTextPage m_notePage{IDD_TEST_PAGE_NOTE, IDC_T_PAGE_NOTE, false};
};
