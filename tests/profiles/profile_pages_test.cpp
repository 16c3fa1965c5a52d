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

std::string Text(HWND control) {
    char text[512] = "";
    GetWindowTextA(control, text, sizeof text);
    return text;
}

// A hidden dialog with all four pages over stored profiles.
struct Dialog {
    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    CFtpProfileDlg dlg{nullptr};
    explicit Dialog(std::initializer_list<FtpProfile> stored = {}) {
        for (const FtpProfile& profile : stored) scope.Settings()->WriteProfile(profile);
        dlg.m_showWwwPage = 1;
        dlg.Create(nullptr);
    }
    ~Dialog() { DestroyWindow(dlg.m_hWnd); }
    // Leaves `page`, answering every box with `answer`:
    // whether it was left, and the texts of the boxes shown.
    std::pair<BOOL, std::string> Leave(CPropertyPage& page, int answer = IDOK) {
        MessageBoxReader reader(answer);
        const BOOL left = page.OnKillActive();
        reader.Stop();
        std::string shown;
        for (const SeenMessageBox& box : reader.Boxes()) shown += box.text;
        return {left, shown};
    }
};

TEST(ProfileText, PortsTimeoutsExpansionAndProxyLists) {
    unsigned port = 99;
    const std::pair<const char*, int> ports[] = {{"default", 21}, {"DEFAULT", 21}, {"0", 0}, {"32000", 32000},
                                                 {"abc", -1},     {"32001", -1},   {"-1", -1}, {"", -1}};
    for (const auto& c : ports) {
        const bool ok = profiles::ParsePortText(c.first, "Default", &port);
        EXPECT_EQ(c.second >= 0, ok) << c.first;
        if (ok) {
            EXPECT_EQ(static_cast<unsigned>(c.second), port) << c.first;
        }
    }
    EXPECT_EQ(5, profiles::LeadingNumber16("65541s"));  // 16 bits, as the box stores it
    EXPECT_EQ("jo.example", profiles::ExpandUser("{User}.example", "jo"));
    EXPECT_EQ("{USER}", profiles::ExpandUser("{USER}", "{user}"));
    EXPECT_EQ("a/{User}x/{User}x", profiles::ExpandUser("a/{User}/{User}", "{User}x"));
    const std::pair<const char*, const char*> proxies[] = {
        {"http=10.0.0.9:80 ftp=10.1.2.3:2121", "10.1.2.3"}, {"ftp=ftp://10.1.2.3:21;http=http://x", "10.1.2.3"},
        {"192.168.0.1:8080", "192.168.0.1"},                {"ftp=proxy.example:21", ""}, {"", ""}};
    for (const auto& c : proxies) EXPECT_EQ(c.second, profiles::ScanProxyHost(c.first)) << c.first;
}

// The General and Firewall pages' number checks, message by message.
TEST(ProfilePages, NumbersAreCheckedWhenAPageIsLeft) {
    Dialog d({MakeProfile("Site")});
    d.dlg.LoadProfile("Site", true);
    struct Case {
        const char* timeout;
        const char* port;
        UINT message;  // 0: accepted
        const char* storedPort;
    } const cases[] = {{"60", "default", 0, "21"}, {"60", "0", 0, "0"},       {"5", "8080", 0, "8080"},
                       {"900", "21", 0, "21"},    {"4", "21", IDS_TIMEOUT_RANGE, "21"}, {"901", "21", IDS_TIMEOUT_RANGE, "21"},
                       {"60", "abc", IDS_PORT_RANGE, ""}, {"60", "32001", IDS_PORT_RANGE, ""}};
    d.dlg.ActivatePage(CFtpProfileDlg::kGeneral);
    d.dlg.ActivatePage(CFtpProfileDlg::kFirewall);
    for (const Case& c : cases) {
        d.dlg.m_tab2.m_timeoutEdit.SetWindowText(c.timeout);
        d.dlg.m_tab2.m_portBox.SetWindowText(c.port);
        d.dlg.m_tab4.m_portBox.SetWindowText(c.port);
        const auto general = d.Leave(d.dlg.m_tab2);
        EXPECT_EQ(c.message == 0, general.first != FALSE) << c.timeout << " " << c.port;
        EXPECT_EQ(c.message ? LoadResourceString(c.message) : "", general.second) << c.timeout << " " << c.port;
        if (c.message == 0) {
            EXPECT_EQ(c.storedPort + std::string(" ") + c.timeout, d.dlg.m_profile.m_port + " " + d.dlg.m_profile.m_timeout);
        }
        const bool portOk = c.message != IDS_PORT_RANGE;
        EXPECT_EQ(portOk, d.Leave(d.dlg.m_tab4).first != FALSE) << c.port;
        if (portOk) {
            EXPECT_EQ(c.storedPort, d.dlg.m_profile.m_fwPort);
        }
    }
}

