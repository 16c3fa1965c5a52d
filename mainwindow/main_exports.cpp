// The exported file manager, FTP_ApplDlg (801) and FTP_ApplDlg2 (804). The
// window works the session through its internal operations, never through
// the FTP exports: their one-call guard would refuse every call the window
// makes while it runs.
#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_main_dlg.h"
#include "ftp_session.h"
#include "ravoFtp.h"
#include "session_ops.h"
#include "settings_keys.h"

namespace {

// The running-dialog pointer and the session's window, set for exactly the
// modal run, also when it ends by an exception.
class RunningDialog {
public:
    explicit RunningDialog(CFtpMainDlg& dialog) : m_dialog(dialog) {
        CFtpMainDlg::s_pRunning = &dialog;
        TheSession().SetLogWindow(&dialog);
    }
    ~RunningDialog() {
        if (TheSession().LogWindow() == &m_dialog) TheSession().SetLogWindow(nullptr);
        CFtpMainDlg::s_pRunning = nullptr;
    }
    RunningDialog(const RunningDialog&) = delete;
    RunningDialog& operator=(const RunningDialog&) = delete;

private:
    CFtpMainDlg& m_dialog;
};

void RunFileManager(HWND parent, const char* localFolder) {
    // One file manager at a time: the process has one session.
    if (CFtpMainDlg::s_pRunning != nullptr) return;
    // The library's own resources are always current (ResourceModule), and
    // the help path belongs to the application object started here.
    TheApplication();
    CurrentSettingsScope settings(settings::kSettingsFileName);
    CUT_FTPClient& client = TheSession().Client();
    client.SetCallback(OnTransferProgress);
    client.SetCallbackTrace(OnProtocolTrace);
    CFtpMainDlg dialog(parent);
    dialog.m_bConnectAtStart = true;
    if (localFolder != nullptr) dialog.m_strInitialLocal = localFolder;
    RunningDialog running(dialog);
    dialog.DoModal();
}  // the settings are flushed and destroyed here

int RunGuarded(HWND parent, const char* localFolder) {
    try {
        RunFileManager(parent, localFolder);
    } catch (...) {
        // Nothing leaves the library; the host learns nothing either way.
    }
    return 0;
}

}  // namespace

extern "C" {

int WINAPI FTP_ApplDlg(HWND parent) { return RunGuarded(parent, nullptr); }

int WINAPI FTP_ApplDlg2(HWND parent, LPCSTR localFolder) { return RunGuarded(parent, localFolder); }

}  // extern "C"
