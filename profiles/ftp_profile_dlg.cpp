#include "ftp_profile_dlg.h"

#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_help.h"
#include "ini_file.h"
#include "message_boxes.h"
#include "module.h"
#include "profile_text.h"

namespace {

// Help topics of the pages, and of the dialog when no page is shown or only
// the publishing tool's help file exists.
constexpr int kHelpRemoteAccess = 7;
constexpr int kHelpGeneral = 8;
constexpr int kHelpWwwSite = 9;
constexpr int kHelpFirewall = 10;
constexpr int kHelpNoPage = 6;
constexpr int kHelpPublishingTool = 3;

// The sheet's corner sits this far above and left of the frame's.
constexpr int kSheetInset = 7;

}  // namespace

CFtpProfileDlg::CFtpProfileDlg(HWND parent) : CDialog(IDD_PROFILE, parent) {
    m_defaults = FtpProfile();
    for (std::string* field : {&m_defaults.m_host, &m_defaults.m_password, &m_defaults.m_remoteFolder,
                               &m_defaults.m_localFolder, &m_defaults.m_port, &m_defaults.m_timeout,
                               &m_defaults.m_wwwAddress, &m_defaults.m_wwwPrimaryPage, &m_defaults.m_fwType,
                               &m_defaults.m_fwHost, &m_defaults.m_fwPort, &m_defaults.m_fwUsername,
                               &m_defaults.m_fwPassword, &m_defaults.m_fwPassive})
        field->clear();
    m_defaults.m_user = LoadResourceString(IDS_ANONYMOUS);
    // New profiles try TLS first; stored ones keep what they have.
    m_defaults.m_security = settings::kSecurityWhenOfferedText;
    for (CFtpHostTab* tab : {static_cast<CFtpHostTab*>(&m_tab1), static_cast<CFtpHostTab*>(&m_tab2),
                             static_cast<CFtpHostTab*>(&m_tab3), static_cast<CFtpHostTab*>(&m_tab4)})
        tab->m_pDlg = this;
}

std::string CFtpProfileDlg::ExpandUser(const std::string& templateText, const std::string& user) {
    return profiles::ExpandUser(templateText, user);
}

void CFtpProfileDlg::DoDataExchange(CDataExchange* exchange) {
    DDX_Control(exchange, IDC_PROFILE_NAME, m_profileBox);
    DDX_Control(exchange, IDC_DELETE, m_deleteButton);
}

BOOL CFtpProfileDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    m_deleteButton.SetBitmaps(IDB_DELETE, IDB_DELETE_DISABLED, 0);
    m_profileBox.LimitText(static_cast<int>(settings::kValueBufferSize) - 1);
    BuildSheet();
    SetWindowText(m_caption);
    FillProfileBox();
    EnableToolTips();
    if (m_profile.m_name.empty() && CurrentSettings() != nullptr) CurrentSettings()->GetLastProfile(&m_profile.m_name);

    LoadProfile(m_profile.m_name, true);
    if (m_profile.m_name.empty()) return FALSE;  // the box shows "None"; nothing has the focus
    if (HasUserPlaceholder()) {
        ActivatePage(kRemoteAccess);
        m_tab1.m_userBox.SetFocus();
    } else {
        m_profileBox.SetFocus();
    }
    return FALSE;
}

