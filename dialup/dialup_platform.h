// The platform calls of dial-up control, behind one interface: WinINet and
// RAS in production (WinInetRasPlatform), a scripted machine in tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace dialup {

// One active RAS connection, as far as hanging up needs it.
struct RasConnection {
    HANDLE handle;
    std::string entryName;
};

class DialupPlatform {
public:
    virtual ~DialupPlatform() = default;

    // InternetGetConnectedState: TRUE when connected; `flags` gets the
    // INTERNET_CONNECTION_* bits.
    virtual BOOL GetConnectedState(DWORD* flags) = 0;
    // InternetDial: 0 on success, with `connection` set.
    virtual DWORD Dial(HWND parent, const std::string& entryName, DWORD flags,
                       DWORD* connection) = 0;
    // InternetHangUp: 0 on success.
    virtual DWORD HangUp(DWORD connection) = 0;
    // InternetAutodialHangup.
    virtual BOOL AutodialHangUp() = 0;
    // RasEnumConnectionsA; empty when the enumeration fails.
    virtual std::vector<RasConnection> ActiveRasConnections() = 0;
    // RasHangUpA: 0 on success.
    virtual DWORD RasHangUp(HANDLE connection) = 0;
};

// The real calls.
class WinInetRasPlatform : public DialupPlatform {
public:
    BOOL GetConnectedState(DWORD* flags) override;
    DWORD Dial(HWND parent, const std::string& entryName, DWORD flags, DWORD* connection) override;
    DWORD HangUp(DWORD connection) override;
    BOOL AutodialHangUp() override;
    std::vector<RasConnection> ActiveRasConnections() override;
    DWORD RasHangUp(HANDLE connection) override;
};

}  // namespace dialup
