// The folder browser: it opens on the starting folder, returns the folder
// chosen, and gives back the starting folder when cancelled. A helper thread
// plays the user in the shell's dialog and cancels it at a deadline.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>

#include "dialog_driver.h"
#include "ftp_folder_browser.h"
#include "test_files.h"

namespace {

// Runs `action` on the shell's dialog as it shows; one still open after 30
// seconds is cancelled.
std::string Browse(const std::string& start, DialogWatcher::Action action) {
    DialogWatcher user([thread = GetCurrentThreadId()] { return DialogWatcher::ThreadDialog(thread); },
                       std::move(action), false, 30000);
    return CFtpFolderBrowser(nullptr, start.c_str()).GetPath();
}

std::string SelectedTreeText(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    char text[MAX_PATH] = "";
    TVITEMA info = {};
    info.mask = TVIF_TEXT;
    info.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    info.pszText = text;
    info.cchTextMax = sizeof text;
    if (tree != nullptr) SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    return text;
}

class FolderBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        CreateDirectoryA(m_inner.c_str(), nullptr);
    }
    void TearDown() override { CoUninitialize(); }

    testfiles::TempFolder m_temp;
    const std::string m_outer = m_temp.Root(), m_inner = m_temp.Path("Inner folder");
};

TEST_F(FolderBrowser, OpensOnTheStartFolderAndReturnsTheFolderChosen) {
    std::string selectedAtStart;
    const std::string path = Browse(m_inner, [&](HWND dialog) {
        // The shell fills the tree and moves to the start folder after the
        // dialog shows: give it up to two seconds.
        for (int waited = 0; waited < 2000 && selectedAtStart != "Inner folder"; waited += 20) {
            selectedAtStart = SelectedTreeText(dialog);
            Sleep(20);
        }
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(m_outer.c_str()));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(selectedAtStart, "Inner folder");
    EXPECT_EQ(path, m_outer);
}

TEST_F(FolderBrowser, CancelGivesBackTheStartFolder) {
    EXPECT_EQ(Browse(m_inner, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }), m_inner);
}

}  // namespace
