// The resizable layout on a test dialog: after each resize every control
// stands where its two rules put it, computed here from the template's
// positions; repeated resizing does not drift; the window keeps its minimum
// size; re-registrations keep or renew what they should.
#include <gtest/gtest.h>

#include <map>

#include "test_dialogs.h"

namespace {

// The rules, written out again: near and far edge after a change d of the
// window's extent; `extent` is the frame-reduced extent, `middle` the offset
// of the near edge from the middle of the initial window.
void Expect(int rule, LONG nearStart, LONG farStart, int d, int extent, int middle, LONG& nearOut, LONG& farOut) {
    // Half steps round to nearest with halves up (all coordinates are positive).
    auto half = [d](LONG edge) { return static_cast<LONG>((2 * edge + d + 1) / 2); };
    switch (rule) {
    case 1: nearOut = nearStart; farOut = farStart + d; break;
    case 2: nearOut = nearStart + d; farOut = farStart + d; break;
    case 3: nearOut = extent / 2 + middle; farOut = nearOut + farStart - nearStart; break;
    case 4: nearOut = nearStart; farOut = half(farStart); break;
    case 5: nearOut = half(nearStart); farOut = farStart + d; break;
    case 6: nearOut = half(nearStart); farOut = half(farStart); break;
    default: nearOut = nearStart; farOut = farStart; break;
    }
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        m_width0 = m_dlg.m_window0.right - m_dlg.m_window0.left;
        m_height0 = m_dlg.m_window0.bottom - m_dlg.m_window0.top;
        m_frameX = GetSystemMetrics(SM_CXFRAME);
        m_frameY = GetSystemMetrics(SM_CYFRAME);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void ResizeTo(int width, int height) {
        SetWindowPos(m_dlg.m_hWnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    std::map<UINT, RECT> AllActual() const {
        std::map<UINT, RECT> out;
        for (const auto& rule : kTestLayoutRules) out[rule.id] = Actual(rule.id);
        return out;
    }
    RECT Expected(const TestLayoutRule& rule) const {
        const SIZE size = WindowSize();
        const int width = size.cx - m_frameX, height = size.cy - m_frameY;
        const RECT& start = m_dlg.m_start.at(rule.id);
        RECT rc;
        Expect(rule.horz, start.left, start.right, width - m_width0, width, start.left - m_width0 / 2, rc.left, rc.right);
        Expect(rule.vert, start.top, start.bottom, height - m_height0, height, start.top - m_height0 / 2, rc.top,
               rc.bottom);
        return rc;
    }
    void ExpectEveryControlWhereItsRulesPutIt(bool middleRuleToo = true) const {
        for (const auto& rule : kTestLayoutRules) {
            if (!middleRuleToo && rule.horz == 3) continue;
            const RECT want = Expected(rule), got = Actual(rule.id);
            EXPECT_EQ(got.left, want.left) << "control " << rule.id;
            EXPECT_EQ(got.top, want.top) << "control " << rule.id;
            EXPECT_EQ(got.right, want.right) << "control " << rule.id;
            EXPECT_EQ(got.bottom, want.bottom) << "control " << rule.id;
        }
    }

    CLayoutTestDlg m_dlg;
    int m_width0 = 0, m_height0 = 0, m_frameX = 0, m_frameY = 0;
};

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(Layout, EveryControlFollowsItsRulesAtSeveralSizes) {
    // Odd and even changes, so that the half steps round both ways.
    const SIZE changes[] = {{101, 57}, {1, 1}, {300, 33}, {6, 240}, {77, 0}};
    for (const SIZE& change : changes) {
        ResizeTo(m_width0 + change.cx, m_height0 + change.cy);
        SCOPED_TRACE(testing::Message() << "grown by " << change.cx << " x " << change.cy);
        ExpectEveryControlWhereItsRulesPutIt();
    }
}

TEST_F(Layout, RepeatedResizingEndsWhereTheFirstLayoutAtThatSizeWas) {
    ResizeTo(m_width0 + 37, m_height0 + 23);
    const auto first = AllActual();
    for (int i = 0; i < 12; ++i) ResizeTo(m_width0 + 13 * i + 1, m_height0 + 7 * (i % 5) + 3);
    ResizeTo(m_width0, m_height0);
    ResizeTo(m_width0 + 37, m_height0 + 23);
    for (const auto& [id, rc] : AllActual()) EXPECT_TRUE(Same(rc, first.at(id))) << "control " << id;
}

TEST_F(Layout, AMiddleRuleKeepsTheSizeAndTheOffsetFromTheMiddle) {
    const RECT start = m_dlg.m_start.at(IDC_T_CENTRE);
    ResizeTo(m_width0 + 120, m_height0 + 61);
    const RECT rc = Actual(IDC_T_CENTRE);
    EXPECT_EQ(rc.right - rc.left, start.right - start.left);
    EXPECT_EQ(rc.bottom - rc.top, start.bottom - start.top);
    EXPECT_EQ(rc.left, (m_width0 + 120 - m_frameX) / 2 + start.left - m_width0 / 2);
}

TEST_F(Layout, TheWindowCannotBecomeSmallerThanAtTheStart) {
    ResizeTo(m_width0 - 60, m_height0 - 40);
    EXPECT_EQ(WindowSize().cx, m_width0);
    EXPECT_EQ(WindowSize().cy, m_height0);
    MINMAXINFO info = {};
    info.ptMaxSize = info.ptMaxTrackSize = POINT{5000, 5000};
    SendMessageA(m_dlg.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, m_width0);
    EXPECT_EQ(info.ptMinTrackSize.y, m_height0);
    EXPECT_EQ(info.ptMaxTrackSize.x, 5000);  // resizable both ways: no maximum
}

TEST_F(Layout, AWindowResizableOnlyInHeightKeepsItsWidthEvenZoomed) {
    m_dlg.SetResizable(FALSE, TRUE);
    MINMAXINFO info = {};
    info.ptMaxSize = info.ptMaxTrackSize = POINT{5000, 5000};
    SendMessageA(m_dlg.m_hWnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxSize.x, m_width0);
    EXPECT_EQ(info.ptMaxTrackSize.x, m_width0);
    EXPECT_EQ(info.ptMaxSize.y, 5000);
    ResizeTo(m_width0 + 200, m_height0 + 50);
    EXPECT_EQ(WindowSize().cx, m_width0);
    EXPECT_EQ(WindowSize().cy, m_height0 + 50);
}

TEST_F(Layout, ReRegisteringAControlReplacesItsRecordAtTheEnd) {
    const int count = m_dlg.GetItemCount();
    m_dlg.AddControl(IDC_T_RIGHT, 0, 2, FALSE, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_EQ(m_dlg.GetItemCount(), count);
    EXPECT_EQ(m_dlg.GetItem(count - 1).nID, static_cast<UINT>(IDC_T_RIGHT));
    EXPECT_EQ(m_dlg.GetItem(count - 1).nHorz, 0);
    for (int i = 0; i < count - 1; ++i) EXPECT_NE(m_dlg.GetItem(i).nID, static_cast<UINT>(IDC_T_RIGHT));
    ResizeTo(m_width0 + 90, m_height0 + 30);
    const RECT start = m_dlg.m_start.at(IDC_T_RIGHT);
    EXPECT_EQ(Actual(IDC_T_RIGHT).left, start.left);                           // no longer moves right
    EXPECT_EQ(Actual(IDC_T_RIGHT).top, start.top + 30 - m_frameY);  // moves down now
}

TEST_F(Layout, RegistrationsThatKeepTheStartsLayOutFromTheTemplateStill) {
    ResizeTo(m_width0 + 80, m_height0 + 40);  // every control has moved
    m_dlg.Register(true);
    ResizeTo(m_width0 + 81, m_height0 + 41);
    // The middle rule's offset is taken afresh at every registration, from
    // where the control stands then; the window that re-registers uses no
    // middle rule.
    ExpectEveryControlWhereItsRulesPutIt(false);
    // Without keeping, the moved places would become the starts.
    m_dlg.Register(false);
    ResizeTo(m_width0 + 82, m_height0 + 42);
    EXPECT_NE(Actual(IDC_T_CORNER).left, Expected({IDC_T_CORNER, 2, 2, FALSE}).left);
}

TEST_F(Layout, OffsetControlMovesWhereAControlStarts) {
    m_dlg.OffsetControl(IDC_T_CORNER, 3, 20);
    ResizeTo(m_width0 + 50, m_height0 + 50);
    const RECT want = Expected({IDC_T_CORNER, 2, 2, FALSE});
    EXPECT_EQ(Actual(IDC_T_CORNER).left, want.left + 3);
    EXPECT_EQ(Actual(IDC_T_CORNER).top, want.top + 20);
}

TEST_F(Layout, AnIdWithoutAControlIsIgnored) {
    const int count = m_dlg.GetItemCount();
    m_dlg.AddControl(9999, 1, 1, FALSE, SWP_NOZORDER);
    m_dlg.OffsetControl(9999, 5, 5);
    EXPECT_EQ(m_dlg.GetItemCount(), count);
}

TEST_F(Layout, TheEraseLeavesOutControlsThatPaintThemselves) {
    RECT client;
    GetClientRect(m_dlg.m_hWnd, &client);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const COLORREF paint = RGB(255, 0, 255);
    HBRUSH brush = CreateSolidBrush(paint);
    FillRect(memory, &client, brush);
    SendMessageA(m_dlg.m_hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);

    auto centre = [&](UINT id) {
        const RECT rc = Actual(id);
        return GetPixel(memory, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    };
    EXPECT_EQ(centre(IDC_T_UPPER_LIST), paint);  // registered without erase: left alone
    EXPECT_EQ(centre(IDC_T_CORNER), paint);
    EXPECT_NE(centre(IDC_T_GROUP), paint);       // registered with erase
    EXPECT_NE(GetPixel(memory, 2, 2), paint);    // the dialog's own background
    SelectObject(memory, old);
    DeleteObject(brush);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

}  // namespace
