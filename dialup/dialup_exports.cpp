// The exported dial-up functions (ordinals 810-813). Each runs the dial-up
// rules over the real platform calls; no exception leaves them.
#include <windows.h>

#include "dialup_control.h"
#include "no_dial.h"
#include "ravoFtp.h"

extern "C" {

int WINAPI IsInternetConnected(int* byModem) {
    try {
        int ignored = 0;
        dialup::WinInetRasPlatform platform;
        return dialup::QueryInternetConnection(platform, byModem != nullptr ? byModem : &ignored);
    } catch (...) {
        return 0;
    }
}

int WINAPI InternetConnectDialog(HWND parent, const char* entryName, DWORD* connection) {
    try {
        DWORD ignored = 0;
        dialup::WinInetRasPlatform platform;
        return dialup::EnsureInternetConnection(platform, parent, entryName,
                                                connection != nullptr ? connection : &ignored,
                                                [] { return dialup::NoDialIsSet(); });
    } catch (...) {
        return 0;
    }
}

int WINAPI InternetDisconnect(DWORD connection) {
    try {
        dialup::WinInetRasPlatform platform;
        return dialup::HangUpDialedConnection(platform, connection);
    } catch (...) {
        return 0;
    }
}

int WINAPI InternetAutoDisconnect(void) {
    try {
        dialup::WinInetRasPlatform platform;
        return dialup::HangUpAutodialConnection(platform);
    } catch (...) {
        return 0;
    }
}

}  // extern "C"
