#include "gallery_dialogs.h"

#include <iterator>

#include "main_buttons.h"
#include "module.h"
#include "resource.h"

namespace {

struct Rule {
    int id;
    int horz;
    int vert;
    BOOL erase;
};

// The file manager's layout rules, in the order the window registers them.
const Rule kRules[] = {
    {IDC_TOP_PANEL, 1, 4, 0},      {IDC_SMART_SELECT_GROUP, 2, 0, 1}, {IDC_CLEAR_ALL, 2, 0, 0},
    {IDC_SELECT_TRANSFER, 2, 0, 0}, {IDC_SELECT_UPDATING, 2, 0, 0},   {IDC_SELECT_DELETION, 2, 0, 0},
    {IDC_SELECT_ALL, 2, 0, 0},     {IDC_TOP_PATH, 1, 0, 0},           {IDC_BOTTOM_PANEL, 1, 5, 0},
    {IDC_DOWNLOAD, 0, 6, 0},       {IDC_UPLOAD, 0, 6, 0},             {IDC_PARENT, 0, 6, 0},
    {IDC_NEW, 0, 6, 0},            {IDC_VIEW, 0, 6, 0},               {IDC_RENAME, 0, 6, 0},
    {IDC_DELETE, 0, 6, 0},         {IDC_REFRESH, 0, 6, 0},            {IDC_CONNECT, 2, 0, 0},
    {IDC_BOTTOM_PATH, 1, 2, 0},    {IDC_BROWSE, 2, 2, 0},             {IDC_BOTTOM_PANEL_BUTTON, 0, 2, 1},
    {IDC_LOG_SEPARATOR, 1, 2, 1},  {IDC_HINT_GROUP, 2, 6, 1},         {IDC_HINT_TEXT, 2, 6, 1},
    {IDC_SHOW_LOG, 2, 2, 1},       {IDC_LOG, 1, 2, 1},                {IDC_KEYS_TEXT, 1, 2, 1},
    {IDOK, 2, 2, 1},               {IDC_ABOUT, 2, 2, 1},              {IDHELP, 2, 2, 1},
    {IDC_PROGRESS, 2, 6, 1},       {IDC_FILE_LINE, 2, 6, 1},          {IDC_ACTIVITY_LINE, 2, 6, 1},
    {IDC_SIZE_LINE, 2, 6, 1},      {IDC_STOP, 2, 6, 1},
};

struct Row {
    int icon;  // index in the panels' image list
    const char* name;
    const char* size;
    const char* modified;
};

const Row kRemoteRows[] = {
    {6, "..", "<dir>", ""},
    {5, "images", "<dir>", "3/2/2024 9:15 AM"},
    {7, "archive", "<link>", "1/8/2024 6:40 PM"},
    {1, "index.html", "     12,345", "3/5/2024 2:07 PM"},
    {1, "about.htm", "      4,096", "2/28/2024 11:02 AM"},
    {3, "logo.gif", "      8,192", "2/1/2024 8:30 AM"},
    {2, "world.wrl", "     20,480", "12/19/2023 4:12 PM"},
    {4, "welcome.wav", "     65,536", "11/3/2023 10:45 AM"},
};

const Row kLocalRows[] = {
    {6, "..", "<dir>", ""},
    {5, "images", "<dir>", "3/6/2024 8:01 AM"},
    {1, "index.html", "     12,480", "3/6/2024 8:00 AM"},
    {1, "news.html", "      2,210", "3/6/2024 7:58 AM"},
    {3, "logo.gif", "      8,192", "2/1/2024 8:30 AM"},
    {0, "notes.txt", "        512", "1/15/2024 5:20 PM"},
};

void SetText(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }

}  // namespace

