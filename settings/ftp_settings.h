// FtpSettings: the settings file "ravoFtp.ini" and every operation on it.
//
// Implemented across files by concern:
//   ftp_settings.cpp           location, limits, integer defaults, flush
//   ftp_settings_profiles.cpp  connection profiles
//   password_store.cpp         password scrambling and its storage
//   ftp_settings_history.cpp   path history rings
//
// Reads of absent keys give their defaults. A profile write stops when its
// first write fails, so a file that cannot be written keeps every stored
// profile whole. Nothing here throws except on memory exhaustion.
#pragma once

#include <cstdint>
#include <string>

#include "ftp_profile.h"
#include "settings_location.h"

class FtpSettings {
public:
    // Finds (and on a first run prepares) the file named `fileName`.
    explicit FtpSettings(const std::string& fileName);
    FtpSettings(const std::string& fileName, const settings::SettingsFolders& folders);

    const std::string& IniPath() const { return m_iniPath; }  // "" when none was found
    unsigned HistoryLimit() const { return m_historyLimit; }  // highest ring index
    unsigned ProfileLimit() const { return m_profileLimit; }  // highest profile section

    // ---- "Defaults" -----------------------------------------------------
    int GetDefaultInt(const char* key) const;  // 0 when absent
    void SetDefaultInt(const char* key, int value);
    void FlushSettings();

    // ---- Profiles -------------------------------------------------------
    // Fills `profile` with the stored fields of the profile called `name`
    // (compared ignoring case) and its name as stored; when there is none,
    // with the defaults and `name`. Returns 1 when found.
    int ReadProfile(const std::string& name, FtpProfile* profile) const;
    // Stores `profile` under its name: over the profile of that name, else
    // into the first free section, else over the section after the one
    // written last. Nothing happens for an empty name.
    void WriteProfile(const FtpProfile& profile);
    int DeleteProfile(const std::string& name);  // 1 when a section was removed
    // 1 and `value` set when `key` of section "Profile<index>" is not empty.
    int ReadProfileField(int index, const char* key, std::string* value) const;
    void GetLastProfile(std::string* name) const;

    // The passwords' scrambling, text to text. The scrambled text may hold
    // zero characters; the settings file stores those exactly all the same.
    static std::string EncodePassword(const std::string& password);
    static std::string DecodePassword(const std::string& scrambled);

    // ---- Path histories ("Local History", "Remote History") -------------
    int ReadPathHistory(const char* section, int index, std::string* path) const;
    void AddPathHistory(const char* section, const std::string& path);

private:
    int FindProfileSection(const std::string& name) const;  // -1 when absent
    int ChooseProfileSection(const std::string& name) const;
    void AddHostHistory(const std::string& section, const std::string& host);
    std::string ReadPassword(const std::string& section, const char* key) const;
    void WritePassword(const std::string& section, const char* key, const std::string& password);

    std::string m_iniPath;
    uint16_t m_historyLimit = 15;
    uint16_t m_profileLimit = 31;
};

namespace settings {

// The integer of `key` in "Defaults" of the file at `iniPath`, 0 when absent;
// for readers that have no settings object open.
int ReadDefaultInt(const std::string& iniPath, const char* key);

}  // namespace settings
