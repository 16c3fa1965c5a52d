// The file manager: its states driven directly on a window of the test's
// own, and its whole life (closing questions, placement, start folder)
// through the DLL's export 801/804 by ordinal, as a host runs it.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "quill_runner.h"
#include "module.h"
#include "ftp_main_dlg.h"
#include "ravoFtp.h"
#include "settings_location.h"
#include "test_files.h"

namespace {

bool Enabled(HWND dlg, int id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
bool Visible(HWND dlg, int id) { return IsWindowVisible(GetDlgItem(dlg, id)) != FALSE; }

// A modeless file manager on two panels over one folder: "..", a folder, two files.
struct Window {
    testfiles::TempFolder folder;
    CFtpMainDlg dlg{nullptr};
    Window() {
        CreateDirectoryA(folder.Path("sub").c_str(), nullptr);
        testfiles::WriteFile(folder.Path("a.txt"), "a");
        testfiles::WriteFile(folder.Path("b.txt"), "b");
        dlg.m_strInitialLocal = folder.Root();
        dlg.Create(nullptr);
    }
    ~Window() { DestroyWindow(dlg.m_hWnd); }
    std::string Text() const {
        char text[256] = "";
        GetWindowTextA(dlg.m_hWnd, text, sizeof text);
        return text;
    }
};

TEST(MainWindow, TitleShowsHostAndPercentCappedAt100) {
    struct Case {
        const char* host;
        int percent;
        const char* title;
    } const cases[] = {
        {"", 0, "FTP Quill"},          {"", 150, "FTP Quill  (100%)"},      {"", -3, "FTP Quill"},
        {"", 0x10007, "FTP Quill  (7%)"}, {"ftp.example", 42, "FTP Quill - ftp.example  (42%)"},
        {"ftp.example", 0, "FTP Quill - ftp.example"},
    };
    Window w;
    for (const Case& c : cases) {
        w.dlg.m_strHost = c.host;
        w.dlg.UpdateTitle(c.percent);
        EXPECT_EQ(c.title, w.Text()) << c.host << " " << c.percent;
    }
}

// Which command buttons each state enables.
TEST(MainWindow, CommandsFollowTheActivePanelAndItsSelection) {
    struct Case {
        bool top;      // the active panel
        int selected;  // rows selected after ".."
        bool download, upload, view, parent, selectAll;
    } const cases[] = {
        {false, 0, false, false, false, true, true},
        {false, 2, false, true, true, true, true},
        {true, 1, true, false, true, true, true},
        {true, 0, false, false, false, true, true},
    };
    Window w;
    HWND h = w.dlg.m_hWnd;
    for (const Case& c : cases) {
        CFtpFileList& panel = c.top ? static_cast<CFtpFileList&>(w.dlg.m_top) : w.dlg.m_bottom;
        w.dlg.SetActivePanel(&panel);
        panel.SetItemState(-1, 0, LVIS_SELECTED);
        for (int row = 1; row <= c.selected; ++row) panel.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        w.dlg.SetActivePanel(&panel);
        const bool seen[] = {Enabled(h, IDC_DOWNLOAD), Enabled(h, IDC_UPLOAD), Enabled(h, IDC_VIEW),
                             Enabled(h, IDC_PARENT), Enabled(h, IDC_SELECT_ALL)};
        const bool expected[] = {c.download, c.upload, c.view, c.parent, c.selectAll};
        for (size_t i = 0; i < std::size(seen); ++i)
            EXPECT_EQ(expected[i], seen[i]) << "top " << c.top << " selected " << c.selected << " button " << i;
        EXPECT_EQ(c.top ? &w.dlg.m_bottom : static_cast<CFtpFileList*>(&w.dlg.m_top), w.dlg.GetOtherPanel());
    }
    w.dlg.SetActivePanel(&w.dlg.m_top);  // a new active panel: the old one's selection goes
    EXPECT_EQ(0u, w.dlg.m_bottom.GetSelectedCount());
}

TEST(MainWindow, BusyDisablesEveryCommandAndIdleRestoresTheRules) {
    Window w;
    HWND h = w.dlg.m_hWnd;
    w.dlg.SetActivePanel(&w.dlg.m_bottom);
    w.dlg.m_bottom.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    w.dlg.SetActivePanel(&w.dlg.m_bottom);
    const int commands[] = {IDOK,         IDC_UPLOAD,     IDC_DOWNLOAD, IDC_VIEW,        IDC_PARENT,      IDC_NEW,
                            IDC_REFRESH,  IDC_CONNECT,    IDC_BROWSE,   IDC_TOP_PANEL,   IDC_BOTTOM_PATH, IDC_SELECT_ALL};
    std::vector<bool> before;
    for (int id : commands) before.push_back(Enabled(h, id));
    w.dlg.SetBusy(true);
    for (int id : commands) EXPECT_FALSE(Enabled(h, id)) << id;
    EXPECT_TRUE(Visible(h, IDC_STOP) || !IsWindowVisible(h));
    w.dlg.SetBusy(false);
    for (size_t i = 0; i < std::size(commands); ++i) EXPECT_EQ(before[i], Enabled(h, commands[i])) << commands[i];
    EXPECT_FALSE(Visible(h, IDC_STOP));
}

TEST(MainWindow, LogLinesAreMarkedByKindAndStopWhileOutputIsOff) {
    Window w;
    w.dlg.AppendLogLine("USER anonymous", 1);
    w.dlg.AppendLogLine("331 Password required", 2);
    w.dlg.EnableLogOutput(false);
    w.dlg.AppendLogLine("PWD", 1);
    w.dlg.EnableLogOutput(true);
    w.dlg.AppendLogLine("Connected.", 0);
    EXPECT_EQ("\r\n> USER anonymous\r\n< 331 Password required\r\n~ Connected.",
              DialogWatcher::ControlText(w.dlg.m_hWnd, IDC_LOG));
}

TEST(MainWindow, LogPaneGrowsTheWindowAndTwoTogglesGiveItsHeightBack) {
    Window w;
    HWND h = w.dlg.m_hWnd;
    auto height = [h] {
        RECT r;
        GetWindowRect(h, &r);
        return r.bottom - r.top;
    };
    const int start = height();
    const int heights[] = {start + 82, start, start + 82, start};
    for (int expected : heights) {
        SendDlgItemMessageA(h, IDC_SHOW_LOG, BM_CLICK, 0, 0);
        EXPECT_EQ(expected, height());
        EXPECT_EQ(expected != start, w.dlg.m_bLogShown);
    }
}

// Maximising shows the log pane inside the screen and locks its check box;
// restoring gives back the window's height and the pane's former state.
TEST(MainWindow, MaximiseShowsTheLogPaneAndRestoreBringsBackItsState) {
    for (bool shownBefore : {false, true}) {
        Window w;
        HWND h = w.dlg.m_hWnd;
        ShowWindow(h, SW_SHOWNORMAL);
        if (shownBefore) SendDlgItemMessageA(h, IDC_SHOW_LOG, BM_CLICK, 0, 0);
        RECT before;
        GetWindowRect(h, &before);

        ShowWindow(h, SW_MAXIMIZE);
        EXPECT_TRUE(Visible(h, IDC_LOG)) << shownBefore;
        EXPECT_FALSE(Enabled(h, IDC_SHOW_LOG)) << shownBefore;
        RECT client, log, panel;
        GetClientRect(h, &client);
        GetWindowRect(GetDlgItem(h, IDC_LOG), &log);
        GetWindowRect(GetDlgItem(h, IDC_BOTTOM_PANEL), &panel);
        MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&log), 2);
        EXPECT_LE(log.bottom, client.bottom) << "the pane stays on the screen";
        EXPECT_LE(panel.bottom, log.top) << "the panels make room for the pane";

        ShowWindow(h, SW_RESTORE);
        RECT after;
        GetWindowRect(h, &after);
        EXPECT_EQ(before.bottom - before.top, after.bottom - after.top) << shownBefore;
        EXPECT_EQ(shownBefore, Visible(h, IDC_LOG));
        EXPECT_EQ(shownBefore, IsDlgButtonChecked(h, IDC_SHOW_LOG) == BST_CHECKED);
        EXPECT_TRUE(Enabled(h, IDC_SHOW_LOG)) << shownBefore;
    }
}

