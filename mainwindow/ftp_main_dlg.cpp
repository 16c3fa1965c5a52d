#include "ftp_main_dlg.h"

#include <iterator>

#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_session.h"
#include "main_buttons.h"
#include "module.h"
#include "settings_keys.h"

CFtpMainDlg* CFtpMainDlg::s_pRunning = nullptr;

CFtpMainDlg::CFtpMainDlg(HWND parent) : CFtpLayout(IDD_MAIN, parent) {
    if (parent == nullptr) m_hIcon = LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IDI_APP));
}

CFtpMainDlg::~CFtpMainDlg() {
    if (TheSession().LogWindow() == this) TheSession().SetLogWindow(nullptr);
}

BOOL CFtpMainDlg::OnInitDialog() {
    CFtpLayout::OnInitDialog();
    if (m_hParent == nullptr) {
        ModifyStyleEx(0, WS_EX_APPWINDOW);
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    } else {
        ModifyStyle(WS_MINIMIZEBOX, 0);
        ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    }
    ModifyStyle(0, WS_MAXIMIZEBOX);
    EnableMenuItem(GetSystemMenu(m_hWnd, FALSE), SC_MAXIMIZE, MF_BYCOMMAND | MF_GRAYED);

    m_topPath.SubclassPathBox(IDC_TOP_PATH, m_hWnd);
    m_bottomPath.SubclassPathBox(IDC_BOTTOM_PATH, m_hWnd);
    for (size_t i = 0; i < std::size(m_buttons); ++i) m_buttons[i].SubclassDlgItem(kMainButtons[i].id, m_hWnd);
    LoadBitmaps();
    if ((TheApplication().m_nWindowsKind & (FtpApplication::kWin32s | FtpApplication::kOldNT)) != 0)
        Enable(IDC_BROWSE, false);

    UpdateTitle(0);
    SetDlgItemTextA(m_hWnd, IDC_BOTTOM_PANEL_BUTTON, LoadResourceString(IDS_LOCAL_FOLDER).c_str());
    SetDlgItemTextA(m_hWnd, IDC_TOP_PANEL_BUTTON, LoadResourceString(IDS_LOCAL_FOLDER).c_str());
    SetDlgItemTextA(m_hWnd, IDC_CONNECT, LoadResourceString(IDS_CONNECT_BUTTON).c_str());
    SetDlgItemTextA(m_hWnd, IDC_HINT_GROUP, LoadResourceString(IDS_HINT).c_str());
    SetDlgItemTextA(m_hWnd, IDC_HINT_TEXT, LoadResourceString(IDS_WELCOME).c_str());
    ::ShowWindow(GetDlgItem(IDC_HINT_TEXT), SW_SHOW);
    // The log keeps every line of a long session, beyond an edit box's
    // default 32 KB.
    SendDlgItemMessageA(m_hWnd, IDC_LOG, EM_SETLIMITTEXT, 0, 0);

    m_top.SubclassDlgItem(IDC_TOP_PANEL, m_hWnd);
    m_bottom.SubclassDlgItem(IDC_BOTTOM_PANEL, m_hWnd);
    m_top.m_pOwner = this;
    m_top.m_pPathCombo = &m_topPath;
    m_bottom.m_pOwner = this;
    m_bottom.m_pPathCombo = &m_bottomPath;
    m_top.InitPanel();
    m_bottom.InitPanel();

    ReadHistory(settings::kLocalHistorySection, {&m_topPath, &m_bottomPath});
    ChooseStartFolder();

    SetResizable(TRUE, TRUE);
    ArrangeControls(false);
    RestorePlacement();
    EnableToolTips(TRUE);
    if (m_bConnectAtStart) PostMessage(WM_COMMAND, MAKEWPARAM(IDC_CONNECT, BN_CLICKED), 0);
    return TRUE;
}

void CFtpMainDlg::LoadBitmaps() {
    for (size_t i = 0; i < std::size(m_buttons); ++i)
        m_buttons[i].SetBitmaps(kMainButtons[i].normal, kMainButtons[i].disabled, kMainButtons[i].style);
}

void CFtpMainDlg::ReadHistory(const char* section, std::initializer_list<CComboBox*> boxes) {
    const FtpSettings* settings = CurrentSettings();
    if (settings == nullptr) return;
    const int limit = static_cast<int>(settings->HistoryLimit());
    int start = settings->GetDefaultInt(section);
    if (start < 0 || start > limit) start = 0;
    int index = start;
    do {
        std::string path;
        if (settings->ReadPathHistory(section, index, &path) != 0)
            for (CComboBox* box : boxes) box->AddString(path.c_str());
        index = index >= limit ? 0 : index + 1;
    } while (index != start);
}

