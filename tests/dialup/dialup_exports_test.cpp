// The exported dial-up functions as a host reaches them: by ordinal from
// ravoFtp.dll, over the real platform calls.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include "ravoFtp.h"

namespace {

class DialupExports : public ::testing::Test {
protected:
    void SetUp() override {
        m_dll = LoadLibraryA("ravoFtp.dll");
        ASSERT_NE(nullptr, m_dll);
        ASSERT_TRUE(Resolve(810, &isConnected) && Resolve(811, &connectDialog) && Resolve(812, &disconnect) &&
                    Resolve(813, &autoDisconnect));
    }
    void TearDown() override { FreeLibrary(m_dll); }

    template <typename Function>
    bool Resolve(WORD ordinal, Function* function) {
        *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(m_dll, MAKEINTRESOURCEA(ordinal))));
        return *function != nullptr;
    }

    HMODULE m_dll = nullptr;
    decltype(&IsInternetConnected) isConnected = nullptr;
    decltype(&InternetConnectDialog) connectDialog = nullptr;
    decltype(&InternetDisconnect) disconnect = nullptr;
    decltype(&InternetAutoDisconnect) autoDisconnect = nullptr;
};

// Wine, like an office computer, reports a LAN connection.
TEST_F(DialupExports, OnALanNothingIsDialedOrHungUp) {
    DWORD flags = 0;
    if (!InternetGetConnectedState(&flags, 0) || !(flags & INTERNET_CONNECTION_LAN)) {
        GTEST_SKIP() << "this machine reports no LAN connection";
    }
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
}

}  // namespace
