// Certificates trusted always, in the settings file, and the session's answer
// to the engine's certificate question: with a window (the dialog, driven as
// a user would), without one, and for a certificate that changed.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
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
#include "test_folders.h"

namespace {

using settings::CertificateMatch;
using settings::CertificateStore;

const char kPrint[] = "0A:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9:0A:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9";
const char kOther[] = "FF:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9:0A:1B:2C:3D:4E:5F:60:71:82:93:A4:B5:C6:D7:E8:F9";

TEST(CertificateStore, RemembersPerHostAndPort) {
    testing_support::TestFolders folders;
    const CertificateStore store(folders.PerUserFile());
    std::filesystem::create_directories(folders.UserAppData() + "\\Quorvik");
    EXPECT_EQ(CertificateMatch::kUnknown, store.Check("ftp.example.com", 21, kPrint));
    ASSERT_TRUE(store.Remember("FTP.Example.com", 21, "0a1b2c3d4e5f60718293a4b5c6d7e8f9 0a1b2c3d4e5f60718293a4b5c6d7e8f9"));
    ASSERT_TRUE(store.Remember("127.0.0.1", 2121, kOther));
    EXPECT_EQ(kPrint, testing_support::ReadRaw(folders.PerUserFile(), "Certificates", "ftp.example.com:21"));
    struct Case { const char* host; int port; const char* sha; CertificateMatch match; } cases[] = {
        {"ftp.example.com", 21, kPrint, CertificateMatch::kSame},
        {"ftp.EXAMPLE.com", 21, "0a:1b:2c:3d:4e:5f:60:71:82:93:a4:b5:c6:d7:e8:f9:0a:1b:2c:3d:4e:5f:60:71:82:93:a4:b5:c6:d7:e8:f9", CertificateMatch::kSame},
        {"ftp.example.com", 21, kOther, CertificateMatch::kChanged},
        {"ftp.example.com", 990, kPrint, CertificateMatch::kUnknown},  // the port is part of the key
        {"127.0.0.1", 2121, kOther, CertificateMatch::kSame},
        {"127.0.0.1", 2121, kPrint, CertificateMatch::kChanged},
        {"[::1]", 21, kPrint, CertificateMatch::kUnknown},
    };
    for (const Case& c : cases) EXPECT_EQ(c.match, store.Check(c.host, c.port, c.sha)) << c.host << ":" << c.port << " " << c.sha;
    EXPECT_TRUE(store.Forget("ftp.example.com", 21));
    EXPECT_EQ(CertificateMatch::kUnknown, store.Check("ftp.example.com", 21, kPrint));
    EXPECT_EQ(CertificateMatch::kSame, store.Check("127.0.0.1", 2121, kOther));
}

// A settings file of the test's own as the current settings, a parent
// window, and a certificate for 127.0.0.1:2121 that signs itself.
class CertificateTrust : public ::testing::Test {
protected:
    CertificateTrust() {
        std::strcpy(info.host, "127.0.0.1");
        info.port = 2121;
        std::strcpy(info.subject, "CN=self.example, O=Test");
        std::strcpy(info.issuer, "CN=self.example, O=Test");
        std::strcpy(info.validFrom, "2026-01-02 03:04:05 UTC");
        std::strcpy(info.validTo, "2027-01-02 03:04:05 UTC");
        std::strcpy(info.sha256, kPrint);
        info.problems = kFtpCertUntrusted | kFtpCertWrongName;
        TheSession().ClearLastMessage();
    }
    ~CertificateTrust() override { DestroyWindow(parent); }
    CertificateStore Store() const { return CertificateStore(CurrentSettings()->IniPath()); }
    std::string LastMessage() const { return TheSession().LastMessage(); }

    testing_support::TestFolders folders;
    CurrentSettingsScope scope{"ravoFtp.ini", folders.Folders()};
    HWND parent = CreateWindowA("STATIC", "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    FtpCertificateInfo info = {};
};

std::string WithoutLineBreaks(std::string text) {
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }), text.end());
    return text;
}

