// The exported dial-up functions as a host reaches them: by ordinal from
// ravoFtp.dll, over the real platform calls.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include "ravoFtp.h"

namespace {

template <typename Function>
Function At(HMODULE dll, WORD ordinal) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(ordinal))));
}

// Wine, like an office computer, reports a LAN connection.
TEST(DialupExports, OnALanNothingIsDialedOrHungUp) {
    DWORD flags = 0;
    if (!InternetGetConnectedState(&flags, 0) || !(flags & INTERNET_CONNECTION_LAN)) {
        GTEST_SKIP() << "this machine reports no LAN connection";
    }
    const HMODULE dll = LoadLibraryA("ravoFtp.dll");
    ASSERT_NE(nullptr, dll);
    const auto isConnected = At<decltype(&IsInternetConnected)>(dll, 810);
    const auto connectDialog = At<decltype(&InternetConnectDialog)>(dll, 811);
    const auto disconnect = At<decltype(&InternetDisconnect)>(dll, 812);
    const auto autoDisconnect = At<decltype(&InternetAutoDisconnect)>(dll, 813);
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
