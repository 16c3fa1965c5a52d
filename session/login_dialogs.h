// The two dialogs of the login: the password prompt (template 173) and the
// server's welcome text (template 218).
#pragma once

#include <string>

#include "dialog.h"

class CFtpPasswordDlg : public CDialog {
public:
    explicit CFtpPasswordDlg(HWND parent);

    std::string m_strMessage;   // the server's last message, shown read-only
    std::string m_strPassword;  // what the user typed

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* exchange) override;
};

class CFtpInfoDlg : public CDialog {
public:
    explicit CFtpInfoDlg(HWND parent);

    std::string m_strMessage;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
};
