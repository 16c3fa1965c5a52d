// CFtpNameDlg: the small dialog (template 163) that asks for one name: the
// new name of a row being renamed, or the name of a new folder.
#pragma once

#include <string>

#include "button.h"
#include "dialog.h"
#include "edit.h"
#include "resource.h"
#include "static.h"

class CFtpNameDlg : public CDialog {
public:
    // `text` is the name shown at first; after IDOK, m_strText is the name typed.
    CFtpNameDlg(HWND owner, std::string title, std::string prompt, std::string text);
    ~CFtpNameDlg() override;

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    BEGIN_MSG_MAP(CFtpNameDlg, CDialog)
        ON_EN_KILLFOCUS(IDC_NAME_EDIT, OnNameKillFocus)
    END_MSG_MAP()

    std::string m_strTitle;
    std::string m_strPrompt;
    std::string m_strText;
    CButton m_ok;
    CButton m_cancel;
    CStatic m_prompt;
    CEdit m_edit;

private:
    void OnNameKillFocus();
};
