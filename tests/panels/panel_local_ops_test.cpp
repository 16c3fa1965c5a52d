// The panel's file operations on the local disk. Local work must never lose
// data: a recursive delete removes only what is below its folder and stops
// at the first failure, a copy never truncates its source, a rename never
// replaces an existing entry.
#include <gtest/gtest.h>

#include "ftp_file_list.h"
#include "panel_fixture.h"

namespace {

// Wine makes no junctions or symbolic links (mklink, CreateSymbolicLink and
// FSCTL_SET_REPARSE_POINT do nothing) but shows a Unix symbolic link to a
// folder as a folder with FILE_ATTRIBUTE_REPARSE_POINT, as a junction looks
// on Windows; and it starts Unix programs. The links of these tests are made
// and removed by a Unix shell; a Unix process cannot be waited for, so the
// caller's condition is polled. False outside Wine.
std::string UnixPath(const std::string& path) {
    const auto unixName = reinterpret_cast<char*(CDECL*)(const WCHAR*)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    char* name = unixName ? unixName(std::wstring(path.begin(), path.end()).c_str()) : nullptr;  // ASCII paths
    const std::string text = name ? name : "";
    HeapFree(GetProcessHeap(), 0, name);
    return text;
}

bool RunUnixShell(const std::string& script, bool (*done)(const std::string&), const std::string& path) {
    const std::string unixPath = UnixPath(path);
    if (unixPath.empty()) return false;
    std::string command = "Z:\\bin\\sh -c \"" + script + " '" + unixPath + "'\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 100 && !done(path); ++i) Sleep(20);
    return done(path);
}

bool Missing(const std::string& path) { return !Exists(path); }

class LocalOps : public ::testing::Test {
protected:
    // tree/a.txt (3), tree/sub/b.txt (5), tree/sub/deeper/c.txt (7),
    // tree/.hidden (11, hidden), beside it keep/keep.txt.
    void SetUp() override {
        tree = folder.Path("tree");
        CreateDirectoryA(tree.c_str(), nullptr);
        CreateDirectoryA((tree + "\\sub").c_str(), nullptr);
        CreateDirectoryA((tree + "\\sub\\deeper").c_str(), nullptr);
        CreateDirectoryA(folder.Path("keep").c_str(), nullptr);
        MakeFile(tree + "\\a.txt", 3);
        MakeFile(tree + "\\sub\\b.txt", 5);
        MakeFile(tree + "\\sub\\deeper\\c.txt", 7);
        MakeFile(tree + "\\.hidden", 11);
        SetFileAttributesA((tree + "\\.hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
        MakeFile(folder.Path("keep\\keep.txt"), 13);
    }
    testfiles::TempFolder folder;
    std::string tree;
    CFtpFileList panel;
};

TEST_F(LocalOps, FolderSizeAddsEveryFileBelowHiddenOnesIncludedPast4GiB) {
    uint64_t total = 100;
    panel.GetFolderSize(folder.Path("missing"), total);
    EXPECT_EQ(100u, total) << "a folder that cannot be read adds nothing";
    ASSERT_TRUE(MakeSparseFile(tree + "\\sub\\big.bin", 5LL << 30));
    panel.GetFolderSize(tree, total);
    EXPECT_EQ(100u + 3 + 5 + 7 + 11 + (5ULL << 30), total);
}

TEST_F(LocalOps, RecursiveDeleteRemovesTheTreeHiddenFilesIncludedAndNothingBeside) {
    EXPECT_EQ(0, panel.RemoveFolder(tree));
    EXPECT_FALSE(Exists(tree));
    EXPECT_EQ(std::string(13, 'x'), testfiles::ReadFile(folder.Path("keep\\keep.txt")));
}

// A link to a folder, selected or inside the tree, is never entered: the
// folder it points to keeps its files, and the folder size does not count
// them. The link itself goes where the system can remove it; Wine cannot
// remove a link to a folder that has files (error 145), and the delete then
// stops there with that error.
class LocalLinks : public LocalOps {
protected:
    void SetUp() override {
        LocalOps::SetUp();
        const std::string link = "ln -s '" + UnixPath(folder.Path("keep")) + "'";
        linked = RunUnixShell(link, Exists, tree + "\\sub\\inner-link") && RunUnixShell(link, Exists, folder.Path("top-link"));
    }
    void TearDown() override {
        // The links go before the temporary folder, whose removal would loop on them.
        for (const std::string& link : {tree + "\\sub\\inner-link", folder.Path("top-link")})
            if (Exists(link)) RunUnixShell("rm", Missing, link);
    }
    bool linked = false;
};

TEST_F(LocalLinks, AreRemovedAsLinksAndNeverFollowed) {
    if (!linked) GTEST_SKIP() << "no folder links made on this system";
    const DWORD attributes = GetFileAttributesA(folder.Path("top-link").c_str());
    ASSERT_EQ(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT,
              attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
    ASSERT_TRUE(Exists(folder.Path("top-link\\keep.txt"))) << "the link leads to the folder";

    uint64_t total = 0;
    panel.GetFolderSize(tree, total);
    EXPECT_EQ(3u + 5 + 7 + 11, total);
    total = 0;
    panel.GetFolderSize(folder.Path("top-link"), total);
    EXPECT_EQ(0u, total);

    for (const std::string& selected : {folder.Path("top-link"), tree}) {
        const int result = panel.RemoveFolder(selected);
        EXPECT_EQ(result == 0, !Exists(selected)) << selected << ": gone, or the delete failed";
        EXPECT_EQ(std::string(13, 'x'), testfiles::ReadFile(folder.Path("keep\\keep.txt")));
    }
}

TEST_F(LocalOps, RecursiveDeleteStopsAtAReadOnlyFileAndLeavesTheRest) {
    SetFileAttributesA((tree + "\\sub\\deeper\\c.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_NE(0, panel.RemoveFolder(tree));
    EXPECT_TRUE(Exists(tree + "\\sub\\deeper\\c.txt")) << "no attribute is changed to force the delete";
    SetFileAttributesA((tree + "\\sub\\deeper\\c.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(0, panel.RemoveFolder(tree)) << "once the file may go, the same delete finishes";
}

// Creating a folder and deleting a file are the system's calls alone; a
// rename must not be one that may replace.
TEST_F(LocalOps, ARenameNeverReplacesAnExistingEntryAndFailuresAreReported) {
    const std::string a = tree + "\\a.txt";
    EXPECT_NE(0, panel.RenameItem(a, tree + "\\sub\\b.txt"));
    EXPECT_EQ("xxx", testfiles::ReadFile(a));
    EXPECT_EQ("xxxxx", testfiles::ReadFile(tree + "\\sub\\b.txt"));
    EXPECT_EQ(0, panel.RenameItem(a, folder.Path("keep\\moved.txt"))) << "to another folder of the same volume";
    EXPECT_EQ("xxx", testfiles::ReadFile(folder.Path("keep\\moved.txt")));
    EXPECT_NE(0, panel.RemoveFile(folder.Path("missing.txt")));
}

TEST_F(LocalOps, CopiesOverwriteTheirTargetButNeverTruncateTheirSource) {
    const std::string b = tree + "\\sub\\b.txt";
    const std::string keep = folder.Path("keep\\keep.txt");
    EXPECT_EQ(0, panel.PutFile(b, keep));
    EXPECT_EQ("xxxxx", testfiles::ReadFile(keep));
    // GetFile copies its second argument (source) to its first (target).
    EXPECT_EQ(0, panel.GetFile(folder.Path("got.txt"), tree + "\\sub\\deeper\\c.txt"));
    EXPECT_EQ(std::string(7, 'x'), testfiles::ReadFile(folder.Path("got.txt")));
    // Onto itself, under another spelling too: refused, the file intact.
    EXPECT_NE(0, panel.PutFile(b, b));
    EXPECT_NE(0, panel.PutFile(b, tree + "\\sub\\..\\sub\\B.TXT"));
    EXPECT_NE(0, panel.GetFile(b, b));
    EXPECT_EQ("xxxxx", testfiles::ReadFile(b));
    // A failed copy leaves the target as it was.
    EXPECT_NE(0, panel.PutFile(folder.Path("missing.txt"), keep));
    EXPECT_EQ("xxxxx", testfiles::ReadFile(keep));
}

}  // namespace
