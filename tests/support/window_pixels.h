// Reads back what is drawn: `paint` draws into a 32-bit bitmap first filled
// with `background`, whose pixels the test then inspects. A window paints
// itself into it (WM_PRINT through PrintWindow), which works with the null
// graphics driver, where the screen cannot be read.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class WindowPixels {
public:
    explicit WindowPixels(HWND window)
        : WindowPixels(SizeOf(window), 0, [window](HDC dc) { PrintWindow(window, dc, 0); }) {}
    WindowPixels(SIZE size, COLORREF background, const std::function<void(HDC)>& paint)
        : m_width(size.cx), m_height(size.cy) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC memory = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(background);
        const RECT all = {0, 0, m_width, m_height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        paint(memory);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        m_pixels.assign(pixels, pixels + static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The colour at (x, y) as a COLORREF, comparable with GetSysColor.
    COLORREF At(int x, int y) const {
        const DWORD p = m_pixels.at(static_cast<size_t>(y) * static_cast<size_t>(m_width) + static_cast<size_t>(x));
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(COLORREF colour, RECT area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += At(x, y) == colour;
        return n;
    }

private:
    static SIZE SizeOf(HWND window) {
        RECT rc;
        GetWindowRect(window, &rc);
        return SIZE{rc.right - rc.left, rc.bottom - rc.top};
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};
