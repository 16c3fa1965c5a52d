// The General page: the first folders shown, the time-out and the port.
#include "ftp_host_tabs.h"
#include "ftp_profile_dlg.h"
#include "message_boxes.h"
#include "module.h"
#include "profile_text.h"

namespace {

constexpr unsigned kShortestTimeout = 5;
constexpr unsigned kLongestTimeout = 900;

}  // namespace

CFtpHostTab2::CFtpHostTab2() : CFtpHostTab(IDD_PAGE_GENERAL) {}

void CFtpHostTab2::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_LOCAL_FOLDER, m_localEdit);
    DDX_Control(exchange, IDC_REMOTE_FOLDER, m_remoteEdit);
    DDX_Control(exchange, IDC_TIMEOUT, m_timeoutEdit);
    DDX_Control(exchange, IDC_PORT, m_portBox);
}

BOOL CFtpHostTab2::OnInitDialog() {
    CFtpHostTab::OnInitDialog();
    for (const std::string& port : {LoadResourceString(IDS_DEFAULT_PORT), std::string("21"), std::string("8080"),
                                    std::string("10000")})
        m_portBox.AddString(port);
    LimitTexts({&m_localEdit, &m_remoteEdit, &m_timeoutEdit, &m_portBox});
    return FALSE;
}

BOOL CFtpHostTab2::OnSetActive() {
    const FtpProfile& profile = m_pDlg->m_profile;
    m_localEdit.SetWindowText(profile.m_localFolder);
    m_remoteEdit.SetWindowText(profile.m_remoteFolder);
    m_timeoutEdit.SetWindowText(profile.m_timeout);
    m_portBox.SetWindowText(profile.m_port == "21" ? LoadResourceString(IDS_DEFAULT_PORT) : profile.m_port);
    return CFtpHostTab::OnSetActive();
}

BOOL CFtpHostTab2::OnKillActive() {
    if (!m_pDlg->PageChecksEnabled()) return CFtpHostTab::OnKillActive();
    FtpProfile& profile = m_pDlg->m_profile;
    const unsigned timeout = profiles::LeadingNumber16(m_timeoutEdit.GetWindowText());
    if (timeout < kShortestTimeout || timeout > kLongestTimeout) {
        ShowError(m_pDlg->m_hWnd, IDS_TIMEOUT_RANGE, "", "");
        m_timeoutEdit.SetFocus();
        return FALSE;
    }
    unsigned port = 0;
    if (!profiles::ParsePortText(m_portBox.GetWindowText(), LoadResourceString(IDS_DEFAULT_PORT), &port)) {
        ShowError(m_pDlg->m_hWnd, IDS_PORT_RANGE, "", "");
        m_portBox.SetFocus();
        return FALSE;
    }
    profile.m_timeout = std::to_string(timeout);
    profile.m_port = std::to_string(port);
    profile.m_localFolder = profiles::TrimBlanks(m_localEdit.GetWindowText());
    profile.m_remoteFolder = profiles::TrimBlanks(m_remoteEdit.GetWindowText());
    return CFtpHostTab::OnKillActive();
}
