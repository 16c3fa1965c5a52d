// The one data step of listings, RETR and STOR, as data: the server's
// scripted replies in, the commands the client sent and its result out.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "fake_server.h"
#include "ftp_result.h"
#include "test_files.h"
#include "ut_ftpclient.h"

using fake::Action;
using fake::Answer;
using fake::FakeServer;
using fake::Step;
using Clock = std::chrono::steady_clock;

namespace {

enum class Op { kList, kGet, kGetActive, kPut };

struct DataCase {
    const char* name;
    Op op;
    std::vector<Step> script;           // after the login
    std::vector<std::string> commands;  // after USER, up to the PWD that checks the connection
    int result;
    std::string kept;  // the listed names, or the download target afterwards
    FtpProgressCallback progress = nullptr;
    int timeoutMs = 5000;
    std::string note = "";  // a note the trace must hold
    int limit = 0;          // SetMaxListingEntries when not 0
};

void PrintTo(const DataCase& c, std::ostream* out) { *out << c.name; }

const Step kTypeI = Answer("200 Type set to I");
const Step kPasv{Action::kExpectPasv, ""};
const Step kMark = Answer("150 Opening data connection");
const Step kDone{Action::kReply, "226 Transfer complete"};
const Step kSilent{Action::kSilence, ""};  // a row ending silent: a stop must end the call at once
const std::string kLine = "-rw-r--r-- 1 joe users 12 Jan 05 12:00 a.txt\r\n";
const Step kData{Action::kSendData, kLine}, kNew{Action::kSendData, "new"}, kStored{Action::kReceiveData, ""};
const std::vector<std::string> kList = {"PASV", "LIST"};
const std::vector<std::string> kGet = {"TYPE I", "PASV", "RETR a.txt"};
const std::vector<std::string> kPut = {"TYPE I", "PASV", "STOR a.txt"};

const FakeServer* g_server = nullptr;  // the server of the running row
int StopAtOnce(unsigned long, int) { return 1; }
int StopOnceComplete(unsigned long, int) { return g_server->Finished() ? 1 : 0; }

template <typename T>
std::vector<T> Plus(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<DataCase> DataCases() {
    using namespace ftp;  // the result codes
    const Step kNoReply = Answer("");  // reads the command, answers later or never
    return {
        {"ListWithMark", Op::kList, {kPasv, kMark, kData, kDone}, kList, kOk, "a.txt"},
        {"ListPasvNamingAnotherHost", Op::kList, {{Action::kExpectPasv, "10,9,8,7"}, kMark, kData, kDone}, kList, kOk,
         "a.txt"},
        {"ListLeavesOutOverlongName", Op::kList,
         {kPasv, kMark, {Action::kSendData, kLine + kLine.substr(0, 39) + std::string(256, 'n') + "\r\n"}, kDone},
         kList, kOk, "a.txt", nullptr, 5000,
         "Skipped a listed name longer than 255 characters: " + std::string(64, 'n') + "..."},
        {"ListGarbledPasvReply", Op::kList, {Answer("227 Passive (999,0,0,1,x)")}, {"PASV"}, kBadPassiveReply, ""},
        {"ListFinalWithoutMark", Op::kList, {kPasv, Answer("226 Nothing")}, kList, kNoResponse, ""},
        {"ListRefused425", Op::kList, {kPasv, Answer("425 No data")}, kList, kDataConnectionClosed, ""},
        {"ListEmpty450", Op::kList, {kPasv, Answer("450 No files found")}, kList, kOk, ""},
        {"ListEmpty550NoFiles", Op::kList, {kPasv, Answer("550 No files found")}, kList, kOk, ""},
        // The data connection stays silent: ABOR and NOOP put the control
        // connection back in step instead of closing it.
        {"ListDataSilent", Op::kList, {kPasv, kMark, Answer("426 Aborted\n226 ABOR ok"), Answer("200 NOOP ok")},
         Plus(kList, {"ABOR", "NOOP"}), kTimeout, "", nullptr, 800},
        // A stop while the 226 is already there and the answer to ABOR
        // comes late: the next command must still read its own reply.
        {"GetStoppedWithLateAbortReply", Op::kGet,
         {kTypeI, kPasv, kMark, {Action::kSendData, std::string(70000, 'd')}, kDone, kNoReply,
          {Action::kPause, "600"}, {Action::kReply, "225 ABOR command successful"}, Answer("200 NOOP ok")},
         Plus(kGet, {"ABOR", "NOOP"}), kCancelled, "old", StopAtOnce},
        // A stop answered once the server's 226 is in comes too late to undo
        // the download: it is kept and the call succeeds.
        {"GetStopAfterFinalReplyKeepsFile", Op::kGet, {kTypeI, kPasv, kMark, kNew, kDone}, kGet, kOk, "new",
         StopOnceComplete},
        {"ListPastTheLimitKeepsConnection", Op::kList,
         {kPasv, kMark, {Action::kSendData, kLine + kLine + kLine + kLine}, kDone, Answer("225 ABOR"),
          Answer("200 NOOP")},
         Plus(kList, {"ABOR", "NOOP"}), kListingTooLong, "a.txt,a.txt", nullptr, 5000, "", 2},
        // Stops while the server is silent, one row per phase: each is seen
        // within a quarter second and the call returns soon after.
        {"StopAtTypeReply", Op::kGet, {kNoReply, kSilent}, {"TYPE I"}, kCancelled, "old", StopAtOnce},
        {"StopAtPasvReply", Op::kGet, {kTypeI, kNoReply, kSilent}, {"TYPE I", "PASV"}, kCancelled, "old", StopAtOnce},
        {"StopAtFirstReply", Op::kGet, {kTypeI, kPasv, kNoReply, kSilent}, kGet, kCancelled, "old", StopAtOnce},
        {"StopAtActiveConnection", Op::kGetActive, {kTypeI, Answer("200 PORT ok"), kMark, kSilent},
         {"TYPE I", "PORT", "RETR a.txt"}, kCancelled, "old", StopAtOnce},
        {"StopAtData", Op::kGet, {kTypeI, kPasv, kMark, kSilent}, kGet, kCancelled, "old", StopAtOnce},
        {"StopAtFinalReply", Op::kGet, {kTypeI, kPasv, kMark, kNew, kSilent}, kGet, kCancelled, "old", StopAtOnce},
        {"StopAtUploadsFinalReply", Op::kPut, {kTypeI, kPasv, kMark, kStored, kSilent}, kPut, kCancelled, "",
         StopAtOnce},
        {"GetWithMarks", Op::kGet, {kTypeI, kPasv, kMark, kNew, {Action::kReply, "110 M\n226 Ok"}}, kGet, kOk, "new"},
        {"GetFinalWithoutMark", Op::kGet, {kTypeI, kPasv, Answer("226 Done")}, kGet, kNoResponse, "old"},
        {"GetAborted426", Op::kGet, {kTypeI, kPasv, kMark, {Action::kSendData, "ne"}, {Action::kReply, "426 Aborted"}},
         kGet, kDataConnectionClosed, "old"},
        {"GetMissing550", Op::kGet, {kTypeI, kPasv, Answer("550 a.txt: No such file")}, kGet, kFileMissing, "old"},
        {"GetEmpty550IsNoListing", Op::kGet, {kTypeI, kPasv, Answer("550 No files")}, kGet, kPermissionDenied, "old"},
        {"GetDroppedKeepsOldFile", Op::kGet,
         {kTypeI, kPasv, kMark, {Action::kSendDataAndDrop, std::string(100000, 'n')}}, kGet, kConnectionClosed, "old"},
        {"PutWithMark", Op::kPut, {kTypeI, kPasv, kMark, kStored, kDone}, kPut, kOk, ""},
        {"PutDiskFull", Op::kPut, {kTypeI, kPasv, kMark, kStored, {Action::kReply, "552 Quota"}}, kPut,
         kServerDiskFull, ""},
    };
}

std::string ListedNames(CUT_FTPClient& client) {
    std::string names;
    for (int i = 0; i < client.GetDirInfoCount(); ++i) {
        CUT_DIRINFO e;
        client.GetDirEntry(i, &e);
        names += (names.empty() ? "" : ",") + std::string(e.fileName);
    }
    return names;
}

std::vector<std::string> g_notes;
void CollectNotes(const char* text, int kind) { if (kind == 0) g_notes.push_back(text); }

class DataStep : public ::testing::TestWithParam<DataCase> {};

TEST_P(DataStep, SendsExactCommandsAndKeepsConnectionInStep) {
    const DataCase& c = GetParam();
    FakeServer server(fake::LoggedIn(Plus(c.script, {Answer("257 \"/\" is current")})));
    CUT_FTPClient client;
    ASSERT_EQ(ftp::kOk, fake::LogIn(client, server, c.timeoutMs));
    g_notes.clear();
    client.SetCallbackTrace(CollectNotes);
    g_server = &server;
    client.SetCallback(c.progress);
    if (c.limit) client.SetMaxListingEntries(c.limit);
    testfiles::TempFolder folder;
    const std::string local = folder.Path("a.txt");
    testfiles::WriteFile(local, "old");
    client.SetPassiveTransfer(c.op == Op::kGetActive ? 0 : 1);
    const auto start = Clock::now();
    int r = 0;
    if (c.op == Op::kList) r = client.GetDirInfo(nullptr);
    if (c.op == Op::kGet || c.op == Op::kGetActive) r = client.ReceiveFile("a.txt", local.c_str());
    if (c.op == Op::kPut) r = client.SendFile(local.c_str(), "a.txt");
    const bool silent = c.script.back().action == Action::kSilence;
    EXPECT_TRUE(!silent || Clock::now() - start < std::chrono::milliseconds(500)) << "a stop must not wait";
    EXPECT_EQ(c.result, r);
    if (c.op == Op::kList) {
        EXPECT_EQ(c.kept, ListedNames(client));
    } else if (c.op != Op::kPut) {
        EXPECT_EQ(c.kept, testfiles::ReadFile(local));
        EXPECT_EQ(std::vector<std::string>{"a.txt"}, folder.List()) << "no partial file stays behind";
    }
    EXPECT_TRUE(c.note.empty() || std::count(g_notes.begin(), g_notes.end(), c.note) == 1) << c.note;
    std::vector<std::string> expected = Plus({"USER joe"}, c.commands);
    if (r != ftp::kConnectionClosed && !silent) {
        char dir[256];
        EXPECT_EQ(ftp::kOk, client.GetCurDir(dir, 255));
        expected.push_back("PWD");
    }
    std::vector<std::string> commands = server.Commands();
    for (std::string& command : commands) {
        if (command.compare(0, 5, "PORT ") == 0) command = "PORT";  // its port is the system's choice
    }
    EXPECT_EQ(expected, commands);
}

INSTANTIATE_TEST_SUITE_P(Scripted, DataStep, ::testing::ValuesIn(DataCases()),
                         [](const ::testing::TestParamInfo<DataCase>& p) { return p.param.name; });

TEST(DataStepOnce, RefusedEpsvMeansPasvForTheRestOfTheConnection) {
    FakeServer server(fake::LoggedIn({Answer("211-Features:\n EPSV\n211 End"), Answer("500 EPSV not understood"),
                                      kPasv, kMark, kData, kDone, kPasv, kMark, kData, kDone}));
    CUT_FTPClient client;
    ASSERT_EQ(ftp::kOk, fake::LogIn(client, server));
    ASSERT_EQ(ftp::kOk, client.SetOtherOptions());
    EXPECT_EQ(ftp::kOk, client.GetDirInfo(nullptr));
    EXPECT_EQ(ftp::kOk, client.GetDirInfo(nullptr));
    EXPECT_EQ(1, client.GetDirInfoCount());
    const std::vector<std::string> expected = {"USER joe", "FEAT", "EPSV", "PASV", "LIST", "PASV", "LIST"};
    EXPECT_EQ(expected, server.Commands());
}

// A stop while an earlier stop's replies are still being dropped sends
// nothing new: the earlier NOOP's 200 still marks the end.
TEST(DataStepOnce, StopWhileDroppingAnEarlierStopsReplies) {
    FakeServer server(fake::LoggedIn({kTypeI, kPasv, kMark, Answer(""), Answer(""), {Action::kPause, "1500"},
                                      {Action::kReply, "426 Aborted\n226 ABOR ok\n200 NOOP ok"}, Answer("257 \"/\"")}));
    CUT_FTPClient client;
    ASSERT_EQ(ftp::kOk, fake::LogIn(client, server));
    client.SetCallback(StopAtOnce);
    testfiles::TempFolder folder;
    EXPECT_EQ(ftp::kCancelled, client.ReceiveFile("a.txt", folder.Path("a.txt").c_str()));
    EXPECT_EQ(ftp::kCancelled, client.ReceiveFile("b.txt", folder.Path("b.txt").c_str()));
    char dir[256];
    EXPECT_EQ(ftp::kOk, client.GetCurDir(dir, 255));
    const std::vector<std::string> expected = {"USER joe", "TYPE I", "PASV", "RETR a.txt", "ABOR", "NOOP", "PWD"};
    EXPECT_EQ(expected, server.Commands());
}

}  // namespace
