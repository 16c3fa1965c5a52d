// Reads back what a window draws: the window paints itself (WM_PRINT through
// PrintWindow) into a 32-bit bitmap, whose pixels the test then inspects.
// Works with the null graphics driver, where the screen cannot be read.
#pragma once

#include <windows.h>

#include <vector>

class WindowPixels {
public:
    explicit WindowPixels(HWND window) {
        RECT rc;
        GetWindowRect(window, &rc);
        m_width = rc.right - rc.left;
        m_height = rc.bottom - rc.top;
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_width;
        info.bmiHeader.biHeight = -m_height;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        PrintWindow(window, memory, 0);
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        m_pixels.assign(pixels, pixels + static_cast<size_t>(m_width) * static_cast<size_t>(m_height));
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
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
    int m_width = 0;
    int m_height = 0;
    std::vector<DWORD> m_pixels;
};
