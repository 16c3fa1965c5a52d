// The Remote Access page and what every page shares (F1).
#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_host_tabs.h"
#include "ini_file.h"
#include "ftp_profile_dlg.h"
#include "message_boxes.h"
#include "module.h"
#include "profile_text.h"

BOOL CFtpHostTab::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_F1 && m_pDlg != nullptr && m_pDlg->m_hWnd != nullptr) {
        ::SendMessageA(m_pDlg->m_hWnd, WM_COMMAND, CFtpProfileDlg::kHelpCommand, 0);
        return TRUE;
    }
    return CPropertyPage::PreTranslateMessage(msg);
}

void CFtpHostTab::LimitTexts(std::initializer_list<const CWnd*> boxes) {
    for (const CWnd* box : boxes) {
        char className[16] = "";
        GetClassNameA(box->m_hWnd, className, sizeof className);
        const UINT limit = lstrcmpiA(className, "ComboBox") == 0 ? CB_LIMITTEXT : EM_LIMITTEXT;
        box->SendMessage(limit, settings::kValueBufferSize - 1);
    }
}

CFtpHostTab1::CFtpHostTab1() : CFtpHostTab(IDD_PAGE_REMOTE) {}

void CFtpHostTab1::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_PROFILE_HOST, m_hostBox);
    DDX_Control(exchange, IDC_PROFILE_USER, m_userBox);
    DDX_Control(exchange, IDC_PROFILE_PASSWORD, m_passwordEdit);
    DDX_Control(exchange, IDC_PROFILE_SECURITY, m_securityBox);
    DDX_Text(exchange, IDC_PROFILE_HOST_LABEL, m_strHostLabel);
    DDX_Text(exchange, IDC_PROFILE_PASSWORD_LABEL, m_strPasswordLabel);
    DDX_Text(exchange, IDC_PROFILE_USER_LABEL, m_strUserLabel);
}

BOOL CFtpHostTab1::FillHostUserLists(const std::string& name) {
    m_hostBox.ResetContent();
    m_userBox.ResetContent();
    m_passwordEdit.SetWindowText("");
    const FtpSettings* store = CurrentSettings();
    const int limit = store != nullptr ? static_cast<int>(store->ProfileLimit()) : -1;
    int index = 0;
    std::string stored;
    while (index <= limit && !(store->ReadProfileField(index, "Name", &stored) && stored == name)) ++index;
    if (index > limit) {
        m_userBox.AddString(LoadResourceString(IDS_ANONYMOUS));
        return FALSE;
    }
    std::string value;
    if (store->ReadProfileField(index, "User", &value)) m_userBox.AddString(value);
    if (store->ReadProfileField(index, "Host", &value)) m_hostBox.AddString(value);
    for (int number = 1; store->ReadProfileField(index, ("Host" + std::to_string(number)).c_str(), &value); ++number)
        if (m_hostBox.FindStringExact(-1, value) < 0) m_hostBox.AddString(value);
    return TRUE;
}

// An unknown profile shows the standard captions, not those of the last one.
void CFtpHostTab1::UseDefaultLabelsUnlessKnown(const std::string& name) {
    if (FillHostUserLists(name)) return;
    const FtpApplication& app = TheApplication();
    m_pDlg->m_profile.m_hostLabel = app.m_strHostLabel;
    m_pDlg->m_profile.m_userLabel = app.m_strUserLabel;
    m_pDlg->m_profile.m_passwordLabel = app.m_strPasswordLabel;
}

BOOL CFtpHostTab1::OnInitDialog() {
    CFtpHostTab::OnInitDialog();
    LimitTexts({&m_hostBox, &m_userBox, &m_passwordEdit});
    for (UINT text : {IDS_SECURITY_PLAIN, IDS_SECURITY_WHEN_OFFERED, IDS_SECURITY_REQUIRED})
        m_securityBox.AddString(LoadResourceString(text));
    std::string last;
    if (CurrentSettings() != nullptr) CurrentSettings()->GetLastProfile(&last);
    UseDefaultLabelsUnlessKnown(last);
    m_strHostLabel = m_pDlg->m_profile.m_hostLabel;
    m_strUserLabel = m_pDlg->m_profile.m_userLabel;
    m_strPasswordLabel = m_pDlg->m_profile.m_passwordLabel;
    UpdateData(FALSE);
    return FALSE;
}

