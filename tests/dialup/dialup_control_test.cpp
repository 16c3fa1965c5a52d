// The dial-up rules over a scripted line: LAN, modem, no connection, one or
// two RAS connections, failing platform calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialup_control.h"
#include "dialup_platform.h"

namespace {

using Actions = std::vector<std::string>;
using Connections = std::vector<dialup::RasConnection>;
constexpr DWORD kModem = 0x01, kLan = 0x02, kProxy = 0x04, kRasInstalled = 0x10;  // INTERNET_CONNECTION_*

// A scripted stand-in for WinINet and RAS: answers as configured and records
// the calls that act on the line.
class FakeLine : public dialup::DialupPlatform {
public:
    FakeLine(BOOL isConnected, DWORD connectionFlags) : connected(isConnected), flags(connectionFlags) {}

    BOOL connected;
    DWORD flags;
    DWORD dialResult = 0, hangUpResult = 0;
    BOOL autodialHangUpResult = TRUE;
    Connections rasConnections, rasAfterHangUp;  // the RAS list before and once HangUp ran
    Actions actions;                             // e.g. "HangUp 7"

    BOOL GetConnectedState(DWORD* out) override { *out = flags; return connected; }
    DWORD Dial(HWND parent, const std::string& name, DWORD dialFlags, DWORD* connection) override {
        actions.push_back("Dial " + std::to_string(reinterpret_cast<UINT_PTR>(parent)) + " '" + name + "' " +
                          std::to_string(dialFlags));
        if (dialResult == 0) *connection = 321;
        return dialResult;
    }
    DWORD HangUp(DWORD connection) override {
        actions.push_back("HangUp " + std::to_string(connection));
        if (!rasAfterHangUp.empty()) rasConnections = rasAfterHangUp;
        return hangUpResult;
    }
    BOOL AutodialHangUp() override {
        actions.push_back("AutodialHangUp");
        return autodialHangUpResult;
    }
    Connections ActiveRasConnections() override { return rasConnections; }
    DWORD RasHangUp(HANDLE connection) override {
        actions.push_back("RasHangUp " + std::to_string(reinterpret_cast<UINT_PTR>(connection)));
        return 0;
    }
};

HANDLE Ras(UINT_PTR value) { return reinterpret_cast<HANDLE>(value); }

TEST(DialupQuery, ReportsModemOnlyWithoutLan) {
    const struct { const char* name; BOOL connected; DWORD flags; int byModem; } cases[] = {
        {"LAN", TRUE, kLan | kRasInstalled, 0},  {"modem", TRUE, kModem | kRasInstalled, 1},
        {"LAN and modem", TRUE, kLan | kModem, 0}, {"proxy", TRUE, kProxy, 0},
        {"offline", FALSE, kRasInstalled, 0},      {"offline with modem bit", FALSE, kModem, 0}};
    for (const auto& c : cases) {
        FakeLine line(c.connected, c.flags);
        int byModem = 7;
        EXPECT_EQ(c.connected, dialup::QueryInternetConnection(line, &byModem)) << c.name;
        EXPECT_EQ(c.byModem, byModem) << c.name;
    }
}

TEST(DialupConnect, DialsOnlyWhenOfflineAndAllowed) {
    // expectedHandle 55: left alone
    const struct { const char* name; BOOL connected; bool noDial; const char* entryName; DWORD dialResult;
                   int expected; DWORD expectedHandle; Actions actions; } cases[] = {
        {"LAN", TRUE, false, "ISP", 0, 1, 55, {}},
        {"No Dial", FALSE, true, "ISP", 0, 1, 55, {}},
        {"dialed", FALSE, false, "My ISP", 0, 1, 321, {"Dial 4660 'My ISP' 8192"}},
        {"default entry", FALSE, false, nullptr, 0, 1, 321, {"Dial 4660 '' 8192"}},
        {"dial cancelled", FALSE, false, "ISP", 631, 0, 55, {"Dial 4660 'ISP' 8192"}}};
    for (const auto& c : cases) {
        FakeLine line(c.connected, c.connected ? kLan : kRasInstalled);
        line.dialResult = c.dialResult;
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

// Only a modem line is hung up; the autodial hang-up returns the platform's result.
TEST(DialupDisconnect, OnlyAModemLineIsHungUp) {
    const struct { BOOL connected; DWORD flags; BOOL autodialResult; int autodial; Actions actions; } cases[] = {
        {TRUE, kLan | kModem, TRUE, 0, {}}, {TRUE, kLan, TRUE, 0, {}},  {FALSE, kModem, TRUE, 0, {}},
        {TRUE, kModem, TRUE, 1, {"AutodialHangUp"}}, {TRUE, kModem, FALSE, 0, {"AutodialHangUp"}}};
    for (const auto& c : cases) {
        FakeLine line(c.connected, c.flags);
        line.rasConnections = {{Ras(1), "ISP"}};
        line.autodialHangUpResult = c.autodialResult;
        if (c.actions.empty()) { EXPECT_EQ(0, dialup::HangUpDialedConnection(line, 9)) << c.flags; }
        EXPECT_EQ(c.autodial, dialup::HangUpAutodialConnection(line)) << c.flags;
        EXPECT_EQ(c.actions, line.actions) << c.flags;
    }
}

// The RAS connection is hung up by name only when exactly one is up; the
// name is taken before the WinINet hang-up and compared exactly afterwards.
TEST(DialupDisconnect, HangsUpTheOneRasConnectionByName) {
    const struct { const char* name; Connections before, after; DWORD hangUpResult; int expected; Actions actions; }
        cases[] = {
            {"one connection", {{Ras(1), "My ISP"}}, {}, 0, 1, {"HangUp 9", "RasHangUp 1"}},
            {"two connections", {{Ras(1), "My ISP"}, {Ras(2), "Work"}}, {}, 0, 1, {"HangUp 9"}},
            {"none", {}, {}, 0, 1, {"HangUp 9"}},
            {"hang-up fails", {{Ras(1), "My ISP"}}, {}, 87, 0, {"HangUp 9"}},
            {"first exact name after", {{Ras(1), "My ISP"}},
             {{Ras(5), "my isp"}, {Ras(6), "My ISP"}, {Ras(7), "My ISP"}}, 0, 1, {"HangUp 9", "RasHangUp 6"}}};
    for (const auto& c : cases) {
        FakeLine line(TRUE, kModem);
        line.rasConnections = c.before;
        line.rasAfterHangUp = c.after;
        line.hangUpResult = c.hangUpResult;
        EXPECT_EQ(c.expected, dialup::HangUpDialedConnection(line, 9)) << c.name;
        EXPECT_EQ(c.actions, line.actions) << c.name;
    }
}

}  // namespace
