// Integer defaults, the process's current settings, and settings files that
// cannot be written or do not exist.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "current_settings.h"
#include "ftp_settings.h"
#include "test_folders.h"

namespace {

using namespace testing_support;
using Defaults = SettingsTest;

TEST_F(Defaults, IntegersAsDecimalText) {
    EXPECT_EQ(0, Settings().GetDefaultInt("WindowX"));
    for (int value : {1234, -320, 2147483647, -2147483647 - 1, 0}) {
        Settings().SetDefaultInt("WindowX", value);
        EXPECT_EQ(std::to_string(value), Raw("Defaults", "WindowX"));
        EXPECT_EQ(value, Settings().GetDefaultInt("WindowX"));
    }
    const struct {
        const char* text;
        int expected;
    } handEdited[] = {{"12px", 12}, {"+3", 3}, {"yes", 0}, {"", 0}, {"99999999999", 2147483647}};
    for (const auto& c : handEdited) {
        SetRaw("Defaults", "No Dial", c.text);
        EXPECT_EQ(c.expected, Settings().GetDefaultInt("No Dial")) << c.text;
    }
}

TEST(CurrentSettingsScopes, PublishForOneRunAndRestore) {
    TestFolders folders;
    EXPECT_EQ(nullptr, CurrentSettings());
    {
        CurrentSettingsScope outer("ravoFtp.ini", folders.Folders());
        ASSERT_NE(nullptr, outer.Settings());
        EXPECT_EQ(outer.Settings(), CurrentSettings());
        EXPECT_EQ(folders.PerUserFile(), CurrentSettings()->IniPath());
        {
            CurrentSettingsScope inner("ravoFtp.ini", folders.Folders());
            EXPECT_EQ(inner.Settings(), CurrentSettings());
            CurrentSettings()->SetDefaultInt("WindowY", 5);
        }
        EXPECT_EQ(outer.Settings(), CurrentSettings());
        EXPECT_EQ(5, CurrentSettings()->GetDefaultInt("WindowY"));
    }
    EXPECT_EQ(nullptr, CurrentSettings());
}

// Every write fails while the file is held open for reading only.
TEST_F(Defaults, UnwritableFileKeepsStoredProfilesWhole) {
    SetRaw("Defaults", "Quill.Profile", "2");
    Reopen();
    for (const char* name : {"alpha", "beta", "gamma"}) Settings().WriteProfile(MakeProfile(name, name, "pw"));
    Settings().AddPathHistory("Local History", "C:\\kept");
    const std::string before = ReadTextFile(Path());

    HANDLE lock = CreateFileA(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Settings().WriteProfile(MakeProfile("delta", "delta", "x"));  // would overwrite alpha
    Settings().WriteProfile(MakeProfile("BETA", "changed", "y"));
    EXPECT_EQ(0, Settings().DeleteProfile("gamma"));
    Settings().AddPathHistory("Local History", "C:\\new");
    Settings().SetDefaultInt("WindowX", 9);
    Settings().FlushSettings();
    CloseHandle(lock);

    EXPECT_EQ(before, ReadTextFile(Path()));
    Reopen();
    FtpProfile read;
    ASSERT_EQ(1, Settings().ReadProfile("alpha", &read));
    EXPECT_EQ("alpha", read.m_host);
    EXPECT_EQ("pw", read.m_password);
    ASSERT_EQ(1, Settings().ReadProfile("beta", &read));
    EXPECT_EQ("beta", read.m_host);
    EXPECT_EQ(0, Settings().ReadProfile("delta", &read));
}

TEST(SettingsWithoutFile, ActAsEmptyAndReadOnly) {
    FtpSettings none("ravoFtp.ini", {[](int) { return std::string(); }, [] { return std::string(); }});
    ASSERT_EQ("", none.IniPath());
    none.WriteProfile(MakeProfile("site"));
    none.SetDefaultInt("WindowX", 3);
    none.AddPathHistory("Local History", "C:\\x");
    none.FlushSettings();
    FtpProfile read;
    std::string path;
    EXPECT_EQ(0, none.ReadProfile("site", &read));
    EXPECT_EQ(0, none.DeleteProfile("site"));
    EXPECT_EQ(0, none.GetDefaultInt("WindowX"));
    EXPECT_EQ(0, none.ReadPathHistory("Local History", 0, &path));
}

}  // namespace
