// A scripted stand-in for WinINet and RAS: answers as configured and records
// the calls that act on the line, so tests can play a LAN, a modem or none.
#pragma once

#include <string>
#include <vector>

#include "dialup_platform.h"

namespace testing_support {

constexpr DWORD kModem = 0x01, kLan = 0x02, kProxy = 0x04, kRasInstalled = 0x10;  // INTERNET_CONNECTION_*

class FakeDialupPlatform : public dialup::DialupPlatform {
public:
    FakeDialupPlatform(BOOL isConnected, DWORD connectionFlags) : connected(isConnected), flags(connectionFlags) {}

    BOOL connected;
    DWORD flags;
    DWORD dialResult = 0, dialedHandle = 0, hangUpResult = 0;
    BOOL autodialHangUpResult = TRUE;
    std::vector<dialup::RasConnection> rasConnections;
    std::vector<dialup::RasConnection> rasAfterHangUp;  // the RAS list once HangUp ran
    std::vector<std::string> actions;                   // e.g. "HangUp 7"

    BOOL GetConnectedState(DWORD* out) override {
        *out = flags;
        return connected;
    }
    DWORD Dial(HWND parent, const std::string& name, DWORD dialFlags, DWORD* connection) override {
        actions.push_back("Dial " + std::to_string(reinterpret_cast<UINT_PTR>(parent)) + " '" + name + "' " +
                          std::to_string(dialFlags));
        if (dialResult == 0) *connection = dialedHandle;
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
    std::vector<dialup::RasConnection> ActiveRasConnections() override { return rasConnections; }
    DWORD RasHangUp(HANDLE connection) override {
        actions.push_back("RasHangUp " + std::to_string(reinterpret_cast<UINT_PTR>(connection)));
        return 0;
    }
};

}  // namespace testing_support
