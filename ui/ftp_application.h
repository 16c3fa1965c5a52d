// FtpApplication: the library's application object. It starts once, on the
// first entry into the window part of the library, and keeps what every
// window run shares: the help file, the kind of Windows the library runs
// on, the default labels of the profile fields and the dial-up connection
// the file manager dialed.
#pragma once

#include <windows.h>

#include <string>

struct FtpApplication {
    // Bits of m_nWindowsKind that later rules test.
    static constexpr int kWin32s = 1;     // outside the NT family, before 4.0
    static constexpr int kOldNT = 2;      // NT before 4.0
    static constexpr DWORD kNoDialup = 0xFFFFFFFF;

    std::string m_strHelpPath = "ravoftp.chm";
    bool m_bHelpKind = true;  // cleared when only the publishing tool's help exists
    int m_nWindowsKind = 0;
    std::string m_strHostLabel;
    std::string m_strUserLabel;
    std::string m_strPasswordLabel;
    DWORD m_dwDialup = kNoDialup;  // the connection InternetConnectDialog gave
};

// The application object, started on the first call.
FtpApplication& TheApplication();

// 1 Win32s-class, 4 other systems outside NT, 2 NT before 4.0, 8 NT 4 and
// later; `version` as GetVersion returns it.
int ClassifyWindowsKind(DWORD version);

// The help file of the library at `modulePath`: its own name with ".chm"
// when `exists` says that file is there, else "ravoWeb.chm" in its folder;
// `helpKind` is cleared only when that second file exists.
template <typename Exists>
std::string ChooseHelpPath(const std::string& modulePath, Exists exists, bool* helpKind) {
    const size_t slash = modulePath.find_last_of("\\/:");
    const size_t dot = modulePath.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    std::string own = (hasExtension ? modulePath.substr(0, dot) : modulePath) + ".chm";
    if (exists(own)) return own;
    std::string web = (slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1)) + "ravoWeb.chm";
    if (exists(web)) *helpKind = false;
    return web;
}