BOOL CGalleryMainDlg::OnInitDialog() {
    CFtpLayout::OnInitDialog();
    SetResizable(TRUE, TRUE);
    SetUpButtons();
    ArrangeControls();
    m_top.SubclassDlgItem(IDC_TOP_PANEL, m_hWnd);
    m_bottom.SubclassDlgItem(IDC_BOTTOM_PANEL, m_hWnd);
    m_icons.Create(16, 16, ILC_COLOR8 | ILC_MASK, 0, 1);
    for (UINT id : {IDB_FILE, IDB_HTML, IDB_VRML, IDB_PICTURE, IDB_SOUND, IDB_FOLDER, IDB_PARENT_ENTRY, IDB_LINK})
        m_icons.AddBitmapResource(id, RGB(255, 255, 255));
    m_icons.SetBkColor(GetSysColor(COLOR_WINDOW));
    FillPanel(m_top, true);
    FillPanel(m_bottom, false);

    SetWindowText(LoadResourceString(IDS_CAPTION) + " - ftp.example.com");
    SetText(m_hWnd, IDC_TOP_PANEL_BUTTON, LoadResourceString(IDS_REMOTE_FOLDER));
    SetText(m_hWnd, IDC_BOTTOM_PANEL_BUTTON, LoadResourceString(IDS_LOCAL_FOLDER));
    SetText(m_hWnd, IDC_CONNECT, LoadResourceString(IDS_DISCONNECT_BUTTON));
    SetText(m_hWnd, IDC_HINT_GROUP, LoadResourceString(IDS_HINT));
    SetText(m_hWnd, IDC_HINT_TEXT, LoadResourceString(IDS_WELCOME));
    SetText(m_hWnd, IDC_TOP_PATH, "/public_html");
    SetText(m_hWnd, IDC_BOTTOM_PATH, "C:\\Sites\\example");
    if (m_bBusy) ShowBusy();
    if (m_grow.cx != 0 || m_grow.cy != 0) {
        RECT rc;
        GetWindowRect(&rc);
        SetWindowPos(nullptr, 0, 0, rc.right - rc.left + m_grow.cx, rc.bottom - rc.top + m_grow.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

void CGalleryMainDlg::SetUpButtons() {
    for (size_t i = 0; i < std::size(kMainButtons); ++i) {
        m_buttons[i].SubclassDlgItem(kMainButtons[i].id, m_hWnd);
        m_buttons[i].SetBitmaps(kMainButtons[i].normal, kMainButtons[i].disabled, kMainButtons[i].style);
    }
    // The bottom panel is the active one; a smart selection has just run.
    for (CFtpBitmapButton& button : m_buttons) {
        const int id = button.GetDlgCtrlID();
        if (id == IDC_BOTTOM_PANEL_BUTTON || id == IDC_SELECT_TRANSFER) button.m_bLit = TRUE;
        if (id == IDC_UPLOAD && !m_bBusy) button.m_nState = CFtpBitmapButton::kHot;
    }
}

void CGalleryMainDlg::ArrangeControls() {
    RemoveAllControls();
    for (const Rule& rule : kRules)
        AddControl(static_cast<UINT>(rule.id), rule.horz, rule.vert, rule.erase, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGalleryMainDlg::FillPanel(CListCtrl& panel, bool remote) {
    RECT client;
    panel.GetClientRect(&client);
    const int size = panel.GetStringWidth("999.999.999") + 16;
    const int modified = panel.GetStringWidth("12/19/2023 11:02 AM") + 24;
    panel.InsertColumn(0, LoadResourceString(IDS_COLUMN_NAME).c_str(), LVCFMT_LEFT, client.right - 16 - size - modified);
    panel.InsertColumn(1, LoadResourceString(IDS_COLUMN_SIZE).c_str(), LVCFMT_RIGHT, size);
    panel.InsertColumn(2, LoadResourceString(IDS_COLUMN_MODIFIED).c_str(), LVCFMT_LEFT, modified);
    panel.SetImageList(m_icons, LVSIL_SMALL);
    panel.ModifyStyle(0, LVS_SHOWSELALWAYS);
    const Row* rows = remote ? kRemoteRows : kLocalRows;
    const size_t count = remote ? sizeof kRemoteRows / sizeof kRemoteRows[0] : sizeof kLocalRows / sizeof kLocalRows[0];
    for (size_t i = 0; i < count; ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.iImage = rows[i].icon;
        item.pszText = const_cast<char*>(rows[i].name);
        const int index = panel.InsertItem(&item);
        panel.SetItemText(index, 1, rows[i].size);
        panel.SetItemText(index, 2, rows[i].modified);
    }
    if (!remote) {
        panel.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        panel.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    }
}

void CGalleryMainDlg::ShowBusy() {
    SetWindowText(LoadResourceString(IDS_CAPTION) + " - ftp.example.com  (40%)");
    SetText(m_hWnd, IDC_HINT_GROUP, LoadResourceString(IDS_PROGRESS));
    ::ShowWindow(GetDlgItem(IDC_HINT_TEXT), SW_HIDE);
    SetText(m_hWnd, IDC_FILE_LINE, LoadResourceString(IDS_FILE_LINE) + " index.html");
    SetText(m_hWnd, IDC_SIZE_LINE, LoadResourceString(IDS_SIZE_LINE) + " 12,480 " + LoadResourceString(IDS_BYTES));
    SetText(m_hWnd, IDC_ACTIVITY_LINE, "4,096 " + LoadResourceString(IDS_BYTES_SENT));
    SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETRANGE32, 0, 100);
    SendDlgItemMessageA(m_hWnd, IDC_PROGRESS, PBM_SETPOS, 40, 0);
    for (int id : {IDC_FILE_LINE, IDC_SIZE_LINE, IDC_ACTIVITY_LINE, IDC_PROGRESS, IDC_STOP})
        ::ShowWindow(GetDlgItem(id), SW_SHOW);
    for (int id : {IDOK, IDC_CLEAR_ALL, IDC_SELECT_ALL, IDC_SELECT_TRANSFER, IDC_SELECT_UPDATING, IDC_SELECT_DELETION,
                   IDC_VIEW, IDC_PARENT, IDC_UPLOAD, IDC_RENAME, IDC_TOP_PATH, IDC_REFRESH, IDC_NEW, IDC_BOTTOM_PATH,
                   IDC_DOWNLOAD, IDC_DELETE, IDC_CONNECT, IDC_TOP_PANEL, IDC_BOTTOM_PANEL, IDC_BROWSE})
        ::EnableWindow(GetDlgItem(id), FALSE);
}

// The profile dialog itself over a settings file of its own in the temporary
// folder, holding one sample profile with a firewall.
CGalleryProfileDlg::CGalleryProfileDlg(int page) : CFtpProfileDlg(nullptr), m_nPage(page) {
    char temp[MAX_PATH] = "";
    GetTempPathA(sizeof temp, temp);
    const std::string root = std::string(temp) + "ravo-gallery";
    CreateDirectoryA(root.c_str(), nullptr);
    m_settings = std::make_unique<CurrentSettingsScope>(
        "ravoFtp.ini", settings::SettingsFolders{[root](int) { return root; }, [root] { return root + "\\host.exe"; }});
    FtpProfile sample;
    sample.m_name = "Example site";
    sample.m_host = "ftp.example.com";
    sample.m_user = "webmaster";
    sample.m_password = "secret";
    sample.m_remoteFolder = "/public_html";
    sample.m_localFolder = "C:\\Sites\\example";
    sample.m_wwwAddress = "http://www.example.com/";
    sample.m_wwwPrimaryPage = "index.html";
    sample.m_fwType = "logon";
    sample.m_fwHost = "10.0.0.1";
    sample.m_fwUsername = "gatekeeper";
    sample.m_fwPassword = "secret";
    sample.m_fwPassive = "1";
    if (m_settings->Settings() != nullptr) m_settings->Settings()->WriteProfile(sample);
    m_caption = LoadResourceString(IDS_PROFILE_CAPTION);
    m_profile.m_name = sample.m_name;
    m_showWwwPage = 1;
}

BOOL CGalleryProfileDlg::OnInitDialog() {
    CFtpProfileDlg::OnInitDialog();
    ActivatePage(m_nPage);
    return TRUE;
}

BOOL CGalleryTextDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_title.empty()) SetWindowText(m_title);
    for (const auto& [id, text] : m_texts) SetText(m_hWnd, id, text);
    if (GetTemplateId() == IDD_ABOUT) {  // the box takes the picture's size
        RECT picture;
        ::GetWindowRect(GetDlgItem(IDC_ABOUT_PICTURE), &picture);
        SetWindowPos(nullptr, 0, 0, picture.right - picture.left, picture.bottom - picture.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}
