// The wait callback: a command that waits on a slow server calls it at
// least every 100 ms, and a stop from it ends the wait with -4 and leaves
// the connection in step.
#include <gtest/gtest.h>

#include "fake_server.h"
#include "ftp_result.h"

namespace {

int g_waits = 0;
int g_stopAt = 0;  // the call that asks to stop; 0 never
int CountWaits() { return ++g_waits == g_stopAt; }

TEST(WaitCallback, ASlowReplyIsReportedAndCanBeStopped) {
    struct Row { int stopAt; int result; std::vector<std::string> commands; };
    for (const Row& r : {Row{0, ftp::kOk, {"USER joe", "CWD slow", "PWD"}},
                         Row{2, ftp::kCancelled, {"USER joe", "CWD slow", "NOOP", "PWD"}}}) {
        fake::FakeServer server(fake::LoggedIn({{fake::Action::kPause, "700"}, fake::Answer("250 OK"),
                                                fake::Answer(r.stopAt ? "200 NOOP ok" : "257 \"/slow\""),
                                                fake::Answer("257 \"/\"")}));
        CUT_FTPClient client;
        ASSERT_EQ(ftp::kOk, fake::LogIn(client, server));
        g_waits = 0, g_stopAt = r.stopAt;
        client.SetWaitCallback(CountWaits);
        EXPECT_EQ(r.result, client.ChDir("slow"));
        EXPECT_GE(g_waits, r.stopAt ? r.stopAt : 5);  // 700 ms of waiting
        char dir[64];
        EXPECT_EQ(ftp::kOk, client.GetCurDir(dir, 63));
        EXPECT_EQ(r.commands, server.Commands());
    }
}

}  // namespace
