// Connect and disconnect through FTP Quill as a host runs it, against the
// bundled pyftpdlib server: the profile chosen in the Connect dialog the
// window opens with, the remote panel at its start folder, the log, and
// the way back to the local side.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "fake_server.h"
#include "ftp_main_dlg.h"
#include "ftp_session.h"
#include "session_ops.h"
#include "ftp_settings.h"
#include "quill_runner.h"
#include "settings_keys.h"
#include "test_files.h"
#include "test_servers.h"

namespace {

using quill::RunQuill;

std::string Text(HWND window, int id) { return DialogWatcher::ControlText(window, id); }

std::string Title(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Waits until the window's Connect button reads `caption` (up to 20 s).
bool WaitForButton(HWND window, const char* caption) {
    for (int i = 0; i < 2000; ++i, Sleep(10))
        if (Text(window, IDC_CONNECT) == caption) return true;
    return false;
}

// The profile "Quill test" of the pyftpdlib server, stored as the last one
// used, so that the Connect dialog opens on it.
void StoreProfile(const testservers::Server& server, const std::string& remote, const std::string& local,
                  const std::string& password, int port = 0) {
    FtpProfile profile;
    profile.m_name = "Quill test";
    profile.m_host = "127.0.0.1";
    profile.m_user = server.user;
    profile.m_password = password;
    profile.m_remoteFolder = remote;
    profile.m_localFolder = local;
    profile.m_port = std::to_string(port != 0 ? port : server.port);
    profile.m_timeout = "20";
    profile.m_fwType = "none";
    FtpSettings settings(settings::kSettingsFileName);
    settings.WriteProfile(profile);
    settings.FlushSettings();
}

TEST(QuillConnect, ARelativeStartFolderJoinsTheServersCurrentFolder) {
    struct Row {
        const char* profile;
        const char* current;
        const char* start;
    } const rows[] = {{"pub", "/home/u", "/home/u/pub"}, {" pub ", "/", "/pub"}, {"  ", "/home/u", "/home/u"},
                      {"pub", "/home/u/", "/home/u/pub"}};
    for (const Row& r : rows) EXPECT_EQ(r.start, CFtpMainDlg::StartFolderFor(r.profile, r.current)) << r.profile;
}

TEST(QuillConnect, TheSiteOpensAtTheProfilesStartFolder) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    ASSERT_NE(0, server.port);
    const std::string sub = "quill-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA((server.root + "\\" + sub).c_str(), nullptr);
    testfiles::TempFolder local;
    struct Row {
        std::string remote, shown;
    } const rows[] = {{"/" + sub, "/" + sub}, {sub, "/" + sub}, {"   ", "/"}};
    for (const Row& row : rows) {
        StoreProfile(server, row.remote, local.Root(), server.password);
        std::string top, bottom, title, log;
        quill::Run run;
        run.connect = IDOK;
        run.drive = [&](HWND window) {
            ASSERT_TRUE(WaitForButton(window, "Disc&onnect")) << row.remote;
            top = Text(window, IDC_TOP_PATH);
            bottom = Text(window, IDC_BOTTOM_PATH);
            title = Title(window);
            log = Text(window, IDC_LOG);
        };
        EXPECT_EQ(std::vector<std::string>{"Do you wish to exit?"}, RunQuill(run)) << row.remote;
        EXPECT_EQ(row.shown, top) << row.remote;
        EXPECT_EQ(local.Root(), bottom);
        EXPECT_NE(std::string::npos, title.find("127.0.0.1")) << title;
        for (const char* line : {"> USER ravo", "< 230", "~ Connected."})
            EXPECT_NE(std::string::npos, log.find(line)) << line << " in " << log;
        EXPECT_EQ(std::string::npos, log.find(server.password)) << "a password in the log";
    }
    RemoveDirectoryA((server.root + "\\" + sub).c_str());
}

// A wrong password: the message of the result code, and the window stays
// on the local side.
TEST(QuillConnect, AWrongPasswordShowsItsMessageAndStaysDisconnected) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    testfiles::TempFolder local;
    StoreProfile(server, "/", local.Root(), "wrong-pw");
    std::atomic<bool> shown{false};
    std::string button;
    quill::Run run;
    run.connect = IDOK;
    run.answer = [&](const std::string&) {
        shown = true;
        return IDOK;
    };
    run.drive = [&](HWND window) {
        for (int i = 0; i < 2000 && !shown; ++i) Sleep(10);
        Sleep(200);
        button = Text(window, IDC_CONNECT);
    };
    const std::vector<std::string> texts = RunQuill(run);
    ASSERT_EQ(2u, texts.size());
    EXPECT_EQ(0u, texts[0].find("An error has occurred for the FTP operation:\n  The password is incorrect."))
        << texts[0];
    EXPECT_EQ("C&onnect", button);
}

