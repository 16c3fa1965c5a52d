// Session state that hosts cannot see through the exports, calls made from
// inside a running call, and what the session sends to a scripted server.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "fake_server.h"
#include "file_time.h"
#include "ftp_session.h"
#include "ravoFtp.h"
#include "session_ops.h"
#include "size_text.h"
#include "test_files.h"
#include "test_servers.h"

namespace {

// Records what the session writes to the file manager's log.
class RecordingLog : public IFtpLogWindow {
public:
    void AppendLogLine(const char* text, int kind) override {
        if (enabled) lines.push_back(std::to_string(kind) + " " + text);
    }
    void EnableLogOutput(bool enable) override { enabled = enable; }
    int ShowTransferProgress(unsigned long, int) override { return 0; }
    std::vector<std::string> lines;
    bool enabled = true;
};

// Connects with a parent titled as the host's profile reader, which skips
// the welcome box of servers that greet with several lines.
int Connect(const testservers::Server& s, const std::string& user, const std::string& password, int timeout = 20) {
    HWND reader = CreateWindowA("STATIC", "Get ISP Profile", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
    const int r = FTP_Connect(reader, "127.0.0.1", user.c_str(), password.c_str(), s.port, timeout, "none", nullptr, 0,
                              nullptr, nullptr, 1);
    DestroyWindow(reader);
    return r;
}

// Local time minus UTC now, in 100-ns units: listed times are UTC here.
int64_t LocalMinusUtc() {
    FILETIME utc;
    GetSystemTimeAsFileTime(&utc);
    return FileTimeToInt64(LocalNow()) - FileTimeToInt64(utc);
}

constexpr int64_t kSecond = 10000000LL;
constexpr int64_t kMinute = 60 * kSecond;

// The log shows the probe's note but none of its lines, and no password.
// The probe lists its file alone (single-file listing) unless the time-out
// given to FTP_Connect is divisible by 59.
TEST(ClockProbe, ServerAnHourAheadGivesMinusOneHour) {
    const auto s = testservers::Load("shifted");
    ASSERT_NE(0, s.port);
    RecordingLog log;
    TheSession().SetLogWindow(&log);
    TheSession().Client().SetCallbackTrace(OnProtocolTrace);
    ASSERT_EQ(0, Connect(s, s.user, s.password, 60));
    EXPECT_TRUE(TheSession().SingleFileListing());
    TheSession().SetLogWindow(nullptr);
    ASSERT_TRUE(TheSession().OffsetMeasured());
    // Listings give minutes, MDTM the seconds: the offset is exact to the second.
    const int64_t expected = -36000000000LL + LocalMinusUtc();
    EXPECT_LE(std::llabs(GetClockOffset() - expected), 2 * kSecond);
    EXPECT_STREQ("", TheSession().LastMessage()) << "the probe leaves no message behind";
    ASSERT_GE(log.lines.size(), 5u);
    EXPECT_EQ("0 Connecting...", log.lines.front());
    EXPECT_EQ("0 Connected.", log.lines.back());
    EXPECT_EQ("0 Checking time diference...", log.lines[log.lines.size() - 2]);
    EXPECT_EQ(1, std::count(log.lines.begin(), log.lines.end(), "1 PASS ********"));
    for (const std::string& line : log.lines) {
        EXPECT_TRUE(line.find("testfile") == std::string::npos && line.find(s.password) == std::string::npos) << line;
    }
    ASSERT_EQ(0, Connect(s, s.user, s.password, 118));
    EXPECT_FALSE(TheSession().SingleFileListing());
    FTP_Close();
}

// A clock 20 s ahead on a server that lists minutes: MDTM's seconds make
// the offset exact (from the minutes alone it would be -1 min or 0).
TEST(ClockProbe, ServerClockSecondsAheadIsMeasuredToTheSecond) {
    const auto s = testservers::Load("fastclock");
    ASSERT_EQ(0, Connect(s, s.user, s.password, 60));
    EXPECT_LE(std::llabs(GetClockOffset() - (LocalMinusUtc() - 20 * kSecond)), 2 * kSecond) << GetClockOffset();
    FTP_Close();
}

std::vector<std::string> g_sent;
void RecordSent(const char* text, int kind) {
    if (kind == 1) g_sent.push_back(text);
}
bool IsListing(const std::string& command) {
    return command.rfind("LIST", 0) == 0 || command.rfind("MLSD", 0) == 0 || command.rfind("NLST", 0) == 0;
}

// The user's own testfile.txt, remote and beside the program, survives.
// Until it has measured, the probe runs in every folder entered, and checks
// its name with one command: never with a listing of a folder that may be huge.
TEST(ClockProbe, ReadOnlyLoginFolderThenWritableFolderKeepsTheUsersFiles) {
    const auto s = testservers::Load("welcome");
    ASSERT_NE(0, s.port);
    const std::string writable = s.root + "/writable";
    std::filesystem::create_directories(writable);
    testfiles::WriteFile(writable + "/testfile.txt", "the user's own file");
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string besideProgram = std::filesystem::path(exe).parent_path().string() + "\\testfile.txt";
    testfiles::WriteFile(besideProgram, "a local file of the same name");
    RecordingLog log;  // with a log window the session keeps the trace set here
    TheSession().SetLogWindow(&log);
    TheSession().Client().SetCallbackTrace(RecordSent);
    ASSERT_EQ(0, Connect(s, "reader", "reader-pw"));
    EXPECT_FALSE(TheSession().OffsetMeasured());
    EXPECT_EQ(0, GetClockOffset());
    char folder[256];
    EXPECT_NE(0, FTP_ChangeDir("no-such-folder", folder, sizeof folder));
    EXPECT_FALSE(TheSession().OffsetMeasured()) << "no probe after a failed change";
    ASSERT_EQ(0, FTP_ChangeDir("writable", folder, sizeof folder));
    TheSession().SetLogWindow(nullptr);
    EXPECT_TRUE(TheSession().OffsetMeasured());
    EXPECT_LE(std::llabs(GetClockOffset() - LocalMinusUtc()), kMinute);
    EXPECT_EQ("the user's own file", testfiles::ReadFile(writable + "/testfile.txt"));
    EXPECT_EQ("a local file of the same name", testfiles::ReadFile(besideProgram));
    auto entries = std::filesystem::directory_iterator(writable);
    EXPECT_EQ(1, std::distance(begin(entries), end(entries))) << "no probe file is left behind";
    std::filesystem::remove(besideProgram);
    // One listing: the measurement's, after its upload. Names are checked with one command each.
    const auto upload = std::find(g_sent.begin(), g_sent.end(), "STOR /writable/testfile1.txt");
    EXPECT_EQ(upload, std::find_if(g_sent.begin(), upload, IsListing)) << "a listing before the upload";
    EXPECT_EQ(1, std::count_if(g_sent.begin(), g_sent.end(), IsListing));
    EXPECT_EQ(2, std::count(g_sent.begin(), g_sent.end(), "MLST testfile.txt")) << "a name check in each folder";
    EXPECT_EQ(0, std::count(g_sent.begin(), g_sent.end(), "MDTM testfile1.txt")) << "MLSD gives the seconds";
    FTP_Close();
}

TEST(SingleFileListing, OnlyAPallixGreetingClearsIt) {
    const struct { const char* text; int kind; bool pallix; } lines[] = {
        {"220 Pallix FTP server ready", 1, false},  // a line sent
        {"230 Pallix FTP welcomes you", 2, false},  // not a greeting
        {"220Pallix FTP", 2, false},                // the name must follow the code's field
        {"220-Pallix FTP 4.1 ready", 2, true}, {"220 ready (Pallix FTP)", 2, true}};
    for (const auto& l : lines) EXPECT_EQ(l.pallix, GreetsAsPallix(l.text, l.kind)) << l.text;
}

TEST(TransferType, ChosenByExtensionOrContent) {
    // content empty: the file is not created; expected 0 ASCII, 1 binary
    const struct { const char* file; std::string content; int direction; int expected; } cases[] = {
        {"page.htm", "", kDownload, 0}, {"README", "", kDownload, 1},
        {"PAGE.HTM", "", kDownload, 1},               // the download list is case-sensitive
        {"photo.JPG", "plain text\r\n", kUpload, 1},  // a picture: not read
        {"notes.dat", "one\r\ntwo\r\n\tx\r\n", kUpload, 0}, {"mac.txt", "one\rtwo", kUpload, 1},
        {"end.txt", "one\r", kUpload, 1}, {"x.txt", "caf\xff", kUpload, 1}, {"y.txt", "caf\xfe", kUpload, 0},
        {"z.txt", std::string("a\0b", 3), kUpload, 1}, {"absent.txt", "", kUpload, 1},
        {"old.txt", std::string("text\x1a\x01\x02", 7), kUpload, 0}};  // 26 ends the file
    testfiles::TempFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.Path(c.file);
        if (!c.content.empty()) testfiles::WriteFile(path, c.content);
        const char* name = c.direction == kDownload ? c.file : path.c_str();
        EXPECT_EQ(c.expected, ChooseTransferType(name, c.direction)) << c.file;
    }
}

TEST(SizeText, ReadsBackInFull) {
    int64_t size = 0;
    ParseDigits(FormatSizeText(5368709120LL).c_str(), &size);
    EXPECT_EQ(5368709120LL, size);
    ParseDigits("99,999,999,999,999,999,999", &size);
    EXPECT_EQ(INT64_MAX, size);
}

// Shift-JIS: "表" is 0x95 0x5C and "ソ" 0x83 0x5C (trail byte "\"), "ア" is
// 0x83 0x41 (trail byte "A"). In code page 1252 the same bytes are two characters.
TEST(MultibytePaths, SeparatorsAreFoundByCharacter) {
    // remote: after ToRemotePath; lastName: its last element, as a rename cuts it
    const struct { const char* what; const char* path; UINT codePage; const char* remote; const char* lastName; }
        cases[] = {
        {"trail byte 0x5C stays", "\x95\x5C.txt", 932, "\x95\x5C.txt", "\x95\x5C.txt"},
        {"separator after a double-byte name", "\x95\x5C\\a", 932, "\x95\x5C/a", "a"},
        {"double-byte last element", "dir\\\x83\x5C\x83\x41.pkg", 932, "dir/\x83\x5C\x83\x41.pkg",
         "\x83\x5C\x83\x41.pkg"},
        {"lone lead byte at the end", "a\\\x95", 932, "a/\x95", "\x95"},
        {"single-byte code page", "\x95\x5C" "a", 1252, "\x95/a", "a"}};
    for (const auto& c : cases) {
        std::string path = c.path;
        ToRemotePath(path, c.codePage);
        EXPECT_EQ(c.remote, path) << c.what;
        EXPECT_EQ(c.lastName, LastPathElement(path, c.codePage)) << c.what;
    }
    EXPECT_EQ(5u, LastElementStart("C:\\x\\\x95\x5C.exe", "\\/", 932)) << "the program's folder";
}

// Calls back into the exports from the progress callback, as a host's
// window code can while a transfer pumps messages.
class ReenteringLog : public RecordingLog {
public:
    int ShowTransferProgress(unsigned long, int) override {
        char text[64];
        results.insert(results.end(), {FTP_ChangeDir("", text, sizeof text),
                                       FTP_List("name", text, sizeof text, text, sizeof text), FTP_Close()});
        messageReadable = messageReadable && FTP_GetLastMessage(text, sizeof text) == 0;
        return 0;
    }
    std::vector<int> results;
    bool messageReadable = true;
};

TEST(OneCallAtATime, CallsFromInsideATransferAreRefusedAndItCompletes) {
    const auto s = testservers::Load("pyftpdlib");
    ASSERT_NE(0, s.port);
    testfiles::WriteFile(s.root + "/reentry.bin", std::string(300000, '\x01'));
    testfiles::TempFolder temp;
    ReenteringLog log;
    TheSession().SetLogWindow(&log);
    TheSession().Client().SetCallback(OnTransferProgress);
    ASSERT_EQ(0, Connect(s, s.user, s.password));
    EXPECT_EQ(0, FTP_ReceiveFile(temp.Path("got.bin").c_str(), "reentry.bin"));
    TheSession().Client().SetCallback(nullptr);
    TheSession().SetLogWindow(nullptr);
    EXPECT_EQ(300000u, testfiles::ReadFile(temp.Path("got.bin")).size());
    ASSERT_FALSE(log.results.empty());
    for (int r : log.results) EXPECT_EQ(FTP_RESULT_BUSY, r);
    EXPECT_TRUE(log.messageReadable);
    char folder[64];
    EXPECT_EQ(0, FTP_ChangeDir("", folder, sizeof folder)) << "the connection is still usable";
    FTP_Close();
}

// A scripted server: USER accepted, FEAT refused, and the data connection
// of the clock probe's listing refused, so that the probe gives up at once.
using fake::Action;
using Steps = std::vector<fake::Step>;
Steps LoginThen(std::initializer_list<Steps> parts) {
    Steps steps = {{Action::kReply, "220 Scripted"}, fake::Answer("230 Logged in"),
                   fake::Answer("500 FEAT not understood"), fake::Answer("425 No data connections")};
    for (const Steps& part : parts) steps.insert(steps.end(), part.begin(), part.end());
    return steps;
}

int ConnectTo(const fake::FakeServer& server) {
    return FTP_Connect(nullptr, "127.0.0.1", "u", "p", server.Port(), 5, "none", nullptr, 0, nullptr, nullptr, 1);
}

// A passive listing that sends `data`.
Steps Listing(const std::string& data) {
    return {{Action::kExpectPasv, ""}, fake::Answer("150 Listing"), {Action::kSendData, data},
            {Action::kReply, "226 Done"}};
}

bool Sent(fake::FakeServer& server, const std::string& command) {
    const std::vector<std::string> commands = server.Commands();
    return std::find(commands.begin(), commands.end(), command) != commands.end();
}

// FTP_Open transfers actively; a refused PWD fails the "where am I" call
// and leaves an empty folder text.
TEST(Scripted, OpenTransfersActivelyAndReportsARefusedPwd) {
    fake::FakeServer server(LoginThen({Steps(4, fake::Answer("550 PWD not allowed"))}));
    ASSERT_EQ(0, FTP_Open(nullptr, "127.0.0.1", "u", "p", server.Port(), 5));
    char folder[8];
    for (int size : {-1, 0, 1, 5}) {
        std::memset(folder, 'z', sizeof folder);
        EXPECT_NE(0, FTP_ChangeDir("", folder, size)) << size;
        EXPECT_EQ(size > 0 ? '\0' : 'z', folder[0]) << size;
        EXPECT_EQ('z', folder[1]) << size;
    }
    const std::vector<std::string> commands = server.Commands();
    ASSERT_GE(commands.size(), 3u);
    const std::string probeData = commands[2].substr(0, 4);  // after USER and FEAT: the probe's data connection
    EXPECT_TRUE(probeData == "PORT" || probeData == "EPRT") << commands[2];
    FTP_Close();  // with the connection closed: Exports.PasswordRefusedAskedForOrCancelledThenWelcomeShown
}

TEST(Scripted, ListWalkReturnsByTheServersNameAndStopsElsewhere) {
    fake::FakeServer server(LoginThen({
        {fake::Answer("257 \"/a\\b\" is the current folder")},  // a "\" in a folder name
        Listing("drwxr-xr-x 2 u g 0 Jan 01 2020 sub\r\ndrwxr-xr-x 2 u g 0 Jan 01 2020 other\r\n"
                "-rw-r--r-- 1 u g 5 Jan 01 2020 a.txt\r\n"),
        {fake::Answer("250 Entered sub")},
        Listing("-rw-r--r-- 1 u g 5 Jan 01 2020 x.txt\r\n"),
        {fake::Answer("250 Changed"), fake::Answer("257 \"/elsewhere\" is the current folder")},
    }));
    ASSERT_EQ(0, ConnectTo(server));
    char folders[256];
    char files[256];
    EXPECT_EQ(-15, FTP_List("subname", folders, sizeof folders, files, sizeof files));
    EXPECT_TRUE(Sent(server, "CWD /a\\b")) << "the way back is the folder's own name";
    EXPECT_FALSE(Sent(server, "CWD other")) << "nothing more after the way back failed";
    EXPECT_STREQ("sub\r\n", folders);
    EXPECT_STREQ("sub/x.txt\r\n", files);
    FTP_Close();
}

TEST(Scripted, ListPastTheEntryLimitRendersTheEntriesBeforeIt) {
    fake::FakeServer server(LoginThen({Listing("-rw-r--r-- 1 u g 5 Jan 1 2020 a\r\n-rw-r--r-- 1 u g 5 Jan 1 2020 b\r\n"
                                               "-rw-r--r-- 1 u g 5 Jan 1 2020 c\r\n")}));
    ASSERT_EQ(0, ConnectTo(server));
    TheSession().Client().SetMaxListingEntries(2);
    char folders[64];
    char files[64];
    EXPECT_EQ(-32, FTP_List("name", folders, sizeof folders, files, sizeof files));
    TheSession().Client().SetMaxListingEntries(500000);
    EXPECT_STREQ("a\r\nb\r\n", files);
    FTP_Close();
}

TEST(Scripted, SendFileAtTheRootJoinsWithOneSlash) {
    const fake::Step pwd = fake::Answer("257 \"/\" is the current folder");
    fake::FakeServer server(LoginThen({{fake::Answer("250 Changed"), pwd,
                                        fake::Answer("425 No data connections"),  // the probe again
                                        pwd, fake::Answer("200 Type set"), {Action::kExpectPasv, ""},
                                        fake::Answer("553 Not stored")}}));
    ASSERT_EQ(0, ConnectTo(server));
    testfiles::TempFolder temp;
    testfiles::WriteFile(temp.Path("n.txt"), "n");
    char folder[64];
    ASSERT_EQ(0, FTP_ChangeDir("/", folder, sizeof folder));
    EXPECT_NE(0, FTP_SendFile(temp.Path("n.txt").c_str(), "n.txt"));
    EXPECT_TRUE(Sent(server, "STOR /n.txt"));
    EXPECT_TRUE(Sent(server, "TYPE A")) << "a text file goes in ASCII";
    FTP_Close();
}

}  // namespace
