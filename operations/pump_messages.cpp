#include "operation_feedback.h"

namespace {

// A waiting message for `window` (or one of its children) in first..last,
// left in the queue.
bool IsWaiting(HWND window, UINT first, UINT last, MSG* msg) {
    return PeekMessageA(msg, window, first, last, PM_NOREMOVE | PM_NOYIELD) != FALSE;
}

bool RemoveOne(HWND window, UINT first, UINT last) {
    MSG msg;
    return PeekMessageA(&msg, window, first, last, PM_REMOVE | PM_NOYIELD) != FALSE;
}

void RemoveAll(HWND window, UINT first, UINT last) {
    while (RemoveOne(window, first, last)) {
    }
}

}  // namespace

bool CFtpOperationFeedback::PumpMessages(HWND stopButton) {
    if (m_hWaitCursor == nullptr) {
        m_hWaitCursor = LoadCursor(nullptr, IDC_WAIT);
        m_hArrowCursor = LoadCursor(nullptr, IDC_ARROW);
    }
    bool cancel = false;
    MSG msg;
    HWND window = m_window.GetOwnerWindow();
    // A null filter would take every window's messages.
    if (stopButton == nullptr || window == nullptr) return false;

    // Only the oldest key counts: a letter typed before Escape hides it, and
    // both are dropped, so that no key reaches the busy window.
    if (IsWaiting(stopButton, WM_KEYDOWN, WM_KEYDOWN, &msg) && msg.wParam == VK_ESCAPE) cancel = true;
    RemoveAll(stopButton, WM_KEYDOWN, WM_KEYDOWN);

    // Presses stay queued so that the button shows itself pressed when the
    // window's messages are dispatched below; releases and double-clicks go.
    if (IsWaiting(stopButton, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, &msg)) cancel = true;
    RemoveAll(stopButton, WM_LBUTTONUP, WM_LBUTTONDBLCLK);

    if (RemoveOne(stopButton, WM_MOUSEMOVE, WM_MOUSEMOVE)) m_bPointerOverStop = true;
    if (RemoveOne(window, WM_MOUSEMOVE, WM_MOUSEMOVE)) {
        if (!RemoveOne(stopButton, WM_MOUSEMOVE, WM_MOUSEMOVE)) m_bPointerOverStop = false;
    }
    SetCursor(m_bPointerOverStop ? m_hArrowCursor : m_hWaitCursor);

    // The command controls are disabled while an operation runs, so what is
    // dispatched here cannot start a second one. A press of Stop or an
    // Escape on it that arrived since the checks above still stops: taken
    // for an ordinary message it would be lost. No key reaches the busy
    // window.
    while (PeekMessageA(&msg, window, 0, 0, PM_REMOVE | PM_NOYIELD)) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP || msg.message == WM_CHAR) {
            cancel = cancel || (msg.hwnd == stopButton && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
            continue;
        }
        if (msg.hwnd == stopButton && msg.message == WM_LBUTTONDOWN) cancel = true;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return cancel;
}

// Nothing but painting is dispatched: a window that lists or sends one
// command is not busy with its commands disabled, so a click or key handled
// now could start a second command on the one connection in the middle of
// this one. Keys and clicks that came meanwhile are dropped.
bool CFtpOperationFeedback::PumpWhileWaiting(HWND window, int stopId) {
    // A null filter would take every window's messages.
    if (window == nullptr) return false;
    const HWND stop = GetDlgItem(window, stopId);
    bool cancel = false;
    MSG msg;
    while (PeekMessageA(&msg, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE | PM_NOYIELD))
        cancel = cancel || (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE);
    while (PeekMessageA(&msg, window, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE | PM_NOYIELD))
        cancel = cancel || (stop != nullptr && msg.hwnd == stop && msg.message == WM_LBUTTONDOWN);
    // Bounded: a window that does not validate its region would come back at once.
    for (int i = 0; i < 64 && PeekMessageA(&msg, window, WM_PAINT, WM_PAINT, PM_REMOVE | PM_NOYIELD); ++i)
        DispatchMessageA(&msg);
    return cancel;
}
