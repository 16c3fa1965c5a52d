// The four pages of the profile dialog. Each page edits part of the profile
// its dialog holds (CFtpProfileDlg::m_profile) and keeps no copy of its own:
// OnSetActive moves the dialog's fields into the controls, OnKillActive
// moves them back, with the checks of the page, and refuses to leave the
// page (after a message, with the focus on the box to correct) when one
// fails.
//
//   ftp_host_tab1.cpp  Remote Access: host, user, password, security, the "{User}" form
//   ftp_host_tab2.cpp  General: folders, time-out, port
//   ftp_host_tab34.cpp WWW Site and Firewall
#pragma once

#include <initializer_list>
#include <string>

#include "button.h"
#include "combo_box.h"
#include "edit.h"
#include "property_page.h"
#include "resource.h"
#include "static.h"

class CFtpProfileDlg;

// Every page sends F1 to its dialog as the Help command.
class CFtpHostTab : public CPropertyPage {
public:
    explicit CFtpHostTab(UINT templateId) : CPropertyPage(templateId) {}
    BOOL PreTranslateMessage(MSG* msg) override;

    CFtpProfileDlg* m_pDlg = nullptr;  // set by the dialog before the sheet is made

protected:
    // Each box takes no more than the settings file gives back for a value.
    static void LimitTexts(std::initializer_list<const CWnd*> boxes);
};

// Remote Access.
class CFtpHostTab1 : public CFtpHostTab {
public:
    CFtpHostTab1();

    CComboBox m_hostBox;
    CComboBox m_userBox;
    CEdit m_passwordEdit;
    CComboBox m_securityBox;     // one row per level: plain, TLS when offered, TLS required
    std::string m_strHostLabel;  // the captions of the three boxes
    std::string m_strPasswordLabel;
    std::string m_strUserLabel;

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    // Offers the users and hosts the profile called `name` (exactly) used;
    // FALSE, with only "anonymous" offered, when no profile has that name.
    BOOL FillHostUserLists(const std::string& name);
    void OnUserEditChange();
    void OnUserKillFocus();

    BEGIN_MSG_MAP(CFtpHostTab1, CFtpHostTab)
        ON_CBN_EDITCHANGE(IDC_PROFILE_USER, OnUserEditChange)
        ON_CBN_KILLFOCUS(IDC_PROFILE_USER, OnUserKillFocus)
    END_MSG_MAP()

private:
    void UseDefaultLabelsUnlessKnown(const std::string& name);
    bool Refuse(UINT messageId, HWND focus, const std::string& insert = std::string());
};

// General.
class CFtpHostTab2 : public CFtpHostTab {
public:
    CFtpHostTab2();

    CEdit m_localEdit;
    CEdit m_remoteEdit;
    CEdit m_timeoutEdit;
    CComboBox m_portBox;

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
};

// WWW Site: it never refuses to be left.
class CFtpHostTab3 : public CFtpHostTab {
public:
    CFtpHostTab3();

    CComboBox m_pageBox;
    CEdit m_addressEdit;
    CStatic m_pageLabel;

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
};

// Firewall: stored and checked on every leave, also when the dialog itself
// switches pages.
class CFtpHostTab4 : public CFtpHostTab {
public:
    CFtpHostTab4();

    CComboBox m_hostBox;
    CComboBox m_portBox;
    CEdit m_userEdit;
    CEdit m_passwordEdit;
    CButton m_typeNone, m_typeSite, m_typeLogon, m_typeUser, m_typeOpen;
    CButton m_passiveCheck;

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    // Host and port only with a firewall; user and password only for the
    // two types that log on to it.
    void UpdateFirewallControls();

    BEGIN_MSG_MAP(CFtpHostTab4, CFtpHostTab)
        ON_COMMAND_RANGE(IDC_FW_TYPE_NONE, IDC_FW_TYPE_OPEN, OnTypeClicked)
    END_MSG_MAP()

private:
    void OnTypeClicked(UINT) { UpdateFirewallControls(); }
};
