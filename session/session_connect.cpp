// Opening and closing the session: the connection with its login dialogue,
// and the copy of the server's last message for hosts.
#include <climits>
#include <cstring>
#include <string>

#include "bounded_copy.h"
#include "certificate_trust.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "login_dialogs.h"
#include "module.h"
#include "ravoFtp.h"
#include "resource.h"
#include "session_ops.h"
#include "wait_cursor.h"

namespace {

const char kAccount[] = "anonymous";

struct FirewallType {
    const char* text;
    int mode;
};

// Compared exactly and case-sensitively; anything else is a direct login.
constexpr FirewallType kFirewallTypes[] = {{"user", 8}, {"logon", 4}, {"site", 2}, {"open", 16}};

int FirewallModeFromText(const char* text) {
    for (const FirewallType& type : kFirewallTypes) {
        if (text != nullptr && std::strcmp(text, type.text) == 0) return type.mode;
    }
    return 0;
}

std::string WindowTitle(HWND window) {
    char title[256] = "";
    if (window != nullptr) GetWindowTextA(window, title, sizeof title);
    return title;
}

void RepaintNow(HWND window) {
    if (window != nullptr) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Asks for the password the server wants; false when the user cancelled.
bool AskPassword(HWND parent, std::string* password) {
    CFtpPasswordDlg dialog(parent);
    dialog.m_strMessage = TheSession().LastMessage();
    const INT_PTR answer = dialog.DoModal();
    RepaintNow(parent);
    if (answer != IDOK) return false;
    *password = dialog.m_strPassword;
    return true;
}

// Shows a multi-line reply of the login (a welcome text), unless the host's
// window is its ISP-profile reader, which logs in silently.
void ShowWelcome(HWND parent) {
    FtpSession& session = TheSession();
    if (session.Client().GetMultiLineResponse(session.LastMessageBuffer(), FtpSession::kMessageSize - 1) != 0) {
        return;
    }
    if (WindowTitle(parent) == LoadResourceString(IDS_GET_ISP_PROFILE)) return;
    CFtpInfoDlg dialog(parent);
    dialog.m_strMessage = session.LastMessage();
    dialog.DoModal();
    RepaintNow(parent);
}

// The password step of the login: -4 when the prompt was cancelled.
int SendPassword(HWND parent, const char* password) {
    FtpSession& session = TheSession();
    std::string typed = password ? password : "";
    if (typed.empty() && !AskPassword(parent, &typed)) {
        session.Client().SendPswd("", kAccount);
        session.ClearLastMessage();
        CloseSession();
        return ftp::kCancelled;
    }
    const int r = session.Client().SendPswd(typed.c_str(), kAccount);
    session.CopyLastMessage();
    if (r != ftp::kOk) CloseSession();
    return r;
}

// The connect's last message: why the certificate was refused when that
// ended it (the server's last line says nothing of it), else the server's.
void CopyConnectMessage(int result) {
    FtpSession& session = TheSession();
    const std::string& refusal = session.CertificateRefusal();
    if (result == ftp::kCertificateRefused && !refusal.empty()) {
        BoundedCopy(session.LastMessageBuffer(), FtpSession::kMessageSize, refusal.c_str());
    } else {
        session.CopyLastMessage();
    }
}

// The engine's time-out argument is 16 bits of milliseconds; longer
// time-outs reach it through SetTimeOut.
void ApplyTimeout(CUT_FTPClient& client, int seconds) {
    const long long ms = seconds > 0 ? static_cast<long long>(seconds) * 1000 : 0;
    client.SetTimeOut(ms > INT_MAX ? INT_MAX : static_cast<int>(ms));
}

}  // namespace

int ConnectSession(HWND parent, const char* host, const char* user, const char* password, int port, int timeout,
                   const char* firewallType, const char* firewallHost, int firewallPort, const char* firewallUser,
                   const char* firewallPassword, int passive, int security) {
    CWaitCursor wait;
    FtpSession& session = TheSession();
    CUT_FTPClient& client = session.Client();
    // An unknown level would leave the previous connection's in force.
    if (client.SetSecurity(security) != ftp::kOk) return ftp::kBadArgument;
    if (session.LogWindow()) {
        session.LogNote(IDS_LOG_CONNECTING);
    } else {
        client.SetCallbackTrace(OnProtocolTrace);
    }
    client.SetCallback(OnTransferProgress);
    client.SetWaitCallback(OnServerWait);
    // A certificate with problems is asked about over `parent`, or refused.
    SetCertificateParent(parent);
    client.SetCertificateCallback(OnServerCertificate);
    client.SetPassiveTransfer((passive & 0xFFFF) != 0 ? 1 : 0);
    client.SetFireWallMode(0);
    const int mode = FirewallModeFromText(firewallType);
    if ((static_cast<unsigned>(timeout) & 0xFFFF) % 59 == 0) session.ClearSingleFileListing();
    ApplyTimeout(client, timeout);

    int r = client.ConnectToFirewall(host, user, static_cast<unsigned short>(port),
                                     static_cast<unsigned short>(static_cast<unsigned>(timeout) * 1000u), static_cast<unsigned short>(mode),
                                     firewallHost, static_cast<unsigned short>(firewallPort), firewallUser,
                                     firewallPassword, kAccount);
    CopyConnectMessage(r);
    if (r == ftp::kPasswordNeeded) {
        r = SendPassword(parent, password);
        if (r != ftp::kOk) return r;
    } else if (r != ftp::kOk) {
        CloseSession();
        return r;
    }
    ShowWelcome(parent);
    r = client.SetOtherOptions();
    session.CopyLastMessage();
    if (r == ftp::kRequestDenied) r = ftp::kOk;
    ProbeClockOffset(true);
    if (r == ftp::kOk) session.LogNote(IDS_LOG_CONNECTED);
    return r;
}

int CloseSession() { return TheSession().Client().Close(); }

int CopyLastMessageTo(char* buffer, int size) {
    const size_t room = BufferRoom(size);
    if (buffer == nullptr || room == 0) return ftp::kBadArgument;
    BoundedCopy(buffer, room, TheSession().LastMessage());
    return ftp::kOk;
}
