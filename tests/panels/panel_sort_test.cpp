// Sort order of the panel: groups (parent, links, folders, files) in every
// direction, each column within a group, and the column-click cycle on a
// real folder.
#include <gtest/gtest.h>

#include <mbctype.h>
#include <mbstring.h>

#include <algorithm>

#include "ftp_file_list.h"
#include "panel_fixture.h"
#include "resource.h"
#include "size_text.h"

namespace {

FILETIME Minutes(long long minutes) {
    ULARGE_INTEGER t;
    t.QuadPart = 133000000000000000ULL + static_cast<ULONGLONG>(minutes) * 60 * 10000000ULL;
    return FILETIME{t.LowPart, t.HighPart};
}

// Mixed rows as a remote listing gives them: links only come from a site.
std::vector<FileEntry> MixedRows() {
    return {
        {IMG_FILE, "b.txt", FormatSizeText(10000), "", Minutes(5), 10000},
        {IMG_FOLDER, "zeta", "<dir>", "", Minutes(1)},
        {IMG_HTML, "A.html", FormatSizeText(9999), "", Minutes(9), 9999},
        {IMG_LINK, "web", "<link>", "", Minutes(3)},
        {IMG_PARENT, "..", "<dir>", "", Minutes(0)},
        {IMG_PICTURE, "c.gif", FormatSizeText(1234567890), "", Minutes(7), 1234567890},
        {IMG_FOLDER, "Alpha", "<dir>", "", Minutes(8)},
        {IMG_LINK, "Docs", "<link>", "", Minutes(2)},
        {IMG_SOUND, "d.wav", FormatSizeText(999999999), "", Minutes(2), 999999999},
    };
}

std::vector<std::string> SortedNames(LPARAM param, std::vector<FileEntry> rows = MixedRows()) {
    std::vector<FileEntry*> order;
    for (FileEntry& row : rows) {
        CFtpFileList::PrepareSortKey(row);
        order.push_back(&row);
    }
    std::stable_sort(order.begin(), order.end(), [param](FileEntry* a, FileEntry* b) {
        return CFtpFileList::CompareEntries(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b), param) < 0;
    });
    std::vector<std::string> names;
    for (FileEntry* row : order) names.push_back(row->strName);
    return names;
}

constexpr LPARAM kDescending = static_cast<LPARAM>(static_cast<int32_t>(0xFFFFFFFC));

TEST(PanelSort, GroupsKeepTheirOrderAndTheColumnOrdersWithinThem) {
    using Names = std::vector<std::string>;
    // Name: case-insensitive.
    EXPECT_EQ((Names{"..", "Docs", "web", "Alpha", "zeta", "A.html", "b.txt", "c.gif", "d.wav"}), SortedNames(0));
    EXPECT_EQ((Names{"..", "web", "Docs", "zeta", "Alpha", "d.wav", "c.gif", "b.txt", "A.html"}), SortedNames(0 | kDescending));
    // Size: numeric, including a size written in full beyond 999,999,999;
    // folders and links (equal texts) keep their groups.
    const Names bySize = SortedNames(1);
    EXPECT_EQ((Names{"A.html", "b.txt", "d.wav", "c.gif"}), Names(bySize.begin() + 5, bySize.end()));
    EXPECT_EQ("..", bySize[0]);
    const Names bySizeDown = SortedNames(1 | kDescending);
    EXPECT_EQ((Names{"c.gif", "d.wav", "b.txt", "A.html"}), Names(bySizeDown.begin() + 5, bySizeDown.end()));
    // Modified: oldest first ascending, newest first descending.
    EXPECT_EQ((Names{"..", "Docs", "web", "zeta", "Alpha", "d.wav", "b.txt", "c.gif", "A.html"}), SortedNames(2));
    EXPECT_EQ((Names{"..", "web", "Docs", "Alpha", "zeta", "A.html", "c.gif", "b.txt", "d.wav"}), SortedNames(2 | kDescending));
}

// Names fold by character as the runtime's _mbsicmp folds them: in code
// page 932 a double-byte character is one value above every single byte
// (half-width katakana 0xB1 included), and "_" sorts before the letters.
TEST(PanelSort, NamesSortAsTheRuntimesMultibyteComparisonOrdersThem) {
    const int previous = _getmbcp();
    ASSERT_EQ(0, _setmbcp(932));
    const std::vector<std::string> expected = {"_a", "a", "ab", "B", "Zb", "\xB1", "\x83\x41", "\x83\x61"};
    std::vector<FileEntry> rows;
    for (auto name = expected.rbegin(); name != expected.rend(); ++name) rows.push_back({IMG_FILE, *name, "", "", {}});
    const std::vector<std::string> sorted = SortedNames(0, rows);
    for (size_t i = 1; i < expected.size(); ++i) {
        const auto* before = reinterpret_cast<const unsigned char*>(expected[i - 1].c_str());
        EXPECT_LT(_mbsicmp(before, reinterpret_cast<const unsigned char*>(expected[i].c_str())), 0) << expected[i];
    }
    _setmbcp(previous);
    EXPECT_EQ(expected, sorted);
}

