#include "login_dialogs.h"

#include "resource.h"

CFtpPasswordDlg::CFtpPasswordDlg(HWND parent) : CDialog(IDD_PASSWORD, parent) {}

BOOL CFtpPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ::SetFocus(GetDlgItem(IDC_PASSWORD));
    return FALSE;  // the focus is set: the password box, not the message
}

void CFtpPasswordDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Text(exchange, IDC_SERVER_MESSAGE, m_strMessage);
    DDX_Text(exchange, IDC_PASSWORD, m_strPassword);
}

CFtpInfoDlg::CFtpInfoDlg(HWND parent) : CDialog(IDD_SERVER_MESSAGE, parent) {}

void CFtpInfoDlg::DoDataExchange(CDataExchange* exchange) {
    if (!exchange->m_bSaveAndValidate) DDX_Text(exchange, IDC_SERVER_MESSAGE, m_strMessage);
}
