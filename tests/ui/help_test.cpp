// Help in the file manager and in the profile dialog: which help file and
// topic the viewer is asked for, seen through a recorder in the viewer's
// place. The file is the one the build puts beside ravoFtp.dll.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_help.h"
#include "ftp_main_dlg.h"
#include "ftp_profile_dlg.h"
#include "test_folders.h"

namespace {

struct Asked {
    std::string file;
    int context;
};
std::vector<Asked> g_asked;

void Record(HWND, const char* file, int context) { g_asked.push_back({file, context}); }

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// The help file the library picks when it is ravoFtp.dll in this folder.
std::string LibraryHelpFile() {
    bool kind = true;
    return ChooseHelpPath(
        ProgramFolder() + "ravoFtp.dll",
        [](const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, &kind);
}

// Help goes to the library's help file with the given kind, and to the recorder.
struct HelpScope {
    HelpViewer before = SetHelpViewer(Record);
    explicit HelpScope(bool kind, const std::string& file = LibraryHelpFile()) {
        TheApplication().m_strHelpPath = file;
        TheApplication().m_bHelpKind = kind;
        g_asked.clear();
    }
    ~HelpScope() { SetHelpViewer(before); }
    // What the single request asked, "file context"; "none" when nothing was asked.
    static std::string Asked() {
        if (g_asked.size() != 1) return g_asked.empty() ? "none" : "several";
        return g_asked[0].file + " " + std::to_string(g_asked[0].context);
    }
};

TEST(Help, TheLibrarysHelpFileIsBuiltBesideIt) {
    EXPECT_EQ(ProgramFolder() + "ravoFtp.chm", LibraryHelpFile());
}

// The file manager's Help: the contents, or topic 3 when only the
// publishing tool's help is there.
TEST(Help, MainWindowAsksForTheContentsOrThePublishingToolsTopic) {
    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    CFtpMainDlg dlg{nullptr};
    dlg.Create(nullptr);
    for (const auto& c : {std::make_pair(true, 0), std::make_pair(false, 3)}) {
        HelpScope help(c.first);
        SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
        EXPECT_EQ(LibraryHelpFile() + " " + std::to_string(c.second), HelpScope::Asked()) << c.first;
    }
    {
        HelpScope help(true, ProgramFolder() + "missing.chm");  // no file: a beep, no viewer
        SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
        EXPECT_EQ("none", HelpScope::Asked());
    }
    DestroyWindow(dlg.m_hWnd);
}

// The profile dialog's Help and F1 ask for the topic of the page shown.
TEST(Help, ProfileDialogAsksForThePageShown) {
    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    struct Case {
        int wwwPage;
        int page;
        bool kind;
        int context;
    } const cases[] = {
        {1, CFtpProfileDlg::kRemoteAccess, true, 7}, {1, CFtpProfileDlg::kGeneral, true, 8},
        {1, CFtpProfileDlg::kWwwSite, true, 9},      {1, CFtpProfileDlg::kFirewall, true, 10},
        {0, CFtpProfileDlg::kFirewall, true, 10},    {1, CFtpProfileDlg::kGeneral, false, 3},
    };
    for (const Case& c : cases) {
        CFtpProfileDlg dlg{nullptr};
        dlg.m_showWwwPage = c.wwwPage;
        dlg.Create(nullptr);
        dlg.ActivatePage(c.page);
        for (UINT command : {static_cast<UINT>(IDHELP), CFtpProfileDlg::kHelpCommand}) {
            HelpScope help(c.kind);
            SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
            EXPECT_EQ(LibraryHelpFile() + " " + std::to_string(c.context), HelpScope::Asked())
                << c.wwwPage << " " << c.page << " " << c.kind << " " << command;
        }
        DestroyWindow(dlg.m_hWnd);
    }
}

}  // namespace
