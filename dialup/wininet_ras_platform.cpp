// The only file that calls WinINet and RAS.
#include <windows.h>
#include <wininet.h>
#include <ras.h>

#include <cstring>

#include "dialup_platform.h"

namespace dialup {
namespace {

// Room for this many connection records, the size that systems since the
// first ones with RAS accept (the record of the 32-bit build is 704 bytes).
constexpr DWORD kMaxRasConnections = 256;
#if defined(__i386__)
static_assert(sizeof(RASCONNA) == 704, "connection record of the 32-bit build");
#endif

}  // namespace

BOOL WinInetRasPlatform::GetConnectedState(DWORD* flags) {
    return InternetGetConnectedState(flags, 0);
}

DWORD WinInetRasPlatform::Dial(HWND parent, const std::string& entryName, DWORD flags,
                               DWORD* connection) {
    std::vector<char> name(entryName.begin(), entryName.end());
    name.push_back('\0');  // the platform wants a writable text
    DWORD_PTR handle = 0;
    const DWORD result = InternetDialA(parent, name.data(), flags, &handle, 0);
    if (result == ERROR_SUCCESS) {
        *connection = static_cast<DWORD>(handle);
    }
    return result;
}

DWORD WinInetRasPlatform::HangUp(DWORD connection) {
    return InternetHangUp(connection, 0);
}

BOOL WinInetRasPlatform::AutodialHangUp() {
    return InternetAutodialHangup(0);
}

std::vector<RasConnection> WinInetRasPlatform::ActiveRasConnections() {
    std::vector<RASCONNA> records(kMaxRasConnections);
    records[0].dwSize = sizeof(RASCONNA);
    DWORD bytes = static_cast<DWORD>(records.size() * sizeof(RASCONNA));
    DWORD count = 0;
    std::vector<RasConnection> connections;
    if (RasEnumConnectionsA(records.data(), &bytes, &count) != ERROR_SUCCESS) {
        return connections;
    }
    for (DWORD i = 0; i < count && i < kMaxRasConnections; ++i) {
        const char* name = records[i].szEntryName;
        connections.push_back({records[i].hrasconn,
                               std::string(name, strnlen(name, sizeof(records[i].szEntryName)))});
    }
    return connections;
}

DWORD WinInetRasPlatform::RasHangUp(HANDLE connection) {
    return RasHangUpA(static_cast<HRASCONN>(connection));
}

}  // namespace dialup
