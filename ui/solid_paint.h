// Solid fills and one-pixel 3-D frames, drawn the quick way (an opaque empty
// text run), for the owner-drawn buttons and the file manager's panel frame.
#pragma once

#include <windows.h>

inline void FillSolidRect(HDC dc, int x, int y, int cx, int cy, COLORREF colour) {
    const RECT rc = {x, y, x + cx, y + cy};
    const COLORREF old = ::SetBkColor(dc, colour);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
    ::SetBkColor(dc, old);
}

// A one-pixel frame on the edges of `rc`: top and left in `topLeft`,
// bottom and right in `bottomRight`.
inline void Draw3dRect(HDC dc, const RECT& rc, COLORREF topLeft, COLORREF bottomRight) {
    const int cx = rc.right - rc.left;
    const int cy = rc.bottom - rc.top;
    FillSolidRect(dc, rc.left, rc.top, cx - 1, 1, topLeft);
    FillSolidRect(dc, rc.left, rc.top, 1, cy - 1, topLeft);
    FillSolidRect(dc, rc.right - 1, rc.top, 1, cy, bottomRight);
    FillSolidRect(dc, rc.left, rc.bottom - 1, cx, 1, bottomRight);
}
