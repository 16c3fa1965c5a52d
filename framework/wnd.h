// CWnd: the base of every window class. It holds a window handle without
// owning it, forwards the common window calls, and routes messages:
//
//   a message for the window
//     -> notifications about a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, ...)
//        are first offered to that child's object, reflected
//        (message + WM_REFLECT_BASE); a child that handles one ends it here
//     -> ProcessWindowMessage, written by the class's message map (msg_map.h)
//     -> the default: the window procedure the window had before (subclassed
//        controls) or the dialog manager (dialogs, see dialog.h)
//
// A window is bound to its object by a window property, so that FromHandle
// finds the object of any window this layer handles; there is no global table.
// No exception leaves a window procedure.
#pragma once

#include <windows.h>

#include <string>

// Reflected notifications: the parent sends them back to the control object
// as message + WM_REFLECT_BASE (WM_NOTIFY becomes WM_REFLECT_BASE + WM_NOTIFY).
#define WM_REFLECT_BASE 0xBC00

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // ---- Binding --------------------------------------------------------
    // The object of a window handled by this layer, or null.
    static CWnd* FromHandle(HWND window);
    // Routes the window's messages through this object from now on.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, HWND parent) { return SubclassWindow(::GetDlgItem(parent, static_cast<int>(id))); }
    // Gives the window back its own procedure; returns the handle.
    HWND UnsubclassWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    // ---- Attributes ------------------------------------------------------
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE)); }
    BOOL ModifyStyle(DWORD remove, DWORD add);
    BOOL ModifyStyleEx(DWORD remove, DWORD add);
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    void GetWindowRect(RECT* rect) const { ::GetWindowRect(m_hWnd, rect); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    HFONT GetFont() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

    // ---- Operations ------------------------------------------------------
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL ShowWindow(int command) const { return ::ShowWindow(m_hWnd, command); }
    BOOL EnableWindow(BOOL enable = TRUE) const { return ::EnableWindow(m_hWnd, enable); }
    HWND SetFocus() const { return ::SetFocus(m_hWnd); }
    BOOL MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) const {
        return ::MoveWindow(m_hWnd, x, y, width, height, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) const {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    void Invalidate(BOOL erase = TRUE) const { ::InvalidateRect(m_hWnd, nullptr, erase); }
    void UpdateWindow() const { ::UpdateWindow(m_hWnd); }
    BOOL RedrawWindow(UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE) const {
        return ::RedrawWindow(m_hWnd, nullptr, nullptr, flags);
    }
    void ScreenToClient(RECT* rect) const;
    void ClientToScreen(POINT* point) const { ::ClientToScreen(m_hWnd, point); }
    void SetFont(HFONT font, BOOL redraw = TRUE) const {
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw);
    }
    BOOL DestroyWindow();

    // ---- Message routing -------------------------------------------------
    // Keyboard and mouse messages of the modal loop pass every window object
    // from the target up to the dialog before they are dispatched; TRUE
    // consumes the message.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Offers `msg` to the objects from its window up to `stop` (inclusive).
    static BOOL WalkPreTranslateTree(HWND stop, MSG* msg);

    // The message map of the class (BEGIN_MSG_MAP ... END_MSG_MAP()). Returns
    // true when a handler took the message, with its result in `result`.
    // Tests call it directly with made-up messages.
    virtual bool ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // A notification about this control, reflected by its parent. The base
    // passes it to the message map as message + WM_REFLECT_BASE.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The default handling of the message being handled now, for handlers
    // that add to it rather than replace it.
    LRESULT Default();

    HWND m_hWnd = nullptr;

protected:
    // Binds `window` to this object (property and handle) and back.
    void Bind(HWND window);
    void Unbind();
    // The handling every routed message gets: reflection, then the map.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Offers a notification to the object of the child it is about.
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // What Default() calls: the window's previous procedure.
    virtual LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam);

    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    } m_current;
    // Sets m_current for one message and restores the outer one afterwards:
    // handlers may send further messages to the same window.
    class CurrentMessageScope {
    public:
        CurrentMessageScope(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam)
            : m_wnd(wnd), m_outer(wnd->m_current) {
            wnd->m_current = {message, wParam, lParam};
        }
        ~CurrentMessageScope() { m_wnd->m_current = m_outer; }
        CurrentMessageScope(const CurrentMessageScope&) = delete;
        CurrentMessageScope& operator=(const CurrentMessageScope&) = delete;

    private:
        CWnd* m_wnd;
        CurrentMessage m_outer;
    };

private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper = nullptr;
};
