#include "test_dialogs.h"

#include "resource.h"

// Every rule appears (horizontal, vertical), placed so that nothing runs into
// anything else as the window grows: the left column grows by half, the
// middle one moves by half.
static const struct { UINT id; int horz, vert; BOOL erase; } kTestLayoutRules[] = {
    {IDC_T_STRETCH, 1, 0, FALSE},      {IDC_T_RIGHT, 2, 0, FALSE},       {IDC_T_FIXED, 0, 0, FALSE},
    {IDC_T_UNKNOWN_RULE, 7, -1, TRUE}, {IDC_T_HALF, 6, 0, FALSE},        {IDC_T_UPPER_LIST, 4, 4, FALSE},
    {IDC_T_CENTRE, 3, 3, FALSE},       {IDC_T_GROUP, 2, 1, TRUE},        {IDC_T_LOWER_LIST, 4, 5, FALSE},
    {IDC_T_MIDDLE, 6, 6, FALSE},       {IDC_T_CORNER, 2, 2, FALSE},
};

BOOL CLayoutTestDlg::OnInitDialog() {
    CFtpLayout::OnInitDialog();
    GetWindowRect(&m_window0);
    SetResizable(TRUE, TRUE);
    Register(false);
    return TRUE;
}

void CLayoutTestDlg::Register(bool keepStarts) {
    m_bKeepRects = keepStarts;
    RemoveAllControls();
    for (const auto& rule : kTestLayoutRules)
        AddControl(rule.id, rule.horz, rule.vert, rule.erase, SWP_NOZORDER | SWP_NOACTIVATE);
    m_bKeepRects = false;
}

void CButtonTestDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_T_PANEL_BUTTON, m_panel);
    DDX_Control(exchange, IDC_T_DOWNLOAD, m_download);
    DDX_Control(exchange, IDC_T_UPLOAD, m_upload);
    DDX_Control(exchange, IDC_T_DISABLED, m_disabled);
    DDX_Control(exchange, IDC_T_SELECT_ALL, m_selectAll);
    DDX_Control(exchange, IDC_T_BROWSE, m_browse);
}

BOOL CButtonTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_panel.SetBitmaps(0, 0, 3);
    m_download.SetBitmaps(IDB_DOWNLOAD, IDB_DOWNLOAD_DISABLED, 2);
    m_upload.SetBitmaps(IDB_UPLOAD, IDB_UPLOAD_DISABLED, 2);
    m_disabled.SetBitmaps(IDB_DELETE, IDB_DELETE_DISABLED, 2);
    m_selectAll.SetBitmaps(IDB_SELECT_ALL, IDB_SELECT_ALL_DISABLED, 1);
    m_browse.SetBitmaps(IDB_BROWSE, IDB_BROWSE_DISABLED, 0);
    return TRUE;
}

void CCallbackList::OnGetDispInfo(NMHDR* header, LRESULT* result) {
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
    ++m_nDispInfo;
    if (info->item.mask & LVIF_TEXT)
        wsprintfA(info->item.pszText, "row %d column %d", info->item.iItem, info->item.iSubItem);
    *result = 0;
}

void CExchangeTestDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Text(exchange, IDC_T_NAME, m_strName);
    DDX_Check(exchange, IDC_T_AGREE, m_nAgree);
    DDX_Control(exchange, IDC_T_WATCHED_EDIT, m_watched);
    DDX_Control(exchange, IDC_T_LIST, m_list);
    if (exchange->m_bSaveAndValidate && m_bRequireName && m_strName.empty()) exchange->Fail(IDC_T_NAME);
}

BOOL CTextPage::OnKillActive() {
    if (!CPropertyPage::OnKillActive()) return FALSE;
    if (!m_bRequired || !m_strText.empty()) return TRUE;
    ++m_nRefusals;
    ::SetFocus(GetDlgItem(m_nEdit));
    return FALSE;
}

BOOL CSheetTestDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_sheet.AddPage(&m_namePage);
    m_sheet.AddPage(&m_notePage);
    if (!m_sheet.Create(m_hWnd)) return TRUE;
    // As the profile dialog places its sheet: 7 pixels left of and above
    // the frame's corner, size kept.
    RECT frame;
    ::GetWindowRect(GetDlgItem(IDC_T_SHEET_FRAME), &frame);
    ScreenToClient(&frame);
    m_sheet.SetWindowPos(nullptr, frame.left - 7, frame.top - 7, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}
