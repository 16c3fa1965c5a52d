// The remote panel: listings and tree walks against a scripted server (for
// exact commands and what no real server sends), one prepared tree on a
// real server, the web view through a shell seam.
#include <gtest/gtest.h>

#include <chrono>

#include "fake_server.h"
#include "ftp_session.h"
#include "message_box_reader.h"
#include "module.h"
#include "panel_fixture.h"
#include "resource.h"
#include "session_ops.h"
#include "test_servers.h"

namespace {

using fake::Action;
using fake::Answer;
using Steps = std::vector<fake::Step>;

Steps Listing(const std::string& data) {
    return {{Action::kExpectPasv, ""}, Answer("150 Listing"), {Action::kSendData, data}, {Action::kReply, "226 Done"}};
}
Steps Cd(const std::string& folder) { return {Answer("250 OK"), Answer("257 \"" + folder + "\"")}; }
Steps operator+(Steps a, const Steps& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
std::string Line(const std::string& mode, const std::string& name, const std::string& size = "5") {
    return mode + " 1 u g " + size + " Jan 05 10:00 " + name + "\r\n";
}
std::string Dir(const std::string& name) { return Line("drwxr-xr-x", name); }
std::string File(const std::string& name, const std::string& size = "5") { return Line("-rw-r--r--", name, size); }

// The top panel of a hidden host, on a session logged in to a scripted
// server; After() gives the commands that came after the login's USER.
struct Scripted {
    explicit Scripted(const Steps& steps) : server(fake::LoggedIn(steps)) {
        TheSession().SetClockOffset(0, true);  // no probe: the script is exact
        EXPECT_EQ(0, fake::LogIn(TheSession().Client(), server));
        TheSession().Client().SetWaitCallback(OnServerWait);
        host.dlg.m_top.m_bRemote = TRUE;
    }
    ~Scripted() { server.Stop(), TheSession().Client().Close(); }
    std::vector<std::string> After() { auto all = server.Commands(); return {all.begin() + 1, all.end()}; }
    fake::FakeServer server;
    PanelHost host;
};

TEST(RemotePanel, ListedTimesAndPaths) {
    const SYSTEMTIME now = {2026, 7, 0, 15, 13, 45, 30, 500};
    // year, month, day, hour as listed; then as shown (seconds always 0)
    for (const std::vector<int>& r : {std::vector<int>{0, 0, 3, 9, 2026, 7, 3, 9}, {2001, 2, 0, 24, 2001, 2, 1, 0},
                                      {2001, 2, 30, 5, 2026, 7, 15, 0}}) {
        const CUT_DIRINFO record = {"f", 0, r[2], r[1], r[0], r[3], 7, 0, 0};
        const FILETIME listed = RemoteListedTime(record, now);
        SYSTEMTIME t;
        FileTimeToSystemTime(&listed, &t);
        EXPECT_EQ((std::vector<int>{r[4], r[5], r[6], r[7], 0}),
                  (std::vector<int>{t.wYear, t.wMonth, t.wDay, t.wHour, t.wSecond}));
    }
    // Paths: disconnected, the local rules; connected, "/".
    PanelHost host;
    CFtpRemoteFileList& top = host.dlg.m_top;
    EXPECT_EQ("C:\\web\\a.htm", top.MakePath("C:\\web", "a.htm"));
    std::string local = "C:\\web\\img";
    EXPECT_TRUE(top.GetParentPath(local) && local == "C:\\web");
    top.m_bRemote = TRUE;
    struct Row { std::string path; BOOL has; std::string parent; };
    for (const Row& r :
         {Row{"/pub", TRUE, "/"}, Row{"/", FALSE, "/"}, Row{"pub", FALSE, "pub"}, Row{"/a/b", TRUE, "/a"}}) {
        std::string path = r.path;
        EXPECT_TRUE(top.GetParentPath(path) == r.has && path == r.parent) << r.path;
    }
    EXPECT_EQ("/a /a /pub/a", top.MakePath("", "a") + " " + top.MakePath("/", "a") + " " + top.MakePath("/pub", "a"));
}

TEST(RemotePanel, ParentRowNeverAtTheRootAndOnceElsewhere) {
    struct Row { std::string folder, listing; std::vector<std::string> rows; };
    for (const Row& r : {Row{"/", Dir("..") + Dir(".") + File("a"), {"a"}},
                         Row{"/pub", File("a"), {"..", "a"}},
                         Row{"/pub", Dir(".") + Dir("..") + Dir("..") + File("a"), {"..", "a"}},
                         Row{"/pub", Line("lrwxrwxrwx", "l -> /etc") + File("big.iso", "5368709120"),
                             {"..", "l", "big.iso"}}}) {
        Scripted s(Cd(r.folder) + Listing(r.listing));
        s.host.dlg.m_top.ShowFolder(r.folder);
        EXPECT_EQ(r.rows, RowNames(s.host.dlg.m_top)) << r.listing;
        EXPECT_EQ((std::vector<std::string>{"CWD " + r.folder, "PWD", "PASV", "LIST"}), s.After());
        if (r.listing.find("big.iso") == std::string::npos) continue;
        EXPECT_EQ("<link>", s.host.dlg.m_top.EntryAt(1)->strSize);
        EXPECT_EQ(5368709120LL, s.host.dlg.m_top.EntryAt(2)->nSize);
        EXPECT_EQ("5,368,709,120", s.host.dlg.m_top.EntryAt(2)->strSize);
    }
}

TEST(RemotePanel, EscapeEndsAWaitOnTheServer) {
    Scripted s({{Action::kPause, "3000"}, Answer("250 OK")});
    const auto before = std::make_pair(RowNames(s.host.dlg.m_top), s.host.dlg.m_top.m_strPath);
    PostMessageA(s.host.dlg.m_hWnd, CFtpPanelHostDlg::kPingMessage, 0, 0);  // not handled during the wait
    PostMessageA(GetDlgItem(s.host.dlg.m_hWnd, IDC_STOP), WM_KEYDOWN, VK_ESCAPE, 1);
    const auto start = std::chrono::steady_clock::now();
    s.host.dlg.m_top.ShowFolder("/slow");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1000));
    EXPECT_EQ(before, std::make_pair(RowNames(s.host.dlg.m_top), s.host.dlg.m_top.m_strPath));  // as it was
    EXPECT_EQ(0, s.host.dlg.m_nPings);
}

