// Runs FTP Quill through the DLL's export 801/804 as a host does, and plays
// the user from helper threads: the Connect dialog the window opens with,
// the window itself, and every message box, whose texts are collected.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "ravoFtp.h"
#include "resource.h"
#include "settings_location.h"

namespace quill {

struct Dll {
    HMODULE module = LoadLibraryA("ravoFtp.dll");
    FTP_APPLDLG_FN Open = reinterpret_cast<FTP_APPLDLG_FN>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(801))));
    FTP_APPLDLG2_FN Open2 = reinterpret_cast<FTP_APPLDLG2_FN>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(804))));
};

inline std::string IniPath() {
    return settings::FindExistingSettingsFile("ravoFtp.ini", settings::SystemSettingsFolders());
}

// The profile dialog of `thread`, or null.
inline HWND ProfileDialog(DWORD thread) { return DialogWatcher::ThreadDialog(thread, IDC_PROFILE_NAME); }

// A message box of `thread` (the profile dialog has unnamed statics too).
inline HWND MessageBoxOf(DWORD thread) {
    for (HWND d = FindWindowExA(nullptr, nullptr, "#32770", nullptr); d != nullptr;
         d = FindWindowExA(nullptr, d, "#32770", nullptr))
        if (GetWindowThreadProcessId(d, nullptr) == thread && IsWindowVisible(d) && GetDlgItem(d, 0xFFFF) &&
            !GetDlgItem(d, IDC_PROFILE_NAME))
            return d;
    return nullptr;
}

struct Run {
    // Button for the Connect dialog the window opens with, after `profile`
    // has played the user in it.
    int connect = IDCANCEL;
    std::function<void(HWND)> profile = [](HWND) {};
    // Plays the user on the open window (after the Connect dialog).
    std::function<void(HWND)> drive = [](HWND) {};
    // The button that answers a message box of this text.
    std::function<int(const std::string&)> answer = [](const std::string&) { return IDOK; };
    const char* folder = nullptr;  // for FTP_ApplDlg2
    bool close = true;             // closed with the system's Close after `drive`
};

// Runs the window to its end; returns the texts of the message boxes seen.
inline std::vector<std::string> RunQuill(const Run& run) {
    const DWORD thread = GetCurrentThreadId();
    std::vector<std::string> texts;
    DialogWatcher boxes([thread] { return MessageBoxOf(thread); },
                        [&](HWND box) {
                            texts.push_back(DialogWatcher::ControlText(box, 0xFFFF));
                            DialogWatcher::Click(box, run.answer(texts.back()));
                        },
                        true, 10000);
    DialogDriver driver("FTP Quill", [&](HWND window) {
        for (int i = 0; i < 500 && ProfileDialog(thread) == nullptr; ++i) Sleep(10);
        if (HWND profile = ProfileDialog(thread)) {
            run.profile(profile);
            DialogWatcher::Click(profile, run.connect);
        }
        while (ProfileDialog(thread) != nullptr) Sleep(10);
        run.drive(window);
        if (run.close) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // Close would view in a focused panel
    }, 60000);
    Dll dll;
    if (dll.Open2 == nullptr) {
        texts.push_back("no export 804");
    } else if ((run.folder ? dll.Open2(nullptr, run.folder) : dll.Open(nullptr)) != 0) {
        texts.push_back("the export did not return 0");
    }
    driver.Stop();
    boxes.Stop();
    return texts;
}

}  // namespace quill
