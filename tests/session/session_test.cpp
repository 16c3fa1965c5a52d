// Session state that hosts cannot see through the exports: the clock offset,
// the single-file listing flag, the log window's lines, the transfer type
// rule and the texts. The session library is linked into this program.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ftp_session.h"
#include "module.h"
#include "ravoFtp.h"
#include "resource.h"
#include "result_messages.h"
#include "session_ops.h"
#include "size_text.h"
#include "test_files.h"
#include "test_servers.h"

namespace {

// Records what the session writes to the file manager's log.
class RecordingLog : public IFtpLogWindow {
public:
    void AppendLogLine(const char* text, int kind) override {
        if (m_enabled) lines.push_back(std::to_string(kind) + " " + text);
    }
    void EnableLogOutput(bool enable) override { m_enabled = enable; }
    int ShowTransferProgress(unsigned long, int) override { return 0; }

    std::vector<std::string> lines;

private:
    bool m_enabled = true;
};

// Connects with a parent titled as the host's profile reader, which skips
// the welcome box of servers that greet with several lines.
int Connect(const testservers::Server& s, const std::string& user, const std::string& password, int timeout = 20) {
    HWND reader = CreateWindowA("STATIC", "Get ISP Profile", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const int r = FTP_Connect(reader, "127.0.0.1", user.c_str(), password.c_str(), s.port, timeout, "none", nullptr, 0,
                       nullptr, nullptr, 1);
    DestroyWindow(reader);
    return r;
}

// Local time minus UTC now, in 100-ns units: listed times are UTC here.
int64_t LocalMinusUtc() {
    FILETIME utc;
    GetSystemTimeAsFileTime(&utc);
    FILETIME local;
    FileTimeToLocalFileTime(&utc, &local);
    auto value = [](const FILETIME& t) { return (static_cast<int64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(local) - value(utc);
}

constexpr int64_t kMinute = 600000000LL;

TEST(ClockProbe, ServerAnHourAheadGivesMinusOneHour) {
    const auto s = testservers::Load("shifted");
    ASSERT_NE(0, s.port);
    ASSERT_EQ(0, Connect(s, s.user, s.password));
    ASSERT_TRUE(TheSession().OffsetMeasured());
    // Listings give minutes: the local file's seconds remain in the offset.
    const int64_t expected = -36000000000LL + LocalMinusUtc();
    EXPECT_LE(expected - kMinute, GetClockOffset());
    EXPECT_GE(expected + kMinute, GetClockOffset());
    EXPECT_STREQ("", TheSession().LastMessage()) << "the probe leaves no message behind";
    FTP_Close();
}

TEST(ClockProbe, ReadOnlyLoginFolderThenWritableFolder) {
    const auto s = testservers::Load("welcome");
    ASSERT_NE(0, s.port);
    ASSERT_EQ(0, Connect(s, "reader", "reader-pw"));
    EXPECT_FALSE(TheSession().OffsetMeasured());
    EXPECT_EQ(0, GetClockOffset());
    char folder[256];
    EXPECT_NE(0, FTP_ChangeDir("no-such-folder", folder, sizeof folder));
    EXPECT_FALSE(TheSession().OffsetMeasured()) << "no probe after a failed change";
    ASSERT_EQ(0, FTP_ChangeDir("writable", folder, sizeof folder));
    EXPECT_TRUE(TheSession().OffsetMeasured());
    EXPECT_LE(std::llabs(GetClockOffset() - LocalMinusUtc()), kMinute);
    FTP_Close();
}

TEST(ClockProbe, LogShowsNoteButNoneOfTheProbesLines) {
    const auto s = testservers::Load("pyftpdlib");
    RecordingLog log;
    TheSession().SetLogWindow(&log);
    TheSession().Client().SetCallbackTrace(OnProtocolTrace);
    ASSERT_EQ(0, Connect(s, s.user, s.password));
    TheSession().SetLogWindow(nullptr);
    ASSERT_GE(log.lines.size(), 5u);
    EXPECT_EQ("0 Connecting...", log.lines.front());
    EXPECT_EQ("0 Connected.", log.lines.back());
    EXPECT_EQ("0 Checking time diference...", log.lines[log.lines.size() - 2]);
    bool sawMaskedPassword = false;
    for (const std::string& line : log.lines) {
        EXPECT_EQ(std::string::npos, line.find("testfile")) << line;
        EXPECT_EQ(std::string::npos, line.find(s.password)) << line;
        sawMaskedPassword = sawMaskedPassword || line == "1 PASS ********";
    }
    EXPECT_TRUE(sawMaskedPassword);
    FTP_Close();
}

TEST(SingleFileListing, TimeOutsDivisibleBy59ClearIt) {
    const auto s = testservers::Load("pyftpdlib");
    ASSERT_TRUE(TheSession().SingleFileListing());
    ASSERT_EQ(0, Connect(s, s.user, s.password, 60));
    EXPECT_TRUE(TheSession().SingleFileListing());
    ASSERT_EQ(0, Connect(s, s.user, s.password, 118));
    EXPECT_FALSE(TheSession().SingleFileListing());
    FTP_Close();
}

TEST(SingleFileListing, PallixGreetingClearsIt) {
    OnProtocolTrace("220 Pallix FTP server ready", 1);  // a line sent: no
    OnProtocolTrace("230 Pallix FTP welcomes you", 2);  // not a greeting: no
    OnProtocolTrace("220Pallix FTP", 2);                // the name must follow the code's field
    EXPECT_TRUE(TheSession().SingleFileListing());
    OnProtocolTrace("220-Pallix FTP 4.1 ready", 2);
    EXPECT_FALSE(TheSession().SingleFileListing());
}

struct TypeCase {
    const char* name;
    const char* file;
    std::string content;  // empty: the file is not created
    int direction;
    int expected;  // 0 ASCII, 1 binary
};

void PrintTo(const TypeCase& c, std::ostream* out) { *out << c.name; }

class TransferType : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TransferType, ChosenByExtensionOrContent) {
    const TypeCase& c = GetParam();
    testfiles::TempFolder folder;
    const std::string path = folder.Path(c.file);
    if (!c.content.empty()) testfiles::WriteFile(path, c.content);
    EXPECT_EQ(c.expected, ChooseTransferType(c.direction == kDownload ? c.file : path.c_str(), c.direction));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TransferType,
    ::testing::Values(TypeCase{"DownloadHtm", "page.htm", "", kDownload, 0},
                      TypeCase{"DownloadCapitalHtmIsBinary", "PAGE.HTM", "", kDownload, 1},
                      TypeCase{"DownloadNoDotIsBinary", "README", "", kDownload, 1},
                      TypeCase{"DownloadRc", "app.rc", "", kDownload, 0},
                      TypeCase{"DownloadUnknownIsBinary", "data.zip", "", kDownload, 1},
                      TypeCase{"UploadCapitalJpgNotRead", "photo.JPG", "plain text\r\n", kUpload, 1},
                      TypeCase{"UploadWindowsText", "notes.dat", "one\r\ntwo\r\n\tx\r\n", kUpload, 0},
                      TypeCase{"UploadLoneCr", "mac.txt", "one\rtwo", kUpload, 1},
                      TypeCase{"UploadTrailingCr", "end.txt", "one\r", kUpload, 1},
                      TypeCase{"UploadChar255", "x.txt", "caf\xff", kUpload, 1},
                      TypeCase{"UploadChar254", "y.txt", "caf\xfe", kUpload, 0},
                      TypeCase{"UploadNulIsBinary", "z.txt", std::string("a\0b", 3), kUpload, 1},
                      TypeCase{"UploadEndMarkStopsReading", "old.txt", std::string("text\x1a\x01\x02", 7), kUpload, 0},
                      TypeCase{"UploadMissingFileIsBinary", "absent.txt", "", kUpload, 1}),
    [](const ::testing::TestParamInfo<TypeCase>& p) { return p.param.name; });

TEST(Texts, SizeTextKeepsElevenCharacters) {
    EXPECT_EQ("  1,234,567", FormatSizeText(1234567));
    EXPECT_EQ("        999", FormatSizeText(999));
    EXPECT_EQ("          0", FormatSizeText(0));
    EXPECT_EQ("      9,999", FormatSizeText(9999));
    EXPECT_EQ("     10,000", FormatSizeText(10000));
    EXPECT_EQ("999,999,999", FormatSizeText(999999999));
    EXPECT_EQ("1,000,000,000", FormatSizeText(1000000000));
    EXPECT_EQ("2,147,483,647", FormatSizeText(2147483647));
    int32_t back = 0;
    ParseDigits(FormatSizeText(2147483647).c_str(), &back);
    EXPECT_EQ(2147483647, back);
    ParseDigits("  1,234,567", &back);
    EXPECT_EQ(1234567, back);
}

TEST(Texts, ResultCodesPickTheirMessages) {
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_SOCKET), ResultMessageId(-500));
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_SOCKET), ResultMessageId(-700));
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_GENERAL), ResultMessageId(-701));
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_GENERAL), ResultMessageId(-7));
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_CLOSED), ResultMessageId(-21));
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_NOT_EMPTY), ResultMessageId(-17));
    EXPECT_EQ(static_cast<unsigned>(IDS_ERR_CANCELLED), ResultMessageId(-4));
    EXPECT_EQ("Operation not completed.\n\nPossible timeout.", LoadResourceString(ResultMessageId(-30)));
    EXPECT_EQ("An error has occurred for the FTP operation:\n  %1", LoadResourceString(IDS_ERR_FTP_OPERATION));
}

}  // namespace
