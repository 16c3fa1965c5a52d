// The profile dialog and its pages on a settings file of the test's own:
// the checks of each page, what the dialog's own page switches skip, new
// profiles, the "{User}" form and the lists the pages offer.
#include <gtest/gtest.h>

#include <string>

#include "current_settings.h"
#include "ftp_profile_dlg.h"
#include "message_box_reader.h"
#include "module.h"
#include "profile_text.h"
#include "test_folders.h"

namespace {

using testing_support::MakeProfile;

// A hidden dialog with all four pages over stored profiles.
struct Dialog {
    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    CFtpProfileDlg dlg{nullptr};
    explicit Dialog(std::initializer_list<FtpProfile> stored = {}, int wwwPage = 1) {
        for (const FtpProfile& profile : stored) scope.Settings()->WriteProfile(profile);
        dlg.m_showWwwPage = wwwPage;
        dlg.Create(nullptr);
    }
    ~Dialog() { DestroyWindow(dlg.m_hWnd); }
    // Whether `page` was left, and the texts of the boxes (answered `answer`) shown.
    std::pair<BOOL, std::string> Leave(CPropertyPage& page, int answer = IDOK) {
        MessageBoxReader reader(answer);
        const BOOL left = page.OnKillActive();
        reader.Stop();
        return {left, reader.Boxes().empty() ? "" : reader.Boxes()[0].text};
    }
};

TEST(ProfileText, UserFormsAndProxyLists) {
    EXPECT_EQ("{USER}", profiles::ExpandUser("{USER}", "{user}"));  // the user itself: unchanged
    EXPECT_EQ("a/{User}x/{User}x", profiles::ExpandUser("a/{User}/{User}", "{User}x"));
    const std::pair<const char*, const char*> proxies[] = {
        {"http=10.0.0.9:80 ftp=10.1.2.3:2121", "10.1.2.3"}, {"ftp=ftp://10.1.2.3:21;http=http://x", "10.1.2.3"},
        {"192.168.0.1:8080", "192.168.0.1"},                {"ftp=proxy.example:21", ""}};
    for (const auto& c : proxies) EXPECT_EQ(c.second, profiles::ScanProxyHost(c.first)) << c.first;
}

// The General and Firewall pages' number checks: what each leave says and
// stores ("-": refused).
TEST(ProfilePages, NumbersAreCheckedWhenAPageIsLeft) {
    Dialog d({MakeProfile("Site")});
    d.dlg.ActivatePage(CFtpProfileDlg::kGeneral);
    d.dlg.ActivatePage(CFtpProfileDlg::kFirewall);
    struct Case {
        const char *timeout, *port;
        UINT message;        // of the General page; 0: none
        const char* stored;  // port, time-out and firewall port
    } const cases[] = {{"60", "default", 0, "21 60 21"},       {"5", "0", 0, "0 5 0"},
                       {"900", "32000", 0, "32000 900 32000"}, {"4", "21", IDS_TIMEOUT_RANGE, "- 21"},
                       {"901", "21", IDS_TIMEOUT_RANGE, "- 21"}, {"60", "abc", IDS_PORT_RANGE, "- -"},
                       {"60", "32001", IDS_PORT_RANGE, "- -"}};
    for (const Case& c : cases) {
        d.dlg.m_tab2.m_timeoutEdit.SetWindowText(c.timeout);
        d.dlg.m_tab2.m_portBox.SetWindowText(c.port);
        d.dlg.m_tab4.m_portBox.SetWindowText(c.port);
        const FtpProfile& p = d.dlg.m_profile;
        const auto general = d.Leave(d.dlg.m_tab2);
        std::string stored = general.first ? p.m_port + " " + p.m_timeout : "-";
        stored += d.Leave(d.dlg.m_tab4).first ? " " + p.m_fwPort : " -";
        EXPECT_EQ(c.stored, stored) << c.timeout << " " << c.port;
        EXPECT_EQ(c.message ? LoadResourceString(c.message) : "", general.second) << c.timeout << " " << c.port;
    }
}

TEST(ProfilePages, RemoteAccessAsksAboutAnEmptyUser) {
    Dialog d({MakeProfile("Site")});
    d.dlg.m_tab1.m_userBox.SetWindowText("  ");
    d.dlg.m_tab1.m_securityBox.SetCurSel(2);  // stored with the user
    for (int answer : {IDCANCEL, IDOK}) {
        const auto left = d.Leave(d.dlg.m_tab1, answer);
        EXPECT_EQ(LoadResourceString(IDS_NO_USER), left.second);
        EXPECT_EQ(answer == IDOK, left.first != FALSE);
    }
    EXPECT_EQ(" required", d.dlg.m_profile.m_user + " " + d.dlg.m_profile.m_security);
    d.dlg.m_tab1.m_hostBox.SetWindowText("");
    EXPECT_EQ(LoadResourceString(IDS_NO_HOST), d.Leave(d.dlg.m_tab1).second);
    d.dlg.m_profileBox.SetWindowText(LoadResourceString(IDS_NONE).c_str());
    EXPECT_EQ(LoadResourceString(IDS_NO_PROFILE_NAME), d.Leave(d.dlg.m_tab1).second);
}

// The dialog's own switches leave General unchecked and unstored, while the
// Firewall page still stores (and checks) its controls.
TEST(ProfilePages, SwitchesByTheDialogSkipTheFirstTwoPagesChecks) {
    FtpProfile site = MakeProfile("Site");
    site.m_fwType = "Site";  // written by hand: no type this system knows
    Dialog d({site});
    d.dlg.ActivatePage(CFtpProfileDlg::kGeneral);
    d.dlg.m_tab2.m_timeoutEdit.SetWindowText("4");
    MessageBoxReader reader(IDOK);
    d.dlg.ActivatePage(CFtpProfileDlg::kFirewall);
    EXPECT_EQ("3 60", std::to_string(d.dlg.m_sheet.GetActiveIndex()) + " " + d.dlg.m_profile.m_timeout);
    EXPECT_TRUE(d.dlg.m_tab4.m_typeNone.GetCheck() == BST_CHECKED && !d.dlg.m_tab4.m_hostBox.IsWindowEnabled());
    for (const char* port : {"abc", "2121"}) {  // the first keeps the page
        d.dlg.m_tab4.m_portBox.SetWindowText(port);
        d.dlg.ActivatePage(CFtpProfileDlg::kRemoteAccess);
    }
    reader.Stop();
    EXPECT_EQ(1u, reader.Boxes().size());
    EXPECT_EQ("0 none 2121", std::to_string(d.dlg.m_sheet.GetActiveIndex()) + " " + d.dlg.m_profile.m_fwType + " " +
                                 d.dlg.m_profile.m_fwPort);
}

// Lists: the users and hosts of an exactly named profile ("anonymous" for any
// other name), the firewall hosts of every profile (on the main window's
// page set, where the Firewall page comes third).
TEST(ProfilePages, ListsOfferWhatTheProfilesUsed) {
    FtpProfile a = MakeProfile("Alpha", "one.example"), b = MakeProfile("Beta"), a2 = MakeProfile("Alpha", "two.example");
    a.m_user = a2.m_user = "ann";
    a.m_fwHost = a2.m_fwHost = "10.0.0.1";
    b.m_fwHost = "10.0.0.2";
    Dialog d({a, b, a2}, 0);
    CFtpHostTab1& tab = d.dlg.m_tab1;
    EXPECT_TRUE(tab.FillHostUserLists("Alpha"));
    EXPECT_EQ("2 ann", std::to_string(tab.m_hostBox.GetCount()) + " " + tab.m_userBox.GetLBText(0));
    EXPECT_FALSE(tab.FillHostUserLists("alpha"));
    EXPECT_EQ("1 anonymous", std::to_string(tab.m_userBox.GetCount()) + " " + tab.m_userBox.GetLBText(0));
    d.dlg.LoadProfile("Gamma", true);
    d.dlg.ActivatePage(CFtpProfileDlg::kFirewall);
    EXPECT_EQ(std::make_pair(3, 2), std::make_pair(d.dlg.m_sheet.GetPageCount(), d.dlg.m_sheet.GetActiveIndex()));
    EXPECT_EQ(2, d.dlg.m_tab4.m_hostBox.GetCount());
}

// A new name takes the last profile's connection settings and the caller's
// defaults for the rest (security: TLS when offered), on page 0; "None"
// deletes nothing.
TEST(ProfileDialog, NewNamesStartFromTheLastProfileAndTheDefaults) {
    FtpProfile last = MakeProfile("Last", "last.example");
    last.m_port = "2121";
    last.m_timeout = "99";
    last.m_fwType = "user";
    last.m_security = "required";
    Dialog d({last});
    EXPECT_EQ(2, d.dlg.m_tab1.m_securityBox.GetCurSel());
    d.dlg.m_defaults.m_host = "given.example";
    d.dlg.ActivatePage(CFtpProfileDlg::kGeneral);
    d.dlg.LoadProfile("  Fresh ", true);
    const FtpProfile& p = d.dlg.m_profile;
    EXPECT_EQ("Fresh given.example anonymous 2121 99 user when offered",
              p.m_name + " " + p.m_host + " " + p.m_user + " " + p.m_port + " " + p.m_timeout + " " + p.m_fwType + " " +
                  p.m_security);
    EXPECT_EQ("0 given.example 1", std::to_string(d.dlg.m_sheet.GetActiveIndex()) + " " +
                                       d.dlg.m_tab1.m_hostBox.GetWindowText() + " " +
                                       std::to_string(d.dlg.m_tab1.m_securityBox.GetCurSel()));
    d.dlg.m_profileBox.SetWindowText(LoadResourceString(IDS_NONE));
    MessageBoxReader reader(IDYES);
    d.dlg.OnDelete();
    reader.Stop();
    EXPECT_TRUE(reader.Boxes().empty() && p.m_name.empty() && !d.dlg.m_deleteButton.IsWindowEnabled());
}

// A profile written as a form: typing the user fills the other fields,
// leaving the box completes the user itself.
TEST(ProfileDialog, UserFormFollowsTheTypedUser) {
    FtpProfile form = MakeProfile("ISP", "{User}.isp.example", "{User}-pw");
    form.m_user = "{User}.isp";
    form.m_remoteFolder = "/home/{User}";
    Dialog d({form});
    d.dlg.LoadProfile("ISP", true);
    ASSERT_TRUE(d.dlg.HasUserPlaceholder() && d.dlg.m_tab1.m_userBox.GetWindowText().empty());
    CFtpHostTab1& tab = d.dlg.m_tab1;
    tab.m_userBox.SetWindowText(" jo ");
    tab.OnUserEditChange();
    EXPECT_EQ("jo.isp.example jo-pw /home/jo",
              tab.m_hostBox.GetWindowText() + " " + tab.m_passwordEdit.GetWindowText() + " " + d.dlg.m_profile.m_remoteFolder);
    tab.OnUserKillFocus();
    EXPECT_EQ("jo.isp 0", tab.m_userBox.GetWindowText() + " " + std::to_string(d.dlg.HasUserPlaceholder()));
}

}  // namespace
