// Listed times with their precision, and the arithmetic that compares them
// with local file times.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_server.h"
#include "list_parser.h"
#include "remote_time.h"

namespace {

using namespace remote_time;

// Fact listings give UTC to the second; LIST gives the server's clock to the minute.
TEST(RemoteTime, ListedPrecision) {
    constexpr int kUtcSeconds = kTimeSeconds | kTimeUtc;
    const struct { const char* line; ListFormat format; int second, flags; } cases[] = {
        {"type=file;size=1;modify=20240105123456; f", ListFormat::kMlsd, 56, kUtcSeconds},
        {"type=file;size=1;modify=20241231235960.5; f", ListFormat::kMlsd, 59, kUtcSeconds},
        {"type=file;size=1; f", ListFormat::kMlsd, 0, 0},
        {"+m1704458096,s1,\tf", ListFormat::kList, 56, kUtcSeconds},
        {"-rw-r--r--   1 u  g  1 Jan  5 12:34 f", ListFormat::kList, 0, 0},
    };
    for (const auto& c : cases) {
        CUT_DIRINFO info = {};
        ASSERT_TRUE(ParseListLine(c.line, std::strlen(c.line), c.format, &info)) << c.line;
        EXPECT_EQ((std::vector<int>{c.second, c.flags}), (std::vector<int>{info.second, info.timeFlags})) << c.line;
    }
}

// Equal within the coarser unit; newer only past it.
TEST(RemoteTime, CompareAtTheCoarserUnit) {
    const int64_t t = FromCalendar(2024, 1, 5, 12, 34, 0);
    const struct { int64_t a, unitA, b, unitB; int result; } cases[] = {
        {t + 59 * kSecond, kSecond, t, kMinute, 0},           {t + 60 * kSecond, kSecond, t + 59 * kSecond, kMinute, 1},
        {t + 2 * kSecond, kSecond, t + kSecond + 5, kSecond, 1}, {t + kSecond + 5, kSecond, t + kSecond, kSecond, 0},
        {t - 1, kMinute, t, kSecond, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.result, Compare(c.a, c.unitA, c.b, c.unitB)) << (c.a - t);
}

// A calendar time; the probe's seconds leave the clock offset, whole minutes stay.
TEST(RemoteTime, CalendarAndMinuteOffset) {
    EXPECT_EQ(133536836960000000, FromCalendar(2024, 2, 29, 12, 34, 56));
    EXPECT_EQ(-3600 * kSecond, MinuteOffset(-3600 * kSecond + 37 * kSecond));
    EXPECT_EQ(-kMinute, MinuteOffset(-1));
}

// MFMT where FEAT offers it; else SITE UTIME, not asked again once the
// server has no such command (a 550 is about one file only), and never
// where FEAT went unanswered.
TEST(RemoteTime, SetFileTime) {
    constexpr const char* kStamp = "20240105123456";
    struct Case {
        const char* feat;
        std::vector<const char*> replies;
        std::vector<std::pair<const char*, int>> calls;  // stamp, result
        std::vector<std::string> sent;
    } const cases[] = {
        {"211-Features:\n MFMT\n211 End", {"213 Modify=20240105123456; a b"},
         {{kStamp, 0}, {"2024010512345x", -3}}, {"MFMT 20240105123456 a b"}},
        {"211 End", {"550 a b: denied", "500 what?"}, {{kStamp, -29}, {kStamp, -29}, {kStamp, -29}},
         {"SITE UTIME 20240105123456 a b", "SITE UTIME 20240105123456 a b"}},
        {"211 End", {"200 done"}, {{kStamp, 0}}, {"SITE UTIME 20240105123456 a b"}},
        {"500 FEAT?", {}, {{kStamp, -29}}, {}},
    };
    for (const Case& c : cases) {
        std::vector<fake::Step> steps = {fake::Answer(c.feat)};
        for (const char* reply : c.replies) steps.push_back(fake::Answer(reply));
        fake::FakeServer server(fake::LoggedIn(steps));
        CUT_FTPClient client;
        ASSERT_EQ(0, fake::LogIn(client, server));
        client.SetOtherOptions();
        for (const auto& [stamp, result] : c.calls) EXPECT_EQ(result, client.SetFileTime("a b", stamp)) << c.feat;
        const std::vector<std::string> all = server.Commands();
        EXPECT_EQ(c.sent, std::vector<std::string>(all.begin() + 2, all.end())) << c.feat;
        server.Stop();
    }
}

}  // namespace
