#include "ftp_name_dlg.h"

CFtpNameDlg::CFtpNameDlg(HWND owner, std::string title, std::string prompt, std::string text)
    : CDialog(IDD_NAME, owner), m_strTitle(std::move(title)), m_strPrompt(std::move(prompt)), m_strText(std::move(text)) {}

CFtpNameDlg::~CFtpNameDlg() = default;

void CFtpNameDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDOK, m_ok);
    DDX_Control(exchange, IDCANCEL, m_cancel);
    DDX_Control(exchange, IDC_NAME_PROMPT, m_prompt);
    DDX_Control(exchange, IDC_NAME_EDIT, m_edit);
}

BOOL CFtpNameDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    SetWindowText(m_strTitle);
    m_prompt.SetWindowText(m_strPrompt);
    m_edit.SetWindowText(m_strText);
    m_edit.SetFocus();
    return FALSE;  // the focus is placed
}

// Enter takes OK while the edit keeps the focus, so the name is read here
// as well as when the edit loses the focus.
void CFtpNameDlg::OnOK() {
    m_strText = m_edit.GetWindowText();
    CDialog::OnOK();
}

void CFtpNameDlg::OnNameKillFocus() {
    if (m_edit.m_hWnd != nullptr) m_strText = m_edit.GetWindowText();
}
