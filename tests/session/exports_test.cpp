// The exported FTP functions, loaded from ravoFtp.dll by ordinal as a host
// does, against the real servers of the CTest fixture.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "ravoFtp.h"
#include "resource.h"
#include "test_files.h"
#include "test_servers.h"

namespace {

// The DLL's functions, bound by ordinal.
struct Dll {
    HMODULE module = LoadLibraryA("ravoFtp.dll");
    template <typename Fn>
    Fn At(int ordinal) const {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
    }
    FTP_CONNECT_FN Connect = At<FTP_CONNECT_FN>(700);
    FTP_OPEN_FN Open = At<FTP_OPEN_FN>(701);
    FTP_CLOSE_FN Close = At<FTP_CLOSE_FN>(702);
    FTP_LIST_FN List = At<FTP_LIST_FN>(703);
    FTP_CHANGEDIR_FN ChangeDir = At<FTP_CHANGEDIR_FN>(704);
    FTP_PATH_FN MakeDir = At<FTP_PATH_FN>(705), RemoveDir = At<FTP_PATH_FN>(706), RemoveFile = At<FTP_PATH_FN>(707);
    FTP_TWO_PATHS_FN GetFile = At<FTP_TWO_PATHS_FN>(708), PutFile = At<FTP_TWO_PATHS_FN>(709),
                     Rename = At<FTP_TWO_PATHS_FN>(710), SendFile = At<FTP_TWO_PATHS_FN>(711),
                     ReceiveFile = At<FTP_TWO_PATHS_FN>(712);
    FTP_GETLASTMESSAGE_FN LastMessage = At<FTP_GETLASTMESSAGE_FN>(720);
    FTP_SETSECURITY_FN SetSecurity = At<FTP_SETSECURITY_FN>(713);
};

class Exports : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(nullptr, m_dll.LastMessage) << "ravoFtp.dll not found beside the test"; }
    void TearDown() override { m_dll.Close(); }

    int Connect(const testservers::Server& s, const char* password) {
        return m_dll.Connect(nullptr, "127.0.0.1", s.user.c_str(), password, s.port, 20, "none", nullptr, 0, nullptr,
                             nullptr, 1);
    }
    // Logs in and enters a folder of this test's own below the server root.
    void EnterOwnFolder(const testservers::Server& s) {
        ASSERT_NE(0, s.port) << "RAVO_TEST_SERVERS must name the running servers (run through CTest)";
        ASSERT_EQ(0, Connect(s, s.password.c_str()));
        m_folder = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        m_root = s.root + "/" + m_folder;
        std::filesystem::remove_all(m_root);
        std::filesystem::create_directories(m_root);
        ASSERT_EQ(0, m_dll.ChangeDir(("/" + m_folder).c_str(), nullptr, 0));
    }
    std::string LastMessage() {
        char text[4096];
        m_dll.LastMessage(text, sizeof text);
        return text;
    }

    Dll m_dll;
    std::string m_folder;
    std::string m_root;  // this test's folder, seen from the file system
};

