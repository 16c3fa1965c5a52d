// Connect and disconnect (button 1015, both ways), the profile dialog of F9,
// and turning the top panel between the site and a local folder.
#include <cstdlib>

#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_main_dlg.h"
#include "ftp_profile_dlg.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "message_boxes.h"
#include "module.h"
#include "ravoFtp.h"
#include "session_ops.h"
#include "settings_keys.h"
#include "wait_cursor.h"

namespace {

int ToInt(const std::string& text) { return std::atoi(text.c_str()); }

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

static_assert(FTP_SECURITY_PLAIN == kFtpSecurityPlain && FTP_SECURITY_WHEN_OFFERED == kFtpSecurityWhenOffered &&
                  FTP_SECURITY_REQUIRED == kFtpSecurityRequired,
              "the profile's security levels are the engine's");

// FTP_Connect with the profile's fields and its own security (not the one
// hosts set for their connections). The wait cursor shows meanwhile; the
// log lines and repaints go on through the session's waits.
int OpenSession(HWND window, const FtpProfile& p) {
    CWaitCursor wait;
    return ConnectSession(window, p.m_host.c_str(), p.m_user.c_str(), p.m_password.c_str(), ToInt(p.m_port),
                          ToInt(p.m_timeout), p.m_fwType.c_str(), p.m_fwHost.c_str(), ToInt(p.m_fwPort),
                          p.m_fwUsername.c_str(), p.m_fwPassword.c_str(), ToInt(p.m_fwPassive),
                          settings::SecurityLevel(p.m_security));
}

}  // namespace

std::string CFtpMainDlg::StartFolderFor(const std::string& profileFolder, const std::string& currentFolder) {
    const std::string relative = Trimmed(profileFolder);
    if (relative.empty()) return currentFolder;
    std::string start = currentFolder;
    if (start.empty() || start.back() != '/') start += '/';
    return start + relative;
}

void CFtpMainDlg::OnConnectButton() {
    if (m_top.m_bRemote)
        Disconnect();
    else
        Connect();
}

// The profile dialog as the file manager shows it: Remote Access, General
// and Firewall; a new profile starts in the bottom panel's folder (and, while
// connected, the site's folder shown).
bool CFtpMainDlg::AskProfile(UINT captionId, FtpProfile* profile) {
    CFtpProfileDlg dlg(m_hWnd);
    dlg.m_caption = LoadResourceString(captionId);
    dlg.m_localOverride = m_strInitialLocal;
    dlg.m_defaults.m_localFolder = m_bottomPath.GetWindowText();
    if (m_top.m_bRemote) dlg.m_defaults.m_remoteFolder = m_topPath.GetWindowText();
    const bool ok = dlg.DoModal() == IDOK;
    ::UpdateWindow(m_hWnd);
    if (ok) *profile = dlg.m_profile;
    return ok;
}

// F9: the profiles are edited and the one chosen saved; no connection.
void CFtpMainDlg::EditProfiles() {
    FtpProfile profile;
    if (!AskProfile(IDS_PROFILE_CAPTION, &profile)) return;
    if (FtpSettings* settings = CurrentSettings()) settings->WriteProfile(profile);
}

void CFtpMainDlg::Connect() {
    FtpProfile profile;
    if (!AskProfile(IDS_CONNECT_CAPTION, &profile)) return;
    if (FtpSettings* settings = CurrentSettings()) settings->WriteProfile(profile);

    int byModem = 0;
    if (IsInternetConnected(&byModem) == 0) {
        DWORD connection = 0;
        if (InternetConnectDialog(m_hWnd, nullptr, &connection) == 0) return;
        TheApplication().m_dwDialup = connection;
    }
    const int result = OpenSession(m_hWnd, profile);
    if (result != 0) {
        // A refused certificate was the user's own answer, or its box has
        // just said why: no second box.
        if (result == ftp::kCertificateRefused)
            TheSession().ClearLastMessage();
        else
            ShowSessionError(result);
        ::SetFocus(m_bottom.m_hWnd);
        return;
    }

    std::string start = profile.m_remoteFolder;
    if (start.empty() || start[0] != '/') {
        std::string current;
        const int queried = GetRemoteCurrentDir(&current);
        if (queried != 0) {
            ShowSessionError(queried);
            return;
        }
        start = StartFolderFor(profile.m_remoteFolder, current);
    }
    m_top.m_strSiteUrl = profile.m_wwwAddress;
    m_top.m_strSiteFolder = start;
    SwitchTopPanel(true, start);
    m_bottom.ShowFolder(profile.m_localFolder);
    ::SetFocus(m_top.m_hWnd);
    m_strHost = profile.m_host;
    UpdateTitle(0);
}

