// Owner-drawn bitmap buttons, read back as pixels: where the picture and
// the caption go in each style, the frame of each state, the lit diamond,
// the disabled look, and the one hot button as the mouse and the focus move.
#include <gtest/gtest.h>

#include <string>

#include "resource.h"
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
    void ExpectPictureAt(const WindowPixels& pixels, const CBitmap& bitmap, POINT at) const {
        SIZE size;
        const auto picture = BitmapPixels(bitmap, size);
        int differences = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                differences += pixels.At(at.x + x, at.y + y) != picture[static_cast<size_t>(y * size.cx + x)];
        EXPECT_EQ(differences, 0) << "picture expected at " << at.x << "," << at.y;
    }
    // Caption rows: the leftmost column (right of the frame) drawn in
    // anything but the face, or -1.
    int CaptionStart(const WindowPixels& pixels, int top, int bottom) const {
        for (int x = 1; x < pixels.Width() - 1; ++x)
            for (int y = top; y < bottom; ++y)
                if (pixels.At(x, y) != m_face) return x;
        return -1;
    }
    // How far right of its box a caption's first ink falls: the letter's own
    // side bearing in the dialog's font (the system may substitute fonts and
    // smooth their edges). Drawn the same way, at 0, on white.
    int InkOffset(const std::string& caption) const {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 40);
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_dlg.m_hWnd, WM_GETFONT, 0, 0)));
        const RECT all = {0, 0, 300, 40};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc, m_text);
        SetBkColor(dc, RGB(255, 255, 255));
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption.c_str()), static_cast<WPARAM>(caption.size()),
                   0, 0, 300, 40, DST_PREFIXTEXT | DSS_NORMAL);
        int offset = -1;
        for (int x = 0; x < 300 && offset < 0; ++x)
            for (int y = 0; y < 40; ++y)
                if (GetPixel(dc, x, y) != RGB(255, 255, 255)) {
                    offset = x;
                    break;
                }
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        return offset;
    }

    CButtonTestDlg m_dlg;
    COLORREF m_face = 0, m_light = 0, m_shadow = 0, m_text = 0;
};

TEST_F(BitmapButton, TheGreyOfThePicturesBecomesTheButtonFace) {
    SIZE size;
    const auto picture = BitmapPixels(m_dlg.m_download.m_bmpNormal, size);
    EXPECT_EQ(size.cx, 20);
    EXPECT_EQ(picture.front(), m_face);  // the corner was light grey in the resource
}

TEST_F(BitmapButton, AStyleTwoButtonShowsItsPictureAtTheTopAndItsCaptionAtTheBottom) {
    const WindowPixels pixels(m_dlg.m_download.m_hWnd);
    const int W = pixels.Width(), H = pixels.Height();
    ExpectPictureAt(pixels, m_dlg.m_download.m_bmpNormal, POINT{W / 2 - 20 / 2, 2});
    // Text only in the caption band, which ends 4 pixels above the bottom:
    // none between the picture and the band, none below it.
    EXPECT_EQ(pixels.Count(m_text, RECT{0, 22, W, H - 20}), 0);
    EXPECT_NE(CaptionStart(pixels, H - 20, H - 4), -1);
    EXPECT_EQ(pixels.Count(m_text, RECT{0, H - 4, W, H}), 0);
    // Normal state: no visible frame.
    EXPECT_EQ(pixels.At(0, 0), m_face);
    EXPECT_EQ(pixels.At(W - 1, H - 1), m_face);
}

TEST_F(BitmapButton, HotRaisesTheFrameAndPressedSinksItAndShiftsThePicture) {
    CFtpBitmapButton& button = m_dlg.m_download;
    button.m_nState = CFtpBitmapButton::kHot;
    const WindowPixels hot(button.m_hWnd);
    const int W = hot.Width(), H = hot.Height();
    EXPECT_EQ(hot.At(0, 0), m_light);
    EXPECT_EQ(hot.At(W - 1, H - 1), m_shadow);
    ExpectPictureAt(hot, button.m_bmpNormal, POINT{W / 2 - 10, 2});

    button.m_nState = CFtpBitmapButton::kPressed;
    const WindowPixels pressed(button.m_hWnd);
    EXPECT_EQ(pressed.At(0, 0), m_shadow);
    EXPECT_EQ(pressed.At(W - 1, H - 1), m_light);
    ExpectPictureAt(pressed, button.m_bmpNormal, POINT{W / 2 - 10 + 1, 3});
}

TEST_F(BitmapButton, AStyleThreeCaptionStartsFourteenPixelsFromTheLeft) {
    const WindowPixels pixels(m_dlg.m_panel.m_hWnd);
    EXPECT_EQ(CaptionStart(pixels, 1, pixels.Height() - 1), 14 + InkOffset("Local Folder:"));
}