// Cancel in the Connect dialog saves nothing; a disconnect answered with
// Cancel keeps the site, with OK the top panel takes the bottom panel's
// folder and history.
TEST(QuillConnect, CancelKeepsEverythingAndDisconnectGivesTheLocalSideBack) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    testfiles::TempFolder local;
    StoreProfile(server, "/", local.Root(), server.password);
    quill::Run cancelled;
    cancelled.profile = [](HWND dialog) { DialogWatcher::SetControlText(dialog, IDC_PROFILE_NAME, "Never saved"); };
    RunQuill(cancelled);
    char sections[4096] = "";
    GetPrivateProfileSectionNamesA(sections, sizeof sections, quill::IniPath().c_str());
    for (const char* section = sections; *section != '\0'; section += strlen(section) + 1) {
        char name[64] = "";
        GetPrivateProfileStringA(section, "Name", "", name, sizeof name, quill::IniPath().c_str());
        EXPECT_STRNE("Never saved", name) << section;
    }
    char last[64] = "";
    GetPrivateProfileStringA("Defaults", "Last Profile", "", last, sizeof last, quill::IniPath().c_str());
    EXPECT_STREQ("Quill test", last);

    std::string afterCancel, afterOk, topItems, bottomItems;
    int answers = 0;
    quill::Run run;
    run.connect = IDOK;
    run.answer = [&](const std::string&) { return ++answers == 1 ? IDCANCEL : IDOK; };
    run.drive = [&](HWND window) {
        ASSERT_TRUE(WaitForButton(window, "Disc&onnect"));
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CONNECT, BN_CLICKED), 0);
        afterCancel = Text(window, IDC_CONNECT);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_CONNECT, BN_CLICKED), 0);
        afterOk = Text(window, IDC_CONNECT) + " " + Text(window, IDC_TOP_PATH);
        for (int id : {IDC_TOP_PATH, IDC_BOTTOM_PATH}) {
            HWND box = GetDlgItem(window, id);
            std::string& items = id == IDC_TOP_PATH ? topItems : bottomItems;
            for (LRESULT i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
                char item[MAX_PATH] = "";
                SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
                items += std::string(item) + "|";
            }
        }
    };
    const std::vector<std::string> texts = RunQuill(run);
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ("Do you wish to close the remote connection?", texts[0]);
    EXPECT_EQ("Disc&onnect", afterCancel);
    EXPECT_EQ("C&onnect " + local.Root(), afterOk);
    EXPECT_EQ(bottomItems, topItems);
}

// A server that greets and then says nothing: Escape ends the connect long
// before its 20-second time-out, with no message, on the local side.
TEST(QuillConnect, EscapeEndsAConnectToASilentServer) {
    fake::FakeServer silent({{fake::Action::kReply, "220 Silent"}, {fake::Action::kSilence, ""}});
    testfiles::TempFolder local;
    testservers::Server joe;
    joe.user = "joe";
    StoreProfile(joe, "/", local.Root(), "pw", silent.Port());
    std::string button;
    quill::Run run;
    run.connect = IDOK;
    run.drive = [&](HWND window) {
        Sleep(1000);
        PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        Sleep(500);
        button = Text(window, IDC_CONNECT);
    };
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(std::vector<std::string>{"Do you wish to exit?"}, RunQuill(run));
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ("C&onnect", button);
    silent.Stop();
}

// The server drops the connection while the window shows the site: the
// next folder change shows the closed-connection message and the window
// goes back to the local side.
TEST(QuillConnect, AConnectionClosedByTheServerFallsBackToTheLocalSide) {
    fake::FakeServer server(fake::LoggedIn({}));
    testfiles::TempFolder local;
    CFtpMainDlg dlg(nullptr);
    dlg.m_strInitialLocal = local.Root();
    dlg.Create(nullptr);
    TheSession().SetClockOffset(0, true);
    ASSERT_EQ(0, fake::LogIn(TheSession().Client(), server));
    dlg.m_top.m_bRemote = TRUE;
    server.Stop();
    const DWORD thread = GetCurrentThreadId();
    std::vector<std::string> texts;
    DialogWatcher boxes([thread] { return quill::MessageBoxOf(thread); },
                        [&](HWND box) {
                            texts.push_back(DialogWatcher::ControlText(box, 0xFFFF));
                            DialogWatcher::Click(box, IDOK);
                        },
                        true, 10000);
    dlg.m_top.ShowFolder("/pub");
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    boxes.Stop();
    ASSERT_EQ(1u, texts.size()) << "one message for one lost connection";
    EXPECT_NE(std::string::npos, texts[0].find("The remote connection has been closed.")) << texts[0];
    EXPECT_FALSE(dlg.m_top.m_bRemote);
    EXPECT_EQ(local.Root(), dlg.m_top.m_strPath);
    EXPECT_EQ("C&onnect", Text(dlg.m_hWnd, IDC_CONNECT));
    DestroyWindow(dlg.m_hWnd);
}

}  // namespace
