#include "settings_location.h"

#include "file_probe.h"
#include "lead_bytes.h"

namespace settings {
namespace {

// A special folder counts only when the shell names one that exists.
std::string AvailableFolder(const SettingsFolders& folders, int folderId) {
    if (!folders.specialFolder) {
        return std::string();
    }
    std::string path = folders.specialFolder(folderId);
    return !path.empty() && ExistsAsFolder(path) ? path : std::string();
}

std::string VendorPath(const std::string& base, const std::string& fileName) {
    return base + "\\" + kVendorFolderName + "\\" + fileName;
}

std::string ExecutableSibling(const SettingsFolders& folders, const std::string& fileName) {
    if (!folders.executablePath) {
        return std::string();
    }
    const std::string folder = FolderOfPath(folders.executablePath(), LeadBytesOf(CP_ACP));
    return folder.empty() ? std::string() : folder + fileName;
}

std::string AllUsersCopy(const SettingsFolders& folders, const std::string& fileName) {
    const std::string common = AvailableFolder(folders, kCommonAppDataFolder);
    return common.empty() ? std::string() : VendorPath(common, fileName);
}

struct PerUserFile {
    std::string path;        // "" when the per-user folder is unavailable or cannot be made
    bool needsCopy = false;  // the file is not there yet: fill it from a default file
};

PerUserFile PreparePerUserFile(const SettingsFolders& folders, const std::string& fileName) {
    PerUserFile result;
    const std::string appData = AvailableFolder(folders, kUserAppDataFolder);
    if (appData.empty()) {
        return result;
    }
    const std::string folder = appData + "\\" + kVendorFolderName;
    if (!ExistsAsFolder(folder) && !CreateFolder(folder)) {
        return result;
    }
    result.path = folder + "\\" + fileName;
    result.needsCopy = !ExistsAsFile(result.path);
    return result;
}

}  // namespace

std::string FolderOfPath(const std::string& path, const LeadBytes& lead) {
    const size_t backslash = FindLastCharacter(path, '\\', lead);
    const size_t colon = FindLastCharacter(path, ':', lead);
    size_t end = backslash == std::string::npos ? colon : backslash;
    if (colon != std::string::npos && colon > end) end = colon;
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::string LocateSettingsFile(const std::string& fileName, const SettingsFolders& folders) {
    const PerUserFile perUser = PreparePerUserFile(folders, fileName);
    if (!perUser.path.empty() && !perUser.needsCopy) {
        return perUser.path;
    }
    // A failed copy only changes which file is used.
    const std::string allUsers = AllUsersCopy(folders, fileName);
    if (!allUsers.empty() && ExistsAsFile(allUsers)) {
        if (perUser.needsCopy && CopyFileOver(allUsers, perUser.path)) {
            return perUser.path;
        }
        return allUsers;
    }
    const std::string besideExe = ExecutableSibling(folders, fileName);
    if (!perUser.needsCopy) {
        return besideExe;
    }
    if (ExistsAsFile(besideExe)) {
        return CopyFileOver(besideExe, perUser.path) ? perUser.path : besideExe;
    }
    return perUser.path;  // created there by the first write
}

std::string FindExistingSettingsFile(const std::string& fileName, const SettingsFolders& folders) {
    const std::string appData = AvailableFolder(folders, kUserAppDataFolder);
    const std::string candidates[] = {
        appData.empty() ? std::string() : VendorPath(appData, fileName),
        AllUsersCopy(folders, fileName),
        ExecutableSibling(folders, fileName),
    };
    for (const std::string& candidate : candidates) {
        if (!candidate.empty() && ExistsAsFile(candidate)) {
            return candidate;
        }
    }
    return std::string();
}

}  // namespace settings