TEST(RemotePanel, EscapeStopsAWalkOfQuickCommands) {
    std::string listing;
    Steps deletes;
    for (int i = 0; i < 200; ++i) listing += File("f" + std::to_string(i));
    for (int i = 0; i < 200; ++i) deletes = deletes + Steps{{Action::kPause, "20"}, Answer("250 Gone")};
    Scripted s(Steps{Answer("257 \"/\"")} + Cd("/t") + Listing(listing) + deletes);
    PostMessageA(GetDlgItem(s.host.dlg.m_hWnd, IDC_STOP), WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_EQ(-4, s.host.dlg.m_top.RemoveFolder("/t"));
    EXPECT_LT(s.After().size(), 40u);
}

// Names that are not plain names are never followed or deleted; links go
// as links; the session comes back to where it was and lists it.
TEST(RemotePanel, RecursiveDeleteStaysInsideTheTree) {
    const std::string listing = Dir("sub") + File("f") + Line("lrwxrwxrwx", "l -> /etc") +
                                File("a\\b") + Dir("c:x") + Dir("..") + Dir(".");
    Scripted s(Steps{Answer("257 \"/\"")} + Cd("/t") + Listing(listing) + Cd("/t/sub") + Listing("") + Cd("/t") +
               Steps{Answer("250 Gone"), Answer("250 Gone"), Answer("250 Gone")} + Cd("/") +
               Steps{Answer("250 Gone")} + Listing(""));
    EXPECT_EQ(0, s.host.dlg.m_top.RemoveFolder("/t"));
    EXPECT_EQ((std::vector<std::string>{"PWD", "CWD /t", "PWD", "PASV", "LIST", "CWD /t/sub", "PWD", "PASV", "LIST",
                                        "CWD /t", "PWD", "RMD /t/sub", "DELE /t/f", "DELE /t/l", "CWD /", "PWD",
                                        "RMD /t", "PASV", "LIST"}), s.After());
}

TEST(RemotePanel, FolderSizeStopsAtAFolderThatContainsItself) {  // the server names it again
    Scripted s(Steps{Answer("257 \"/\"")} + Cd("/loop") + Listing(File("f", "3000000000") + Dir("loop")) +
               Cd("/loop") + Cd("/") + Listing(""));
    uint64_t total = 0;
    s.host.dlg.m_top.GetFolderSize("/loop", total);
    EXPECT_EQ(3000000000u, total);
    EXPECT_EQ((std::vector<std::string>{"PWD", "CWD /loop", "PWD", "PASV", "LIST", "CWD /loop/loop", "PWD", "CWD /",
                                        "PWD", "PASV", "LIST"}), s.After());
}

TEST(RemotePanel, BlanksQuestionOncePerListingAndCancelTransfersNothing) {
    testfiles::TempFolder folder;
    const std::string source = folder.Path("my page.htm");
    testfiles::WriteFile(source, "<p>hi</p>\r\n");
    const Steps upload = {{Action::kExpectPasv, ""}, Answer("150 Send"), {Action::kReceiveData, ""},
                          {Action::kReply, "226 Done"}};
    Scripted s(Steps{Answer("200 Type set")} + upload + upload);
    for (int answer : {IDCANCEL, IDOK}) {  // then no question for the second upload
        MessageBoxReader boxes(answer);
        for (int i = answer == IDOK ? 2 : 1; i > 0; --i)
            EXPECT_EQ(answer == IDOK ? 0 : -4, s.host.dlg.m_top.PutFile(source, "/my page.htm"));
        boxes.Stop();
        ASSERT_EQ(1u, boxes.Boxes().size());
        EXPECT_EQ(LoadResourceString(IDS_ASK_SPACES), boxes.Boxes()[0].text);
    }
    EXPECT_EQ((std::vector<std::string>{"TYPE A", "PASV", "STOR /my page.htm", "PASV", "STOR /my page.htm"}),
              s.After());
}

TEST(RemotePanel, WebViewOpensTheFileThroughTheSiteAddress) {
    static std::string opened;
    CFtpFileList::s_pShellOpen = [](HWND, const char* file, const char* more) -> INT_PTR {
        return opened = std::string(file) + (more ? std::string(" ") + more : ""), 33;
    };
    PanelHost host;
    CFtpRemoteFileList& top = host.dlg.m_top;
    top.m_bRemote = TRUE;
    top.m_strSiteUrl = "http://site.test";
    top.m_strSiteFolder = "/www";
    struct Row { std::string folder, url; };
    for (const Row& r : {Row{"/www/img", "http://site.test/img/a.gif"}, Row{"/", "http://site.test/../a.gif"},
                         Row{"/www", "http://site.test/a.gif"}, Row{"/wwwx/img", "http://site.test/../wwwx/img/a.gif"},
                         Row{"\\www\\img\\", "http://site.test/img/a.gif"}}) {
        top.m_strPath = r.folder;
        EXPECT_TRUE(top.ViewFile("a.gif"));
        EXPECT_EQ("[InternetShortcut]\r\nURL=" + r.url + "\r\n", testfiles::ReadFile(opened)) << r.folder;
        EXPECT_EQ("tmp.url", opened.substr(opened.size() - 7));
    }
    // Without an address the file is downloaded, but never by a name that
    // would leave the temporary folder: nothing is asked or opened.
    top.m_strSiteUrl.clear();
    opened.clear();
    MessageBoxReader boxes(IDOK);
    EXPECT_EQ(-4, top.ViewFile("..\\evil.exe"));
    boxes.Stop();
    EXPECT_TRUE(boxes.Boxes().empty() && opened.empty());
    // The local view, through the same seam: a package file goes to Notepad.
    top.m_bRemote = FALSE;
    top.m_strPath = "C:\\Web";
    using Opened = std::pair<std::string, std::string>;  // name, what opens
    for (const Opened& r : {Opened{"X.Pkg", "NOTEPAD.EXE c:\\web\\x.pkg"}, Opened{"A.htm", "c:\\web\\a.htm"}}) {
        EXPECT_TRUE(top.ViewFile(r.first));
        EXPECT_EQ(r.second, opened);
    }
    CFtpFileList::s_pShellOpen = ShellOpenDefault;
}

// A prepared tree on a real server: a 5 GiB file sorts and sums in 64 bits,
// and the recursive delete removes the whole tree.
TEST(RemotePanel, SizeAndDeleteOfATreeOnARealServer) {
    const testservers::Server server = testservers::Load("pyftpdlib");
    const std::string name = "remote-tree-" + std::to_string(GetCurrentProcessId());
    const std::string root = server.root + "\\" + name;
    for (const char* folder : {"", "\\sub", "\\sub\\deep"}) CreateDirectoryA((root + folder).c_str(), nullptr);
    ASSERT_TRUE(MakeSparseFile(root + "\\big.iso", 5368709120LL));
    MakeFile(root + "\\small.txt", 100);
    MakeFile(root + "\\sub\\deep\\x.txt", 1);
    PanelHost host;
    ASSERT_EQ(0, host.dlg.ConnectTop("127.0.0.1", server.port, server.user, server.password, "/" + name));
    uint64_t total = 0;
    host.dlg.m_top.GetFolderSize("/" + name, total);
    EXPECT_EQ(5368709120ull + 101, total);
    EXPECT_EQ(0, host.dlg.m_top.RemoveFolder("/" + name));  // from inside it: the session goes up first
    EXPECT_FALSE(Exists(root));
}

}  // namespace
