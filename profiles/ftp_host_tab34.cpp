// The WWW Site and Firewall pages.
#include <iterator>
#include <utility>

#include "current_settings.h"
#include "ftp_host_tabs.h"
#include "ftp_profile_dlg.h"
#include "message_boxes.h"
#include "module.h"
#include "profile_text.h"

namespace {

const char* const kIndexPages[] = {"contents.htm", "contents.html", "default.htm", "default.html",
                                   "index.htm",    "index.html",    "welcome.htm", "welcome.html"};

}  // namespace

// ---- WWW Site ---------------------------------------------------------------

CFtpHostTab3::CFtpHostTab3() : CFtpHostTab(IDD_PAGE_WWW) {}

void CFtpHostTab3::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_INDEX_PAGE, m_pageBox);
    DDX_Control(exchange, IDC_WWW_ADDRESS, m_addressEdit);
    DDX_Control(exchange, IDC_INDEX_PAGE_LABEL, m_pageLabel);
}

BOOL CFtpHostTab3::OnInitDialog() {
    CFtpHostTab::OnInitDialog();
    for (const char* page : kIndexPages) m_pageBox.AddString(page);
    LimitTexts({&m_pageBox, &m_addressEdit});
    return FALSE;
}

BOOL CFtpHostTab3::OnSetActive() {
    m_addressEdit.SetWindowText(m_pDlg->m_profile.m_wwwAddress);
    m_pageBox.SetWindowText(m_pDlg->m_profile.m_wwwPrimaryPage);
    return CFtpHostTab::OnSetActive();
}

BOOL CFtpHostTab3::OnKillActive() {
    m_pDlg->m_profile.m_wwwAddress = m_addressEdit.GetWindowText();
    m_pDlg->m_profile.m_wwwPrimaryPage = m_pageBox.GetWindowText();
    return CFtpHostTab::OnKillActive();
}

// ---- Firewall -----------------------------------------------------------------

CFtpHostTab4::CFtpHostTab4() : CFtpHostTab(IDD_PAGE_FIREWALL) {}

void CFtpHostTab4::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_FW_HOST, m_hostBox);
    DDX_Control(exchange, IDC_FW_PORT, m_portBox);
    DDX_Control(exchange, IDC_FW_USER, m_userEdit);
    DDX_Control(exchange, IDC_FW_PASSWORD, m_passwordEdit);
    DDX_Control(exchange, IDC_FW_TYPE_NONE, m_typeNone);
    DDX_Control(exchange, IDC_FW_TYPE_SITE, m_typeSite);
    DDX_Control(exchange, IDC_FW_TYPE_LOGON, m_typeLogon);
    DDX_Control(exchange, IDC_FW_TYPE_USER, m_typeUser);
    DDX_Control(exchange, IDC_FW_TYPE_OPEN, m_typeOpen);
    DDX_Control(exchange, IDC_FW_PASSIVE, m_passiveCheck);
}

// The lists offer every firewall host and port any profile uses.
BOOL CFtpHostTab4::OnInitDialog() {
    CFtpHostTab::OnInitDialog();
    const FtpSettings* store = CurrentSettings();
    const int limit = store != nullptr ? static_cast<int>(store->ProfileLimit()) : -1;
    for (int index = 0; index <= limit; ++index) {
        std::string value;
        if (store->ReadProfileField(index, "FW Host", &value) && m_hostBox.FindStringExact(-1, value) < 0)
            m_hostBox.AddString(value);
        if (store->ReadProfileField(index, "FW Port", &value) && m_portBox.FindStringExact(-1, value) < 0)
            m_portBox.AddString(value);
    }
    LimitTexts({&m_hostBox, &m_portBox, &m_userEdit, &m_passwordEdit});
    return FALSE;
}

BOOL CFtpHostTab4::OnSetActive() {
    const FtpProfile& profile = m_pDlg->m_profile;
    m_hostBox.SetWindowText(profile.m_fwHost);
    m_portBox.SetWindowText(profile.m_fwPort == "21" ? LoadResourceString(IDS_DEFAULT_PORT) : profile.m_fwPort);
    m_userEdit.SetWindowText(profile.m_fwUsername);
    m_passwordEdit.SetWindowText(profile.m_fwPassword);
    // The type compares exactly: a hand-written "Site" is no type known here.
    const std::pair<const char*, CButton*> types[] = {
        {"site", &m_typeSite}, {"logon", &m_typeLogon}, {"user", &m_typeUser}, {"open", &m_typeOpen}};
    CButton* chosen = &m_typeNone;
    for (const auto& type : types)
        if (profile.m_fwType == type.first) chosen = type.second;
    for (CButton* button : {&m_typeNone, &m_typeSite, &m_typeLogon, &m_typeUser, &m_typeOpen})
        button->SetCheck(button == chosen ? BST_CHECKED : BST_UNCHECKED);
    m_passiveCheck.SetCheck(profile.m_fwPassive == "1" ? BST_CHECKED : BST_UNCHECKED);
    UpdateFirewallControls();
    return CFtpHostTab::OnSetActive();
}

void CFtpHostTab4::UpdateFirewallControls() {
    const bool active = m_typeNone.GetCheck() != BST_CHECKED;
    const bool login = m_typeSite.GetCheck() == BST_CHECKED || m_typeLogon.GetCheck() == BST_CHECKED;
    m_hostBox.EnableWindow(active);
    m_portBox.EnableWindow(active);
    m_userEdit.EnableWindow(active && login);
    m_passwordEdit.EnableWindow(active && login);
}

BOOL CFtpHostTab4::OnKillActive() {
    FtpProfile& profile = m_pDlg->m_profile;
    unsigned port = 0;
    if (!profiles::ParsePortText(m_portBox.GetWindowText(), LoadResourceString(IDS_DEFAULT_PORT), &port)) {
        ShowError(m_pDlg->m_hWnd, IDS_PORT_RANGE, "", "");
        m_portBox.SetFocus();
        return FALSE;
    }
    profile.m_fwPort = std::to_string(port);
    profile.m_fwHost = profiles::TrimBlanks(m_hostBox.GetWindowText());
    profile.m_fwUsername = profiles::TrimBlanks(m_userEdit.GetWindowText());
    profile.m_fwPassword = profiles::TrimBlanks(m_passwordEdit.GetWindowText());
    const std::pair<const char*, CButton*> types[] = {
        {"site", &m_typeSite}, {"logon", &m_typeLogon}, {"user", &m_typeUser}, {"open", &m_typeOpen}};
    profile.m_fwType = "none";
    for (auto it = std::rbegin(types); it != std::rend(types); ++it)
        if (it->second->GetCheck() == BST_CHECKED) profile.m_fwType = it->first;
    profile.m_fwPassive = m_passiveCheck.GetCheck() == BST_CHECKED ? "1" : "0";
    return CFtpHostTab::OnKillActive();
}
