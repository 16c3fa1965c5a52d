// The folder browser: it opens on the starting folder, returns the folder
// chosen, and gives back the starting folder when cancelled. A helper thread
// plays the user in the shell's dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "ftp_folder_browser.h"

namespace {

// Waits for a visible dialog of `thread`, runs `action` on it, and cancels
// whatever is still open at the deadline.
class BrowseDriver {
public:
    BrowseDriver(DWORD thread, std::function<void(HWND)> action)
        : m_thread([this, thread, action] { Watch(thread, action); }) {}
    ~BrowseDriver() {
        m_stop = true;
        m_thread.join();
    }

private:
    static BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM out) {
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
    }
    static HWND VisibleDialogOf(DWORD thread) {
        HWND found = nullptr;
        EnumThreadWindows(thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }
    void Watch(DWORD thread, const std::function<void(HWND)>& action) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        bool acted = false;
        while (!m_stop) {
            if (HWND dialog = VisibleDialogOf(thread)) {
                if (!acted) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let the tree fill
                    action(dialog);
                    acted = true;
                } else if (std::chrono::steady_clock::now() > deadline) {
                    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

std::string SelectedTreeText(HWND dialog) {
    HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
    if (tree == nullptr) return "<no tree>";
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    char text[MAX_PATH] = "";
    TVITEMA info = {};
    info.mask = TVIF_TEXT;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
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
    const std::string outer = m_outer;
    std::string path;
    {
        BrowseDriver driver(GetCurrentThreadId(), [&](HWND dialog) {
            // The shell fills the tree and moves to the start folder after the
            // dialog shows: give it up to two seconds.
            for (int waited = 0; waited < 2000 && selectedAtStart != "Inner folder"; waited += 20) {
                selectedAtStart = SelectedTreeText(dialog);
                Sleep(20);
            }
            SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(outer.c_str()));
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        });
        path = CFtpFolderBrowser(nullptr, m_inner.c_str()).GetPath();
    }
    EXPECT_EQ(selectedAtStart, "Inner folder");
    EXPECT_EQ(path, m_outer);
}

TEST_F(FolderBrowser, CancelGivesBackTheStartFolder) {
    std::string path;
    {
        BrowseDriver driver(GetCurrentThreadId(), [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
        path = CFtpFolderBrowser(nullptr, m_inner.c_str()).GetPath();
    }
    EXPECT_EQ(path, m_inner);
}

}  // namespace
