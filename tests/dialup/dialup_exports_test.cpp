// The exported dial-up functions as a host reaches them: by ordinal from
// ravoFtp.dll, over the real platform calls.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include "ravoFtp.h"

namespace {

// Wine, like an office computer, reports a LAN connection.
TEST(DialupExports, OnALanNothingIsDialedOrHungUp) {
    DWORD flags = 0;
    if (!InternetGetConnectedState(&flags, 0) || !(flags & INTERNET_CONNECTION_LAN)) {
        GTEST_SKIP() << "this machine reports no LAN connection";
    }
    const HMODULE dll = LoadLibraryA("ravoFtp.dll");
    ASSERT_NE(nullptr, dll);
    auto at = [dll](WORD ordinal) { return reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))); };
    const auto isConnected = reinterpret_cast<decltype(&IsInternetConnected)>(at(810));
    const auto connectDialog = reinterpret_cast<decltype(&InternetConnectDialog)>(at(811));
    const auto disconnect = reinterpret_cast<decltype(&InternetDisconnect)>(at(812));
    const auto autoDisconnect = reinterpret_cast<decltype(&InternetAutoDisconnect)>(at(813));
    ASSERT_TRUE(isConnected && connectDialog && disconnect && autoDisconnect);
    int byModem = 7;
    EXPECT_NE(0, isConnected(&byModem));
    EXPECT_EQ(0, byModem);
    EXPECT_NE(0, isConnected(nullptr));
    DWORD handle = 0xABCD;
    EXPECT_EQ(1, connectDialog(nullptr, "Nonexistent Entry", &handle));
    EXPECT_EQ(0xABCDu, handle);
    EXPECT_EQ(1, connectDialog(nullptr, nullptr, nullptr));
    EXPECT_EQ(0, disconnect(handle));
    EXPECT_EQ(0, autoDisconnect());
    FreeLibrary(dll);
}

}  // namespace
