// The panel host window, created hidden for one test, and helpers to read a
// panel back as the user sees it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "file_time.h"
#include "panel_host_dlg.h"
#include "test_files.h"

struct PanelHost {
    explicit PanelHost(std::string top = "", std::string bottom = "") : dlg(std::move(top), std::move(bottom)) {
        dlg.Create(nullptr);
    }
    ~PanelHost() {
        if (dlg.m_hWnd != nullptr) dlg.DestroyWindow();
    }
    CFtpPanelHostDlg dlg;
};

// The names of the rows in display order.
inline std::vector<std::string> RowNames(const CFtpFileList& panel) {
    std::vector<std::string> names;
    for (int i = 0; i < panel.GetItemCount(); ++i) names.push_back(panel.GetItemText(i, 0));
    return names;
}

// Writes a file of `size` bytes and gives it a last-write time `minutesAgo`
// minutes before now.
inline void MakeFile(const std::string& path, size_t size, long long minutesAgo = 0) {
    testfiles::WriteFile(path, std::string(size, 'x'));
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const FILETIME stamp = FileTimeFromInt64(FileTimeToInt64(now) - minutesAgo * 600000000LL);
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    SetFileTime(file, nullptr, nullptr, &stamp);
    CloseHandle(file);
}

// A sparse file: its size without the disk space.
inline bool MakeSparseFile(const std::string& path, long long size) {
    testfiles::WriteFile(path, "");
    std::error_code error;
    std::filesystem::resize_file(path, static_cast<uintmax_t>(size), error);
    return !error;
}

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
