// CFtpProfileDlg: picks, creates, edits and deletes the named connection
// profiles of the settings file. A profile box and a delete button above a
// sheet of the pages Remote Access, General, WWW Site (optional) and
// Firewall (optional); OK, Cancel and Help beside them.
//
// Use:
//   CFtpProfileDlg dlg(parent);
//   dlg.m_caption = ...;              // window title
//   dlg.m_profile.m_name = ...;       // profile to show; "" the last used one
//   dlg.m_defaults = ...;             // what a new profile starts with
//   dlg.m_showWwwPage = 1;            // which optional pages the sheet has
//   if (dlg.DoModal() == IDOK) ...    // dlg.m_profile: the profile chosen
//
// The settings are the process's current ones (CurrentSettings); without
// them the dialog knows no stored profile and saves nothing.
//
//   ftp_profile_dlg.cpp       start, profile box, delete, OK, help, tips
//   ftp_profile_load.cpp      LoadProfile: a stored or a new profile
#pragma once

#include <string>

#include "combo_box.h"
#include "dialog.h"
#include "ftp_bitmap_button.h"
#include "ftp_host_tabs.h"
#include "ftp_profile.h"
#include "property_sheet.h"
#include "resource.h"

class CFtpProfileDlg : public CDialog {
public:
    // Page indexes as if every page were in the sheet.
    enum Page { kRemoteAccess = 0, kGeneral = 1, kWwwSite = 2, kFirewall = 3 };

    // The texts of a loaded profile that may hold "{User}": the Remote
    // Access page rebuilds the fields from them while the user types a user.
    struct Templates {
        std::string host, user, password, remoteFolder, wwwAddress, wwwPrimaryPage;
    };

    explicit CFtpProfileDlg(HWND parent);

    FtpProfile m_profile;          // the profile edited; valid after OK
    std::string m_localOverride;   // an existing folder here wins over every profile's local folder
    FtpProfile m_defaults;         // a new profile's fields (the name and labels are not used)
    Templates m_templates;
    int m_showWwwPage = 0;
    int m_showFirewallPage = 1;
    std::string m_caption;

    CPropertySheet m_sheet;
    CFtpHostTab1 m_tab1;
    CFtpHostTab2 m_tab2;
    CFtpHostTab3 m_tab3;
    CFtpHostTab4 m_tab4;
    int m_hasUserPlaceholder = 0;
    int m_pageChecks = 1;          // 0 while the dialog switches pages itself
    CComboBox m_profileBox;
    CFtpBitmapButton m_deleteButton;

    // Fills the fields with the profile called `name` (blanks trimmed), or a
    // new one of that name; with `refresh`, shows it.
    void LoadProfile(const std::string& name, bool refresh);
    // Shows page `page` (a Page) without the checks of the page left.
    void ActivatePage(int page);
    static std::string ExpandUser(const std::string& templateText, const std::string& user);
    bool HasUserPlaceholder() const { return m_hasUserPlaceholder != 0; }
    void ClearUserPlaceholder() { m_hasUserPlaceholder = 0; }
    bool PageChecksEnabled() const { return m_pageChecks != 0; }
    std::string ProfileBoxText() const { return m_profileBox.GetWindowText(); }

    void DoDataExchange(CDataExchange* exchange) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnProfileKillFocus();
    void OnProfileSelChange();
    void OnDelete();
    void OnHelp();
    void OnToolTipText(NMHDR* header, LRESULT* result);

    BEGIN_MSG_MAP(CFtpProfileDlg, CDialog)
        ON_CBN_KILLFOCUS(IDC_PROFILE_NAME, OnProfileKillFocus)
        ON_CBN_SELCHANGE(IDC_PROFILE_NAME, OnProfileSelChange)
        ON_BN_CLICKED(IDC_DELETE, OnDelete)
        ON_COMMAND(IDHELP, OnHelp)
        ON_COMMAND(kHelpCommand, OnHelp)
        ON_NOTIFY_CODE(TTN_NEEDTEXTA, OnToolTipText)
    END_MSG_MAP()

    // The command F1 on a page sends.
    static constexpr UINT kHelpCommand = 57670;

private:
    // The page of `page` in the sheet, -1 when it is not there.
    int SheetIndexOf(int page) const;
    // The page's own index when every page were shown (a Page), -1 for none.
    int ShownPage() const;
    void BuildSheet();
    void FillProfileBox();
    void ReadTemplateOrProxy();
    void FocusUserBoxIfPlaceholder();

    std::string m_strTip;
};
