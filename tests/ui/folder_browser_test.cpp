// The folder browser: it opens on the starting folder, returns the folder
// chosen, and gives back the starting folder when cancelled. A helper thread
// plays the user in the shell's dialog and cancels it at a deadline.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "ftp_folder_browser.h"

namespace {

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM out) {
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(out) = window;
    return FALSE;
}

// Runs `action` once on the first visible dialog of this thread; whatever
// is still open after 30 seconds is cancelled.
std::string Browse(const std::string& start, const std::function<void(HWND)>& action) {
    std::atomic<bool> done{false};
    std::thread user([&, thread = GetCurrentThreadId()] {
        bool acted = false;
        const DWORD deadline = GetTickCount() + 30000;
        while (!done) {
            HWND dialog = nullptr;
            EnumThreadWindows(thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog != nullptr && !acted) {
                action(dialog);
                acted = true;
            } else if (dialog != nullptr && static_cast<LONG>(GetTickCount() - deadline) > 0) {
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            Sleep(20);
        }
    });
    const std::string path = CFtpFolderBrowser(nullptr, start.c_str()).GetPath();
    done = true;
    user.join();
    return path;
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
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        m_outer = std::string(temp) + "ravo-browse-" + std::to_string(GetCurrentProcessId());
        m_inner = m_outer + "\\Inner folder";
        CreateDirectoryA(m_outer.c_str(), nullptr);
        CreateDirectoryA(m_inner.c_str(), nullptr);
    }
    void TearDown() override {
        RemoveDirectoryA(m_inner.c_str());
        RemoveDirectoryA(m_outer.c_str());
        CoUninitialize();
    }

    std::string m_outer, m_inner;
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
