#include "file_probe.h"

#include <windows.h>

namespace settings {
namespace {

// 1 folder, 0 file, -1 no entry.
int EntryKind(const std::string& path) {
    if (path.empty()) {
        return -1;
    }
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return -1;
    }
    FindClose(find);
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? 1 : 0;
}

}  // namespace

bool ExistsAsFolder(const std::string& path) { return EntryKind(path) == 1; }

bool ExistsAsFile(const std::string& path) { return EntryKind(path) == 0; }

bool CreateFolder(const std::string& path) {
    return !path.empty() && CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool CopyFileOver(const std::string& from, const std::string& to) {
    return !from.empty() && !to.empty() && CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

}  // namespace settings
