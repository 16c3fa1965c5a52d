#include "panel_host_dlg.h"

#include "ftp_session.h"
#include "module.h"
#include "resource.h"
#include "session_ops.h"
#include "window_title.h"

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
    SetWindowText(FileManagerTitle("", percent));
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

int CFtpPanelHostDlg::PumpWhileWaiting() { return m_feedback.PumpWhileWaiting(m_hWnd, IDC_STOP) ? 1 : 0; }
