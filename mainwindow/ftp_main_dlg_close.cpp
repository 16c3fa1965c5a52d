#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_help.h"
#include "ftp_main_dlg.h"
#include "ftp_session.h"
#include "message_boxes.h"
#include "ravoFtp.h"
#include "session_ops.h"
#include "settings_keys.h"

bool CFtpMainDlg::PanelHasFocus() const {
    HWND focus = ::GetFocus();
    return focus != nullptr && (focus == m_top.m_hWnd || focus == m_bottom.m_hWnd);
}

// Enter or Close. In a panel, Enter views the panel's selection; anywhere
// else it asks and closes.
void CFtpMainDlg::OnCloseCommand() {
    if (PanelHasFocus()) {
        OnPanelCommand(IDC_VIEW);
        return;
    }
    if (AskQuestion(m_hWnd, IDS_ASK_EXIT, "", "", MB_OKCANCEL) == IDOK) OnOK();
}

void CFtpMainDlg::OnEscapeCommand() {
    if (PanelHasFocus()) return;
    if (AskQuestion(m_hWnd, IDS_ASK_EXIT, "", "", MB_OKCANCEL) == IDOK) OnCancel();
}

// The system's Close asks like the Close button and is never passed on:
// passed on, it would end the dialog as Escape does, without the histories.
void CFtpMainDlg::OnSysCommand(UINT id, LPARAM) {
    if ((id & 0xFFF0) != SC_CLOSE) {
        Default();
        return;
    }
    if (AskQuestion(m_hWnd, IDS_ASK_EXIT, "", "", MB_OKCANCEL) == IDOK) OnOK();
}

void CFtpMainDlg::OnOK() {
    if (FtpSettings* settings = CurrentSettings()) {
        settings->AddPathHistory(settings::kLocalHistorySection, m_bottom.m_strPath);
        if (m_top.m_bRemote) settings->AddPathHistory(settings::kRemoteHistorySection, m_top.m_strPath);
    }
    if (m_top.m_bRemote) CloseSession();
    EndDialog(IDOK);
}

void CFtpMainDlg::OnCancel() { EndDialog(IDCANCEL); }

void CFtpMainDlg::OnDestroy() {
    OfferHangUp();
    CloseAllHelp();
    SavePlacement();
    if (TheSession().LogWindow() == this) TheSession().SetLogWindow(nullptr);
    Default();
}

// A minimised or maximised window keeps the last normal placement; the log
// pane's height is not part of the window's own.
void CFtpMainDlg::SavePlacement() {
    FtpSettings* settings = CurrentSettings();
    if (settings == nullptr) return;
    if (GetDlgItem(IDC_SHOW_LOG) != nullptr)
        settings->SetDefaultInt(settings::kShowLogWindowKey, IsDlgButtonChecked(m_hWnd, IDC_SHOW_LOG) == BST_CHECKED);
    if (::IsIconic(m_hWnd) || ::IsZoomed(m_hWnd)) return;
    RECT r = {};
    ::GetWindowRect(m_hWnd, &r);
    settings->SetDefaultInt(settings::kWindowXKey, r.left);
    settings->SetDefaultInt(settings::kWindowYKey, r.top);
    settings->SetDefaultInt(settings::kWindowWidthKey, r.right - r.left);
    settings->SetDefaultInt(settings::kWindowHeightKey, r.bottom - r.top - (m_bLogShown ? kLogPaneHeight : 0));
}