TEST(PanelSort, TheParentEntryComesFirstWhicheverSideItIsOn) {
    FileEntry parent{IMG_PARENT, "..", "<dir>", "", Minutes(0)};
    FileEntry link{IMG_LINK, "a", "<link>", "", Minutes(0)};
    const auto p = reinterpret_cast<LPARAM>(&parent);
    const auto l = reinterpret_cast<LPARAM>(&link);
    for (LPARAM param : {LPARAM{0}, LPARAM{1}, LPARAM{2}, 0 | kDescending, 2 | kDescending}) {
        EXPECT_LT(CFtpFileList::CompareEntries(p, l, param), 0);
        EXPECT_GT(CFtpFileList::CompareEntries(l, p, param), 0);
    }
}

class PanelSortOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA(folder.Path("sub").c_str(), nullptr);
        root = folder.Path("sub");
        CreateDirectoryA((root + "\\images").c_str(), nullptr);
        CreateDirectoryA((root + "\\Styles").c_str(), nullptr);
        MakeFile(root + "\\old.html", 10000, 300);
        MakeFile(root + "\\new.txt", 9999, 1);
        MakeFile(root + "\\middle.gif", 5, 60);
    }
    testfiles::TempFolder folder;
    std::string root;
};

// The parent entry, then the two folders (in either order when they sort
// equal), then the files in the order given.
void ExpectRows(const CFtpFileList& panel, const std::vector<std::string>& files) {
    const std::vector<std::string> names = RowNames(panel);
    ASSERT_EQ(6u, names.size());
    EXPECT_EQ("..", names[0]);
    std::vector<std::string> folders{names[1], names[2]};
    std::sort(folders.begin(), folders.end());
    EXPECT_EQ((std::vector<std::string>{"Styles", "images"}), folders);
    EXPECT_EQ(files, std::vector<std::string>(names.begin() + 3, names.end()));
}

TEST_F(PanelSortOnDisk, ColumnClicksCycleAsTheUserSeesThem) {
    PanelHost host("", root);
    CFtpFileList& panel = host.dlg.m_bottom;
    using Names = std::vector<std::string>;
    EXPECT_EQ((Names{"..", "images", "Styles", "middle.gif", "new.txt", "old.html"}), RowNames(panel));

    // A click on Modified, through the list view's own notification: newest first.
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = panel.m_hWnd;
    click.hdr.idFrom = IDC_BOTTOM_PANEL;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iItem = -1;
    click.iSubItem = 2;
    SendMessageA(host.dlg.m_hWnd, WM_NOTIFY, IDC_BOTTOM_PANEL, reinterpret_cast<LPARAM>(&click));
    ExpectRows(panel, {"new.txt", "middle.gif", "old.html"});
    panel.OnColumnClicked(2);
    ExpectRows(panel, {"old.html", "middle.gif", "new.txt"});
    // Name after that: Z to A, and the Modified flag is cleared.
    panel.OnColumnClicked(0);
    EXPECT_EQ((Names{"..", "Styles", "images", "old.html", "new.txt", "middle.gif"}), RowNames(panel));
    EXPECT_EQ(0, panel.m_bSortDesc[2]);
    // Size, first click descending: 10,000 above 9,999 (text order with
    // leading blanks), then ascending.
    panel.OnColumnClicked(1);
    ExpectRows(panel, {"old.html", "new.txt", "middle.gif"});
    EXPECT_EQ(0, panel.m_bSortDesc[0]) << "at most one column sorts descending";
    panel.OnColumnClicked(1);
    ExpectRows(panel, {"middle.gif", "new.txt", "old.html"});
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
    using Names = std::vector<std::string>;
    panel.OnColumnClicked(1);  // largest first
    EXPECT_EQ((Names{"..", "five.bin", "three.bin", "mid.txt", "small.txt"}), RowNames(panel));
    EXPECT_EQ("5,368,709,120", panel.GetItemText(1, 1));
    EXPECT_EQ("3,000,000,000", panel.GetItemText(2, 1));
    for (int row = 1; row < panel.GetItemCount(); ++row) panel.ShowEntryStatus(panel.EntryAt(row));
    EXPECT_EQ("        999", panel.GetItemText(3, 1)) << "the status line leaves the column text alone";
    panel.OnColumnClicked(1);
    EXPECT_EQ((Names{"..", "small.txt", "mid.txt", "three.bin", "five.bin"}), RowNames(panel));
}

TEST_F(PanelSortOnDisk, ANewListingKeepsTheColumnAndDirection) {
    PanelHost host("", root);
    CFtpFileList& panel = host.dlg.m_bottom;
    panel.OnColumnClicked(2);  // newest first
    panel.ShowFolder(root);
    EXPECT_EQ("new.txt", RowNames(panel)[3]);
}

}  // namespace