void CFtpMainDlg::Disconnect() {
    if (AskQuestion(m_hWnd, IDS_ASK_CLOSE_CONNECTION, "", "", MB_OKCANCEL) != IDOK) return;
    ReturnToLocalSide();
    OfferHangUp();
    m_strHost.clear();
    UpdateTitle(0);
}

// The site's folder goes into the remote history, the top panel shows the
// bottom panel's folder, the session closes and the bottom panel is read
// again with the focus.
void CFtpMainDlg::ReturnToLocalSide() {
    if (FtpSettings* settings = CurrentSettings())
        settings->AddPathHistory(settings::kRemoteHistorySection, m_top.m_strPath);
    SwitchTopPanel(false, m_bottom.m_strPath);
    CloseSession();
    m_bottom.ShowFolder(m_bottom.m_strPath);
    ::SetFocus(m_bottom.m_hWnd);
    m_top.m_strSiteUrl.clear();
    m_top.m_strSiteFolder.clear();
}

// A stop is the user's own doing and shows nothing; any other failure its
// message with what the server said last.
void CFtpMainDlg::ShowSessionError(int code) {
    if (code == -4) return;
    FtpSession& session = TheSession();
    ShowResultError(m_hWnd, code, session.LastMessage());
    session.ClearLastMessage();
    if (!session.Client().IsConnected()) SessionLost();
}

void CFtpMainDlg::SessionLost() { PostMessage(kSessionLostMessage, 0, 0); }

// The user connects again with the Connect button.
LRESULT CFtpMainDlg::OnSessionLost(WPARAM, LPARAM) {
    if (!m_top.m_bRemote || TheSession().Client().IsConnected()) return 0;
    ReturnToLocalSide();
    m_strHost.clear();
    UpdateTitle(0);
    return 0;
}

// A modem line up: the user is asked whether to hang it up, by the handle
// the library dialed, else the system's own dial.
void CFtpMainDlg::OfferHangUp() {
    int byModem = 0;
    if (IsInternetConnected(&byModem) == 0 || byModem == 0) return;
    if (AskQuestion(m_hWnd, IDS_ASK_CLOSE_CONNECTION, "", "", MB_YESNO) != IDYES) return;
    FtpApplication& app = TheApplication();
    if (app.m_dwDialup != FtpApplication::kNoDialup) {
        InternetDisconnect(app.m_dwDialup);
        app.m_dwDialup = FtpApplication::kNoDialup;
    } else {
        InternetAutoDisconnect();
    }
}

// The top panel becomes the site (remote) or a local panel again, with the
// path history of its side, and shows `path`.
void CFtpMainDlg::SwitchTopPanel(bool remote, const std::string& path) {
    m_topPath.ResetContent();
    m_top.m_bRemote = remote ? TRUE : FALSE;
    m_bottom.m_bTruncateOldTimes = remote ? TRUE : FALSE;
    if (remote) {
        ReadHistory(settings::kRemoteHistorySection, {&m_topPath});
    } else {
        for (int i = 0; i < m_bottomPath.GetCount(); ++i) {
            const std::string entry = m_bottomPath.GetLBText(i);
            if (!entry.empty()) m_topPath.AddString(entry.c_str());
        }
    }
    SetDlgItemTextA(m_hWnd, IDC_TOP_PANEL_BUTTON, LoadResourceString(remote ? IDS_REMOTE_FOLDER : IDS_LOCAL_FOLDER).c_str());
    SetDlgItemTextA(m_hWnd, IDC_CONNECT,
                    LoadResourceString(remote ? IDS_DISCONNECT_BUTTON : IDS_CONNECT_BUTTON).c_str());
    m_top.DeleteAllItems();
    m_top.FreeEntries();
    ::UpdateWindow(m_top.m_hWnd);
    m_top.ShowFolder(path);
}
