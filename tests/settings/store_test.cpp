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
    Settings().SetDefaultInt("WindowX", -2147483647 - 1);
    EXPECT_EQ("-2147483648", Raw("Defaults", "WindowX"));
    EXPECT_EQ(-2147483647 - 1, Settings().GetDefaultInt("WindowX"));
    const std::pair<const char*, int> handEdited[] = {{"12px", 12}, {"+3", 3}, {"yes", 0}, {"", 0}, {"99999999999", 2147483647}};
    for (const auto& c : handEdited) {
        SetRaw("Defaults", "No Dial", c.first);
        EXPECT_EQ(c.second, Settings().GetDefaultInt("No Dial")) << c.first;
    }
}

TEST(CurrentSettingsScopes, PublishForOneRunAndRestore) {
    TestFolders folders;
    EXPECT_EQ(nullptr, CurrentSettings());
    {
        CurrentSettingsScope outer("ravoFtp.ini", folders.Folders());
        EXPECT_EQ(folders.PerUserFile(), CurrentSettings()->IniPath());
        {
            CurrentSettingsScope inner("ravoFtp.ini", folders.Folders());
            EXPECT_EQ(inner.Settings(), CurrentSettings());
        }
        EXPECT_EQ(outer.Settings(), CurrentSettings());
    }
    EXPECT_EQ(nullptr, CurrentSettings());
}

// Every write fails while the file is held open for reading only.
TEST_F(Defaults, UnwritableFileKeepsStoredProfilesWhole) {
    SetRaw("Defaults", "Quill.Profile", "2");
    Reopen();
    for (const char* name : {"alpha", "beta", "gamma"}) Settings().WriteProfile(MakeProfile(name, name, "pw"));
    Settings().AddPathHistory("Local History", "C:\\kept");
    const std::string before = ReadFile(Path());

    HANDLE lock = CreateFileA(Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, lock);
    Settings().WriteProfile(MakeProfile("delta", "delta", "x"));  // would overwrite alpha
    Settings().WriteProfile(MakeProfile("BETA", "changed", "y"));
    EXPECT_EQ(0, Settings().DeleteProfile("gamma"));
    Settings().AddPathHistory("Local History", "C:\\new");
    Settings().SetDefaultInt("WindowX", 9);
    Settings().FlushSettings();
    CloseHandle(lock);

    EXPECT_EQ(before, ReadFile(Path()));
}

TEST(SettingsWithoutFile, ActAsEmptyAndReadOnly) {
    FtpSettings none("ravoFtp.ini", {[](int) { return std::string(); }, [] { return std::string(); }});
    ASSERT_EQ("", none.IniPath());
    none.WriteProfile(MakeProfile("site"));
    none.SetDefaultInt("WindowX", 3);
    none.AddPathHistory("Local History", "C:\\x");
    none.FlushSettings();
    FtpProfile read;
    EXPECT_EQ(0, none.ReadProfile("site", &read));
    EXPECT_EQ(0, none.DeleteProfile("site"));
    EXPECT_EQ(0, none.GetDefaultInt("WindowX"));
    EXPECT_EQ(0, none.ReadPathHistory("Local History", 0, &read.m_host));
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

// Case-blind duplicates and empty paths are not added; each ring keeps its
// own position.
TEST_F(PathHistory, FirstEntriesDuplicatesAndSeparateRings) {
    Add("C:\\Sites\\One");
    EXPECT_EQ("0", Raw("Defaults", "Local History"));
    Add("C:\\Sites\\Two");
    Add("c:\\SITES\\one");
    Add("");
    Add("/remote", "Remote History");
    EXPECT_EQ("C:\\Sites\\One", Entry(0));
    EXPECT_EQ("C:\\Sites\\Two", Entry(1));
    EXPECT_EQ("-", Entry(2));
    EXPECT_EQ(1, Position());
    EXPECT_EQ("/remote", Entry(0, "Remote History"));
    EXPECT_EQ(0, Position("Remote History"));
}

// Sixteen entries by default, more when the limit is raised; the next
// entry then overwrites the oldest.
TEST_F(PathHistory, AFullRingWrapsToTheOldest) {
    for (int size : {16, 20}) {
        SetRaw("Defaults", "Quill.History", size == 16 ? nullptr : "19");
        SetRaw("Local History", nullptr, nullptr);
        SetRaw("Defaults", "Local History", nullptr);
        Reopen();
        for (int i = 0; i <= size; ++i) Add("/d" + std::to_string(i));
        EXPECT_EQ("/d" + std::to_string(size), Entry(0)) << size;
        EXPECT_EQ("/d1", Entry(1)) << size;
        EXPECT_EQ("/d" + std::to_string(size - 1), Entry(size - 1)) << size;
        EXPECT_EQ("-", Entry(size)) << size;
        EXPECT_EQ(0, Position()) << size;
    }
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
