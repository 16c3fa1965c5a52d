// Making sure the computer is on the Internet before connecting to a site,
// and hanging up a dial-up line afterwards. Results follow the exported
// functions (see ravoFtp.h); nothing is shown to the user here.
#pragma once

#include <windows.h>

#include <functional>

#include "dialup_platform.h"

namespace dialup {

// Flag of the platform's dial call that always shows its dial prompt.
constexpr DWORD kDialForcePrompt = 0x2000;

// Non-zero when connected; `byModem` gets 1 for a modem connection, never
// for a LAN one.
int QueryInternetConnection(DialupPlatform& platform, int* byModem);

// 1 when connected, already or by dialing `entryName` (null: the default
// connection), or when `noDial` says never to dial; 0 when dialing failed.
// `connection` is set only by a successful dial.
int EnsureInternetConnection(DialupPlatform& platform, HWND parent, const char* entryName,
                             DWORD* connection, const std::function<bool()>& noDial);

// Hangs up a connection dialed by EnsureInternetConnection: 1 when hung up,
// 0 when there is no modem connection or the hang-up failed.
int HangUpDialedConnection(DialupPlatform& platform, DWORD connection);

// Hangs up a modem connection the platform dialed on its own.
int HangUpAutodialConnection(DialupPlatform& platform);

}  // namespace dialup
