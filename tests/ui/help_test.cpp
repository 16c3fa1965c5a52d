// Help in the file manager and the profile dialog, seen through a recorder in
// the viewer's place: the library's own help file, built beside ravoFtp.dll,
// on the topic of what is shown.
#include <gtest/gtest.h>

#include <string>

#include "current_settings.h"
#include "ftp_application.h"
#include "ftp_help.h"
#include "ftp_main_dlg.h"
#include "ftp_profile_dlg.h"
#include "test_folders.h"

namespace {

std::string g_asked;  // "file context" of each request
void Record(HWND, const char* file, int context) { g_asked += std::string(file) + " " + std::to_string(context); }

TEST(Help, AsksForTheLibrarysFileOnTheTopicShown) {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    const std::string folder = std::string(exe).substr(0, std::string(exe).find_last_of('\\') + 1);
    bool kind = true;
    const auto exists = [](const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; };
    const std::string file = ChooseHelpPath(folder + "ravoFtp.dll", exists, &kind);
    ASSERT_EQ(folder + "ravoFtp.chm", file);  // the build puts it beside the DLL

    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    CFtpMainDlg manager{nullptr};
    manager.Create(nullptr);
    using P = CFtpProfileDlg;
    struct Case {
        int wwwPage, page;  // of the profile dialog; -1: the file manager
        bool kind;
        UINT command;
        int context;
    } const cases[] = {{-1, -1, true, IDHELP, 0},         {-1, -1, false, IDHELP, 3},
                       {1, P::kRemoteAccess, true, IDHELP, 7}, {1, P::kGeneral, true, P::kHelpCommand, 8},
                       {1, P::kWwwSite, true, IDHELP, 9},      {1, P::kFirewall, true, IDHELP, 10},
                       {0, P::kFirewall, true, IDHELP, 10},    {1, P::kGeneral, false, IDHELP, 3}};
    const HelpViewer before = SetHelpViewer(Record);
    for (const Case& c : cases) {
        P profile{nullptr};
        profile.m_showWwwPage = c.wwwPage;
        if (c.wwwPage >= 0) {
            profile.Create(nullptr);
            profile.ActivatePage(c.page);
        }
        TheApplication().m_strHelpPath = file;
        TheApplication().m_bHelpKind = c.kind;
        g_asked.clear();
        SendMessageA(c.wwwPage >= 0 ? profile.m_hWnd : manager.m_hWnd, WM_COMMAND, c.command, 0);
        EXPECT_EQ(file + " " + std::to_string(c.context), g_asked) << c.wwwPage << " " << c.page << " " << c.kind;
        if (profile.m_hWnd != nullptr) DestroyWindow(profile.m_hWnd);
    }
    SetHelpViewer(before);
    DestroyWindow(manager.m_hWnd);
}

}  // namespace
