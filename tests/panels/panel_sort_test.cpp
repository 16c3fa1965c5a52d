// Sort order of the panel: groups (parent, links, folders, files) in every
// direction, each column within a group, names as the runtime's multibyte
// comparison orders them, sizes past 2 GiB, and column clicks on a real folder.
#include <gtest/gtest.h>

#include <mbctype.h>
#include <mbstring.h>

#include <algorithm>

#include "file_time.h"
#include "ftp_file_list.h"
#include "panel_fixture.h"
#include "resource.h"

namespace {

using Names = std::vector<std::string>;

FileEntry Row(uint8_t image, const char* name, int minutes, int64_t size = 0) {
    return {image, name, "", "", FileTimeFromInt64(133000000000000000LL + minutes * 600000000LL), size};
}

// Mixed rows as a remote listing gives them: links only come from a site.
Names SortedNames(LPARAM param, std::vector<FileEntry> rows = {
    Row(IMG_FILE, "b.txt", 5, 10000), Row(IMG_FOLDER, "zeta", 1), Row(IMG_HTML, "A.html", 9, 9999),
    Row(IMG_LINK, "web", 3), Row(IMG_PARENT, "..", 0), Row(IMG_PICTURE, "c.gif", 7, 5LL << 30),
    Row(IMG_FOLDER, "Alpha", 8), Row(IMG_LINK, "Docs", 2), Row(IMG_SOUND, "d.wav", 2, 999999999)}) {
    std::vector<FileEntry*> order;
    for (FileEntry& row : rows) {
        CFtpFileList::PrepareSortKey(row);
        order.push_back(&row);
    }
    std::stable_sort(order.begin(), order.end(), [param](FileEntry* a, FileEntry* b) {
        return CFtpFileList::CompareEntries(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b), param) < 0;
    });
    Names names;
    for (FileEntry* row : order) names.push_back(row->strName);
    return names;
}

TEST(PanelSort, GroupsKeepTheirOrderAndTheColumnOrdersWithinThem) {
    constexpr LPARAM kDescending = static_cast<LPARAM>(static_cast<int32_t>(0xFFFFFFFC));
    const struct {
        LPARAM param;
        Names names;
    } cases[] = {
        {0, {"..", "Docs", "web", "Alpha", "zeta", "A.html", "b.txt", "c.gif", "d.wav"}},
        {0 | kDescending, {"..", "web", "Docs", "zeta", "Alpha", "d.wav", "c.gif", "b.txt", "A.html"}},
        {1, {"..", "web", "Docs", "zeta", "Alpha", "A.html", "b.txt", "d.wav", "c.gif"}},  // equal sizes keep their order
        {1 | kDescending, {"..", "web", "Docs", "zeta", "Alpha", "c.gif", "d.wav", "b.txt", "A.html"}},
        {2, {"..", "Docs", "web", "zeta", "Alpha", "d.wav", "b.txt", "c.gif", "A.html"}},
        {2 | kDescending, {"..", "web", "Docs", "Alpha", "zeta", "A.html", "c.gif", "b.txt", "d.wav"}},
    };
    for (const auto& c : cases) EXPECT_EQ(c.names, SortedNames(c.param)) << c.param;
}

// Names fold by character as the runtime's _mbsicmp folds them: in code
// page 932 a double-byte character is one value above every single byte
// (half-width katakana 0xB1 included), and "_" sorts before the letters.
TEST(PanelSort, NamesSortAsTheRuntimesMultibyteComparisonOrdersThem) {
    const int previous = _getmbcp();
    ASSERT_EQ(0, _setmbcp(932));
    const Names expected = {"_a", "a", "ab", "B", "Zb", "\xB1", "\x83\x41", "\x83\x61"};
    std::vector<FileEntry> rows;
    for (auto name = expected.rbegin(); name != expected.rend(); ++name) rows.push_back(Row(IMG_FILE, name->c_str(), 0));
    const Names sorted = SortedNames(0, rows);
    for (size_t i = 1; i < expected.size(); ++i) {
        const auto* before = reinterpret_cast<const unsigned char*>(expected[i - 1].c_str());
        EXPECT_LT(_mbsicmp(before, reinterpret_cast<const unsigned char*>(expected[i].c_str())), 0) << expected[i];
    }
    _setmbcp(previous);
    EXPECT_EQ(expected, sorted);
}

