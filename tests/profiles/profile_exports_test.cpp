// FTP_InitDlg (803) and FTP_ProfDlg (802) as a host calls them, by ordinal:
// the silent read, the page set each caller gets, and what reaches the
// caller's buffers.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "message_box_reader.h"
#include "ravoFtp.h"
#include "settings_location.h"

namespace {

template <typename F>
F Export(int ordinal) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(LoadLibraryA("ravoFtp.dll"), MAKEINTRESOURCEA(ordinal))));
}

// The caller's side: buffers of the documented size, each with a guard after
// it, and numbers that start as 7.
struct Buffers {
    static constexpr size_t kGuarded = FTP_PROFILE_TEXT_SIZE + 8;
    char t[12][kGuarded];  // name host user password local remote www page fwType fwHost fwUser fwPassword
    WORD port = 7, timeout = 7, fwPort = 7;
    int passive = 7;
    explicit Buffers(const char* name) {
        std::memset(t, '#', sizeof t);
        for (auto& text : t) text[0] = '\0';
        strcpy(t[0], name);
    }
    int Init(HWND parent, bool firewall) {
        return Export<FTP_INITDLG_FN>(803)(parent, t[0], t[1], t[2], t[3], t[4], t[5], &port, &timeout, t[6], t[7],
                                           t[8], firewall ? t[9] : nullptr, firewall ? &fwPort : nullptr,
                                           firewall ? t[10] : nullptr, firewall ? t[11] : nullptr,
                                           firewall ? &passive : nullptr);
    }
};

// Section "Profile0" of the library's settings file, made anew.
void StoreProfile(std::initializer_list<std::pair<const char*, std::string>> keys) {
    const std::string ini = settings::LocateSettingsFile("ravoFtp.ini", settings::SystemSettingsFolders());
    WritePrivateProfileStringA("Profile0", nullptr, nullptr, ini.c_str());
    for (const auto& key : keys) WritePrivateProfileStringA("Profile0", key.first, key.second.c_str(), ini.c_str());
}

// The tabs of the dialog's sheet: their number and the last one's text.
std::string Tabs(HWND profileDialog) {
    HWND tabs = FindWindowExA(FindWindowExA(profileDialog, nullptr, "#32770", nullptr), nullptr, WC_TABCONTROLA, nullptr);
    char text[64] = "";
    TCITEMA item = {TCIF_TEXT, 0, 0, text, sizeof text, 0, 0};
    SendMessageA(tabs, TCM_GETITEMA, TabCtrl_GetItemCount(tabs) - 1, reinterpret_cast<LPARAM>(&item));
    return std::to_string(TabCtrl_GetItemCount(tabs)) + " " + text;
}

TEST(ProfileExports, SilentReadFollowsTheStoredProfile) {
    StoreProfile({});
    Buffers unknown("nobody");
    EXPECT_EQ(0, unknown.Init(nullptr, true));
    EXPECT_EQ("21 60 none 0", std::to_string(unknown.port) + " " + std::to_string(unknown.timeout) + " " + unknown.t[8] +
                                  " " + std::to_string(unknown.passive));
    // A time-out is written above 0; a port beyond 32000 never; texts cut to the buffers.
    for (const auto& c : std::vector<std::pair<const char*, WORD>>{{"0", 7}, {"3", 3}, {"abc", 7}}) {
        StoreProfile({{"Name", "Site"}, {"Host", std::string(600, 'h')}, {"Port", "40000"}, {"FW Passive", "1"},
                      {"Timeout", c.first}});
        Buffers b("site");
        EXPECT_EQ(1, b.Init(nullptr, true));
        EXPECT_EQ(c.second, b.timeout) << c.first;
        EXPECT_EQ("Site 259 7 1", std::string(b.t[0]) + " " + std::to_string(strlen(b.t[1])) + " " +
                                      std::to_string(b.port) + " " + std::to_string(b.passive));
        for (const auto& text : b.t) EXPECT_EQ('#', text[FTP_PROFILE_TEXT_SIZE]);
    }
    Buffers noHost("Site");
    EXPECT_EQ(0, Export<FTP_INITDLG_FN>(803)(nullptr, noHost.t[0], nullptr, noHost.t[2], noHost.t[3], noHost.t[4],
                                             noHost.t[5], &noHost.port, &noHost.timeout, noHost.t[6], noHost.t[7],
                                             noHost.t[8], nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(7, noHost.port);
}

// FTP_ProfDlg never shows the Firewall page, FTP_InitDlg with a firewall
// buffer shows all four; Cancel leaves the buffers alone, OK fills them
// (a stored time-out up to 5 is not written).
TEST(ProfileExports, PageSetsOfTheCallersAndTheirResults) {
    HWND owner = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    StoreProfile({{"Name", "Site"}, {"Host", "ftp.example"}, {"User", "ann"}, {"Timeout", "5"}});
    struct Case {
        bool firewall;
        int answer;
        const char* tabs;
    } const cases[] = {{false, IDCANCEL, "3 WWW Site"}, {true, IDOK, "4 Firewall"}};
    for (const Case& c : cases) {
        Buffers b("Site");
        MessageBoxReader boxes(IDCANCEL);  // none expected; never stuck behind one
        std::string tabs;
        DialogDriver driver("Connection Profile", [&](HWND dlg) {
            tabs = Tabs(dlg);
            DialogWatcher::Click(dlg, c.answer);
        });
        const int result = c.firewall ? b.Init(owner, true)
                                      : Export<FTP_PROFDLG_FN>(802)(owner, b.t[0], b.t[1], b.t[2], b.t[3], b.t[4],
                                                                    b.t[5], &b.port, &b.timeout, b.t[6], b.t[7]);
        driver.Stop();
        boxes.Stop();
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(c.tabs, tabs);
        EXPECT_EQ(c.answer == IDOK ? 1 : 0, result);
        EXPECT_EQ(c.answer == IDOK ? "ftp.example 21" : " 7", std::string(b.t[1]) + " " + std::to_string(b.port));
        EXPECT_EQ(7, b.timeout);
    }
    DestroyWindow(owner);
}

}  // namespace