// At the window's first size both panels show all three columns whole, with
// a long folder's vertical scroll bar too: no horizontal scroll bar, and the
// Modified column holds its text.
TEST(MainWindow, ColumnsFitTheirPanelAtTheFirstSize) {
    Window w;
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, sizeof windows);
    for (CFtpFileList* panel : {static_cast<CFtpFileList*>(&w.dlg.m_top), &w.dlg.m_bottom}) {
        HWND list = panel->m_hWnd;
        panel->ShowFolder(windows);
        ASSERT_GT(ListView_GetItemCount(list), ListView_GetCountPerPage(list));
        EXPECT_EQ(0, GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
        char text[64] = "";
        ListView_GetItemText(list, 1, 2, text, sizeof text);
        const int textWidth = ListView_GetStringWidth(list, text);
        EXPECT_GT(textWidth, 0) << text;
        EXPECT_GE(ListView_GetColumnWidth(list, 2), textWidth + 12) << text;
    }
}

TEST(MainWindow, ConnectHintFollowsTheConnection) {
    Window w;
    for (BOOL remote : {FALSE, TRUE}) {
        w.dlg.m_top.m_bRemote = remote;
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = w.dlg.m_hWnd;
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(w.dlg.GetDlgItem(IDC_CONNECT));
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = TTF_IDISHWND;
        SendMessageA(w.dlg.m_hWnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(LoadResourceString(remote ? IDS_HINT_DISCONNECT : IDS_HINT_CONNECT),
                  DialogWatcher::ControlText(w.dlg.m_hWnd, IDC_HINT_TEXT));
    }
    w.dlg.m_top.m_bRemote = FALSE;
}

TEST(MainWindow, AFolderChosenInAPathBoxIsShownByItsPanel) {
    Window w;
    testfiles::TempFolder other;
    for (CComboBox* box : {&w.dlg.m_topPath, &w.dlg.m_bottomPath}) {
        box->SetCurSel(box->AddString(other.Root()));
        SendMessageA(w.dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(box->GetDlgCtrlID(), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(box->m_hWnd));
    }
    EXPECT_EQ(other.Root(), w.dlg.m_top.m_strPath);
    EXPECT_EQ(other.Root(), w.dlg.m_bottom.m_strPath);
}

// Keys typed in a path box's edit field: Enter goes to the typed folder,
// Escape undoes the typing; either way the field ends on the panel's path.
TEST(MainWindow, PathBoxKeysGoToTheTypedFolderOrUndoTheTyping) {
    Window w;
    testfiles::TempFolder other;
    const std::string start = w.dlg.m_bottom.m_strPath;
    struct Case {
        UINT key;
        std::string shown;
    } const cases[] = {{VK_ESCAPE, start}, {VK_RETURN, other.Root()}};
    HWND edit = w.dlg.m_bottomPath.m_edit.m_hWnd;
    ASSERT_NE(nullptr, edit);
    for (const Case& c : cases) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(other.Root().c_str()));
        SendMessageA(edit, WM_KEYDOWN, c.key, 0);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        EXPECT_EQ(c.shown, w.dlg.m_bottom.m_strPath) << c.key;
        EXPECT_EQ(c.shown, w.dlg.m_bottomPath.GetWindowText()) << c.key;
    }
}

