// Certificates trusted always, in the settings file, and the session's answer
// to the engine's certificate question: the dialog driven as a user would, a
// certificate that changed, and through the connect against the TLS servers.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>

#include "certificate_store.h"
#include "certificate_trust.h"
#include "current_settings.h"
#include "dialog_driver.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "message_box_reader.h"
#include "resource.h"
#include "session_ops.h"
#include "test_folders.h"
#include "tls_trust.h"

namespace {

using settings::CertificateMatch;
const char kPrint[] = "0A:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9:0A:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9";
const char kOther[] = "FF:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9:0A:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9";

// A settings file of the test's own as the current settings, a parent
// window, and a certificate for 127.0.0.1:2121 that signs itself.
class CertificateTrust : public ::testing::Test {
protected:
    CertificateTrust() {
        info = {"127.0.0.1", 2121, "CN=self.example", "CN=issuer.example", "2026-01-02 03:04:05 UTC",
                "2027-01-02 03:04:05 UTC", "", kFtpCertUntrusted | kFtpCertWrongName};
        std::strcpy(info.sha256, kPrint);
    }
    ~CertificateTrust() override { DestroyWindow(parent); }
    settings::CertificateStore Store() const { return settings::CertificateStore(CurrentSettings()->IniPath()); }
    static std::string LastMessage() { return TheSession().LastMessage(); }
    static std::string Refusal() { return TheSession().CertificateRefusal(); }
    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    HWND parent = CreateWindowA("STATIC", "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    FtpCertificateInfo info;
};

TEST_F(CertificateTrust, StoreKeysOnHostAndPort) {
    Store().Remember("FTP.Example.com", 21, "0a1b2c3d4e5f60718293a4b5c6d7e8f9 0a1b2c3d4e5f60718293a4b5c6d7e8f9");
    Store().Remember("127.0.0.1", 2121, kOther);
    EXPECT_EQ(kPrint, testing_support::ReadRaw(CurrentSettings()->IniPath(), "Certificates", "ftp.example.com:21"));
    const struct { const char* host; int port; const char* sha; CertificateMatch match; } cases[] = {
        {"ftp.EXAMPLE.com", 21, kPrint, CertificateMatch::kSame}, {"ftp.example.com", 21, kOther, CertificateMatch::kChanged},
        {"ftp.example.com", 990, kPrint, CertificateMatch::kUnknown}, {"127.0.0.1", 2121, kPrint, CertificateMatch::kChanged}};
    for (const auto& c : cases) EXPECT_EQ(c.match, Store().Check(c.host, c.port, c.sha)) << c.host << ":" << c.port;
    Store().Forget("ftp.example.com", 21);
    EXPECT_EQ(CertificateMatch::kUnknown, Store().Check("ftp.example.com", 21, kPrint));
}

TEST_F(CertificateTrust, TheQuestionShowsTheCertificateAndEachAnswerDoesWhatItSays) {
    const auto escape = [](HWND d) { PostMessageA(DialogWatcher::FocusOf(d), WM_KEYDOWN, VK_ESCAPE, 1); };
    const auto click = [](int id) { return [id](HWND d) { DialogWatcher::Click(d, id); }; };
    const struct { const char* name; std::function<void(HWND)> answer; int result; bool stored; } cases[] = {
        {"Once", click(IDC_CERT_TRUST_ONCE), 1, false}, {"Cancel", click(IDCANCEL), 0, false},
        {"Escape", escape, 0, false}, {"Always", click(IDC_CERT_TRUST_ALWAYS), 1, true}};
    for (const auto& c : cases) {
        std::string shown;
        SetCertificateParent(parent);
        DialogDriver driver("Server Certificate", [&](HWND d) {
            for (int id : {IDC_CERT_INTRO, IDC_CERT_PROBLEMS, IDC_CERT_SUBJECT, IDC_CERT_ISSUER, IDC_CERT_VALID_FROM,
                           IDC_CERT_VALID_TO, IDC_CERT_SHA256})
                shown += DialogWatcher::ControlText(d, id) + "|";
            c.answer(d);
        });
        EXPECT_EQ(c.result, OnServerCertificate(&info)) << c.name;
        shown.erase(std::remove_if(shown.begin(), shown.end(), [](char ch) { return ch == '\r' || ch == '\n'; }), shown.end());
        for (const std::string part : {"127.0.0.1, port 2121", "trusts", "another name than 127.0.0.1", "|CN=self.example|",
                                       "|CN=issuer.example|2026-01-02 03:04:05 UTC|2027-01-02 03:04:05 UTC|", kPrint})
            EXPECT_TRUE(Has(shown, part)) << part << " in " << shown;
        EXPECT_EQ(c.stored ? CertificateMatch::kSame : CertificateMatch::kUnknown, Store().Check("127.0.0.1", 2121, kPrint));
        EXPECT_EQ(c.result == 0, Has(Refusal(), "You refused the certificate of 127.0.0.1")) << c.name;
    }
    DialogDriver none("Server Certificate", [](HWND d) { DialogWatcher::Click(d, IDCANCEL); });
    EXPECT_EQ(1, OnServerCertificate(&info));  // remembered: no question
    EXPECT_FALSE(none.Seen());
}

// Refused with both fingerprints and the key to delete, in a box and as the
// reason the connect reports.
TEST_F(CertificateTrust, AChangedCertificateIsRefusedWithBothFingerprints) {
    Store().Remember("127.0.0.1", 2121, kOther);
    SetCertificateParent(parent);
    MessageBoxReader boxes(IDOK);
    EXPECT_EQ(0, OnServerCertificate(&info));
    boxes.Stop();
    const std::string text = Refusal();
    EXPECT_EQ(0u, text.find("The certificate of 127.0.0.1 has changed since you chose to trust it")) << text;
    for (const char* part : {kOther, kPrint, "\"127.0.0.1:2121\""}) EXPECT_TRUE(Has(text, part)) << part;
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ(text, boxes.Boxes()[0].text);
}

// Without a window, through the session's connect against the TLS servers
// (the private CA trusted): each problem is refused in its words, which the
// connect leaves in the last message; a remembered certificate lets the
// login go on; a changed one is refused.
TEST_F(CertificateTrust, ThroughTheConnectWithoutAWindow) {
    ASSERT_TRUE(testservers::TrustTestCa());
    const auto connect = [](const testservers::Server& s) {
        const int r = ConnectSession(nullptr, "127.0.0.1", s.user.c_str(), s.password.c_str(), s.port, 20, "none",
                                     nullptr, 0, nullptr, nullptr, 1, kFtpSecurityRequired);
        CloseSession();
        return r;
    };
    const char* words[] = {"authority this computer trusts", "expired", "another name"};
    const char* servers[] = {"tls-selfsigned", "tls-expired", "tls-wrongname"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ftp::kCertificateRefused, connect(testservers::Load(servers[i]))) << servers[i];
        for (int j = 0; j < 3; ++j) EXPECT_EQ(i == j, Has(LastMessage(), words[j])) << servers[i] << ": " << LastMessage();
    }
    const auto s = testservers::Load("tls-selfsigned");
    Store().Remember("127.0.0.1", s.port, s.sha256);
    EXPECT_EQ(ftp::kOk, connect(s));
    Store().Remember("127.0.0.1", s.port, kOther);
    EXPECT_EQ(ftp::kCertificateRefused, connect(s));
    EXPECT_TRUE(Has(LastMessage(), "has changed") && Has(LastMessage(), s.sha256)) << LastMessage();
}

}  // namespace
