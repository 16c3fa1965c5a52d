// The cancel pump with messages posted as the user's keys and clicks would
// queue them, the transfer progress display, the entry status lines and the
// refresh of the other panel, on the panel host window.
#include <gtest/gtest.h>

#include "panel_fixture.h"
#include "resource.h"
#include "size_text.h"
#include "sync_other_panel.h"

namespace {

class Feedback : public ::testing::Test {
protected:
    void SetUp() override {
        stop = host.dlg.GetDlgItem(IDC_STOP);
        ASSERT_NE(nullptr, stop);
        MSG msg;  // nothing of the window's creation waits in the queue
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    bool Waiting(HWND window, UINT message) {
        MSG msg;
        return PeekMessageA(&msg, window, message, message, PM_NOREMOVE) != FALSE;
    }
    bool Pump() { return host.dlg.m_feedback.PumpMessages(stop); }
    std::string Text(int id) {
        char text[256] = "";
        GetDlgItemTextA(host.dlg.m_hWnd, id, text, sizeof text);
        return text;
    }

    testfiles::TempFolder folder;
    PanelHost host{"", folder.Root()};
    HWND stop = nullptr;
};

// Messages posted as the user's keys and clicks would queue them; the stop
// request is taken out of the queue, and only the oldest key counts.
TEST_F(Feedback, EscapeOrAClickOnStopStopsOnceAndIsConsumedAndNothingElseStops) {
    using Posted = std::pair<UINT, WPARAM>;
    const struct {
        std::vector<Posted> posted;
        bool stops;
    } cases[] = {{{{WM_KEYDOWN, VK_ESCAPE}}, true},  {{{WM_KEYDOWN, 'A'}, {WM_KEYDOWN, VK_ESCAPE}}, false},
                 {{{WM_LBUTTONUP, 0}}, true},        {{{WM_LBUTTONDBLCLK, MK_LBUTTON}}, true},
                 {{{WM_LBUTTONDOWN, MK_LBUTTON}}, true}};
    for (const auto& c : cases) {
        for (const Posted& p : c.posted) PostMessageA(stop, p.first, p.second, MAKELPARAM(5, 5));
        EXPECT_EQ(c.stops, Pump()) << c.posted.back().first;
        EXPECT_FALSE(Waiting(stop, c.posted.back().first)) << c.posted.back().first;
        EXPECT_FALSE(Pump()) << "one request, one stop";
        ReleaseCapture();
    }
    // Escape for another window, a click elsewhere in the window: no stop;
    // the window's other messages are dispatched, other windows' left alone.
    HWND other = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    PostMessageA(host.dlg.m_bottom.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(host.dlg.GetDlgItem(IDC_HINT_GROUP), WM_LBUTTONUP, 0, 0);
    PostMessageA(host.dlg.m_hWnd, CFtpPanelHostDlg::kPingMessage, 0, 0);
    PostMessageA(host.dlg.m_hWnd, CFtpPanelHostDlg::kPingMessage, 0, 0);
    PostMessageA(other, WM_USER + 5, 0, 0);
    EXPECT_FALSE(Pump());
    EXPECT_EQ(2, host.dlg.m_nPings);
    EXPECT_TRUE(Waiting(other, WM_USER + 5)) << "only the file manager's messages are handled";
    DestroyWindow(other);
}

// The pointer's last move decides: the arrow over Stop, the hourglass
// elsewhere; every move is taken out of the queue.
TEST_F(Feedback, TheCursorIsTheArrowOverStopAndTheHourglassElsewhere) {
    const HWND window = host.dlg.m_hWnd;
    const struct {
        std::vector<HWND> moves;
        bool overStop;
    } cases[] = {{{stop}, true}, {{window}, false}, {{stop, window}, false}, {{window, stop, stop}, true}};
    for (const auto& c : cases) {
        for (HWND target : c.moves) PostMessageA(target, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        Pump();
        EXPECT_EQ(c.overStop, host.dlg.m_feedback.PointerOverStop()) << c.moves.size();
        EXPECT_EQ(LoadCursor(nullptr, c.overStop ? IDC_ARROW : IDC_WAIT), GetCursor()) << c.moves.size();
        EXPECT_FALSE(Waiting(window, WM_MOUSEMOVE) || Waiting(stop, WM_MOUSEMOVE));
    }
}

TEST_F(Feedback, ProgressMovesTheBarInUnitsOf256BytesAndRestartsOnANewFile) {
    HWND bar = host.dlg.GetDlgItem(IDC_PROGRESS);
    SendMessageA(bar, PBM_SETRANGE32, 0, 1000);
    host.dlg.m_titlePercents.clear();
    EXPECT_FALSE(host.dlg.m_feedback.ShowTransferProgress(25600 + 255, 2));
    EXPECT_EQ("25,855 bytes received", Text(IDC_ACTIVITY_LINE));
    host.dlg.m_feedback.ShowTransferProgress(51200 + 255, 2);
    EXPECT_EQ(200, SendMessageA(bar, PBM_GETPOS, 0, 0)) << "the remainder of each step is dropped";
    EXPECT_EQ("FTP Quill  (20%)", host.dlg.GetWindowText());
    // The same count again is a new file: its whole count goes on the bar,
    // and an unchanged percentage is not written again.
    host.dlg.m_feedback.ShowTransferProgress(51200 + 255, 1);
    EXPECT_EQ("51,455 bytes sent", Text(IDC_ACTIVITY_LINE));
    host.dlg.m_feedback.ShowTransferProgress(51200 + 255 + 100, 1);
    EXPECT_EQ((std::vector<int>{10, 20, 40}), host.dlg.m_titlePercents);
    host.dlg.m_feedback.ShowTransferProgress(5LL << 30, 2);
    EXPECT_EQ("5,368,709,120 bytes received", Text(IDC_ACTIVITY_LINE)) << "counts past 4 GiB";
    host.dlg.m_feedback.ShowTransferProgress(0, 0);
    EXPECT_EQ("", Text(IDC_ACTIVITY_LINE));
    // A Stop click during a transfer is the progress call's answer.
    PostMessageA(stop, WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(host.dlg.ShowTransferProgress(100000, 2) != 0);
    // An empty bar gives no percentage.
    SendMessageA(bar, PBM_SETRANGE32, 0, 0);
    host.dlg.m_titlePercents.clear();
    host.dlg.m_feedback.ShowTransferProgress(100000, 1);
    EXPECT_TRUE(host.dlg.m_titlePercents.empty());
}

// The name cut and the size text themselves are tested natively.
TEST_F(Feedback, EntryStatusShowsNameAndSizeAndNoSizeForFolders) {
    const struct {
        FileEntry entry;
        const char *file, *size;
    } cases[] = {
        {{IMG_HTML, "a-long-name-17.ht", FormatSizeText(1234567), "", {}, 1234567}, "File: a-long-name-...", "Size: 1,234,567 bytes"},
        {{IMG_FOLDER, "images", "<dir>", "", {}}, "File: images", "Size: - bytes"},
        {{IMG_PARENT, "..", "<dir>", "", {}}, "File: ..", "Size: <dir> bytes"},
    };
    for (auto c : cases) {
        host.dlg.m_bottom.ShowEntryStatus(&c.entry);
        EXPECT_EQ(c.file, Text(IDC_FILE_LINE));
        EXPECT_EQ(c.size, Text(IDC_SIZE_LINE));
    }
}

TEST_F(Feedback, TheOtherPanelIsListedAgainOnlyWhenItShowsTheSameFolder) {
    CFtpFileList& top = host.dlg.m_top;
    CFtpFileList& bottom = host.dlg.m_bottom;
    std::string upper = folder.Root();
    top.ShowFolder(CharUpperA(&upper[0]));
    bottom.ShowFolder(folder.Root());  // the bottom panel is now the active one
    ASSERT_EQ(&bottom, host.dlg.GetActivePanel());
    MakeFile(folder.Path("new.txt"), 1);

    SyncOtherPanel(host.dlg);
    EXPECT_EQ((std::vector<std::string>{"..", "new.txt"}), RowNames(top));
    EXPECT_EQ(std::vector<std::string>{".."}, RowNames(bottom)) << "the active panel is not listed again";

    CreateDirectoryA(folder.Path("sub").c_str(), nullptr);
    top.ShowFolder(folder.Path("sub"));
    bottom.ShowFolder(folder.Root());
    MakeFile(folder.Path("sub\\later.txt"), 1);
    SyncOtherPanel(host.dlg);
    EXPECT_EQ(std::vector<std::string>{".."}, RowNames(top));
}

}  // namespace
