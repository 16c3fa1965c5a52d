// The store's defaults section: integers, path history rings, the process's
// current settings, and settings files that cannot be written or do not exist.
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

// Path history rings: where each path goes, duplicates and wrap-around.
class PathHistory : public SettingsTest {
protected:
    void Add(const std::string& path, const char* ring = "Local History") { Settings().AddPathHistory(ring, path); }
    std::string Entry(int index, const char* ring = "Local History") {
        std::string path;
        return Settings().ReadPathHistory(ring, index, &path) ? path : "-";
    }
    int Position(const char* ring = "Local History") { return Settings().GetDefaultInt(ring); }
};

TEST_F(PathHistory, FirstEntriesAndDuplicates) {
    Add("C:\\Sites\\One");
    EXPECT_EQ("C:\\Sites\\One", Entry(0));
    EXPECT_EQ("0", Raw("Defaults", "Local History"));
    Add("C:\\Sites\\Two");
    EXPECT_EQ("C:\\Sites\\Two", Entry(1));
    EXPECT_EQ(1, Position());
    Add("c:\\SITES\\one");
    Add("");
    EXPECT_EQ("C:\\Sites\\One", Entry(0));
    EXPECT_EQ("-", Entry(2));
    EXPECT_EQ(1, Position());
}

TEST_F(PathHistory, SeventeenAdditionsWrapToTheOldest) {
    for (int i = 1; i <= 17; ++i) Add("/www/dir" + std::to_string(i));
    EXPECT_EQ("/www/dir17", Entry(0));
    EXPECT_EQ("/www/dir2", Entry(1));
    EXPECT_EQ("/www/dir16", Entry(15));
    EXPECT_EQ("-", Entry(16));
    EXPECT_EQ(0, Position());
}

TEST_F(PathHistory, RaisedLimitMakesALongerRing) {
    SetRaw("Defaults", "Quill.History", "19");
    Reopen();
    for (int i = 0; i <= 20; ++i) Add("/d" + std::to_string(i));
    EXPECT_EQ("/d19", Entry(19));
    EXPECT_EQ("/d20", Entry(0));
}

TEST_F(PathHistory, RingsAreKeptApart) {
    Add("C:\\local");
    Add("/remote", "Remote History");
    Add("/remote/sub", "Remote History");
    EXPECT_EQ("/remote/sub", Entry(1, "Remote History"));
    EXPECT_EQ(1, Position("Remote History"));
    EXPECT_EQ(0, Position());
    EXPECT_EQ("-", Entry(1));
}

// An empty ring starts at the stored position; a position edited by hand to
// something outside the ring restarts it at 0.
TEST_F(PathHistory, StoredPositionDecidesWhereTheNextEntryGoes) {
    SetRaw("Defaults", "Local History", "40");
    Add("/first");
    EXPECT_EQ("/first", Entry(0));
    SetRaw("Local History", "Path0", nullptr);
    SetRaw("Defaults", "Local History", "7");
    Add("/into-empty-ring");
    EXPECT_EQ("/into-empty-ring", Entry(7));
    for (const char* position : {"15", "40", "-2"}) {
        SetRaw("Defaults", "Local History", position);
        Add(std::string("/after") + position);
        EXPECT_EQ(std::string("/after") + position, Entry(0)) << position;
        EXPECT_EQ(0, Position());
    }
}

}  // namespace
