// The exported profile dialog: FTP_InitDlg (803) reads a stored profile
// silently or lets the user choose and edit one, FTP_ProfDlg (802) does the
// latter without the Firewall page. Texts cross the boundary in buffers of
// FTP_PROFILE_TEXT_SIZE bytes (ravoFtp.h): read up to that length, written
// cut to it. No exception leaves them.
#include <windows.h>

#include <cstring>

#include "bounded_copy.h"
#include "current_settings.h"
#include "dialup_control.h"
#include "ftp_application.h"
#include "ftp_profile_dlg.h"
#include "module.h"
#include "no_dial.h"
#include "profile_text.h"
#include "ravoFtp.h"
#include "settings_keys.h"

namespace {

constexpr size_t kTextSize = FTP_PROFILE_TEXT_SIZE;
constexpr unsigned kLargestPort = 32000;

// The caller's buffers, named after the fields they carry.
struct ProfileBuffers {
    LPSTR name, host, user, password, localFolder, remoteFolder;
    WORD *port, *timeout;
    LPSTR wwwAddress, wwwPage, firewallType, firewallHost;
    WORD* firewallPort;
    LPSTR firewallUser, firewallPassword;
    int* firewallPassive;

    bool RequiredPresent() const {
        for (const void* buffer : {static_cast<const void*>(name), static_cast<const void*>(host),
                                   static_cast<const void*>(user), static_cast<const void*>(password),
                                   static_cast<const void*>(localFolder), static_cast<const void*>(remoteFolder),
                                   static_cast<const void*>(port), static_cast<const void*>(timeout),
                                   static_cast<const void*>(wwwAddress), static_cast<const void*>(wwwPage),
                                   static_cast<const void*>(firewallType)})
            if (buffer == nullptr) return false;
        return true;
    }
    bool AnyFirewallBuffer() const {
        return firewallHost != nullptr || firewallPort != nullptr || firewallUser != nullptr ||
               firewallPassword != nullptr || firewallPassive != nullptr;
    }
};

std::string ReadIn(LPCSTR text) { return text == nullptr ? std::string() : std::string(text, strnlen(text, kTextSize - 1)); }

void CopyOut(LPSTR buffer, const std::string& text) {
    if (buffer != nullptr) BoundedCopy(buffer, kTextSize, text.c_str());
}

// A stored number: decimal digits only, at most `largest`.
bool StoredNumber(const std::string& text, unsigned largest, unsigned* value) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    *value = static_cast<unsigned>(std::stoul(text));
    return *value <= largest;
}

// The fields into the caller's buffers; a time-out is written only above
// `shortestTimeout`, numbers only within their ranges.
void WriteOutputs(const ProfileBuffers& out, const FtpProfile& profile, unsigned shortestTimeout) {
    CopyOut(out.name, profile.m_name);
    CopyOut(out.host, profile.m_host);
    CopyOut(out.user, profile.m_user);
    CopyOut(out.password, profile.m_password);
    CopyOut(out.localFolder, profile.m_localFolder);
    CopyOut(out.remoteFolder, profile.m_remoteFolder);
    CopyOut(out.wwwAddress, profile.m_wwwAddress);
    CopyOut(out.wwwPage, profile.m_wwwPrimaryPage);
    CopyOut(out.firewallType, profile.m_fwType);
    unsigned number = 0;
    if (StoredNumber(profile.m_port, kLargestPort, &number)) *out.port = static_cast<WORD>(number);
    if (StoredNumber(profile.m_timeout, 0xFFFF, &number) && number > shortestTimeout) *out.timeout = static_cast<WORD>(number);
    CopyOut(out.firewallHost, profile.m_fwHost);
    CopyOut(out.firewallUser, profile.m_fwUsername);
    CopyOut(out.firewallPassword, profile.m_fwPassword);
    if (out.firewallPort != nullptr && StoredNumber(profile.m_fwPort, kLargestPort, &number))
        *out.firewallPort = static_cast<WORD>(number);
    if (out.firewallPassive != nullptr) *out.firewallPassive = profile.m_fwPassive == "1" ? 1 : 0;
}

// Without a window: the profile named (or the last used one) as stored, the
// defaults when there is none. 1 when it exists.
int ReadSilently(const ProfileBuffers& io, FtpSettings* store) {
    std::string name = ReadIn(io.name);
    if (name.empty() && store != nullptr) store->GetLastProfile(&name);
    FtpProfile profile;
    profile.m_name = name;
    const int found = store != nullptr ? store->ReadProfile(name, &profile) : 0;
    WriteOutputs(io, profile, 0);
    return found == 1 ? 1 : 0;
}

