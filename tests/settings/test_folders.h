// Each test's own stand-ins for the user's and all users' application data
// folders and the host's program folder, a settings object over them, and
// raw INI access that bypasses the code under test.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "ftp_settings.h"

namespace testing_support {

inline void WriteTextFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
inline std::string ReadTextFile(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}
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
        static int s_count = 0;
        m_root = (std::filesystem::temp_directory_path() /
                  ("ravo-settings-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(s_count++))).string();
        for (const char* folder : {"\\roaming", "\\programdata", "\\program"}) {
            std::filesystem::create_directories(m_root + folder);
        }
    }
    ~TestFolders() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
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
    std::string m_root;
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