// The about box shows its picture and goes away on the first key, well
// before the watcher would cancel it.
TEST(MainWindow, AboutBoxShowsThePictureAndClosesOnAKey) {
    Window w;
    const DWORD thread = GetCurrentThreadId();
    std::atomic<bool> picture{false};
    DialogWatcher watcher([thread] { return DialogWatcher::ThreadDialog(thread, IDC_ABOUT_PICTURE); },
                          [&picture](HWND about) {
                              picture = SendDlgItemMessageA(about, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP,
                                                            0) != 0;
                              PostMessageA(about, WM_KEYDOWN, VK_SPACE, 0);
                          },
                          false, 20000);
    const DWORD started = GetTickCount();
    SendMessageA(w.dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED), 0);
    watcher.Stop();
    EXPECT_TRUE(watcher.Seen());
    EXPECT_TRUE(picture);
    EXPECT_LT(GetTickCount() - started, 15000u);
}

// ---- Through the DLL ----------------------------------------------------

using quill::IniPath;
int IniInt(const char* key) { return static_cast<int>(GetPrivateProfileIntA("Defaults", key, 0, IniPath().c_str())); }

std::vector<std::string> RunWindow(const std::function<void(HWND)>& drive, const char* folder = nullptr) {
    quill::Run run;
    run.drive = drive;
    run.folder = folder;
    return quill::RunQuill(run);
}

