// Owner-drawn bitmap buttons, read back as pixels: one look per style (the
// picture where the style puts it, flat until hot, a raised frame when hot,
// sunk when pressed), the lit and disabled looks, and the one hot button as
// the mouse and the focus move.
#include <gtest/gtest.h>

#include "test_dialogs.h"
#include "window_pixels.h"

namespace {

class BitmapButton : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        ShowWindow(m_dlg.m_hWnd, SW_SHOWNA);
        m_face = GetSysColor(COLOR_BTNFACE);
        m_light = GetSysColor(COLOR_BTNHIGHLIGHT);
        m_shadow = GetSysColor(COLOR_BTNSHADOW);
        m_text = GetSysColor(COLOR_BTNTEXT);
        ASSERT_NE(m_light, m_face);
        ASSERT_NE(m_shadow, m_face);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // Checks that the picture `bitmap` sits at `at` in `pixels`.
    static void ExpectPictureAt(const WindowPixels& pixels, const CBitmap& bitmap, POINT at) {
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(memory, bitmap);
        int differences = 0;
        for (int y = 0; y < info.bmHeight; ++y)
            for (int x = 0; x < info.bmWidth; ++x) differences += pixels.At(at.x + x, at.y + y) != GetPixel(memory, x, y);
        SelectObject(memory, old);
        DeleteDC(memory);
        EXPECT_EQ(differences, 0) << "picture expected at " << at.x << "," << at.y;
    }

    CButtonTestDlg m_dlg;
    COLORREF m_face = 0, m_light = 0, m_shadow = 0, m_text = 0;
};

// Where each style puts its picture (W, H: the button's size; the pictures
// are 16 pixels square, 20 on the style-2 buttons).
struct Look {
    const char* name;
    CFtpBitmapButton CButtonTestDlg::*button;
    POINT (*picture)(int W, int H);  // null: no picture
};
const Look kLooks[] = {
    {"style 0: centred", &CButtonTestDlg::m_browse, [](int W, int H) { return POINT{W / 2 - 8, H / 2 - 8}; }},
    {"style 1: at the left", &CButtonTestDlg::m_selectAll, [](int, int H) { return POINT{2, H / 2 - 8 + 1}; }},
    {"style 2: at the top", &CButtonTestDlg::m_download, [](int W, int) { return POINT{W / 2 - 10, 2}; }},
    {"style 3: caption only", &CButtonTestDlg::m_panel, nullptr},
};

TEST_F(BitmapButton, EachStyleShowsItsPictureFlatAndRaisesAFrameWhenHot) {
    for (const Look& look : kLooks) {
        SCOPED_TRACE(look.name);
        CFtpBitmapButton& button = m_dlg.*look.button;
        button.m_nState = CFtpBitmapButton::kNormal;  // the first one has the focus
        const WindowPixels normal(button.m_hWnd);
        const int W = normal.Width(), H = normal.Height();
        if (look.picture != nullptr) ExpectPictureAt(normal, button.m_bmpNormal, look.picture(W, H));
        EXPECT_EQ(normal.At(0, 0), m_face);
        EXPECT_EQ(normal.At(W - 1, H - 1), m_face);
        button.m_nState = CFtpBitmapButton::kHot;
        const WindowPixels hot(button.m_hWnd);
        EXPECT_EQ(hot.At(0, 0), m_light);
        EXPECT_EQ(hot.At(W - 1, H - 1), m_shadow);
        button.m_nState = CFtpBitmapButton::kPressed;  // sunk, the picture one pixel down and right
        const WindowPixels pressed(button.m_hWnd);
        EXPECT_EQ(pressed.At(0, 0), m_shadow);
        EXPECT_EQ(pressed.At(W - 1, H - 1), m_light);
        if (look.picture != nullptr) {
            const POINT at = look.picture(W, H);
            ExpectPictureAt(pressed, button.m_bmpNormal, POINT{at.x + 1, at.y + 1});
        }
    }
}