// A folder the host passed wins over the history: a host that names one
// means it. Without one, the last folder of the history is the start when
// it still exists; else the panels keep their first listing.
void CFtpMainDlg::ChooseStartFolder() {
    const auto isFolder = [](const std::string& path) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return !path.empty() && attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    };
    std::string start = m_strInitialLocal;
    const int count = m_bottomPath.GetCount();
    if (count > 0) {
        m_bottomPath.SetCurSel(count - 1);
        if (!isFolder(start)) start = m_bottomPath.GetLBText(count - 1);
    }
    if (!isFolder(start)) return;
    m_bottom.ShowFolder(start);
    m_top.ShowFolder(start);
}

void CFtpMainDlg::RestorePlacement() {
    const FtpSettings* settings = CurrentSettings();
    if (settings == nullptr) return;
    const int x = settings->GetDefaultInt(settings::kWindowXKey);
    const int y = settings->GetDefaultInt(settings::kWindowYKey);
    const int w = settings->GetDefaultInt(settings::kWindowWidthKey);
    const int h = settings->GetDefaultInt(settings::kWindowHeightKey);
    if (GetDlgItem(IDC_SHOW_LOG) != nullptr)
        CheckDlgButton(m_hWnd, IDC_SHOW_LOG, settings->GetDefaultInt(settings::kShowLogWindowKey) ? BST_CHECKED : 0);
    if (x != 0 && y != 0 && w != 0 && h != 0) ::MoveWindow(m_hWnd, x, y, w, h, TRUE);
    if (IsDlgButtonChecked(m_hWnd, IDC_SHOW_LOG) == BST_CHECKED) ToggleLogWindow();
}

void CFtpMainDlg::ArrangeControls(bool relayout) {
    struct Rule {
        UINT first, last;
        int horz, vert;
        BOOL erase;
    };
    // In this order: a later registration of a control replaces an earlier.
    static const Rule kRules[] = {
        {IDC_TOP_PANEL, IDC_TOP_PANEL, 1, 4, 0},
        {IDC_SMART_SELECT_GROUP, IDC_SMART_SELECT_GROUP, 2, 0, 1},
        {IDC_CLEAR_ALL, IDC_CLEAR_ALL, 2, 0, 0},
        {IDC_SELECT_TRANSFER, IDC_SELECT_TRANSFER, 2, 0, 0},
        {IDC_SELECT_UPDATING, IDC_SELECT_UPDATING, 2, 0, 0},
        {IDC_SELECT_DELETION, IDC_SELECT_DELETION, 2, 0, 0},
        {IDC_SELECT_ALL, IDC_SELECT_ALL, 2, 0, 0},
        {IDC_TOP_PATH, IDC_TOP_PATH, 1, 0, 0},
        {IDC_BOTTOM_PANEL, IDC_BOTTOM_PANEL, 1, 5, 0},
        {IDC_DOWNLOAD, IDC_REFRESH, 0, 6, 0},
        {IDC_CONNECT, IDC_CONNECT, 2, 0, 0},
        {IDC_BOTTOM_PATH, IDC_BOTTOM_PATH, 1, 2, 0},
        {IDC_BROWSE, IDC_BROWSE, 2, 2, 0},
        {IDC_BOTTOM_PANEL_BUTTON, IDC_BOTTOM_PANEL_BUTTON, 0, 2, 1},
        {IDC_LOG_SEPARATOR, IDC_LOG_SEPARATOR, 1, 2, 1},
        {IDC_HINT_GROUP, IDC_HINT_GROUP, 2, 6, 1},
        {IDC_HINT_TEXT, IDC_HINT_TEXT, 2, 6, 1},
        {IDC_SHOW_LOG, IDC_SHOW_LOG, 2, 2, 1},
        {IDC_LOG, IDC_LOG, 1, 2, 1},
        {IDC_KEYS_TEXT, IDC_KEYS_TEXT, 1, 2, 1},
        {IDOK, IDOK, 2, 2, 1},
        {IDC_ABOUT, IDC_ABOUT, 2, 2, 1},
        {IDHELP, IDHELP, 2, 2, 1},
        {IDC_PROGRESS, IDC_PROGRESS, 2, 6, 1},
        {IDC_FILE_LINE, IDC_FILE_LINE, 2, 6, 1},
        {IDC_ACTIVITY_LINE, IDC_ACTIVITY_LINE, 2, 6, 1},
        {IDC_SIZE_LINE, IDC_SIZE_LINE, 2, 6, 1},
        {IDC_STOP, IDC_STOP, 2, 6, 1},
    };
    m_bKeepRects = relayout;
    RemoveAllControls();
    for (const Rule& rule : kRules)
        for (UINT id = rule.first; id <= rule.last; ++id)
            AddControl(id, rule.horz, rule.vert, rule.erase, SWP_NOZORDER | SWP_NOACTIVATE);
    m_bKeepRects = false;
}

void CFtpMainDlg::OnSysColorChange() {
    LoadBitmaps();
    Default();
}
