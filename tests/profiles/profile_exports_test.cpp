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

struct Exports {
    FTP_INITDLG_FN init = nullptr;
    FTP_PROFDLG_FN prof = nullptr;
    Exports() {
        HMODULE module = LoadLibraryA("ravoFtp.dll");
        init = reinterpret_cast<FTP_INITDLG_FN>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(803))));
        prof = reinterpret_cast<FTP_PROFDLG_FN>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(802))));
    }
};

// The caller's side: buffers of the documented size, with a guard after each.
struct Buffers {
    static constexpr size_t kGuarded = FTP_PROFILE_TEXT_SIZE + 8;
    char text[13][kGuarded];  // name host user password local remote www page fwType fwHost fwUser fwPassword spare
    WORD port = 7, timeout = 7, fwPort = 7;
    int passive = 7;
    explicit Buffers(const char* name) {
        std::memset(text, '#', sizeof text);
        for (auto& t : text) t[0] = '\0';
        strcpy(text[0], name);
    }
    int Init(const Exports& e, HWND parent, bool firewall) {
        return e.init(parent, text[0], text[1], text[2], text[3], text[4], text[5], &port, &timeout, text[6], text[7],
                      text[8], firewall ? text[9] : nullptr, firewall ? &fwPort : nullptr,
                      firewall ? text[10] : nullptr, firewall ? text[11] : nullptr, firewall ? &passive : nullptr);
    }
    bool GuardsIntact() const {
        for (const auto& t : text)
            if (t[FTP_PROFILE_TEXT_SIZE] != '#' || t[kGuarded - 1] != '#') return false;
        return true;
    }
};

std::string IniPath() { return settings::LocateSettingsFile("ravoFtp.ini", settings::SystemSettingsFolders()); }

void WriteStored(const char* key, const char* value) {
    WritePrivateProfileStringA("Profile0", key, value, IniPath().c_str());
}

// A host window for the interactive runs.
struct Owner {
    HWND hwnd = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPED, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ~Owner() { DestroyWindow(hwnd); }
};

std::vector<std::string> TabTexts(HWND profileDialog) {
    HWND tabs = FindWindowExA(FindWindowExA(profileDialog, nullptr, "#32770", nullptr), nullptr, WC_TABCONTROLA, nullptr);
    std::vector<std::string> texts;
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
        texts.push_back(text);
    }
    return texts;
}

TEST(ProfileExports, SilentReadFollowsTheStoredProfile) {
    Exports e;
    Buffers unknown("nobody");
    WritePrivateProfileStringA("Profile0", nullptr, nullptr, IniPath().c_str());
    EXPECT_EQ(0, unknown.Init(e, nullptr, true));
    EXPECT_EQ("21 60 none 0", std::to_string(unknown.port) + " " + std::to_string(unknown.timeout) + " " +
                                  unknown.text[8] + " " + std::to_string(unknown.passive));
    WritePrivateProfileStringA("Profile0", nullptr, nullptr, IniPath().c_str());
    WriteStored("Name", "Site");
    WriteStored("Host", std::string(600, 'h').c_str());  // longer than any buffer
    WriteStored("Port", "40000");
    WriteStored("FW Passive", "1");
    struct Case {
        const char* timeout;
        WORD expected;  // 7: left alone
    } const cases[] = {{"0", 7}, {"3", 3}, {"abc", 7}};
    for (const Case& c : cases) {
        WriteStored("Timeout", c.timeout);
        Buffers b("site");
        EXPECT_EQ(1, b.Init(e, nullptr, true));
        EXPECT_EQ(c.expected, b.timeout) << c.timeout;
        EXPECT_EQ("Site", std::string(b.text[0]));
        EXPECT_EQ(FTP_PROFILE_TEXT_SIZE - 1, strlen(b.text[1]));
        EXPECT_EQ(7, b.port);  // out of range: left alone
        EXPECT_EQ(1, b.passive);
        EXPECT_TRUE(b.GuardsIntact());
    }
    Buffers noHost("Site");
    EXPECT_EQ(0, e.init(nullptr, noHost.text[0], nullptr, noHost.text[2], noHost.text[3], noHost.text[4],
                        noHost.text[5], &noHost.port, &noHost.timeout, noHost.text[6], noHost.text[7], noHost.text[8],
                        nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(7, noHost.port);
}

// FTP_ProfDlg never shows the Firewall page, FTP_InitDlg with a firewall
// buffer shows all four; Cancel leaves the buffers alone, OK fills them
// (a stored time-out up to 5 is not written).
TEST(ProfileExports, PageSetsOfTheCallersAndTheirResults) {
    Exports e;
    Owner owner;
    WritePrivateProfileStringA("Profile0", nullptr, nullptr, IniPath().c_str());
    WriteStored("Name", "Site");
    WriteStored("Host", "ftp.example");
    WriteStored("User", "ann");
    WriteStored("Timeout", "5");
    struct Case {
        bool firewall;
        int answer;
        std::vector<std::string> tabs;
    } const cases[] = {{false, IDCANCEL, {"Remote Access", "General", "WWW Site"}},
                       {true, IDOK, {"Remote Access", "General", "WWW Site", "Firewall"}}};
    for (const Case& c : cases) {
        Buffers b("Site");
        MessageBoxReader boxes(IDCANCEL);  // none expected; never stuck behind one
        std::vector<std::string> tabs;
        DialogDriver driver("Connection Profile", [&](HWND dlg) {
            tabs = TabTexts(dlg);
            DialogWatcher::Click(dlg, c.answer);
        });
        const int result = c.firewall ? b.Init(e, owner.hwnd, true)
                                      : e.prof(owner.hwnd, b.text[0], b.text[1], b.text[2], b.text[3], b.text[4],
                                               b.text[5], &b.port, &b.timeout, b.text[6], b.text[7]);
        driver.Stop();
        boxes.Stop();
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_EQ(c.tabs, tabs);
        EXPECT_EQ(c.answer == IDOK ? 1 : 0, result);
        EXPECT_EQ(c.answer == IDOK ? "ftp.example" : "", std::string(b.text[1]));
        EXPECT_EQ(c.answer == IDOK ? 21 : 7, b.port);
        EXPECT_EQ(7, b.timeout);
    }
}

}  // namespace
