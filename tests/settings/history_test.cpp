// Path history rings: where each path goes, duplicates and wrap-around.
#include <gtest/gtest.h>

#include <string>

#include "ftp_settings.h"
#include "test_folders.h"

namespace {

class PathHistory : public testing_support::SettingsTest {
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