// Sizes of 2 GiB and more: shown in full and sorted by their true size,
// also after the status line has shown them.
TEST(PanelSizes, FilesOf2GiBAndMoreAreShownAndSortedByTheirTrueSize) {
    testfiles::TempFolder folder;
    MakeFile(folder.Path("small.txt"), 10);
    MakeFile(folder.Path("mid.txt"), 999);
    ASSERT_TRUE(MakeSparseFile(folder.Path("three.bin"), 3000000000LL));
    ASSERT_TRUE(MakeSparseFile(folder.Path("five.bin"), 5LL << 30));
    PanelHost host("", folder.Root());
    CFtpFileList& panel = host.dlg.m_bottom;
    panel.OnColumnClicked(1);  // largest first
    EXPECT_EQ((Names{"..", "five.bin", "three.bin", "mid.txt", "small.txt"}), RowNames(panel));
    EXPECT_EQ("5,368,709,120", panel.GetItemText(1, 1));
    EXPECT_EQ("3,000,000,000", panel.GetItemText(2, 1));
    for (int row = 1; row < panel.GetItemCount(); ++row) panel.ShowEntryStatus(panel.EntryAt(row));
    EXPECT_EQ("        999", panel.GetItemText(3, 1)) << "the status line leaves the column text alone";
    panel.OnColumnClicked(1);
    EXPECT_EQ((Names{"..", "small.txt", "mid.txt", "three.bin", "five.bin"}), RowNames(panel));
}

// Clicks cycle each column's direction, at most one column is descending,
// and a new listing keeps the column and direction.
TEST(PanelSortOnDisk, ColumnClicksCycleAsTheUserSeesThem) {
    testfiles::TempFolder folder;
    CreateDirectoryA(folder.Path("images").c_str(), nullptr);
    MakeFile(folder.Path("old.html"), 10000, 300);
    MakeFile(folder.Path("new.txt"), 9999, 1);
    MakeFile(folder.Path("middle.gif"), 5, 60);
    PanelHost host("", folder.Root());
    CFtpFileList& panel = host.dlg.m_bottom;
    EXPECT_EQ((Names{"..", "images", "middle.gif", "new.txt", "old.html"}), RowNames(panel));
    // A click on Modified, through the list view's own notification: newest first.
    NMLISTVIEW click = {};
    click.hdr = {panel.m_hWnd, IDC_BOTTOM_PANEL, static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iItem = -1;
    click.iSubItem = 2;
    SendMessageA(host.dlg.m_hWnd, WM_NOTIFY, IDC_BOTTOM_PANEL, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ((Names{"..", "images", "new.txt", "middle.gif", "old.html"}), RowNames(panel));
    panel.ShowFolder(folder.Root());
    EXPECT_EQ((Names{"..", "images", "new.txt", "middle.gif", "old.html"}), RowNames(panel));
    panel.OnColumnClicked(2);
    EXPECT_EQ((Names{"..", "images", "old.html", "middle.gif", "new.txt"}), RowNames(panel));
    panel.OnColumnClicked(0);  // Z to A; the Modified flag is cleared
    EXPECT_EQ((Names{"..", "images", "old.html", "new.txt", "middle.gif"}), RowNames(panel));
    panel.OnColumnClicked(1);
    EXPECT_EQ((Names{"..", "images", "old.html", "new.txt", "middle.gif"}), RowNames(panel));
    EXPECT_EQ(0, panel.m_bSortDesc[0]) << "at most one column sorts descending";
}

}  // namespace
