// Where the settings file is found, how a first run prepares the per-user
// copy, and the two limits read from the file.
#include <gtest/gtest.h>

#include <string>

#include "ftp_settings.h"
#include "lead_bytes.h"
#include "settings_location.h"
#include "test_folders.h"

namespace {

using namespace testing_support;

// Each candidate file carries its own mark, so a test can tell which one (or
// which one's copy) was opened.
enum Mark { kNone = 0, kPerUser = 1, kAllUsers = 2, kBesideExe = 3 };
enum class Obstacle { None, UserFolderUnknown, VendorNameIsAFile, CopyTargetIsAFolder };

void WriteMarked(const std::string& path, int mark) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFile(path, "[Defaults]\r\nWindowX=" + std::to_string(mark) + "\r\n");
}

struct LocationCase {
    const char* name;
    Obstacle obstacle;
    bool perUser, allUsers, besideExe;  // which files exist
    Mark chosen;                        // the location chosen
    Mark content;                       // whose content it holds
};

TEST(SettingsLocation, ChoosesFileAndCopiesDefaults) {
    const LocationCase cases[] = {
        {"FirstRunCopiesFileBesideExe", Obstacle::None, false, false, true, kPerUser, kBesideExe},
        {"PerUserCopyWins", Obstacle::None, true, true, true, kPerUser, kPerUser},
        {"FirstRunCopiesAllUsersFile", Obstacle::None, false, true, true, kPerUser, kAllUsers},
        {"NoFileYetMeansPerUserPath", Obstacle::None, false, false, false, kPerUser, kNone},
        {"NoUserFolderUsesAllUsersFile", Obstacle::UserFolderUnknown, false, true, true, kAllUsers, kAllUsers},
        {"NoUserFolderUsesFileBesideExe", Obstacle::UserFolderUnknown, false, false, true, kBesideExe, kBesideExe},
        {"NoUserFolderAndNoFile", Obstacle::UserFolderUnknown, false, false, false, kBesideExe, kNone},
        {"VendorFolderBlockedUsesAllUsers", Obstacle::VendorNameIsAFile, false, true, true, kAllUsers, kAllUsers},
        {"FailedCopyUsesAllUsersFile", Obstacle::CopyTargetIsAFolder, false, true, true, kAllUsers, kAllUsers},
        {"FailedCopyUsesFileBesideExe", Obstacle::CopyTargetIsAFolder, false, false, true, kBesideExe, kBesideExe},
    };
    for (const LocationCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestFolders folders;
        if (c.perUser) WriteMarked(folders.PerUserFile(), kPerUser);
        if (c.allUsers) WriteMarked(folders.AllUsersFile(), kAllUsers);
        if (c.besideExe) WriteMarked(folders.BesideExecutable(), kBesideExe);
        settings::SettingsFolders lookup = folders.Folders();
        const std::string userFolder = c.obstacle == Obstacle::UserFolderUnknown ? "" : folders.UserAppData();
        lookup.specialFolder = [&](int id) { return id == 26 ? userFolder : folders.Folders().specialFolder(id); };
        if (c.obstacle == Obstacle::VendorNameIsAFile) WriteFile(folders.UserAppData() + "\\Quorvik", "");
        if (c.obstacle == Obstacle::CopyTargetIsAFolder) std::filesystem::create_directories(folders.PerUserFile());
        const FtpSettings opened("ravoFtp.ini", lookup);
        const std::string paths[] = {"", folders.PerUserFile(), folders.AllUsersFile(), folders.BesideExecutable()};
        EXPECT_EQ(paths[c.chosen], opened.IniPath());
        EXPECT_EQ(c.content, opened.GetDefaultInt("WindowX"));
        if (c.allUsers) {  // the shared default file is never written
            EXPECT_EQ(kAllUsers, settings::ReadDefaultInt(folders.AllUsersFile(), "WindowX"));
        }
    }
}

// Looking creates nothing; the per-user file comes first.
TEST(SettingsLocationRuns, FindingTheFileCreatesNothing) {
    TestFolders folders;
    const auto find = [&] { return settings::FindExistingSettingsFile("ravoFtp.ini", folders.Folders()); };
    EXPECT_EQ("", find());
    EXPECT_FALSE(FolderExists(folders.UserAppData() + "\\Quorvik"));
    WriteMarked(folders.BesideExecutable(), kBesideExe);
    EXPECT_EQ(folders.BesideExecutable(), find());
    WriteMarked(folders.PerUserFile(), kPerUser);
    EXPECT_EQ(folders.PerUserFile(), find());
}

TEST(SettingsLocationRuns, FolderOfExecutablePath) {
    const LeadBytes sjis = LeadBytesOf(932);  // "\x95\x5C" is one character whose second byte looks like "\"
    EXPECT_EQ("C:\\Program Files\\Host\\", settings::FolderOfPath("C:\\Program Files\\Host\\host.exe", sjis));
    EXPECT_EQ("C:\\Host\\", settings::FolderOfPath("C:\\Host\\\x95\x5C.exe", sjis));
    EXPECT_EQ("C:", settings::FolderOfPath("C:host.exe", sjis));
    EXPECT_EQ("", settings::FolderOfPath("host.exe", sjis));
}

TEST(SettingsLimits, AcceptOnlyTwoTo511) {
    const struct {
        const char* text;  // nullptr: key absent
        unsigned profileLimit, historyLimit;
    } cases[] = {{nullptr, 31, 15}, {"1", 31, 15},   {"2", 2, 2},     {"99", 99, 99},  {"511", 511, 511},
                 {"512", 31, 15},   {"600", 31, 15}, {"-5", 31, 15},  {"abc", 31, 15}, {"+40", 40, 40},
                 {"77x", 77, 77},   {"99999999999", 31, 15}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(absent)");
        TestFolders folders;
        WriteMarked(folders.PerUserFile(), kPerUser);
        WriteRaw(folders.PerUserFile(), "Defaults", "Quill.Profile", c.text);
        WriteRaw(folders.PerUserFile(), "Defaults", "Quill.History", c.text);
        const FtpSettings opened("ravoFtp.ini", folders.Folders());
        EXPECT_EQ(c.profileLimit, opened.ProfileLimit());
        EXPECT_EQ(c.historyLimit, opened.HistoryLimit());
    }
}

}  // namespace
