#include "dialup_control.h"

#include <string>

namespace dialup {
namespace {

// The platform's INTERNET_CONNECTION_* bits.
constexpr DWORD kConnectionModem = 0x01;
constexpr DWORD kConnectionLan = 0x02;

bool ConnectedByModem(DialupPlatform& platform) {
    int byModem = 0;
    return QueryInternetConnection(platform, &byModem) != 0 && byModem != 0;
}

}  // namespace

int QueryInternetConnection(DialupPlatform& platform, int* byModem) {
    *byModem = 0;
    DWORD flags = 0;
    const BOOL connected = platform.GetConnectedState(&flags);
    // A LAN connection never counts as by modem, even with the modem bit set.
    if (connected && (flags & kConnectionLan) == 0 && (flags & kConnectionModem) != 0) {
        *byModem = 1;
    }
    return connected;
}

int EnsureInternetConnection(DialupPlatform& platform, HWND parent, const char* entryName,
                             DWORD* connection, const std::function<bool()>& noDial) {
    int byModem = 0;
    if (QueryInternetConnection(platform, &byModem) != 0) {
        return 1;
    }
    if (noDial && noDial()) {
        return 1;
    }
    DWORD dialed = 0;
    if (platform.Dial(parent, entryName != nullptr ? entryName : "", kDialForcePrompt, &dialed) != 0) {
        return 0;
    }
    *connection = dialed;
    return 1;
}

// RAS connections are hung up by name only when exactly one is up: with
// more, there is no telling which one was ours.
int HangUpDialedConnection(DialupPlatform& platform, DWORD connection) {
    if (!ConnectedByModem(platform)) {
        return 0;
    }
    const std::vector<RasConnection> before = platform.ActiveRasConnections();
    const bool onlyOne = before.size() == 1;
    const std::string entryName = onlyOne ? before[0].entryName : std::string();
    if (platform.HangUp(connection) != 0) {
        return 0;
    }
    if (onlyOne) {
        for (const RasConnection& active : platform.ActiveRasConnections()) {
            if (active.entryName == entryName) {
                platform.RasHangUp(active.handle);
                break;
            }
        }
    }
    return 1;
}

int HangUpAutodialConnection(DialupPlatform& platform) {
    return ConnectedByModem(platform) ? platform.AutodialHangUp() : 0;
}

}  // namespace dialup