TEST_F(BitmapButton, ALitStyleThreeButtonShowsTheDiamondFourPixelsFromTheLeft) {
    CFtpBitmapButton& button = m_dlg.m_panel;
    const COLORREF marker = GetSysColor(COLOR_HIGHLIGHT);
    const WindowPixels dark(button.m_hWnd);
    const int H = dark.Height();
    const int top = 2 + (H - 3) / 2 - 3;  // picture y + h/2 - 3, with h = H - 3
    EXPECT_EQ(dark.Count(marker, RECT{0, 0, 14, H}), 0);

    button.m_bLit = TRUE;
    const WindowPixels lit(button.m_hWnd);
    EXPECT_EQ(lit.At(4, top + 3), marker);      // left corner
    EXPECT_EQ(lit.At(7, top), marker);          // top corner
    EXPECT_EQ(lit.At(7, top + 6), marker);      // bottom corner
    EXPECT_EQ(lit.At(10, top + 3), marker);     // right corner
    EXPECT_EQ(lit.At(3, top + 3), m_face);      // nothing left of it
    EXPECT_EQ(lit.At(4, top), m_face);          // a diamond, not a square
    EXPECT_EQ(lit.LeftmostOf(m_text, 1, H - 1), dark.LeftmostOf(m_text, 1, H - 1));  // the caption stays
}

TEST_F(BitmapButton, ADisabledButtonShowsItsSecondPictureAnEmbossedCaptionAndNoFrame) {
    CFtpBitmapButton& button = m_dlg.m_disabled;
    button.m_nState = CFtpBitmapButton::kHot;  // as if the mouse had been over it
    button.m_bLit = TRUE;
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
    // The diamond takes the shadow colour: at the picture's right, mid-height.
    EXPECT_EQ(pixels.At(W / 2 - 10 + 20 + 3, 2 + 10 - 3 + 3), m_shadow);
}

TEST_F(BitmapButton, ATooWideCaptionOnAnEvenButtonStartsFivePixelsIn) {
    CFtpBitmapButton& button = m_dlg.m_longCaption;
    RECT rc;
    GetWindowRect(button.m_hWnd, &rc);
    const int width = ((rc.right - rc.left) / 2) * 2;
    SetWindowPos(button.m_hWnd, nullptr, 0, 0, width, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER);
    const WindowPixels pixels(button.m_hWnd);
    const int H = pixels.Height();
    EXPECT_EQ(CaptionStart(pixels, H - 20, H - 4), 5 + InkOffset("A caption far too wide"));
    // Clipped: the last columns, the frame's, carry no text.
    EXPECT_EQ(pixels.Count(m_text, RECT{width - 1, 0, width, H}), 0);
}

TEST_F(BitmapButton, AStyleOneCaptionFollowsThePictureAtTheLeft) {
    const WindowPixels pixels(m_dlg.m_selectAll.m_hWnd);
    const int H = pixels.Height();
    ExpectPictureAt(pixels, m_dlg.m_selectAll.m_bmpNormal, POINT{2, H / 2 - 16 / 2 + 1});
    const int start = pixels.LeftmostOf(m_text, 1, H - 1);
    // Text starts 12 pixels after the picture; the picture's own black must
    // not be taken for it, so look right of the picture only.
    int first = -1;
    for (int x = 2 + 16; x < pixels.Width() && first < 0; ++x)
        for (int y = 1; y < H - 1; ++y)
            if (pixels.At(x, y) == m_text) {
                first = x;
                break;
            }
    EXPECT_GE(first, 16 + 12);
    EXPECT_LE(first, 16 + 13);
    EXPECT_EQ(start, 2);  // the picture's outline is the leftmost dark column
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
    EXPECT_EQ(WindowPixels(download.m_hWnd).At(0, 0), m_face);
    EXPECT_EQ(WindowPixels(upload.m_hWnd).At(0, 0), m_light);

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

TEST_F(BitmapButton, SetBitmapsWithoutAPictureOnlyChangesTheStyle) {
    CFtpBitmapButton& button = m_dlg.m_download;
    HBITMAP before = button.m_bmpNormal;
    button.SetBitmaps(0, 0, 1);
    EXPECT_EQ(button.m_nStyle, 1);
    EXPECT_EQ(static_cast<HBITMAP>(button.m_bmpNormal), before);
}

TEST_F(BitmapButton, AStyleZeroPictureIsCentred) {
    const WindowPixels pixels(m_dlg.m_browse.m_hWnd);
    ExpectPictureAt(pixels, m_dlg.m_browse.m_bmpNormal,
                    POINT{pixels.Width() / 2 - 16 / 2, pixels.Height() / 2 - 16 / 2});
}

}  // namespace