BOOL CFtpHostTab1::OnSetActive() {
    UseDefaultLabelsUnlessKnown(m_pDlg->ProfileBoxText());
    const FtpProfile& profile = m_pDlg->m_profile;
    m_hostBox.SetWindowText(profile.m_host);
    m_userBox.SetWindowText(m_pDlg->HasUserPlaceholder() ? std::string() : profile.m_user);
    m_passwordEdit.SetWindowText(profile.m_password);
    m_securityBox.SetCurSel(settings::SecurityLevel(profile.m_security));
    m_strHostLabel = profile.m_hostLabel;
    m_strUserLabel = profile.m_userLabel;
    m_strPasswordLabel = profile.m_passwordLabel;
    return CFtpHostTab::OnSetActive();
}

// Shows `messageId` and keeps the page with the focus on `focus`.
bool CFtpHostTab1::Refuse(UINT messageId, HWND focus, const std::string& insert) {
    ShowError(m_pDlg->m_hWnd, messageId, insert, "");
    ::SetFocus(focus);
    return false;
}

BOOL CFtpHostTab1::OnKillActive() {
    if (!m_pDlg->PageChecksEnabled()) return CFtpHostTab::OnKillActive();
    FtpProfile& profile = m_pDlg->m_profile;
    const std::string host = profiles::TrimBlanks(m_hostBox.GetWindowText());
    const std::string user = profiles::TrimBlanks(m_userBox.GetWindowText());
    profile.m_password = m_passwordEdit.GetWindowText();
    // The right Control key held while leaving shows the password typed.
    if (GetKeyState(VK_RCONTROL) < 0) return Refuse(IDS_INVALID_NAME, m_pDlg->m_profileBox, profile.m_password);
    const std::string name = profiles::TrimBlanks(m_pDlg->ProfileBoxText());
    if (name.empty() || name == LoadResourceString(IDS_NONE)) return Refuse(IDS_NO_PROFILE_NAME, m_pDlg->m_profileBox);
    if (host.empty()) return Refuse(IDS_NO_HOST, m_hostBox);
    if (user.empty() && AskQuestion(m_pDlg->m_hWnd, IDS_NO_USER, "", "", MB_OKCANCEL) != IDOK) {
        m_userBox.SetFocus();
        return FALSE;
    }
    profile.m_host = host;
    profile.m_user = user;
    profile.m_security = settings::SecurityText(m_securityBox.GetCurSel());
    return CFtpHostTab::OnKillActive();
}

// While the loaded profile is a form with "{User}" in it, the fields follow
// the user identifier as it is typed.
void CFtpHostTab1::OnUserEditChange() {
    if (!m_pDlg->HasUserPlaceholder()) return;
    const std::string user = profiles::TrimBlanks(m_userBox.GetWindowText());
    if (profiles::HasUserPlaceholder(user)) return;
    const CFtpProfileDlg::Templates& form = m_pDlg->m_templates;
    m_hostBox.SetWindowText(CFtpProfileDlg::ExpandUser(form.host, user));
    m_passwordEdit.SetWindowText(CFtpProfileDlg::ExpandUser(form.password, user));
    m_pDlg->m_profile.m_remoteFolder = CFtpProfileDlg::ExpandUser(form.remoteFolder, user);
    m_pDlg->m_profile.m_wwwAddress = CFtpProfileDlg::ExpandUser(form.wwwAddress, user);
    m_pDlg->m_profile.m_wwwPrimaryPage = CFtpProfileDlg::ExpandUser(form.wwwPrimaryPage, user);
}

// Leaving the box completes the user identifier from its form; the form is
// then done with.
void CFtpHostTab1::OnUserKillFocus() {
    if (!m_pDlg->HasUserPlaceholder()) return;
    const std::string user = profiles::TrimBlanks(m_userBox.GetWindowText());
    m_userBox.SetWindowText(CFtpProfileDlg::ExpandUser(m_pDlg->m_templates.user, user));
    m_pDlg->ClearUserPlaceholder();
}
