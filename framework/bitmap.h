// CBitmap: a bitmap it owns, loaded from the module's resources.
#pragma once

#include <windows.h>

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    // Loads bitmap resource `id` with light grey RGB(192,192,192) replaced by
    // `face` (the pictures are drawn on that grey). The bitmap needs a
    // colour table.
    BOOL LoadMappedBitmap(UINT id, COLORREF face);
    BOOL DeleteObject();

    HBITMAP GetSafeHandle() const { return m_hBitmap; }
    operator HBITMAP() const { return m_hBitmap; }
    // Width and height in pixels; 0, 0 without a bitmap.
    SIZE GetSize() const;

private:
    HBITMAP m_hBitmap = nullptr;
};