// A new profile starts with what the caller passed in.
void TakeCallerDefaults(const ProfileBuffers& in, FtpProfile* defaults) {
    defaults->m_host = ReadIn(in.host);
    defaults->m_user = ReadIn(in.user);
    defaults->m_password = ReadIn(in.password);
    defaults->m_remoteFolder = ReadIn(in.remoteFolder);
    defaults->m_localFolder = ReadIn(in.localFolder);
    defaults->m_port = std::to_string(*in.port);
    defaults->m_timeout = std::to_string(*in.timeout);
    defaults->m_wwwAddress = ReadIn(in.wwwAddress);
    defaults->m_wwwPrimaryPage = ReadIn(in.wwwPage);
    defaults->m_fwType = ReadIn(in.firewallType);
    defaults->m_fwHost = ReadIn(in.firewallHost);
    defaults->m_fwPort = in.firewallPort != nullptr ? std::to_string(*in.firewallPort) : std::string();
    defaults->m_fwUsername = ReadIn(in.firewallUser);
    defaults->m_fwPassword = ReadIn(in.firewallPassword);
    defaults->m_fwPassive = in.firewallPassive != nullptr && *in.firewallPassive != 0 ? "1" : "0";
}

// The computer must be on the Internet for the profile to be of use: dial
// when it is not. False when dialing failed.
bool EnsureOnline(HWND parent) {
    dialup::WinInetRasPlatform platform;
    int byModem = 0;
    if (dialup::QueryInternetConnection(platform, &byModem)) return true;
    DWORD connection = TheApplication().m_dwDialup;  // unchanged when "No Dial" is set
    if (!dialup::EnsureInternetConnection(platform, parent, nullptr, &connection, [] { return dialup::NoDialIsSet(); }))
        return false;
    TheApplication().m_dwDialup = connection;
    return true;
}

int RunInteractively(HWND parent, const ProfileBuffers& io, FtpSettings* store) {
    TheApplication();  // resources, help file and default labels
    CFtpProfileDlg dialog(parent);
    dialog.m_caption = LoadResourceString(IDS_PROFILE_CAPTION);
    dialog.m_profile.m_name = ReadIn(io.name);
    TakeCallerDefaults(io, &dialog.m_defaults);
    dialog.m_showWwwPage = 1;
    dialog.m_showFirewallPage = io.AnyFirewallBuffer() ? 1 : 0;
    if (dialog.DoModal() != IDOK) return 0;
    if (!dialog.m_profile.m_name.empty() && store != nullptr) {
        store->WriteProfile(dialog.m_profile);
        store->FlushSettings();
    }
    if (!EnsureOnline(parent)) return 0;
    WriteOutputs(io, dialog.m_profile, 5);
    return 1;
}

int InitDialog(HWND parent, const ProfileBuffers& io) {
    if (!io.RequiredPresent()) return 0;
    CurrentSettingsScope settings(settings::kSettingsFileName);
    return parent == nullptr ? ReadSilently(io, settings.Settings()) : RunInteractively(parent, io, settings.Settings());
}

}  // namespace

extern "C" {

int WINAPI FTP_InitDlg(HWND parent, LPSTR name, LPSTR host, LPSTR user, LPSTR password, LPSTR localFolder,
                       LPSTR remoteFolder, WORD* port, WORD* timeout, LPSTR wwwAddress, LPSTR wwwPage,
                       LPSTR firewallType, LPSTR firewallHost, WORD* firewallPort, LPSTR firewallUser,
                       LPSTR firewallPassword, int* firewallPassive) {
    try {
        return InitDialog(parent, {name, host, user, password, localFolder, remoteFolder, port, timeout, wwwAddress,
                                   wwwPage, firewallType, firewallHost, firewallPort, firewallUser, firewallPassword,
                                   firewallPassive});
    } catch (...) {
        return 0;
    }
}

int WINAPI FTP_ProfDlg(HWND parent, LPSTR name, LPSTR host, LPSTR user, LPSTR password, LPSTR localFolder,
                       LPSTR remoteFolder, WORD* port, WORD* timeout, LPSTR wwwAddress, LPSTR wwwPage) {
    char firewallType[FTP_PROFILE_TEXT_SIZE] = "none";
    return FTP_InitDlg(parent, name, host, user, password, localFolder, remoteFolder, port, timeout, wwwAddress,
                       wwwPage, firewallType, nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // extern "C"