TEST(MainWindowExport, ClosingAsksFirstAndOnlyOkCloses) {
    struct Case {
        UINT message;
        WPARAM command;
    } const cases[] = {{WM_COMMAND, IDOK}, {WM_COMMAND, IDCANCEL}, {WM_SYSCOMMAND, SC_CLOSE}};
    for (const Case& c : cases) {
        std::atomic<bool> openAfterCancel{false};
        std::atomic<int> asked{0};
        quill::Run run;
        run.answer = [&](const std::string&) { return ++asked == 1 ? IDCANCEL : IDOK; };
        run.drive = [&](HWND window) {
            PostMessageA(window, c.message, c.command, 0);
            while (asked < 1) Sleep(10);
            Sleep(300);
            openAfterCancel = IsWindowVisible(window) != FALSE;
            PostMessageA(window, c.message, c.command, 0);
        };
        run.close = false;
        EXPECT_EQ(std::vector<std::string>(2, "Do you wish to exit?"), quill::RunQuill(run)) << c.command;
        EXPECT_TRUE(openAfterCancel) << c.command;
    }
}

TEST(MainWindowExport, PlacementAndStartFolderComeBackNextTime) {
    testfiles::TempFolder first, second;
    DeleteFileA(IniPath().c_str());
    RunWindow([](HWND window) {
        MoveWindow(window, 40, 50, 820, 600, TRUE);
        CheckDlgButton(window, IDC_SHOW_LOG, BST_CHECKED);  // the pane is not the window's own height
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_SHOW_LOG, BN_CLICKED), 0);
    }, first.Root().c_str());
    EXPECT_EQ(40, IniInt("WindowX"));
    EXPECT_EQ(600, IniInt("WindowH"));
    EXPECT_EQ(1, IniInt("Show Log Window"));

    RECT restored = {};
    std::string bottomPath;
    RunWindow([&](HWND window) {  // the history's folder, the saved place; maximised saves nothing
        GetWindowRect(window, &restored);
        bottomPath = DialogWatcher::ControlText(window, IDC_BOTTOM_PATH);
        ShowWindow(window, SW_MAXIMIZE);
    });
    EXPECT_EQ((std::vector<LONG>{40, 50, 860, 732}),
              (std::vector<LONG>{restored.left, restored.top, restored.right, restored.bottom}));
    EXPECT_EQ(first.Root(), bottomPath);
    EXPECT_EQ(820, IniInt("WindowW"));

    std::vector<HWND> focus;  // panel buttons and F2 move the focus between the panels
    RunWindow([&](HWND window) {
        bottomPath = DialogWatcher::ControlText(window, IDC_BOTTOM_PATH);
        auto step = [&](UINT message, WPARAM wParam) {
            PostMessageA(message == WM_KEYDOWN ? DialogWatcher::FocusOf(window) : window, message, wParam, 0);
            Sleep(200);
            focus.push_back(DialogWatcher::FocusOf(window));
        };
        step(WM_COMMAND, IDC_BOTTOM_PANEL_BUTTON);
        step(WM_KEYDOWN, VK_F2);
        step(WM_KEYDOWN, VK_F2);
        step(WM_COMMAND, IDC_BOTTOM_PANEL_BUTTON);  // already active: a beep, nothing moves
        focus.push_back(GetDlgItem(window, IDC_TOP_PANEL));
        focus.push_back(GetDlgItem(window, IDC_BOTTOM_PANEL));
    }, second.Root().c_str());
    ASSERT_EQ(6u, focus.size());
    EXPECT_EQ((std::vector<HWND>{focus[5], focus[4], focus[5], focus[5]}),
              std::vector<HWND>(focus.begin(), focus.begin() + 4));
    EXPECT_EQ(second.Root(), bottomPath) << "a folder the host names wins over the history";
}

}  // namespace
