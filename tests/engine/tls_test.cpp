// The engine over explicit TLS against real servers on 127.0.0.1 (vsftpd,
// ProFTPD and pyftpdlib with certificates of the test run's private CA, and
// pyftpdlib with faulty ones). Under Wine: the platform's TLS. Natively the
// build has no TLS, which the last tests check.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "fake_server.h"
#include "ftp_result.h"
#include "test_files.h"
#include "test_servers.h"
#include "ut_ftpclient.h"
#ifdef _WIN32
#include "tls_trust.h"
#endif

namespace {

std::vector<std::string> g_trace;
void Trace(const char* text, int) { g_trace.push_back(text); }
bool Traced(const std::string& part) {
    for (const std::string& line : g_trace) {
        if (line.find(part) != std::string::npos) return true;
    }
    return false;
}

std::vector<FtpCertificateInfo> g_asked;
int g_answer = 0;
int Ask(const FtpCertificateInfo* info) {
    g_asked.push_back(*info);
    return g_answer;
}

struct Client {
    explicit Client(const char* kind, int security, bool passive = true) : server(testservers::Load(kind)) {
        g_trace.clear();
        g_asked.clear();
        ftp.SetCallbackTrace(Trace);
        ftp.SetCertificateCallback(Ask);
        ftp.SetSecurity(security);
        ftp.SetPassiveTransfer(passive ? 1 : 0);
    }
    int Login(const char* host = "127.0.0.1") {
        const int r = ftp.ConnectToFirewall(host, server.user.c_str(), static_cast<unsigned short>(server.port),
                                            10000, 0, nullptr, 0, nullptr, nullptr, "");
        return r == ftp::kPasswordNeeded ? ftp.SendPswd(server.password.c_str(), "") : r;
    }
    testservers::Server server;
    CUT_FTPClient ftp;
};

#ifdef _WIN32
class TlsEnvironment : public ::testing::Environment {
    void SetUp() override { ASSERT_TRUE(testservers::TrustTestCa()) << "run through CTest: no CA"; }
};
const auto* const kTrust = ::testing::AddGlobalTestEnvironment(new TlsEnvironment);

// Text in CR LF lines, which an ASCII transfer carries unchanged here, or
// any bytes at all.
std::string Bytes(size_t size, bool text) {
    std::mt19937 random(static_cast<unsigned>(size));
    std::string data;
    for (size_t i = 0; data.size() < size; ++i) {
        data += text ? "line " + std::to_string(i) + " of the page\r\n" : std::string(1, char(random()));
    }
    return data;
}

std::string WithoutCr(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

struct Mode {
    const char* kind;
    bool passive;
};

void PrintTo(const Mode& m, std::ostream* out) { *out << m.kind << (m.passive ? " passive" : " active"); }

class TlsServer : public ::testing::TestWithParam<Mode> {};

TEST_P(TlsServer, ListsDownloadsAndUploadsExactlyInBothTypes) {
    Client c(GetParam().kind, kFtpSecurityRequired, GetParam().passive);
    ASSERT_NE(0, c.server.port);
    ASSERT_EQ(ftp::kOk, c.Login());
    EXPECT_EQ(1, c.ftp.IsSecure());
    EXPECT_TRUE(Traced("TLS 1.")) << "the handshake's summary";
    EXPECT_TRUE(Traced("SHA-256 " + c.server.sha256));
    EXPECT_TRUE(g_asked.empty()) << "a valid certificate is never asked about";
    testfiles::TempFolder temp;
    for (int type : {0, 1}) {
        const std::string name = std::string(GetParam().passive ? "p" : "a") + std::to_string(type) + ".txt";
        const std::string data = Bytes(300 * 1024, type == 0), source = temp.Path(name), back = temp.Path("back");
        testfiles::WriteFile(source, data);
        ASSERT_EQ(ftp::kOk, c.ftp.SetTransferType(type));
        ASSERT_EQ(ftp::kOk, c.ftp.SendFile(source.c_str(), name.c_str()));
        // A server may store ASCII text with its own line ends.
        EXPECT_TRUE(WithoutCr(testfiles::ReadFile(c.server.root + "/" + name)) == WithoutCr(data)) << type;
        ASSERT_EQ(ftp::kOk, c.ftp.ReceiveFile(name.c_str(), back.c_str()));
        EXPECT_TRUE(testfiles::ReadFile(back) == data) << "download, type " << type;
        ASSERT_EQ(ftp::kOk, c.ftp.GetDirInfo(name.c_str()));
        EXPECT_EQ(1, c.ftp.GetDirInfoCount());
        EXPECT_EQ(ftp::kOk, c.ftp.DeleteFileA(name.c_str()));
    }
}

INSTANTIATE_TEST_SUITE_P(Servers, TlsServer,
                         ::testing::Values(Mode{"vsftpd-tls", true}, Mode{"vsftpd-tls", false},
                                           Mode{"proftpd-tls", true}, Mode{"proftpd-tls", false},
                                           Mode{"pyftpdlib-tls", true}, Mode{"pyftpdlib-tls", false}),
                         [](const ::testing::TestParamInfo<Mode>& p) {
                             std::string name = std::string(p.param.kind) + (p.param.passive ? "Passive" : "Active");
                             name.erase(name.find('-'), 1);
                             return name;
                         });

// Each certificate fault is seen alone, refusing ends the login, accepting
// goes on over TLS.
TEST(TlsCertificate, TheCallbackSeesExactlyTheProblem) {
    const struct {
        const char* kind;
        const char* host;  // an address is matched by the engine, a name by the platform's policy
        unsigned problems;
    } cases[] = {{"tls-selfsigned", "127.0.0.1", kFtpCertUntrusted}, {"tls-expired", "127.0.0.1", kFtpCertExpired},
                 {"tls-wrongname", "127.0.0.1", kFtpCertWrongName}, {"tls-wrongname", "localhost", kFtpCertWrongName},
                 {"pyftpdlib-tls", "localhost", 0}};
    for (const auto& row : cases) {
        for (int answer : {0, 1}) {
            Client c(row.kind, kFtpSecurityRequired);
            g_answer = answer;
            const std::string which = std::string(row.kind) + " " + row.host;
            EXPECT_EQ(answer || !row.problems ? ftp::kOk : ftp::kCertificateRefused, c.Login(row.host)) << which;
            ASSERT_EQ(row.problems ? 1u : 0u, g_asked.size()) << which;
            if (row.problems) {
                EXPECT_EQ(row.problems, g_asked[0].problems) << which;
                EXPECT_EQ(c.server.sha256, g_asked[0].sha256) << which;
                EXPECT_STREQ(row.host, g_asked[0].host) << which;
            }
            EXPECT_EQ(answer || !row.problems, c.ftp.IsSecure() == 1) << which;
            EXPECT_EQ(answer || !row.problems, Traced("PASS ")) << which;
            // Data connections take the certificate accepted for this connection.
            if (answer || !row.problems) {
                EXPECT_EQ(ftp::kOk, c.ftp.GetDirInfo(nullptr)) << which;
            }
        }
    }
}

TEST(TlsDataConnection, ServerDemandingSessionResumptionGivesItsCode) {
    Client c("vsftpd-tls-reuse", kFtpSecurityRequired);
    ASSERT_EQ(ftp::kOk, c.Login());
    EXPECT_EQ(ftp::kTlsResumeRequired, c.ftp.GetDirInfo(nullptr));
}

// Every upload ends with close_notify: vsftpd answers 426 to one that does not.
TEST(TlsDataConnection, UploadsInARowAllComplete) {
    Client c("vsftpd-tls", kFtpSecurityRequired);
    ASSERT_EQ(ftp::kOk, c.Login());
    testfiles::TempFolder temp;
    const std::string source = temp.Path("small.bin");
    testfiles::WriteFile(source, Bytes(5000, false));
    for (int i = 0; i < 40; ++i) ASSERT_EQ(ftp::kOk, c.ftp.SendFile(source.c_str(), "small.bin")) << "upload " << i;
    EXPECT_EQ(ftp::kOk, c.ftp.DeleteFileA("small.bin"));
}

int g_waits = 0;
std::chrono::steady_clock::time_point g_stopped;
int StopAtThirdWait() {
    g_stopped = std::chrono::steady_clock::now();
    return ++g_waits == 3;
}

// A server that accepts AUTH TLS and then says nothing: the handshake's
// waits are sliced like any other, so a stop or the time-out ends them.
TEST(TlsHandshake, SilentServerIsStoppedOrTimesOut) {
    for (int stop : {1, 0}) {
        fake::FakeServer server({{fake::Action::kReply, "220 ready"}, fake::Answer("234 go ahead"),
                                 {fake::Action::kSilence, ""}});
        CUT_FTPClient ftp;
        ftp.SetSecurity(kFtpSecurityRequired);
        g_waits = 0;
        ftp.SetWaitCallback(stop ? StopAtThirdWait : nullptr);
        g_stopped = std::chrono::steady_clock::now();
        EXPECT_EQ(stop ? ftp::kCancelled : ftp::kTimeout, fake::LogIn(ftp, server, 1000));
        EXPECT_LT(std::chrono::steady_clock::now() - g_stopped, std::chrono::milliseconds(stop ? 250 : 1400));
        EXPECT_EQ(std::vector<std::string>{"AUTH TLS"}, server.Commands());
        server.Stop();
    }
}

// Replies sent in clear behind the 234 would later pass for replies over
// TLS (an attacker's "230" before USER): the handshake is not even begun.
TEST(TlsHandshake, CleartextAfterAcceptingTlsEndsTheConnection) {
    fake::FakeServer server({{fake::Action::kReply, "220 ready"}, fake::Answer("234 go ahead\n230 logged in")});
    CUT_FTPClient ftp;
    ftp.SetSecurity(kFtpSecurityWhenOffered);
    EXPECT_EQ(ftp::kTlsFailed, fake::LogIn(ftp, server, 2000));
    EXPECT_FALSE(ftp.IsConnected());
    EXPECT_EQ(std::vector<std::string>{"AUTH TLS"}, server.Commands());
    server.Stop();
}

int StopAfterQuarterMiB(unsigned long bytes, int) { return bytes >= 256 * 1024 ? 1 : 0; }

// A stop in the middle cuts the data connection without close_notify; the
// control connection over TLS stays in step.
TEST(TlsDataConnection, StoppedTransfersKeepTheConnection) {
    Client c("vsftpd-tls", kFtpSecurityRequired);
    ASSERT_EQ(ftp::kOk, c.Login());
    testfiles::TempFolder temp;
    const std::string big = temp.Path("big.bin"), back = temp.Path("back.bin");
    testfiles::WriteFile(big, Bytes(8 << 20, false));
    testfiles::WriteFile(c.server.root + "/big.bin", testfiles::ReadFile(big));
    c.ftp.SetCallback(StopAfterQuarterMiB);
    EXPECT_EQ(ftp::kCancelled, c.ftp.SendFile(big.c_str(), "up.bin"));
    EXPECT_EQ(ftp::kCancelled, c.ftp.ReceiveFile("big.bin", back.c_str()));
    c.ftp.SetCallback(nullptr);
    ASSERT_EQ(ftp::kOk, c.ftp.ReceiveFile("big.bin", back.c_str()));
    EXPECT_TRUE(testfiles::ReadFile(back) == testfiles::ReadFile(big));
    EXPECT_EQ(ftp::kOk, c.ftp.DeleteFileA("big.bin"));
}
#endif

// A server without TLS: "required" sends no user name, "when offered"
// goes on in plain FTP. A build without TLS fails "required" before AUTH.
TEST(TlsFallback, PlainServer) {
    for (int security : {kFtpSecurityRequired, kFtpSecurityWhenOffered}) {
        Client c("pyftpdlib", security);
        const int r = c.Login();
        EXPECT_FALSE(Traced("USER ") && security == kFtpSecurityRequired);
        EXPECT_EQ(0, c.ftp.IsSecure());
        if (security == kFtpSecurityWhenOffered) {
            EXPECT_EQ(ftp::kOk, r);
            EXPECT_EQ(ftp::kOk, c.ftp.GetDirInfo(nullptr));
        } else {
#ifdef _WIN32
            EXPECT_EQ(ftp::kTlsNotOffered, r);
#else
            EXPECT_EQ(ftp::kTlsFailed, r);
#endif
        }
    }
}

}  // namespace
