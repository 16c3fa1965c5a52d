#include "panel_host_dlg.h"

#include <cstdio>

#include "ftp_session.h"
#include "module.h"
#include "resource.h"
#include "session_ops.h"

CFtpPanelHostDlg::CFtpPanelHostDlg(std::string topFolder, std::string bottomFolder)
    : CDialog(IDD_MAIN, nullptr), m_strTopFolder(std::move(topFolder)), m_strBottomFolder(std::move(bottomFolder)) {}

CFtpPanelHostDlg::~CFtpPanelHostDlg() {
    if (TheSession().LogWindow() == this) TheSession().SetLogWindow(nullptr);
}

BOOL CFtpPanelHostDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_topPath.SubclassDlgItem(IDC_TOP_PATH, m_hWnd);
    m_bottomPath.SubclassDlgItem(IDC_BOTTOM_PATH, m_hWnd);
    m_top.SubclassDlgItem(IDC_TOP_PANEL, m_hWnd);
    m_bottom.SubclassDlgItem(IDC_BOTTOM_PANEL, m_hWnd);
    UpdateTitle(0);
    SetDlgItemTextA(m_hWnd, IDC_TOP_PANEL_BUTTON, LoadResourceString(IDS_LOCAL_FOLDER).c_str());
    SetDlgItemTextA(m_hWnd, IDC_BOTTOM_PANEL_BUTTON, LoadResourceString(IDS_LOCAL_FOLDER).c_str());
    SetDlgItemTextA(m_hWnd, IDC_HINT_GROUP, LoadResourceString(IDS_HINT).c_str());
    SetDlgItemTextA(m_hWnd, IDC_HINT_TEXT, LoadResourceString(IDS_WELCOME).c_str());

    m_top.m_pOwner = this;
    m_top.m_pPathCombo = &m_topPath;
    m_bottom.m_pOwner = this;
    m_bottom.m_pPathCombo = &m_bottomPath;
    m_top.InitPanel();
    m_bottom.InitPanel();
    if (!m_strTopFolder.empty()) m_top.ShowFolder(m_strTopFolder);
    if (!m_strBottomFolder.empty()) m_bottom.ShowFolder(m_strBottomFolder);
    TheSession().SetLogWindow(this);
    if (m_site.port != 0) ConnectTop("127.0.0.1", m_site.port, m_site.user, m_site.password, "");
    return TRUE;
}

void CFtpPanelHostDlg::OnDestroy() {
    if (TheSession().LogWindow() == this) TheSession().SetLogWindow(nullptr);
    Default();
}

void CFtpPanelHostDlg::UpdateTitle(int percent) {
    m_titlePercents.push_back(percent);
    std::string title = LoadResourceString(IDS_CAPTION);
    const auto shown = static_cast<short>(percent);
    if (shown > 0) {
        char part[32];
        std::snprintf(part, sizeof part, "  (%d%%)", shown > 100 ? 100 : shown);
        title += part;
    }
    SetWindowText(title);
}

void CFtpPanelHostDlg::SetActivePanel(CFtpFileList* panel) {
    ++m_nActivations;
    m_pActivePanel = panel;
    m_pOtherPanel = panel == &m_top ? &m_bottom : &m_top;
}

int CFtpPanelHostDlg::ConnectTop(const std::string& host, int port, const std::string& user,
                                 const std::string& password, const std::string& folder) {
    const int r = ConnectSession(m_hWnd, host.c_str(), user.c_str(), password.c_str(), port, 30, "none", nullptr, 0,
                                 nullptr, nullptr, 1);
    if (r != 0) return r;
    std::string start = folder;
    if (start.empty() && GetRemoteCurrentDir(&start) != 0) start = "/";
    m_top.m_bRemote = TRUE;
    SetDlgItemTextA(m_hWnd, IDC_TOP_PANEL_BUTTON, host.c_str());
    m_top.ShowFolder(start);
    return 0;
}

void CFtpPanelHostDlg::DisconnectTop() {
    CloseSession();
    m_top.m_bRemote = FALSE;
    m_top.m_strSiteUrl.clear();
    m_top.m_strSiteFolder.clear();
    SetDlgItemTextA(m_hWnd, IDC_TOP_PANEL_BUTTON, LoadResourceString(IDS_LOCAL_FOLDER).c_str());
    m_top.ShowFolder("");  // the process's current folder
}

// Nothing but painting is dispatched: the window is not busy while a panel
// lists, so a click or key handled now could start a second command on the
// one connection in the middle of this one. Keys and clicks that came
// meanwhile are dropped; Escape or a press on Stop ends the wait.
int CFtpPanelHostDlg::PumpWhileWaiting() {
    const HWND stop = ::GetDlgItem(m_hWnd, IDC_STOP);
    bool cancel = false;
    MSG msg;
    while (PeekMessageA(&msg, m_hWnd, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_NOYIELD))
        cancel = cancel || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
    while (PeekMessageA(&msg, m_hWnd, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE | PM_NOYIELD))
        cancel = cancel || (msg.hwnd == stop && msg.message == WM_LBUTTONDOWN);
    // Bounded: a window that does not validate its region would come back at once.
    for (int i = 0; i < 64 && PeekMessageA(&msg, m_hWnd, WM_PAINT, WM_PAINT, PM_REMOVE | PM_NOYIELD); ++i)
        DispatchMessageA(&msg);
    return cancel ? 1 : 0;
}