TEST_F(BitmapButton, ALitButtonShowsADiamondLeftOfItsCaption) {
    CFtpBitmapButton& button = m_dlg.m_panel;
    const COLORREF marker = GetSysColor(COLOR_HIGHLIGHT);
    const WindowPixels dark(button.m_hWnd);
    const int H = dark.Height();
    const RECT caption = {14, 1, dark.Width() - 1, H - 1};
    EXPECT_EQ(dark.Count(m_text, RECT{1, 1, 14, H - 1}), 0);  // the caption starts 14 pixels in
    EXPECT_GT(dark.Count(m_text, caption), 0);
    EXPECT_EQ(dark.Count(marker, RECT{0, 0, 14, H}), 0);

    button.m_bLit = TRUE;
    const WindowPixels lit(button.m_hWnd);
    const int top = 2 + (H - 3) / 2 - 3;  // centred on the room a picture would take
    EXPECT_EQ(lit.At(4, top + 3), marker);
    EXPECT_EQ(lit.At(10, top + 3), marker);
    EXPECT_EQ(lit.At(4, top), m_face);  // a diamond, not a square
    EXPECT_EQ(lit.Count(m_text, caption), dark.Count(m_text, caption));  // the caption stays
}

TEST_F(BitmapButton, ADisabledButtonShowsItsSecondPictureAnEmbossedCaptionAndNoFrame) {
    CFtpBitmapButton& button = m_dlg.m_disabled;
    button.m_nState = CFtpBitmapButton::kHot;  // as if the mouse had been over it
    const WindowPixels pixels(button.m_hWnd);
    const int W = pixels.Width(), H = pixels.Height();
    EXPECT_EQ(button.m_nState, CFtpBitmapButton::kNormal);
    EXPECT_EQ(pixels.At(0, 0), m_face);
    EXPECT_EQ(pixels.At(W - 1, H - 1), m_face);
    ExpectPictureAt(pixels, button.m_bmpDisabled, POINT{W / 2 - 10, 2});
    const RECT caption = {0, 24, W, H - 2};
    EXPECT_EQ(pixels.Count(m_text, caption), 0);  // no ordinary text
    EXPECT_GT(pixels.Count(m_shadow, caption), 0);
    EXPECT_GT(pixels.Count(m_light, caption), 0);
}

TEST_F(BitmapButton, MovingTheMouseFromOneButtonOntoTheNextLightsOnlyTheSecond) {
    CFtpBitmapButton& download = m_dlg.m_download;
    CFtpBitmapButton& upload = m_dlg.m_upload;
    SendMessageA(download.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(download.m_nState, CFtpBitmapButton::kHot);
    EXPECT_EQ(GetCapture(), download.m_hWnd);
    EXPECT_EQ(CFtpBitmapButton::s_pHotButton, &download);

    // The next button sees the mouse before the first one noticed it left.
    SendMessageA(upload.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(download.m_nState, CFtpBitmapButton::kNormal);
    EXPECT_EQ(upload.m_nState, CFtpBitmapButton::kHot);
    EXPECT_EQ(CFtpBitmapButton::s_pHotButton, &upload);

    // Leaving: a move while captured, with the pointer elsewhere.
    ASSERT_EQ(GetCapture(), upload.m_hWnd);
    SendMessageA(upload.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(-300, -300));
    EXPECT_EQ(upload.m_nState, CFtpBitmapButton::kNormal);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(BitmapButton, TheFocusMakesAButtonHotUnlessItIsPressed) {
    CFtpBitmapButton& download = m_dlg.m_download;
    CFtpBitmapButton& upload = m_dlg.m_upload;
    SetForegroundWindow(m_dlg.m_hWnd);
    SetFocus(upload.m_hWnd);
    EXPECT_EQ(upload.m_nState, CFtpBitmapButton::kHot);
    SetFocus(download.m_hWnd);
    EXPECT_EQ(upload.m_nState, CFtpBitmapButton::kNormal);
    EXPECT_EQ(download.m_nState, CFtpBitmapButton::kHot);

    // A press takes the focus without turning the pressed look into hot.
    SendMessageA(upload.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(GetFocus(), upload.m_hWnd);
    EXPECT_EQ(upload.m_nState, CFtpBitmapButton::kPressed);
    SendMessageA(upload.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(upload.m_nState, CFtpBitmapButton::kHot);
}

}  // namespace
