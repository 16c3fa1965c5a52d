// Where the settings file lives: a per-user copy in the user's application
// data folder, else an all-users copy, else the file beside the host's
// executable. A first run copies the best default file into the per-user
// folder, so that each user's changes stay their own.
#pragma once

#include <functional>
#include <string>

#include "text_cut.h"

namespace settings {

// Shell special folders consulted.
constexpr int kUserAppDataFolder = 26;
constexpr int kCommonAppDataFolder = 35;
// The folder of ours inside them.
constexpr char kVendorFolderName[] = "Quorvik";

// The outside facts the location depends on. Production asks the shell and
// the process (SystemSettingsFolders); tests point them at temporary folders.
struct SettingsFolders {
    std::function<std::string(int folderId)> specialFolder;  // "" when the shell has none
    std::function<std::string()> executablePath;             // "" when unknown
};

SettingsFolders SystemSettingsFolders();

// The executable's folder with its trailing "\" or ":"; "" when it has none.
// Separators are found by character in the code page of `lead`.
std::string FolderOfPath(const std::string& path, const LeadBytes& lead);

// Chooses the settings file for `fileName`, creating the per-user folder and
// copying a default file into it when needed. "" when nothing can be chosen.
std::string LocateSettingsFile(const std::string& fileName, const SettingsFolders& folders);

// The file LocateSettingsFile would read, found without creating or copying
// anything; "" when no such file exists yet.
std::string FindExistingSettingsFile(const std::string& fileName, const SettingsFolders& folders);

}  // namespace settings
