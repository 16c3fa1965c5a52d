// Protocol tests as data: the server's scripted replies in, the exact
// commands the client must send and its result out.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "fake_server.h"
#include "ftp_result.h"
#include "ut_ftpclient.h"

using fake::Action;
using fake::FakeServer;
using fake::Step;

namespace {

struct LoginCase {
    const char* name;
    int firewallMode;
    unsigned short targetPort;
    const char* password;  // sent with SendPswd after -22; null: not sent
    std::vector<Step> script;
    std::vector<std::string> expectedCommands;
    int expectedConnect;
    int expectedPassword;
};

const Step kGreeting{Action::kReply, "220 Fake FTP ready"};
const Step kSilent{Action::kSilence, ""};
const Step kPass = fake::Answer("331 Password required"), kIn = fake::Answer("230 Logged in");
const Step kProxyPass = fake::Answer("331 Proxy password"), kProxyIn = fake::Answer("230 Proxy ok");
const Step kAccount = fake::Answer("332 Need account");

std::vector<LoginCase> LoginCases() {
    return {
        {"DirectLoginAsksForPassword", 0, 0, "secret", {kGreeting, kPass, kIn}, {"USER joe", "PASS secret"},
         ftp::kPasswordNeeded, ftp::kOk},
        {"DirectLoginWithoutPassword", 0, 0, nullptr, {kGreeting, kIn}, {"USER joe"}, ftp::kOk, 0},
        {"UserDialectNamesTargetInUser", 8, 21, "secret", {kGreeting, kPass, kIn},
         {"USER joe@ftp.example.com", "PASS secret"}, ftp::kPasswordNeeded, ftp::kOk},
        {"UserDialectAddsPortOff21", 8, 2121, nullptr, {kGreeting, kPass}, {"USER joe@ftp.example.com:2121"},
         ftp::kPasswordNeeded, 0},
        {"LogonDialectLogsIntoProxyFirst", 4, 21, "secret", {kGreeting, kProxyPass, kProxyIn, kPass, kIn},
         {"USER fwuser", "PASS fwpass", "USER joe@ftp.example.com", "PASS secret"}, ftp::kPasswordNeeded, ftp::kOk},
        {"SiteDialectSendsSiteHost", 2, 990, nullptr,
         {kGreeting, kProxyPass, kProxyIn, fake::Answer("200 Connected to target"), kPass},
         {"USER fwuser", "PASS fwpass", "SITE ftp.example.com:990", "USER joe"}, ftp::kPasswordNeeded, 0},
        {"OpenDialectSendsOpenHost", 16, 21, nullptr, {kGreeting, fake::Answer("220 Connected to x"), kPass},
         {"OPEN ftp.example.com", "USER joe"}, ftp::kPasswordNeeded, 0},
        {"AccountAnsweredAfterPassword", 0, 0, "secret", {kGreeting, kPass, kAccount, kIn},
         {"USER joe", "PASS secret", "ACCT anonymous"}, ftp::kPasswordNeeded, ftp::kOk},
        {"RefusedUserIsBadUser", 0, 0, nullptr, {kGreeting, fake::Answer("530 No such user")}, {"USER joe"},
         ftp::kBadUser, 0},
        {"RefusedPasswordIsBadPassword", 0, 0, "wrong", {kGreeting, kPass, fake::Answer("530 Login incorrect.")},
         {"USER joe", "PASS wrong"}, ftp::kPasswordNeeded, ftp::kBadPassword},
        {"RefusedAccountIsBadAccount", 0, 0, "secret", {kGreeting, kPass, kAccount, fake::Answer("530 Bad account")},
         {"USER joe", "PASS secret", "ACCT anonymous"}, ftp::kPasswordNeeded, ftp::kBadAccount},
        {"BusyServerGreets421", 0, 0, nullptr, {{Action::kReply, "421 Too many users"}}, {}, ftp::kConnectionClosed, 0},
        {"GreetingAfterWaitNotice", 0, 0, nullptr, {{Action::kReply, "120 Ready in a moment"}, kGreeting, kIn},
         {"USER joe"}, ftp::kOk, 0},
        // Answers that are not FTP at all fail at once (-31), not after the
        // time-out (-30); printable text between real replies is only traced.
        {"HttpServerIsNotFtp", 0, 0, nullptr, {{Action::kRaw, "HTTP/1.1 400 Bad Request\r\nServer: x\r\n\r\n"},
         kSilent}, {}, ftp::kNoResponse, 0},
        {"BinaryWithoutLineEndIsNotFtp", 0, 0, nullptr,
         {{Action::kRaw, std::string("\x16\x03\x01\x00\xa5", 5)}, kSilent}, {}, ftp::kNoResponse, 0},
        {"BinaryAnswerToPasswordIsNotFtp", 0, 0, "secret",
         {kGreeting, kPass, fake::Answer(std::string("\x01\x02\x7f", 3)), kSilent}, {"USER joe", "PASS secret"},
         ftp::kPasswordNeeded, ftp::kNoResponse},
        {"BareLineFeedsInGreetingAreText", 0, 0, nullptr, {{Action::kRaw, "220 Welcome\nto this server\n"}, kIn},
         {"USER joe"}, ftp::kOk, 0},
    };
}

// Test names in CTest carry the case name, not a byte dump.
void PrintTo(const LoginCase& c, std::ostream* out) { *out << c.name; }

class LoginDialects : public ::testing::TestWithParam<LoginCase> {};

TEST_P(LoginDialects, SendsExactCommandsAndMapsResult) {
    const LoginCase& c = GetParam();
    FakeServer server(c.script);
    CUT_FTPClient client;
    const bool direct = c.firewallMode == 0;
    const unsigned short serverPort = static_cast<unsigned short>(server.Port());
    const int r = client.ConnectToFirewall(direct ? "127.0.0.1" : "ftp.example.com", "joe",
                                           direct ? serverPort : c.targetPort, 5000,
                                           static_cast<unsigned short>(c.firewallMode), "127.0.0.1",
                                           serverPort, "fwuser", "fwpass", "anonymous");
    EXPECT_EQ(c.expectedConnect, r);
    if (r == ftp::kPasswordNeeded && c.password) {
        EXPECT_EQ(c.expectedPassword, client.SendPswd(c.password, "anonymous"));
    }
    EXPECT_EQ(c.expectedCommands, server.Commands());
    client.Close();
}

INSTANTIATE_TEST_SUITE_P(Scripted, LoginDialects, ::testing::ValuesIn(LoginCases()),
                         [](const ::testing::TestParamInfo<LoginCase>& p) { return p.param.name; });

// A connection through the scripted server, logged in and ready.
class ScriptedSession : public ::testing::Test {
protected:
    void Connect(std::vector<Step> rest, int timeoutMs = 5000) {
        m_server.reset(new FakeServer(fake::LoggedIn(rest)));
        ASSERT_EQ(ftp::kOk, fake::LogIn(m_client, *m_server, timeoutMs));
    }
    std::string LastMessage() {
        char buffer[4096];
        m_client.GetLastMessage(buffer, 4095);
        return buffer;
    }
    std::unique_ptr<FakeServer> m_server;
    CUT_FTPClient m_client;
};

TEST_F(ScriptedSession, MultiLineWelcomeWithIndentedCodesIsOneReply) {
    m_server.reset(new FakeServer({{Action::kReply, "220-Welcome\n 220 looks like an end\n220-more\n220 Ready"},
                                   fake::Answer("230-Hello joe\n230-Quota: none\n230 Logged in"),
                                   fake::Answer("257 \"/home/joe\" is current")}));
    ASSERT_EQ(ftp::kOk, fake::LogIn(m_client, *m_server));
    char welcome[4096];
    ASSERT_EQ(ftp::kOk, m_client.GetMultiLineResponse(welcome, 4095));
    EXPECT_EQ("230-Hello joe\r\n230-Quota: none\r\n230 Logged in", std::string(welcome));
    char dir[256];
    ASSERT_EQ(ftp::kOk, m_client.GetCurDir(dir, 255));
    EXPECT_STREQ("/home/joe", dir);
}

TEST_F(ScriptedSession, SingleLineLoginHasNoWelcomeAndShortBuffersStayBounded) {
    Connect({fake::Answer("257 \"/a \"\"quoted\"\" folder\" ok")});
    char welcome[16] = "unchanged";
    EXPECT_EQ(ftp::kNoMultiLineReply, m_client.GetMultiLineResponse(welcome, 15));
    char dir[8];
    std::memset(dir, 'x', sizeof dir);
    ASSERT_EQ(ftp::kOk, m_client.GetCurDir(dir, 5));
    EXPECT_STREQ("/a \"q", dir);
    EXPECT_EQ('x', dir[6]);
    EXPECT_EQ(ftp::kBadArgument, m_client.GetLastMessage(nullptr, 10));
}

TEST_F(ScriptedSession, SilentServerTimesOutWithinLimit) {
    FakeServer server({{Action::kSilence, ""}});
    const auto start = std::chrono::steady_clock::now();
    const int r = fake::LogIn(m_client, server, 1000);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(ftp::kTimeout, r);
    EXPECT_LT(elapsed, std::chrono::milliseconds(2000));
    EXPECT_GE(elapsed, std::chrono::milliseconds(900));
}

TEST_F(ScriptedSession, ReplyCodesMapToResults) {
    Connect({fake::Answer("500 FEAT not understood"), fake::Answer("550 /x: No such file or directory"),
             fake::Answer("550 Permission denied"), fake::Answer("553 Bad file name"),
             fake::Answer("452 Insufficient storage"), fake::Answer("501 Syntax error in parameters"),
             fake::Answer("350 Ready for RNTO"), fake::Answer("250 Renamed"), fake::Answer("421 Service closing")});
    EXPECT_EQ(ftp::kRequestDenied, m_client.SetOtherOptions());  // "denied", not a syntax fault
    EXPECT_EQ(ftp::kFileMissing, m_client.ChDir("/x"));
    EXPECT_EQ(ftp::kPermissionDenied, m_client.RmDir("full"));
    EXPECT_EQ(ftp::kBadFileName, m_client.MkDir("a*b"));
    EXPECT_EQ(ftp::kServerDiskFull, m_client.MkDir("big"));
    EXPECT_EQ(ftp::kSyntaxError, m_client.DeleteFileA("x y"));
    EXPECT_EQ("501 Syntax error in parameters", LastMessage());
    EXPECT_EQ(ftp::kOk, m_client.RenameFile("old", "new"));
    EXPECT_EQ(ftp::kConnectionClosed, m_client.ChDir("/"));
    EXPECT_EQ(ftp::kConnectionClosed, m_client.ChDir("/"));
    const std::vector<std::string> expected = {"USER joe", "FEAT", "CWD /x", "RMD full", "MKD a*b", "MKD big",
                                               "DELE x y", "RNFR old", "RNTO new", "CWD /"};
    EXPECT_EQ(expected, m_server->Commands());
}

TEST_F(ScriptedSession, CommandWithLineBreakIsRefusedUnsent) {
    Connect({});
    EXPECT_EQ(ftp::kBadFileName, m_client.DeleteFileA("a\r\nDELE important"));
    EXPECT_EQ(ftp::kBadArgument, m_client.DeleteFileA(nullptr));
    m_client.Close();
    const std::vector<std::string> expected = {"USER joe", "QUIT"};
    EXPECT_EQ(expected, m_server->Commands());
}

}  // namespace
