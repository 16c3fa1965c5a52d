// Listed times with their precision, the arithmetic that compares them with
// local file times, and setting a file's time on the server.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_server.h"
#include "list_parser.h"
#include "remote_time.h"

namespace {

using namespace remote_time;

// Fact listings give UTC to the second; LIST gives the server's clock to the minute.
TEST(RemoteTime, ListedPrecision) {
    const struct { const char* line; ListFormat format; std::vector<int> secondAndFlags; } cases[] = {
        {"type=file;size=1;modify=20240105123456; f", ListFormat::kMlsd, {56, kTimeSeconds | kTimeUtc}},
        {"type=file;size=1;modify=20241231235960.5; f", ListFormat::kMlsd, {59, kTimeSeconds | kTimeUtc}},
        {"+m1704458096,s1,\tf", ListFormat::kList, {56, kTimeSeconds | kTimeUtc}},
        {"-rw-r--r--   1 u  g  1 Jan  5 12:34 f", ListFormat::kList, {0, 0}},
    };
    for (const auto& c : cases) {
        CUT_DIRINFO info = {};
        ASSERT_TRUE(ParseListLine(c.line, std::strlen(c.line), c.format, &info)) << c.line;
        EXPECT_EQ(c.secondAndFlags, (std::vector<int>{info.second, info.timeFlags})) << c.line;
    }
}

// Equal within the coarser unit, newer only past it; a minute moved by a
// clock offset with seconds starts where the offset puts it. The probe's
// seconds leave the offset unless the listed seconds are known.
TEST(RemoteTime, CompareAtTheCoarserUnit) {
    const int64_t t = FromCalendar(2024, 2, 29, 12, 34, 0);
    EXPECT_EQ(133536836400000000, t);
    const int64_t s = kSecond;
    const struct { int64_t a, unitA, b, unitB; int result; } cases[] = {
        {t + 59 * s, s, t, kMinute, 0},          {t + 61 * s, s, t, kMinute, 0},       {t + 62 * s, s, t, kMinute, 1},
        {t - 2 * s, s, t, kMinute, 0},           {t - 2 * s - 1, s, t, kMinute, -1},   {t, kMinute, t - 3 * s, s, 1},
        {t + 2 * s, s, t + s + 5, s, 1},         {t + s + 5, s, t + s, s, 0},          {t + 81 * s, s, t + 20 * s, kMinute, 0},
        {t + 82 * s, s, t + 20 * s, kMinute, 1}, {t + 20 * s, kMinute, t + 17 * s, s, 1},
        {t + 20 * s, kMinute, t + 79 * s, kMinute, 0}, {t + 20 * s, kMinute, t + 80 * s, kMinute, -1},
        {t + 11 * 3600 * s, s, t, kDay, 0},      {t + 12 * 3600 * s, s, t, kDay, 1},   {t, kDay, t - 13 * 3600 * s, s, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, Compare(c.a, c.unitA, c.b, c.unitB)) << (c.a - t) / s;
    EXPECT_EQ(-3600 * s, ListedOffset(-3600 * s + 37 * s, false));
    // The stamp lies within the second after the listed one: the measure minus half a second, rounded.
    EXPECT_EQ(-21 * s, ListedOffset(-20 * s - 3 * s / 10, true));
    EXPECT_EQ(-3600 * s + 37 * s, ListedOffset(-3600 * s + 37 * s + 6 * s / 10, true));
    EXPECT_EQ(0, ListedOffset(7 * s / 10, true));  // one clock, read 0.7 s into the listed second
}

// MFMT where FEAT offers it; else SITE UTIME, not asked again once the server
// has no such command (a 550 is about one file), never where FEAT went
// unanswered; a fault before any answer is passed on.
TEST(RemoteTime, SetFileTime) {
    const std::string m = "MFMT 20240105123456 a b", u = "SITE UTIME 20240105123456 a b";
    const struct {
        const char* feat;
        std::vector<const char*> replies;
        std::vector<int> results;
        std::vector<std::string> sent;
    } cases[] = {
        {"211-Features:\n MFMT\n211 End", {"213 Modify=20240105123456; a b"}, {0}, {m}},
        {"211 End", {"550 a b: denied", "500 what?"}, {-29, -29, -29}, {u, u}},
        {"211 End", {"200 done"}, {0}, {u}},
        {"211 End", {"\x01 not FTP"}, {-31, -20}, {u}},  // no answer: the engine's result, not a refusal
        {"500 FEAT?", {}, {-29}, {}},
    };
    for (const auto& c : cases) {
        std::vector<fake::Step> steps = {fake::Answer(c.feat)};
        for (const char* reply : c.replies) steps.push_back(fake::Answer(reply));
        fake::FakeServer server(fake::LoggedIn(steps));
        CUT_FTPClient client;
        ASSERT_EQ(0, fake::LogIn(client, server));
        client.SetOtherOptions();
        EXPECT_EQ(-3, client.SetFileTime("a b", "2024010512345x"));
        std::vector<int> results;
        for (size_t i = 0; i < c.results.size(); ++i) results.push_back(client.SetFileTime("a b", "20240105123456"));
        const std::vector<std::string> sent = server.Commands();
        EXPECT_EQ(c.results, results) << c.feat;
        EXPECT_EQ(c.sent, std::vector<std::string>(sent.begin() + 2, sent.end())) << c.feat;
        server.Stop();
    }
}

// MDTM: the UTC stamp to the second, a fraction dropped; no such command or
// an answer that is not a time gives -29, a missing file its own code.
TEST(RemoteTime, GetFileTime) {
    const struct { const char* reply; int result; const char* stamp; } cases[] = {
        {"213 20240105123456", 0, "20240105123456"}, {"213 20240105123456.789", 0, "20240105123456"},
        {"213 2024", -29, ""},  {"500 MDTM?", -29, ""}, {"550 a b: No such file", -16, ""},
    };
    for (const auto& c : cases) {
        fake::FakeServer server(fake::LoggedIn({fake::Answer(c.reply)}));
        CUT_FTPClient client;
        ASSERT_EQ(0, fake::LogIn(client, server));
        char stamp[15] = "";
        EXPECT_EQ(-3, client.GetFileTime("a b", stamp, 14));
        EXPECT_EQ(c.result, client.GetFileTime("a b", stamp, sizeof stamp)) << c.reply;
        EXPECT_STREQ(c.stamp, stamp) << c.reply;
        EXPECT_EQ("MDTM a b", server.Commands().back());
        server.Stop();
    }
}

}  // namespace
