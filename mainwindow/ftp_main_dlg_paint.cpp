#include "ftp_main_dlg.h"
#include "solid_paint.h"

namespace {

RECT ChildRect(HWND dialog, int id) {
    RECT r = {};
    ::GetWindowRect(::GetDlgItem(dialog, id), &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

// The button row between the panels belongs to the frame of whichever panel
// is active, so the frame shows which panel the buttons work on.
void CFtpMainDlg::DrawPanelFrame(int mode) {
    if (m_pActivePanel == nullptr || m_hWnd == nullptr) return;
    const RECT panel = ChildRect(m_hWnd, ::GetDlgCtrlID(m_pActivePanel->m_hWnd));
    const RECT buttons = ChildRect(m_hWnd, IDC_DOWNLOAD);
    RECT frame = {panel.left - 8, 0, panel.right + 8, 0};
    if (m_pActivePanel == &m_top) {
        frame.top = ChildRect(m_hWnd, IDC_TOP_PATH).top - 8;
        frame.bottom = buttons.bottom + 8;
    } else {
        frame.top = buttons.top - 8;
        frame.bottom = ChildRect(m_hWnd, IDC_BOTTOM_PATH).bottom + 8;
    }
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF light = mode == kFrameRaised ? ::GetSysColor(COLOR_BTNHIGHLIGHT) : face;
    const COLORREF dark = mode == kFrameRaised ? ::GetSysColor(COLOR_BTNSHADOW) : face;
    HDC dc = ::GetDC(m_hWnd);
    Draw3dRect(dc, frame, light, dark);
    ::InflateRect(&frame, 1, 1);
    Draw3dRect(dc, frame, light, dark);
    ::ReleaseDC(m_hWnd, dc);
}

void CFtpMainDlg::OnPaint() {
    if (::IsIconic(m_hWnd)) {
        PAINTSTRUCT paint;
        HDC dc = ::BeginPaint(m_hWnd, &paint);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        if (m_hIcon != nullptr) ::DrawIcon(dc, x, y, m_hIcon);
        ::EndPaint(m_hWnd, &paint);
        return;
    }
    DrawPanelFrame(kFrameErase);
    Default();
    DrawPanelFrame(kFrameRaised);
}
