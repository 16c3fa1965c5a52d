// The resizable layout on a test dialog, with the moves worked out by hand:
// the rules measure the window less its sizing frame, so growing that
// extent by 100 x 60 pixels moves a right-anchored control by 100, a
// half-rule edge by 50, and so on. Half steps round up; repeated resizing
// does not drift; the window keeps its minimum size; re-registrations keep
// or renew what they should.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <vector>

#include "test_dialogs.h"
#include "window_pixels.h"

namespace {

using Edges = std::array<LONG, 4>;  // left, top, right, bottom
struct Move {
    UINT id;
    Edges by;  // what each edge moved
};

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        m_size0 = WindowSize();
        for (UINT id = IDC_T_STRETCH; id <= IDC_T_GROUP; ++id) m_start[id] = Actual(id);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void ResizeTo(int width, int height) {
        SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // Grows the extent the rules measure by dx, dy over the first window.
    void GrowBy(int dx, int dy) {
        ResizeTo(m_size0.cx + GetSystemMetrics(SM_CXFRAME) + dx, m_size0.cy + GetSystemMetrics(SM_CYFRAME) + dy);
    }
    SIZE WindowSize() const {
        RECT rc;
        GetWindowRect(m_dlg.m_hWnd, &rc);
        return SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }
    RECT Actual(UINT id) const {
        RECT rc;
        GetWindowRect(GetDlgItem(m_dlg.m_hWnd, static_cast<int>(id)), &rc);
        MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    }
    void ExpectMoves(const std::vector<Move>& moves) {
        for (const Move& m : moves) {
            const RECT s = m_start.at(m.id), got = Actual(m.id);
            const Edges moved = {got.left - s.left, got.top - s.top, got.right - s.right, got.bottom - s.bottom};
            EXPECT_EQ(moved, m.by) << "control " << m.id;
        }
    }

    CLayoutTestDlg m_dlg;
    SIZE m_size0 = {};
    std::map<UINT, RECT> m_start;
};

// Each control's rules are given in test_dialogs.cpp (horizontal, vertical).
const std::vector<Move> kGrownBy100x60 = {
    {IDC_T_STRETCH, {0, 0, 100, 0}},     // 1, 0
    {IDC_T_RIGHT, {100, 0, 100, 0}},     // 2, 0
    {IDC_T_FIXED, {0, 0, 0, 0}},         // 0, 0
    {IDC_T_UNKNOWN_RULE, {0, 0, 0, 0}},  // 7, -1: unknown rules are 0
    {IDC_T_HALF, {50, 0, 50, 0}},        // 6, 0
    {IDC_T_UPPER_LIST, {0, 0, 50, 30}},  // 4, 4
    {IDC_T_CENTRE, {50, 30, 50, 30}},    // 3, 3: keeps its offset from the middle
    {IDC_T_GROUP, {100, 0, 100, 60}},    // 2, 1
    {IDC_T_LOWER_LIST, {0, 30, 50, 60}}, // 4, 5
    {IDC_T_MIDDLE, {50, 30, 50, 30}},    // 6, 6
    {IDC_T_CORNER, {100, 60, 100, 60}},  // 2, 2
};

// Back at the first size after many others, the same growth gives the same
// places: nothing drifts. Half steps round up.
TEST_F(Layout, EveryControlMovesByItsRulesWithoutDrift) {
    GrowBy(100, 60);
    ExpectMoves(kGrownBy100x60);
    for (int i = 0; i < 12; ++i) ResizeTo(m_size0.cx + 13 * i + 1, m_size0.cy + 7 * (i % 5) + 3);
    ResizeTo(m_size0.cx, m_size0.cy);
    GrowBy(100, 60);
    ExpectMoves(kGrownBy100x60);
    GrowBy(101, 61);  // 50.5 and 30.5
    ExpectMoves({{IDC_T_HALF, {51, 0, 51, 0}}, {IDC_T_LOWER_LIST, {0, 31, 51, 61}}, {IDC_T_MIDDLE, {51, 31, 51, 31}}});
}

// The first size is the least; resizable in height only, the window keeps
// its width, zoomed or not.
TEST_F(Layout, TheFirstSizeIsTheLeastAndAFixedWidthStaysEvenZoomed) {
    for (BOOL wide : {TRUE, FALSE}) {
        m_dlg.SetResizable(wide, TRUE);
        MINMAXINFO info = {};
        info.ptMaxSize = info.ptMaxTrackSize = POINT{5000, 5000};
        SendMessageA(m_dlg.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, m_size0.cx);
        EXPECT_EQ(info.ptMinTrackSize.y, m_size0.cy);
        EXPECT_EQ(info.ptMaxSize.x, wide ? 5000 : m_size0.cx);
        EXPECT_EQ(info.ptMaxTrackSize.x, wide ? 5000 : m_size0.cx);
        EXPECT_EQ(info.ptMaxSize.y, 5000);
        ResizeTo(m_size0.cx + 200, m_size0.cy - 40);
        EXPECT_EQ(WindowSize().cx, wide ? m_size0.cx + 200 : m_size0.cx);
        EXPECT_EQ(WindowSize().cy, m_size0.cy);
    }
}

// A control registered again loses its old record; an offset moves where a
// control starts; an id without a control is ignored.
TEST_F(Layout, ReRegisteringAndOffsettingChangeOnlyTheControlNamed) {
    const int count = m_dlg.GetItemCount();
    m_dlg.AddControl(IDC_T_RIGHT, 0, 2, FALSE, SWP_NOZORDER | SWP_NOACTIVATE);
    m_dlg.OffsetControl(IDC_T_CORNER, 3, 20);
    m_dlg.AddControl(9999, 1, 1, FALSE, SWP_NOZORDER);
    m_dlg.OffsetControl(9999, 5, 5);
    EXPECT_EQ(m_dlg.GetItemCount(), count);
    GrowBy(100, 60);
    ExpectMoves({{IDC_T_RIGHT, {0, 60, 0, 60}},  // no longer moves right; moves down now
                 {IDC_T_CORNER, {103, 80, 103, 80}}, {IDC_T_STRETCH, {0, 0, 100, 0}}});
}

TEST_F(Layout, RegistrationsKeepTheStartsOnlyWhenAskedTo) {
    GrowBy(80, 40);  // every control but the fixed ones has moved
    m_dlg.Register(true);
    GrowBy(100, 60);
    // The middle rule takes its offset afresh at every registration.
    std::vector<Move> kept;
    for (const Move& m : kGrownBy100x60)
        if (m.id != IDC_T_CENTRE) kept.push_back(m);
    ExpectMoves(kept);
    // Otherwise the places of now become the starts; the change is still
    // counted from the first window.
    m_dlg.Register(false);
    GrowBy(120, 60);
    ExpectMoves({{IDC_T_CORNER, {220, 120, 220, 120}}});
}

TEST_F(Layout, TheEraseLeavesOutControlsThatPaintThemselves) {
    const COLORREF paint = RGB(255, 0, 255);
    const WindowPixels pixels(WindowSize(), paint, [this](HDC dc) {
        SendMessageA(m_dlg.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    });
    auto centre = [&](UINT id) {
        const RECT rc = Actual(id);
        return pixels.At((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    };
    EXPECT_EQ(centre(IDC_T_UPPER_LIST), paint);  // registered without erase: left alone
    EXPECT_EQ(centre(IDC_T_CORNER), paint);
    EXPECT_NE(centre(IDC_T_GROUP), paint);  // registered with erase
    EXPECT_NE(pixels.At(2, 2), paint);      // the dialog's own background
}

}  // namespace
