// ravo_quill_app: opens FTP Quill as a host program does, through the DLL's
// export by ordinal: FTP_ApplDlg (801), or FTP_ApplDlg2 (804) when a start
// folder is given. Used by `scripts/run quill`.
//
//   ravo_quill_app [--site PORT USER PASSWORD] [--connect] [FOLDER]
//
// --site stores the ready profile "Sample site" for the FTP server on
// 127.0.0.1:PORT as the last one used, so the Connect dialog the window
// opens with offers it; --connect answers that dialog with OK, for a run
// nobody watches.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "ftp_settings.h"
#include "ravoFtp.h"
#include "settings_keys.h"

namespace {

void StoreSampleProfile(const char* port, const char* user, const char* password, const char* folder) {
    FtpProfile profile;
    profile.m_name = "Sample site";
    profile.m_host = "127.0.0.1";
    profile.m_user = user;
    profile.m_password = password;
    profile.m_remoteFolder = "/";
    profile.m_localFolder = folder != nullptr ? folder : "";
    profile.m_port = port;
    profile.m_timeout = "30";
    profile.m_fwType = "none";
    FtpSettings settings(settings::kSettingsFileName);
    settings.WriteProfile(profile);
    settings.FlushSettings();
}

// Presses OK in the first Connect dialog of this process (up to 20 s).
void ConfirmConnect() {
    for (int i = 0; i < 200; ++i, Sleep(100)) {
        HWND dialog = FindWindowA("#32770", "Connect");
        DWORD process = 0;
        if (dialog != nullptr) GetWindowThreadProcessId(dialog, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(dialog)) {
            Sleep(300);
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return;
        }
    }
}

int Usage() {
    std::fprintf(stderr, "usage: ravo_quill_app [--site PORT USER PASSWORD] [--connect] [FOLDER]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const char* folder = nullptr;
    const char* site[3] = {};
    bool confirm = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--site" && i + 3 < argc) {
            for (const char*& field : site) field = argv[++i];
        } else if (arg == "--connect") {
            confirm = true;
        } else if (folder == nullptr && arg.rfind("--", 0) != 0) {
            folder = argv[i];
        } else {
            return Usage();
        }
    }
    if (site[0] != nullptr) StoreSampleProfile(site[0], site[1], site[2], folder);
    HMODULE dll = LoadLibraryA("ravoFtp.dll");
    if (dll == nullptr) {
        std::fprintf(stderr, "ravo_quill_app: ravoFtp.dll not found (error %lu)\n", GetLastError());
        return 1;
    }
    std::thread confirmer;
    if (confirm) confirmer = std::thread(ConfirmConnect);
    int result = 0;
    if (folder != nullptr) {
        auto open2 = reinterpret_cast<FTP_APPLDLG2_FN>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(804))));
        result = open2 != nullptr ? open2(nullptr, folder) : -1;
    } else {
        auto open = reinterpret_cast<FTP_APPLDLG_FN>(reinterpret_cast<void*>(GetProcAddress(dll, MAKEINTRESOURCEA(801))));
        result = open != nullptr ? open(nullptr) : -1;
    }
    if (confirmer.joinable()) confirmer.join();
    std::printf("FTP Quill closed (%d)\n", result);
    FreeLibrary(dll);
    return 0;
}
