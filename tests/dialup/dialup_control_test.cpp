// The dial-up rules over a scripted line: LAN, modem, no connection, one or
// two RAS connections, failing platform calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialup_control.h"
#include "fake_dialup_platform.h"

namespace {

using namespace testing_support;
using Actions = std::vector<std::string>;

HANDLE Ras(UINT_PTR value) { return reinterpret_cast<HANDLE>(value); }

TEST(DialupQuery, ReportsModemOnlyWithoutLan) {
    const struct {
        const char* name;
        BOOL connected;
        DWORD flags;
        int byModem;
    } cases[] = {{"LAN", TRUE, kLan | kRasInstalled, 0},  {"modem", TRUE, kModem | kRasInstalled, 1},
                 {"LAN and modem", TRUE, kLan | kModem, 0}, {"proxy", TRUE, kProxy, 0},
                 {"offline", FALSE, kRasInstalled, 0},      {"offline with modem bit", FALSE, kModem, 0}};
    for (const auto& c : cases) {
        FakeDialupPlatform line(c.connected, c.flags);
        int byModem = 7;
        EXPECT_EQ(c.connected, dialup::QueryInternetConnection(line, &byModem)) << c.name;
        EXPECT_EQ(c.byModem, byModem) << c.name;
    }
}

TEST(DialupConnect, DialsOnlyWhenOfflineAndAllowed) {
    const struct {
        const char* name;
        BOOL connected;
        bool noDial;
        const char* entryName;
        DWORD dialResult;
        int expected;
        DWORD expectedHandle;  // 55: left alone
        Actions actions;
    } cases[] = {
        {"LAN", TRUE, false, "ISP", 0, 1, 55, {}},
        {"No Dial", FALSE, true, "ISP", 0, 1, 55, {}},
        {"dialed", FALSE, false, "My ISP", 0, 1, 321, {"Dial 4660 'My ISP' 8192"}},
        {"default entry", FALSE, false, nullptr, 0, 1, 321, {"Dial 4660 '' 8192"}},
        {"dial cancelled", FALSE, false, "ISP", 631, 0, 55, {"Dial 4660 'ISP' 8192"}},
    };
    for (const auto& c : cases) {
        FakeDialupPlatform line(c.connected, c.connected ? kLan : kRasInstalled);
        line.dialResult = c.dialResult;
        line.dialedHandle = 321;
        bool noDialAsked = false;
        DWORD handle = 55;
        EXPECT_EQ(c.expected, dialup::EnsureInternetConnection(line, reinterpret_cast<HWND>(0x1234), c.entryName,
                                                               &handle, [&] { noDialAsked = true; return c.noDial; }))
            << c.name;
        EXPECT_EQ(c.expectedHandle, handle) << c.name;
        EXPECT_EQ(c.actions, line.actions) << c.name;
        EXPECT_EQ(!c.connected, noDialAsked) << c.name;
    }
}

TEST(DialupDisconnect, NothingToDoWithoutModemLine) {
    for (DWORD flags : {kLan | kModem, kLan}) {
        FakeDialupPlatform line(TRUE, flags);
        line.rasConnections = {{Ras(1), "ISP"}};
        EXPECT_EQ(0, dialup::HangUpDialedConnection(line, 9));
        EXPECT_EQ(0, dialup::HangUpAutodialConnection(line));
        EXPECT_EQ(Actions{}, line.actions);
    }
    FakeDialupPlatform offline(FALSE, kModem);
    EXPECT_EQ(0, dialup::HangUpDialedConnection(offline, 9));
    EXPECT_EQ(0, dialup::HangUpAutodialConnection(offline));
    EXPECT_EQ(Actions{}, offline.actions);
}

// The RAS connection is hung up by name only when exactly one is up; the
// name is taken before the WinINet hang-up and compared exactly afterwards.
TEST(DialupDisconnect, HangsUpTheOneRasConnectionByName) {
    const struct {
        const char* name;
        std::vector<dialup::RasConnection> before, after;
        DWORD hangUpResult;
        int expected;
        Actions actions;
    } cases[] = {
        {"one connection", {{Ras(1), "My ISP"}}, {}, 0, 1, {"HangUp 9", "RasHangUp 1"}},
        {"two connections", {{Ras(1), "My ISP"}, {Ras(2), "Work"}}, {}, 0, 1, {"HangUp 9"}},
        {"none", {}, {}, 0, 1, {"HangUp 9"}},
        {"hang-up fails", {{Ras(1), "My ISP"}}, {}, 87, 0, {"HangUp 9"}},
        {"first exact name after", {{Ras(1), "My ISP"}},
         {{Ras(5), "my isp"}, {Ras(6), "My ISP"}, {Ras(7), "My ISP"}}, 0, 1, {"HangUp 9", "RasHangUp 6"}},
    };
    for (const auto& c : cases) {
        FakeDialupPlatform line(TRUE, kModem);
        line.rasConnections = c.before;
        line.rasAfterHangUp = c.after;
        line.hangUpResult = c.hangUpResult;
        EXPECT_EQ(c.expected, dialup::HangUpDialedConnection(line, 9)) << c.name;
        EXPECT_EQ(c.actions, line.actions) << c.name;
    }
}

TEST(DialupAutoDisconnect, ReturnsThePlatformResultOnAModemLine) {
    for (BOOL result : {TRUE, FALSE}) {
        FakeDialupPlatform line(TRUE, kModem);
        line.autodialHangUpResult = result;
        EXPECT_EQ(result, dialup::HangUpAutodialConnection(line));
        EXPECT_EQ(Actions{"AutodialHangUp"}, line.actions);
    }
}

}  // namespace