// A refused password gives its code and the server's reply. An empty one is
// asked for in a box showing the server's 331 reply; a cancel there gives -4,
// no message and no connection. A multi-line welcome is shown after the login
// (a parent titled "Get ISP Profile" skips that box: session_tests log in so).
TEST_F(Exports, PasswordRefusedAskedForOrCancelledThenWelcomeShown) {
    EXPECT_EQ(-13, Connect(testservers::Load("vsftpd"), "wrong-password"));
    EXPECT_EQ(0u, LastMessage().rfind("530", 0)) << LastMessage();
    const auto s = testservers::Load("welcome");
    DialogDriver cancel("User Password", [](HWND dialog) { DialogDriver::Click(dialog, IDCANCEL); });
    EXPECT_EQ(-4, Connect(s, nullptr));
    cancel.Stop();
    EXPECT_TRUE(cancel.Seen());
    EXPECT_EQ("", LastMessage());
    char current[64] = "untouched";
    EXPECT_NE(0, m_dll.ChangeDir("", current, sizeof current)) << "the connection is closed";
    EXPECT_STREQ("", current);

    std::string asked, welcome;
    bool passwordHasFocus = false;
    DialogDriver password("User Password", [&](HWND dialog) {
        asked = DialogDriver::ControlText(dialog, IDC_SERVER_MESSAGE);
        passwordHasFocus = DialogDriver::FocusOf(dialog) == GetDlgItem(dialog, IDC_PASSWORD);
        DialogDriver::SetControlText(dialog, IDC_PASSWORD, s.password.c_str());
        DialogDriver::Click(dialog, IDOK);
    });
    DialogDriver information("Information", [&](HWND dialog) {
        welcome = DialogDriver::ControlText(dialog, IDC_SERVER_MESSAGE);
        DialogDriver::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(0, Connect(s, ""));
    password.Stop();
    information.Stop();
    EXPECT_TRUE(password.Seen() && information.Seen());
    EXPECT_EQ(0u, asked.rfind("331", 0)) << asked;
    EXPECT_TRUE(passwordHasFocus);
    EXPECT_NE(std::string::npos, welcome.find("Welcome to the sample site.\r\n220 Please be nice.")) << welcome;
}

// The walk goes one level down, keeps sizes past 4 GiB, comes back to the
// listed folder, and never writes past the caller's buffers.
TEST_F(Exports, ListWalksOneLevelWithFullSizesWithinItsBuffers) {
    const auto s = testservers::Load("pyftpdlib");
    EnterOwnFolder(s);
    testfiles::WriteFile(m_root + "/a.txt", "abc");
    std::filesystem::create_directories(m_root + "/sub/deeper");
    testfiles::WriteFile(m_root + "/sub/x.gif", "GIF");
    testfiles::WriteFile(m_root + "/sub/huge.iso", "");
    testfiles::WriteFile(m_root + "/sub/deeper/hidden.txt", "no");
    std::filesystem::resize_file(m_root + "/sub/huge.iso", 5368709120ULL);  // sparse
    static char folders[4096];
    static char files[4096];
    ASSERT_EQ(0, m_dll.List("size subname", folders, sizeof folders, files, sizeof files));
    const std::string listed = files;  // in the server's order
    for (const char* line : {"          3 a.txt\r\n", "5,368,709,120 sub/huge.iso\r\n", "          3 sub/x.gif\r\n"}) {
        EXPECT_NE(std::string::npos, listed.find(line)) << listed;  // 5 GiB: the full size, not the 32-bit one
    }
    EXPECT_EQ(3, std::count(listed.begin(), listed.end(), '\n')) << listed;
    char current[256];
    m_dll.ChangeDir(nullptr, current, sizeof current);
    EXPECT_EQ("/" + m_folder, std::string(current)) << "the walk returns to the folder it listed";

    for (int size : {0, 1, 8, 40, 100}) {
        std::vector<char> few(static_cast<size_t>(size) + 16, '\xAB');
        std::vector<char> cut(static_cast<size_t>(size) + 16, '\xCD');
        EXPECT_EQ(0, m_dll.List("attr date time size subname", few.data(), size, cut.data(), size));
        EXPECT_EQ(16, std::count(few.begin() + size, few.end(), '\xAB')) << "folder text overrun: " << size;
        EXPECT_EQ(16, std::count(cut.begin() + size, cut.end(), '\xCD')) << "file text overrun: " << size;
        if (size == 0) continue;
        ASSERT_NE(nullptr, std::memchr(cut.data(), '\0', static_cast<size_t>(size))) << size;
        const std::string text = cut.data();
        EXPECT_TRUE(text.empty() || text.rfind("\r\n") == text.size() - 2) << "whole lines only: " << text;
    }
}

TEST_F(Exports, PathOperations) {
    const auto s = testservers::Load("pyftpdlib");
    EnterOwnFolder(s);
    ASSERT_EQ(0, m_dll.MakeDir("outer"));
    ASSERT_EQ(0, m_dll.MakeDir("outer\\inner"));  // reaches the server as outer/inner
    EXPECT_EQ(-17, m_dll.RemoveDir("outer"));      // not empty
    EXPECT_EQ(0, m_dll.RemoveDir("outer\\inner"));
    EXPECT_EQ(0, m_dll.RemoveDir("outer"));

    // A rename takes only the last elements: "one.txt" here becomes "two.txt" here.
    testfiles::WriteFile(m_root + "/one.txt", "1");
    EXPECT_EQ(0, m_dll.Rename("/elsewhere/one.txt", "/another/two.txt"));
    EXPECT_EQ(0, m_dll.RemoveFile("two.txt"));
    EXPECT_FALSE(std::filesystem::exists(m_root + "/two.txt"));

    // ChangeDir sends the path as given; a failure still reports the folder.
    std::filesystem::create_directories(m_root + "/a/b");
    char current[256] = "";
    EXPECT_NE(0, m_dll.ChangeDir("a\\b", current, sizeof current));
    EXPECT_EQ("/" + m_folder, std::string(current));
    char small[6];
    std::memset(small, 'z', sizeof small);
    EXPECT_EQ(0, m_dll.ChangeDir("a", small, 5));
    EXPECT_EQ(std::string("/" + m_folder).substr(0, 4), std::string(small));
    EXPECT_EQ('z', small[5]);
}

// An unknown level leaves the one set: "required" stops at a plain server.
TEST_F(Exports, SetSecurityHoldsForLaterConnects) {
    ASSERT_EQ(0, m_dll.SetSecurity(FTP_SECURITY_REQUIRED));
    for (int bad : {-1, 3, 0x10002}) EXPECT_EQ(-3, m_dll.SetSecurity(bad)) << bad;
    EXPECT_EQ(FTP_RESULT_TLS_NOT_OFFERED, Connect(testservers::Load("pyftpdlib"), "pw"));
    EXPECT_EQ(0, m_dll.SetSecurity(FTP_SECURITY_PLAIN));
}

TEST_F(Exports, BadArgumentsNeverCrash) {
    EXPECT_NE(0, m_dll.Connect(nullptr, nullptr, nullptr, nullptr, 0, 1, nullptr, nullptr, 0, nullptr, nullptr, 0));
    EXPECT_NE(0, m_dll.Open(nullptr, "", nullptr, nullptr, -1, -1));
    EXPECT_NE(0, m_dll.List(nullptr, nullptr, 100, nullptr, -5));
    EXPECT_NE(0, m_dll.ChangeDir(nullptr, nullptr, 100));  // not connected
    for (FTP_PATH_FN f : {m_dll.MakeDir, m_dll.RemoveDir, m_dll.RemoveFile}) EXPECT_NE(0, f(nullptr));
    for (FTP_TWO_PATHS_FN f : {m_dll.GetFile, m_dll.PutFile, m_dll.Rename, m_dll.SendFile, m_dll.ReceiveFile}) {
        EXPECT_NE(0, f(nullptr, "x"));
        EXPECT_NE(0, f("x", nullptr));
    }
    // A joined path over 255 characters is refused before anything is sent.
    const std::string tooLong(300, 'n');
    for (FTP_TWO_PATHS_FN f : {m_dll.SendFile, m_dll.ReceiveFile}) EXPECT_EQ(-26, f("x", tooLong.c_str()));
    EXPECT_NE(0, m_dll.LastMessage(nullptr, 10));
    char guarded[8] = "guard!";
    EXPECT_NE(0, m_dll.LastMessage(guarded, -1));
    EXPECT_NE(0, m_dll.List("name", guarded, -1, guarded, -65536));  // not connected
    EXPECT_NE(0, m_dll.ChangeDir("", guarded, -1));
    EXPECT_STREQ("guard!", guarded) << "negative sizes allow no writing at all";
    EXPECT_EQ(0, m_dll.Close());
}

}  // namespace
