// Local listings: parent paths, paths the panel completes or replaces,
// hidden entries, the six-month rule, a folder that has gone, and the path
// history of the path box.
#include <gtest/gtest.h>

#include "ftp_file_list.h"
#include "message_box_reader.h"
#include "panel_fixture.h"

namespace {

// Last in the table: Shift-JIS names (code page 932), where the second byte
// of \x95\x5C is "\\" and no separator.
TEST(PanelPaths, ParentPathsCutTheLastComponentAndJoinsAddOneBackslash) {
    const std::string table = "\x95\x5C";
    const struct {
        std::string path;
        BOOL hasParent;
        std::string parent;
    } cases[] = {
        {"C:\\web\\img", TRUE, "C:\\web"}, {"C:\\web", TRUE, "C:"}, {"C:\\", FALSE, "C:\\"}, {"C:", FALSE, "C:"},
        {"C:\\a\\", TRUE, "C:\\a"},  // the trailing backslash is the last separator
        {"\\\\server\\share\\docs", TRUE, "\\\\server\\share"}, {"\\\\server\\share", TRUE, "\\\\server"},
        {"\\\\server", FALSE, "\\\\server"}, {"web\\img", FALSE, "web\\img"}, {"", FALSE, ""},
        {"C:\\" + table, TRUE, "C:"}, {"C:\\web\\" + table, TRUE, "C:\\web"}, {"C:\\" + table + "\\x", TRUE, "C:\\" + table},
    };
    CFtpFileList panel;
    panel.m_leadBytes = LeadBytesOf(932);
    for (const auto& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(c.hasParent, panel.GetParentPath(path)) << c.path;
        EXPECT_EQ(c.parent, path) << c.path;
    }
    // A joined path gets one backslash, only where needed.
    EXPECT_EQ("C:\\web\\a.html", panel.MakePath("C:\\web", "a.html"));
    EXPECT_EQ("C:\\a.html", panel.MakePath("C:\\", "a.html"));
    EXPECT_EQ("\\a.html", panel.MakePath("", "a.html"));
    EXPECT_EQ("C:\\\x95\x5C\\a.txt", panel.MakePath("C:\\\x95\x5C", "a.txt")) << "a second byte 0x5C is no separator";
}

// A drive name shows its root without a parent row; a relative name shows
// the current folder.
TEST(PanelListing, DriveAndRelativeNamesAreCompleted) {
    testfiles::TempFolder folder;
    MakeFile(folder.Path("here.txt"), 1);
    char previous[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof previous, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.Root().c_str()));
    PanelHost host;
    CFtpFileList& panel = host.dlg.m_bottom;
    panel.ShowFolder("web");
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(folder.Root(), panel.m_strPath);
    EXPECT_EQ((std::vector<std::string>{"..", "here.txt"}), RowNames(panel));
    panel.ShowFolder("C:");
    EXPECT_EQ("C:\\", panel.m_strPath);
    EXPECT_EQ("C:\\", host.dlg.m_bottomPath.GetWindowText());
    for (const std::string& name : RowNames(panel)) EXPECT_NE("..", name);
}

TEST(PanelListing, WithAConnectionOpenOldFilesLoseTheirTimeOfDay) {
    testfiles::TempFolder folder;
    MakeFile(folder.Path("old.txt"), 1, (200 * 24 + 9) * 60);
    MakeFile(folder.Path("new.txt"), 1, (100 * 24 + 9) * 60);
    PanelHost host;
    CFtpFileList& panel = host.dlg.m_bottom;
    auto timeOfDay = [&panel](int row) {
        SYSTEMTIME calendar;
        FileTimeToSystemTime(&panel.EntryAt(row)->ftModified, &calendar);
        return calendar.wHour * 3600 + calendar.wMinute * 60 + calendar.wSecond;
    };
    std::vector<int> newTimes;
    for (BOOL truncate : {TRUE, FALSE}) {  // rows: "..", new.txt, old.txt
        panel.m_bTruncateOldTimes = truncate;
        panel.ShowFolder(folder.Root());
        EXPECT_EQ(truncate, timeOfDay(2) == 0) << truncate;
        newTimes.push_back(timeOfDay(1));
    }
    EXPECT_EQ(newTimes[0], newTimes[1]) << "a file younger than six months keeps its time";
}

TEST(PanelListing, HiddenEntriesAreLeftOutAndAFolderDeletedSinceShownKeepsThePreviousFolder) {
    testfiles::TempFolder folder;
    const std::string first = folder.Path("first");
    const std::string second = folder.Path("second");
    CreateDirectoryA(first.c_str(), nullptr);
    CreateDirectoryA(second.c_str(), nullptr);
    MakeFile(first + "\\kept.txt", 1);
    // Hidden and system entries are never shown.
    for (const char* name : {"\\hidden.txt", "\\system.txt"}) MakeFile(first + name, 1);
    CreateDirectoryA((first + "\\hidden-folder").c_str(), nullptr);
    SetFileAttributesA((first + "\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((first + "\\system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA((first + "\\hidden-folder").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    PanelHost host("", first);
    EXPECT_EQ((std::vector<std::string>{"..", "kept.txt"}), RowNames(host.dlg.m_bottom));
    CFtpFileList& panel = host.dlg.m_bottom;
    panel.ShowFolder(second);
    panel.ShowFolder(first);
    ASSERT_TRUE(RemoveDirectoryA(second.c_str()));

    MessageBoxReader reader(IDOK);
    panel.ShowFolder(second);
    reader.Stop();
    const auto boxes = reader.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), boxes[0].icon);
    EXPECT_EQ(first, panel.m_strPath);
    EXPECT_EQ((std::vector<std::string>{"..", "kept.txt"}), RowNames(panel));
    EXPECT_EQ(first, host.dlg.m_bottomPath.GetWindowText()) << "the path box selects the folder on show";
}

TEST(PanelHistory, ThePathBoxKeepsTheLast25FoldersNewestFirstWithoutDuplicates) {
    testfiles::TempFolder folder;
    std::vector<std::string> folders;
    for (int i = 0; i < 30; ++i) {
        folders.push_back(folder.Path("f" + std::to_string(i)));
        CreateDirectoryA(folders.back().c_str(), nullptr);
    }
    PanelHost host;
    CComboBox& history = host.dlg.m_bottomPath;
    history.ResetContent();
    for (const std::string& path : folders) host.dlg.m_bottom.ShowFolder(path);
    ASSERT_EQ(25, history.GetCount());
    EXPECT_EQ(folders[29], history.GetLBText(0));
    EXPECT_EQ(folders[5], history.GetLBText(24));

    // Revisiting a folder already there, in other letters, does not move it;
    // a full history still drops its oldest entry first.
    std::string upper = folders[20];
    host.dlg.m_bottom.ShowFolder(CharUpperA(&upper[0]));
    EXPECT_EQ(24, history.GetCount());
    EXPECT_EQ(folders[29], history.GetLBText(0));
    EXPECT_EQ(folders[20], history.GetLBText(9));
}

}  // namespace
