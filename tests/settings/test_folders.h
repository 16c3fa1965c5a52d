// Each test's own stand-ins for the user's and all users' application data
// folders and the host's program folder, a settings object over them, and
// raw INI access that bypasses the code under test.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "ftp_settings.h"
#include "test_files.h"

namespace testing_support {

using testfiles::ReadFile;
using testfiles::WriteFile;
inline bool FileExists(const std::string& path) { return std::filesystem::is_regular_file(path); }
inline bool FolderExists(const std::string& path) { return std::filesystem::is_directory(path); }

inline std::string ReadRaw(const std::string& ini, const std::string& section, const char* key) {
    char buffer[2048];
    return std::string(buffer, GetPrivateProfileStringA(section.c_str(), key, "", buffer, sizeof buffer, ini.c_str()));
}
inline void WriteRaw(const std::string& ini, const std::string& section, const char* key, const char* value) {
    WritePrivateProfileStringA(section.c_str(), key, value, ini.c_str());  // null value: remove
}

class TestFolders {
public:
    TestFolders() {
        for (const char* folder : {"\\roaming", "\\programdata", "\\program"}) {
            std::filesystem::create_directories(m_root + folder);
        }
    }
    std::string UserAppData() const { return m_root + "\\roaming"; }      // special folder 26
    std::string CommonAppData() const { return m_root + "\\programdata"; } // special folder 35
    std::string PerUserFile() const { return UserAppData() + "\\Quorvik\\ravoFtp.ini"; }
    std::string AllUsersFile() const { return CommonAppData() + "\\Quorvik\\ravoFtp.ini"; }
    std::string BesideExecutable() const { return m_root + "\\program\\ravoFtp.ini"; }

    settings::SettingsFolders Folders() const {
        return {[this](int id) { return id == 26 ? UserAppData() : id == 35 ? CommonAppData() : std::string(); },
                [this] { return m_root + "\\program\\host.exe"; }};
    }

private:
    testfiles::TempFolder m_temp;
    const std::string m_root = m_temp.Root();
};

// A settings file of the test's own, at the per-user location.
class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { Reopen(); }
    FtpSettings& Settings() { return *m_settings; }
    const std::string& Path() const { return m_settings->IniPath(); }
    void Reopen() { m_settings = std::make_unique<FtpSettings>("ravoFtp.ini", m_folders.Folders()); }
    std::string Raw(const std::string& section, const char* key) const { return ReadRaw(Path(), section, key); }
    void SetRaw(const std::string& section, const char* key, const char* value) { WriteRaw(Path(), section, key, value); }

    TestFolders m_folders;
    std::unique_ptr<FtpSettings> m_settings;
};

inline FtpProfile MakeProfile(const std::string& name, const std::string& host = "ftp.example.com",
                              const std::string& password = "") {
    FtpProfile profile;
    profile.m_name = name;
    profile.m_host = host;
    profile.m_password = password;
    return profile;
}

}  // namespace testing_support
