#include "ftp_bitmap_button.h"

#include <algorithm>
#include <string>

#include "solid_paint.h"

CFtpBitmapButton* CFtpBitmapButton::s_pHotButton = nullptr;

namespace {

void DrawPicture(HDC dc, HBITMAP bitmap, POINT at, SIZE size) {
    if (bitmap == nullptr) return;
    HDC memory = ::CreateCompatibleDC(dc);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(dc, at.x, at.y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
}

// The filled diamond of a lit button, its corners (0,3) (3,6) (6,3) (3,0)
// moved to `at`.
void DrawDiamond(HDC dc, POINT at, COLORREF colour) {
    const POINT corners[] = {{at.x, at.y + 3}, {at.x + 3, at.y + 6}, {at.x + 6, at.y + 3}, {at.x + 3, at.y}};
    HPEN pen = ::CreatePen(PS_SOLID, 1, colour);
    HBRUSH brush = ::CreateSolidBrush(colour);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    ::Polygon(dc, corners, 4);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
}

struct Geometry {
    POINT picture;  // where the picture goes
    SIZE size;      // the picture's size as the layout counts it
};

// Picture position by style; halves are taken of each term separately.
Geometry PictureGeometry(int style, const RECT& rc, SIZE bitmap, bool hasBitmap) {
    const int W = rc.right - rc.left;
    const int H = rc.bottom - rc.top;
    const int w = hasBitmap ? bitmap.cx : 0;
    const int h = hasBitmap ? bitmap.cy : H;
    switch (style) {
    case 1:
        return {{2, rc.top + H / 2 - h / 2 + 1}, {w, h}};
    case 2:
        return {{rc.left + W / 2 - w / 2, 2}, {w, h}};
    case 3:
        return {{2, 2}, {2, H - 3}};  // no picture, but room counted for one
    default:
        return {{rc.left + W / 2 - w / 2, rc.top + H / 2 - h / 2}, {w, h}};
    }
}

// The caption's box by style, before the pressed shift.
RECT CaptionBox(int style, const RECT& rc, const Geometry& picture, SIZE text) {
    const int W = rc.right - rc.left;
    const int H = rc.bottom - rc.top;
    switch (style) {
    case 1:
    case 3: {
        const int x = rc.left + picture.size.cx + 12;
        const int y = rc.top + H / 2 - text.cy / 2;
        return {x, y, rc.right, y + text.cy};
    }
    case 2: {
        const int width = std::min<int>(text.cx, W - 4);
        const int x = std::max<int>(rc.left + W / 2 - width / 2 + 3, 3);
        const int y = rc.bottom - text.cy - 4;
        return {x, y, x + width, y + text.cy};
    }
    default: {
        const int x = rc.left + W / 2 - (W - 4) / 2 + 3;
        const int y = rc.top + H / 2 - text.cy / 2 + 3;
        return {x, y, x + W - 4, y + text.cy};
    }
    }
}

}  // namespace

CFtpBitmapButton::~CFtpBitmapButton() {
    if (s_pHotButton == this) s_pHotButton = nullptr;
}

void CFtpBitmapButton::SetBitmaps(UINT normalId, UINT disabledId, int style) {
    if (normalId != 0) {
        const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
        m_bmpNormal.LoadMappedBitmap(normalId, face);
        m_bmpDisabled.LoadMappedBitmap(disabledId != 0 ? disabledId : normalId, face);
    }
    m_nStyle = style;
}

void CFtpBitmapButton::DrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    const RECT rc = item->rcItem;
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    FillSolidRect(dc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, face);

    // A disabled button is drawn flat: it counts as normal before its frame
    // colours are chosen.
    const bool enabled = IsWindowEnabled();
    if (!enabled) m_nState = kNormal;

    const bool hasBitmap = m_bmpNormal.GetSafeHandle() != nullptr;
    const Geometry picture = PictureGeometry(m_nStyle, rc, m_bmpNormal.GetSize(), hasBitmap && m_nStyle != 3);
    COLORREF topLeft = face;
    COLORREF bottomRight = face;
    if (m_nState == kHot) {
        topLeft = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        bottomRight = ::GetSysColor(COLOR_BTNSHADOW);
    } else if (m_nState == kPressed) {
        topLeft = ::GetSysColor(COLOR_BTNSHADOW);
        bottomRight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    }
    const int shift = m_nState == kPressed ? 1 : 0;
    const POINT at = {picture.picture.x + shift, picture.picture.y + shift};

    if (m_nStyle != 3) DrawPicture(dc, enabled ? m_bmpNormal : m_bmpDisabled, at, picture.size);
    const COLORREF marker = ::GetSysColor(enabled ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW);
    if (m_bLit) DrawDiamond(dc, POINT{at.x + picture.size.cx, at.y + picture.size.cy / 2 - 3}, marker);
    Draw3dRect(dc, rc, topLeft, bottomRight);

    const std::string caption = GetWindowText();
    if (!caption.empty()) {
        HFONT font = reinterpret_cast<HFONT>(::SendMessageA(GetParent(), WM_GETFONT, 0, 0));
        HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc, font) : nullptr;
        RECT measure = {0, 0, 0, 0};
        ::DrawTextA(dc, caption.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
        RECT box = CaptionBox(m_nStyle, rc, picture, SIZE{measure.right, measure.bottom});
        ::OffsetRect(&box, shift, shift);
        ::SetBkColor(dc, face);
        ::SetBkMode(dc, OPAQUE);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
        // The box clips a caption too long for it.
        const int saved = ::SaveDC(dc);
        ::IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
        ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(caption.c_str()),
                     static_cast<WPARAM>(caption.size()), box.left, box.top, box.right - box.left,
                     box.bottom - box.top, DST_PREFIXTEXT | (enabled ? DSS_NORMAL : DSS_DISABLED));
        ::RestoreDC(dc, saved);
        if (oldFont != nullptr) ::SelectObject(dc, oldFont);
    }
    Draw3dRect(dc, rc, topLeft, bottomRight);  // again: the caption may have covered it
}

void CFtpBitmapButton::SetStateAndRepaint(int state) {
    m_nState = state;
    Invalidate(FALSE);
}

void CFtpBitmapButton::BecomeHot() {
    if (s_pHotButton != nullptr && s_pHotButton != this && s_pHotButton->m_nState == kHot)
        s_pHotButton->SetStateAndRepaint(kNormal);
    s_pHotButton = this;
    SetStateAndRepaint(kHot);
}

void CFtpBitmapButton::OnMouseMove(UINT, POINT point) {
    if (::GetCapture() != m_hWnd) {
        // Entering: the capture tells us when the pointer leaves again.
        ::SetCapture(m_hWnd);
        BecomeHot();
    } else {
        ClientToScreen(&point);
        if (::WindowFromPoint(point) != m_hWnd) {
            ::ReleaseCapture();
            SetStateAndRepaint(kNormal);
        }
    }
    Default();
}

void CFtpBitmapButton::OnLButtonDown(UINT, POINT) {
    m_nState = kPressed;
    Default();
}

void CFtpBitmapButton::OnLButtonUp(UINT, POINT) {
    m_nState = kHot;
    Default();
}

void CFtpBitmapButton::OnSetFocus(HWND) {
    Default();
    if (m_nState != kPressed) BecomeHot();
}

void CFtpBitmapButton::OnKillFocus(HWND) {
    Default();
    SetStateAndRepaint(kNormal);
}