void CFtpProfileDlg::BuildSheet() {
    m_sheet.AddPage(&m_tab1);
    m_sheet.AddPage(&m_tab2);
    if (m_showWwwPage) m_sheet.AddPage(&m_tab3);
    if (m_showFirewallPage) m_sheet.AddPage(&m_tab4);
    m_sheet.Create(m_hWnd, WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_CONTROLPARENT);
    RECT frame;
    ::GetWindowRect(GetDlgItem(IDC_SHEET_FRAME), &frame);
    ScreenToClient(&frame);
    m_sheet.SetWindowPos(nullptr, frame.left - kSheetInset, frame.top - kSheetInset, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Every stored profile's name, in the order of the sections.
void CFtpProfileDlg::FillProfileBox() {
    const FtpSettings* store = CurrentSettings();
    if (store == nullptr) return;
    for (int index = 0; index <= static_cast<int>(store->ProfileLimit()); ++index) {
        std::string name;
        if (store->ReadProfileField(index, "Name", &name)) m_profileBox.AddString(name);
    }
}

int CFtpProfileDlg::SheetIndexOf(int page) const {
    if (page >= kWwwSite && !m_showWwwPage) --page;
    if (page >= kFirewall && !m_showFirewallPage) return -1;
    return page;
}

int CFtpProfileDlg::ShownPage() const {
    const int index = m_sheet.m_hWnd != nullptr ? m_sheet.GetActiveIndex() : -1;
    if (index >= kWwwSite && !m_showWwwPage) return index + 1;
    return index;
}

void CFtpProfileDlg::ActivatePage(int page) {
    const int index = SheetIndexOf(page);
    if (index < 0 || m_sheet.m_hWnd == nullptr || m_sheet.GetActiveIndex() == index) return;
    m_pageChecks = 0;
    m_sheet.SetActivePage(index);
    m_pageChecks = 1;
}

void CFtpProfileDlg::FocusUserBoxIfPlaceholder() {
    if (!HasUserPlaceholder()) return;
    ActivatePage(kRemoteAccess);
    m_tab1.m_userBox.SetFocus();
}

// Leaving the box with a name in it loads that profile. "None" is what the
// box shows for no profile: it names none. The profile already loaded is not
// read again: that would drop what the page shown holds but has not stored.
void CFtpProfileDlg::OnProfileKillFocus() {
    const std::string text = profiles::TrimBlanks(ProfileBoxText());
    if (text.empty() || text == LoadResourceString(IDS_NONE) || text == m_profile.m_name) return;
    LoadProfile(text, true);
    FocusUserBoxIfPlaceholder();
}

// A name chosen from the list: the box takes it and gives the focus away, and
// losing the focus loads it.
void CFtpProfileDlg::OnProfileSelChange() {
    const int chosen = m_profileBox.GetCurSel();
    if (chosen < 0) return;
    m_profileBox.SetWindowText(m_profileBox.GetLBText(chosen));
    ::SetFocus(m_hWnd);
}

void CFtpProfileDlg::OnDelete() {
    std::string name = profiles::TrimBlanks(ProfileBoxText());
    if (name == LoadResourceString(IDS_NONE)) name.clear();
    if (!name.empty()) {
        if (AskQuestion(m_hWnd, IDS_ASK_DELETE_PROFILE, "", "", MB_YESNO) != IDYES) return;
        FtpSettings* store = CurrentSettings();
        if (store != nullptr && store->DeleteProfile(name)) {
            store->FlushSettings();
            const int entry = m_profileBox.FindStringExact(-1, name);
            if (entry >= 0) m_profileBox.DeleteString(entry);
        } else {
            MessageBeep(MB_ICONEXCLAMATION);
        }
    }
    LoadProfile("", true);
    FocusUserBoxIfPlaceholder();
}

void CFtpProfileDlg::OnOK() {
    if (CPropertyPage* page = m_sheet.GetActivePage()) {
        if (!page->OnKillActive()) return;
    }
    if (m_profile.m_host.empty()) {
        ShowError(m_hWnd, IDS_NO_HOST, "", "");
        ActivatePage(kRemoteAccess);
        return;
    }
    m_profile.m_name = profiles::TrimBlanks(ProfileBoxText());
    if (m_profile.m_name == LoadResourceString(IDS_NONE)) m_profile.m_name.clear();
    EndDialog(IDOK);
}

void CFtpProfileDlg::OnHelp() {
    int context = kHelpPublishingTool;
    if (TheApplication().m_bHelpKind) {
        switch (ShownPage()) {
        case kRemoteAccess: context = kHelpRemoteAccess; break;
        case kGeneral: context = kHelpGeneral; break;
        case kWwwSite: context = kHelpWwwSite; break;
        case kFirewall: context = kHelpFirewall; break;
        default: context = kHelpNoPage; break;
        }
    }
    ShowHelpTopic(m_hWnd, context);
}

// Only the delete button has a tip.
void CFtpProfileDlg::OnToolTipText(NMHDR* header, LRESULT*) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
    info->szText[0] = '\0';
    info->lpszText = info->szText;
    if ((info->uFlags & TTF_IDISHWND) == 0 || reinterpret_cast<HWND>(header->idFrom) != m_deleteButton.m_hWnd) return;
    m_strTip = LoadResourceString(IDS_TIP_DELETE_PROFILE);
    info->lpszText = m_strTip.data();
}
