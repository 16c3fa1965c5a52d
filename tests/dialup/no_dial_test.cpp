// Where "No Dial" is read from: the current settings while a dialog has them
// open, else the file the settings would use, found without preparing it.
#include <gtest/gtest.h>

#include <string>

#include "current_settings.h"
#include "no_dial.h"
#include "test_folders.h"

namespace {

using namespace testing_support;

void WriteNoDial(const std::string& path, const char* value) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFile(path, std::string("[Defaults]\r\nNo Dial=") + value + "\r\n");
}

TEST(NoDial, ReadFromTheCurrentSettingsElseFromTheFileTheyWouldUse) {
    TestFolders folders, elsewhere;
    EXPECT_FALSE(dialup::NoDialIsSet(folders.Folders()));
    WriteNoDial(folders.BesideExecutable(), "1");
    EXPECT_TRUE(dialup::NoDialIsSet(folders.Folders()));
    EXPECT_FALSE(FolderExists(folders.UserAppData() + "\\Quorvik"));  // no first-run copy
    WriteNoDial(folders.PerUserFile(), "0");
    EXPECT_FALSE(dialup::NoDialIsSet(folders.Folders()));

    WriteNoDial(elsewhere.BesideExecutable(), "1");
    CurrentSettingsScope run("ravoFtp.ini", elsewhere.Folders());
    EXPECT_TRUE(dialup::NoDialIsSet(folders.Folders()));
    CurrentSettings()->SetDefaultInt("No Dial", 0);
    EXPECT_FALSE(dialup::NoDialIsSet(folders.Folders()));
}

}  // namespace