TEST(ProfilePages, RemoteAccessAsksAboutAnEmptyUser) {
    Dialog d({MakeProfile("Site")});
    d.dlg.LoadProfile("Site", true);
    d.dlg.m_tab1.m_userBox.SetWindowText("  ");
    for (int answer : {IDCANCEL, IDOK}) {
        const auto left = d.Leave(d.dlg.m_tab1, answer);
        EXPECT_EQ(LoadResourceString(IDS_NO_USER), left.second);
        EXPECT_EQ(answer == IDOK, left.first != FALSE);
    }
    EXPECT_EQ("", d.dlg.m_profile.m_user);
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
    d.dlg.LoadProfile("Site", true);
    d.dlg.ActivatePage(CFtpProfileDlg::kGeneral);
    d.dlg.m_tab2.m_timeoutEdit.SetWindowText("4");
    MessageBoxReader reader(IDOK);
    d.dlg.ActivatePage(CFtpProfileDlg::kFirewall);
    EXPECT_EQ(3, d.dlg.m_sheet.GetActiveIndex());
    EXPECT_EQ("60", d.dlg.m_profile.m_timeout);
    EXPECT_EQ(BST_CHECKED, d.dlg.m_tab4.m_typeNone.GetCheck());
    EXPECT_FALSE(d.dlg.m_tab4.m_hostBox.IsWindowEnabled());
    d.dlg.m_tab4.m_portBox.SetWindowText("abc");
    d.dlg.ActivatePage(CFtpProfileDlg::kRemoteAccess);
    EXPECT_EQ(3, d.dlg.m_sheet.GetActiveIndex());
    d.dlg.m_tab4.m_portBox.SetWindowText("2121");
    d.dlg.ActivatePage(CFtpProfileDlg::kRemoteAccess);
    reader.Stop();
    EXPECT_EQ(1u, reader.Boxes().size());
    EXPECT_EQ("none", d.dlg.m_profile.m_fwType);
    EXPECT_EQ("2121", d.dlg.m_profile.m_fwPort);
}

// Lists: the users and hosts of an exactly named profile ("anonymous" for any
// other name), the firewall hosts of every profile.
TEST(ProfilePages, ListsOfferWhatTheProfilesUsed) {
    FtpProfile a = MakeProfile("Alpha", "one.example"), b = MakeProfile("Beta", "beta.example");
    a.m_user = "ann";
    a.m_fwHost = "10.0.0.1";
    b.m_fwHost = "10.0.0.2";
    FtpProfile a2 = a;
    a2.m_host = "two.example";
    Dialog d({a, b, a2});
    CFtpHostTab1& tab = d.dlg.m_tab1;
    EXPECT_TRUE(tab.FillHostUserLists("Alpha"));
    EXPECT_EQ(2, tab.m_hostBox.GetCount());
    EXPECT_EQ("ann", tab.m_userBox.GetLBText(0));
    EXPECT_FALSE(tab.FillHostUserLists("alpha"));
    EXPECT_EQ(1, tab.m_userBox.GetCount());
    EXPECT_EQ(LoadResourceString(IDS_ANONYMOUS), tab.m_userBox.GetLBText(0));
    d.dlg.LoadProfile("Gamma", true);
    d.dlg.ActivatePage(CFtpProfileDlg::kFirewall);
    EXPECT_EQ(2, d.dlg.m_tab4.m_hostBox.GetCount());
}

// A new name takes the last profile's connection settings and the caller's
// defaults for the rest, on page 0; "None" deletes nothing.
TEST(ProfileDialog, NewNamesStartFromTheLastProfileAndTheDefaults) {
    FtpProfile last = MakeProfile("Last", "last.example");
    last.m_port = "2121";
    last.m_timeout = "99";
    last.m_fwType = "user";
    Dialog d({last});
    d.dlg.m_defaults.m_host = "given.example";
    d.dlg.ActivatePage(CFtpProfileDlg::kGeneral);
    d.dlg.LoadProfile("  Fresh ", true);
    const FtpProfile& p = d.dlg.m_profile;
    EXPECT_EQ("Fresh", p.m_name);
    EXPECT_EQ("given.example", p.m_host);
    EXPECT_EQ(LoadResourceString(IDS_ANONYMOUS), p.m_user);
    EXPECT_EQ("2121 99 user", p.m_port + " " + p.m_timeout + " " + p.m_fwType);
    EXPECT_EQ(0, d.dlg.m_sheet.GetActiveIndex());
    EXPECT_EQ("given.example", Text(d.dlg.m_tab1.m_hostBox));
    d.dlg.m_profileBox.SetWindowText(LoadResourceString(IDS_NONE));
    MessageBoxReader reader(IDYES);
    d.dlg.OnDelete();
    reader.Stop();
    EXPECT_TRUE(reader.Boxes().empty());
    EXPECT_EQ("", p.m_name);
    EXPECT_FALSE(d.dlg.m_deleteButton.IsWindowEnabled());
}

// A profile written as a form: typing the user fills the other fields,
// leaving the box completes the user itself.
TEST(ProfileDialog, UserFormFollowsTheTypedUser) {
    FtpProfile form = MakeProfile("ISP", "{User}.isp.example", "{User}-pw");
    form.m_user = "{User}.isp";
    form.m_remoteFolder = "/home/{User}";
    Dialog d({form});
    d.dlg.LoadProfile("ISP", true);
    ASSERT_TRUE(d.dlg.HasUserPlaceholder());
    EXPECT_EQ("", Text(d.dlg.m_tab1.m_userBox));
    d.dlg.m_tab1.m_userBox.SetWindowText(" jo ");
    d.dlg.m_tab1.OnUserEditChange();
    EXPECT_EQ("jo.isp.example jo-pw /home/jo", Text(d.dlg.m_tab1.m_hostBox) + " " +
                                                   Text(d.dlg.m_tab1.m_passwordEdit) + " " +
                                                   d.dlg.m_profile.m_remoteFolder);
    d.dlg.m_tab1.OnUserKillFocus();
    EXPECT_EQ("jo.isp", Text(d.dlg.m_tab1.m_userBox));
    EXPECT_FALSE(d.dlg.HasUserPlaceholder());
}

}  // namespace
