// The profile's security through FTP Quill, against the bundled servers:
// "required" against plain FTP stops before the user name, "when offered"
// logs in over TLS where the server has it.
#include <gtest/gtest.h>

#include <atomic>

#include "module.h"
#include "quill_runner.h"
#include "test_folders.h"
#include "tls_trust.h"

TEST(QuillSecurity, TheProfilesSecurityReachesTheConnection) {
    ASSERT_TRUE(testservers::TrustTestCa());
    const struct {
        const char *server, *security, *logged;
        UINT message;  // of the first box; 0: connected, only the exit question
    } rows[] = {{"pyftpdlib", "required", "> AUTH TLS", IDS_ERR_TLS_NOT_OFFERED},
                {"pyftpdlib-tls", "when offered", "~ TLS 1.2, ", 0},
                // Refused in the question: no second box says so again.
                {"tls-selfsigned", "required", "> AUTH TLS", 0}};
    for (const auto& row : rows) {
        const testservers::Server server = testservers::Load(row.server);
        FtpProfile profile = testing_support::MakeProfile("Secure", "127.0.0.1", server.password);
        profile.m_user = server.user;
        profile.m_port = std::to_string(server.port);
        profile.m_security = row.security;
        FtpSettings("ravoFtp.ini").WriteProfile(profile);
        std::atomic<bool> shown{false};
        std::string log;
        quill::Run run;
        run.connect = IDOK;
        run.answer = [&](const std::string&) { return shown = true, IDOK; };
        run.drive = [&, thread = GetCurrentThreadId()](HWND window) {
            if (row.server == std::string("tls-selfsigned")) {
                HWND question = nullptr;
                for (int i = 0; i < 1000 && question == nullptr; ++i, Sleep(10))
                    question = DialogWatcher::ThreadDialog(thread, IDC_CERT_SHA256);
                DialogWatcher::Click(question, IDCANCEL);
                for (int i = 0; i < 1000 && DialogWatcher::ControlText(window, IDC_LOG).find("You refused") ==
                                                std::string::npos; ++i)
                    Sleep(10);
                for (int i = 0; i < 100 && !shown; ++i) Sleep(10);  // a box would come now
                shown = true;
            }
            for (int i = 0; i < 2000 && !shown && DialogWatcher::ControlText(window, IDC_CONNECT) != "Disc&onnect"; ++i)
                Sleep(10);
            log = DialogWatcher::ControlText(window, IDC_LOG);
        };
        const std::vector<std::string> boxes = quill::RunQuill(run);
        const std::string first = row.message != 0 ? LoadResourceString(row.message) : "Do you wish to exit?";
        EXPECT_TRUE(!boxes.empty() && boxes[0].find(first) != std::string::npos) << row.server;
        EXPECT_NE(std::string::npos, log.find(row.logged)) << log;
        const bool loggedIn = row.server == std::string("pyftpdlib-tls");
        EXPECT_EQ(loggedIn, log.find("> USER") != std::string::npos) << log;  // never in clear
    }
}
