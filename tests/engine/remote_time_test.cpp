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
    struct Case {
        const char* line;
        ListFormat format;
        int minute, second, flags;
    } const cases[] = {
        {"type=file;size=1;modify=20240105123456; f", ListFormat::kMlsd, 34, 56, kTimeSeconds | kTimeUtc},
        {"type=file;size=1;modify=20241231235960.5; f", ListFormat::kMlsd, 59, 59, kTimeSeconds | kTimeUtc},
        {"type=file;size=1; f", ListFormat::kMlsd, 0, 0, 0},
        {"+m1704458096,s1,\tf", ListFormat::kList, 34, 56, kTimeSeconds | kTimeUtc},
        {"-rw-r--r--   1 u  g  1 Jan  5 12:34 f", ListFormat::kList, 34, 0, 0},
        {"01-05-24  12:34PM        1 f", ListFormat::kList, 34, 0, 0},
    };
    for (const Case& c : cases) {
        CUT_DIRINFO info = {};
        ASSERT_TRUE(ParseListLine(c.line, std::strlen(c.line), c.format, &info)) << c.line;
        EXPECT_EQ(c.minute, info.minute) << c.line;
        EXPECT_EQ(c.second, info.second) << c.line;
        EXPECT_EQ(c.flags, info.timeFlags) << c.line;
    }
}

TEST(RemoteTime, CalendarToSteps) {
    struct Case {
        int year, month, day, hour, minute, second;
        int64_t steps;
    } const cases[] = {
        {1601, 1, 1, 0, 0, 0, 0},
        {1970, 1, 1, 0, 0, 0, 116444736000000000},
        {2024, 2, 29, 12, 34, 56, 133536836960000000},
        {2100, 3, 1, 0, 0, 0, 157520160000000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.steps, FromCalendar(c.year, c.month, c.day, c.hour, c.minute, c.second)) << c.year;
}

// Equal within the coarser unit; newer only past it.
TEST(RemoteTime, CompareAtTheCoarserUnit) {
    const int64_t t = FromCalendar(2024, 1, 5, 12, 34, 0);
    struct Case {
        int64_t a, unitA, b, unitB;
        int result;
    } const cases[] = {
        {t + 59 * kSecond, kSecond, t, kMinute, 0},
        {t, kMinute, t + 59 * kSecond + 9999999, kSecond, 0},
        {t + 60 * kSecond, kSecond, t + 59 * kSecond, kMinute, 1},
        {t + 2 * kSecond, kSecond, t + 1 * kSecond, kSecond, 1},
        {t + 1 * kSecond + 5, kSecond, t + 1 * kSecond, kSecond, 0},
        {t - 1, kSecond, t, kSecond, -1},
        {t - 1, kMinute, t, kSecond, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(c.result, Compare(c.a, c.unitA, c.b, c.unitB)) << (c.a - t);
}

// The probe's seconds leave the offset; whole minutes and hours stay, also
// for a server ahead of local time.
TEST(RemoteTime, MinuteOffset) {
    const int64_t cases[][2] = {
        {37 * kSecond, 0},
        {-3600 * kSecond + 37 * kSecond, -3600 * kSecond},
        {3600 * kSecond + 59 * kSecond, 3600 * kSecond},
        {-1, -kMinute},
    };
    for (const auto& c : cases) EXPECT_EQ(c[1], MinuteOffset(c[0])) << c[0];
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