TEST_F(CertificateTrust, TheQuestionShowsTheCertificateAndEachAnswerDoesWhatItSays) {
    const auto escape = [](HWND d) { PostMessageA(DialogWatcher::FocusOf(d), WM_KEYDOWN, VK_ESCAPE, 1); };
    const auto click = [](int id) { return [id](HWND d) { DialogWatcher::Click(d, id); }; };
    struct Case { const char* name; std::function<void(HWND)> answer; int result; bool stored; } cases[] = {
        {"Trust Once", click(IDC_CERT_TRUST_ONCE), 1, false},
        {"Cancel", click(IDCANCEL), 0, false},
        {"Escape", escape, 0, false},
        {"Trust Always", click(IDC_CERT_TRUST_ALWAYS), 1, true},
    };
    for (const Case& c : cases) {
        std::string fields[4];
        SetCertificateParent(parent);
        TheSession().ClearLastMessage();
        DialogDriver driver("Server Certificate", [&](HWND d) {
            const int ids[4] = {IDC_CERT_INTRO, IDC_CERT_PROBLEMS, IDC_CERT_ISSUER, IDC_CERT_SHA256};
            for (int i = 0; i < 4; ++i) fields[i] = DialogWatcher::ControlText(d, ids[i]);
            c.answer(d);
        });
        EXPECT_EQ(c.result, OnServerCertificate(&info)) << c.name;
        EXPECT_TRUE(driver.Seen()) << c.name;
        EXPECT_NE(std::string::npos, fields[0].find("127.0.0.1, port 2121")) << fields[0];
        EXPECT_NE(std::string::npos, fields[1].find("trusts")) << fields[1];
        EXPECT_NE(std::string::npos, fields[1].find("another name than 127.0.0.1")) << fields[1];
        EXPECT_EQ(info.issuer, fields[2]);
        EXPECT_EQ(kPrint, WithoutLineBreaks(fields[3]));
        EXPECT_EQ(c.stored ? CertificateMatch::kSame : CertificateMatch::kUnknown, Store().Check("127.0.0.1", 2121, kPrint)) << c.name;
        EXPECT_EQ(c.result == 0, LastMessage().find("You refused the certificate of 127.0.0.1") == 0) << c.name << ": " << LastMessage();
    }
    // Remembered: accepted with no question, from a host without a window too.
    SetCertificateParent(nullptr);
    DialogDriver none("Server Certificate", [](HWND d) { DialogWatcher::Click(d, IDCANCEL); });
    EXPECT_EQ(1, OnServerCertificate(&info));
    EXPECT_FALSE(none.Seen());
}

TEST_F(CertificateTrust, WithoutAWindowAnUnknownCertificateIsRefused) {
    SetCertificateParent(nullptr);
    EXPECT_EQ(0, OnServerCertificate(&info));
    EXPECT_NE(std::string::npos, LastMessage().find("The certificate of 127.0.0.1 cannot be verified")) << LastMessage();
    EXPECT_EQ(CertificateMatch::kUnknown, Store().Check("127.0.0.1", 2121, kPrint));
    EXPECT_EQ(0, OnServerCertificate(nullptr));
}

// A changed certificate is refused with both fingerprints and the key to
// delete: in a box when there is a window, in the last message always, and
// the connect step's copy of the engine's message does not hide it.
TEST_F(CertificateTrust, AChangedCertificateIsRefusedWithBothFingerprints) {
    Store().Remember("127.0.0.1", 2121, kOther);
    for (HWND window : {parent, HWND(nullptr)}) {
        SetCertificateParent(window);
        MessageBoxReader boxes(IDOK);
        EXPECT_EQ(0, OnServerCertificate(&info));
        boxes.Stop();
        const std::string text = LastMessage();
        EXPECT_EQ(0u, text.find("The certificate of 127.0.0.1 has changed since you chose to trust it")) << text;
        for (const char* part : {kOther, kPrint, "\"127.0.0.1:2121\""}) {
            EXPECT_NE(std::string::npos, text.find(part)) << part;
        }
        ASSERT_EQ(window ? 1u : 0u, boxes.Boxes().size());
        if (window) {
            EXPECT_EQ(text, boxes.Boxes()[0].text);
        }
        TheSession().ClearLastMessage();
        KeepCertificateRefusal(ftp::kTlsFailed);
        EXPECT_EQ("", LastMessage());
        KeepCertificateRefusal(ftp::kCertificateRefused);
        EXPECT_EQ(text, LastMessage());
    }
    EXPECT_EQ(CertificateMatch::kChanged, Store().Check("127.0.0.1", 2121, kPrint));
}

}  // namespace
