// The production answers for the settings location: the shell's special
// folders and the host process's executable.
#include <windows.h>
#include <shlobj.h>

#include "settings_location.h"

namespace settings {
namespace {

std::string ShellFolder(int folderId) {
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, folderId, FALSE)) {
        return std::string();
    }
    return path;
}

std::string HostExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    // A full buffer means the name was cut: no usable folder.
    if (length == 0 || length >= MAX_PATH) {
        return std::string();
    }
    return std::string(path, length);
}

}  // namespace

SettingsFolders SystemSettingsFolders() {
    return SettingsFolders{ShellFolder, HostExecutablePath};
}

}  // namespace settings
