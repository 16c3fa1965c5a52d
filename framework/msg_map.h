// Message maps: a class lists the messages it handles inside its declaration,
//
//   BEGIN_MSG_MAP(CFtpLayout, CDialog)
//       ON_WM_SIZE()                      // void OnSize(UINT type, int cx, int cy)
//       ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
//       ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
//   END_MSG_MAP()
//
// and the macros write the class's ProcessWindowMessage: one plain test per
// entry, in order, then the base class's map. There is no table and nothing
// registered at run time; a test can call ProcessWindowMessage with any
// message it makes up. Each entry's handler signature is written beside it.
// A handler that wants the system's handling as well calls Default().
// BEGIN_MSG_MAP opens a public section: declarations after the map are
// public unless an access specifier follows.
#pragma once

#include <windows.h>

#include "wnd.h"

#define BEGIN_MSG_MAP(theClass, baseClass)                                                          \
public:                                                                                             \
    bool ProcessWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& lResult) override { \
        using MsgMapBase = baseClass;                                                               \
        (void)wParam;                                                                               \
        (void)lParam;

#define END_MSG_MAP()                                                    \
    return MsgMapBase::ProcessWindowMessage(message, wParam, lParam, lResult); \
    }

// Any message: LRESULT handler(WPARAM wParam, LPARAM lParam)
#define ON_MESSAGE(msg, handler)                \
    if (message == (msg)) {                     \
        lResult = handler(wParam, lParam);      \
        return true;                            \
    }

// ---- Commands (WM_COMMAND) ------------------------------------------------

// Code 1 is an accelerator only without a control; from a combo box it is
// CBN_SELCHANGE, which is not a command.
#define RAVO_IS_COMMAND_(wParam, lParam) (HIWORD(wParam) == 0 || (HIWORD(wParam) == 1 && (lParam) == 0))

// A button click, menu item or accelerator (code 1 without a control) with
// this id: void handler()
#define ON_COMMAND(id, handler)                                                                 \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && RAVO_IS_COMMAND_(wParam, lParam)) {  \
        handler();                                                                              \
        lResult = 0;                                                                            \
        return true;                                                                            \
    }

// Commands first..last: void handler(UINT id)
#define ON_COMMAND_RANGE(first, last, handler)                                                  \
    if (message == WM_COMMAND && LOWORD(wParam) >= (first) && LOWORD(wParam) <= (last) &&      \
        RAVO_IS_COMMAND_(wParam, lParam)) {                                                     \
        handler(LOWORD(wParam));                                                                \
        lResult = 0;                                                                            \
        return true;                                                                            \
    }

// A control notification sent as WM_COMMAND: void handler(). A click posted
// without the button's handle still counts as one.
#define ON_CONTROL(code, id, handler)                                                           \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {          \
        handler();                                                                              \
        lResult = 0;                                                                            \
        return true;                                                                            \
    }

#define ON_BN_CLICKED(id, handler) ON_CONTROL(BN_CLICKED, id, handler)
#define ON_CBN_SELCHANGE(id, handler) ON_CONTROL(CBN_SELCHANGE, id, handler)
#define ON_CBN_EDITCHANGE(id, handler) ON_CONTROL(CBN_EDITCHANGE, id, handler)
#define ON_CBN_KILLFOCUS(id, handler) ON_CONTROL(CBN_KILLFOCUS, id, handler)
#define ON_EN_CHANGE(id, handler) ON_CONTROL(EN_CHANGE, id, handler)
#define ON_EN_KILLFOCUS(id, handler) ON_CONTROL(EN_KILLFOCUS, id, handler)

// ---- Notifications (WM_NOTIFY) ---------------------------------------------

// From control `id`: void handler(NMHDR* header, LRESULT* result)
#define ON_NOTIFY(notifyCode, id, handler)                                                           \
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode) && \
        reinterpret_cast<NMHDR*>(lParam)->idFrom == static_cast<UINT_PTR>(id)) {               \
        lResult = 0;                                                                           \
        handler(reinterpret_cast<NMHDR*>(lParam), &lResult);                                    \
        return true;                                                                           \
    }

// From any control (tool tips name theirs by window): void handler(NMHDR*, LRESULT*)
#define ON_NOTIFY_CODE(notifyCode, handler)                                                          \
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) { \
        lResult = 0;                                                                           \
        handler(reinterpret_cast<NMHDR*>(lParam), &lResult);                                    \
        return true;                                                                           \
    }

// ---- Reflected to the control that sent them --------------------------------

// The control's own WM_NOTIFY: void handler(NMHDR* header, LRESULT* result)
#define ON_NOTIFY_REFLECT(notifyCode, handler)                                                       \
    if (message == WM_REFLECT_BASE + WM_NOTIFY &&                                              \
        reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) {                   \
        lResult = 0;                                                                           \
        handler(reinterpret_cast<NMHDR*>(lParam), &lResult);                                    \
        return true;                                                                           \
    }

// As above, but the handler may decline, leaving the notification to the
// parent: BOOL handler(NMHDR*, LRESULT*), TRUE when handled.
#define ON_NOTIFY_REFLECT_EX(notifyCode, handler)                                                    \
    if (message == WM_REFLECT_BASE + WM_NOTIFY &&                                              \
        reinterpret_cast<NMHDR*>(lParam)->code == static_cast<UINT>(notifyCode)) {                   \
        lResult = 0;                                                                           \
        if (handler(reinterpret_cast<NMHDR*>(lParam), &lResult)) return true;                  \
    }

// The control's own WM_COMMAND notification: void handler()
#define ON_CONTROL_REFLECT(code, handler)                                                      \
    if (message == WM_REFLECT_BASE + WM_COMMAND && HIWORD(wParam) == (code)) {                 \
        handler();                                                                             \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }

// Owner drawing of the control itself: void DrawItem(DRAWITEMSTRUCT*)
#define ON_WM_DRAWITEM_REFLECT()                                                               \
    if (message == WM_REFLECT_BASE + WM_DRAWITEM) {                                            \
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));                                   \
        lResult = TRUE;                                                                        \
        return true;                                                                           \
    }

// ---- Window messages, cracked ------------------------------------------------

// void OnSize(UINT type, int cx, int cy)
#define ON_WM_SIZE()                                                                           \
    if (message == WM_SIZE) {                                                                  \
        OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),                  \
               static_cast<short>(HIWORD(lParam)));                                            \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }

// void OnGetMinMaxInfo(MINMAXINFO* info)
#define ON_WM_GETMINMAXINFO()                                                                  \
    if (message == WM_GETMINMAXINFO) {                                                         \
        OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));                                \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }

// BOOL OnEraseBkgnd(HDC dc): nonzero when the background is erased
#define ON_WM_ERASEBKGND()                                                                     \
    if (message == WM_ERASEBKGND) {                                                            \
        lResult = OnEraseBkgnd(reinterpret_cast<HDC>(wParam));                                 \
        return true;                                                                           \
    }

// void OnMouseMove(UINT flags, POINT point), likewise the button messages
#define ON_MOUSE_MESSAGE_(msg, handler)                                                        \
    if (message == (msg)) {                                                                    \
        handler(static_cast<UINT>(wParam),                                                     \
                POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});  \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }
#define ON_WM_MOUSEMOVE() ON_MOUSE_MESSAGE_(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_LBUTTONDOWN() ON_MOUSE_MESSAGE_(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() ON_MOUSE_MESSAGE_(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() ON_MOUSE_MESSAGE_(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() ON_MOUSE_MESSAGE_(WM_RBUTTONDOWN, OnRButtonDown)

// void OnSetFocus(HWND lost) / void OnKillFocus(HWND gaining)
#define ON_WM_SETFOCUS()                                                                       \
    if (message == WM_SETFOCUS) {                                                              \
        OnSetFocus(reinterpret_cast<HWND>(wParam));                                            \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }
#define ON_WM_KILLFOCUS()                                                                      \
    if (message == WM_KILLFOCUS) {                                                             \
        OnKillFocus(reinterpret_cast<HWND>(wParam));                                           \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }

// void OnKeyDown(UINT key, UINT repeat, UINT flags), likewise key-up and characters
#define ON_KEY_MESSAGE_(msg, handler)                                                          \
    if (message == (msg)) {                                                                    \
        handler(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));                   \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }
#define ON_WM_KEYDOWN() ON_KEY_MESSAGE_(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() ON_KEY_MESSAGE_(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() ON_KEY_MESSAGE_(WM_CHAR, OnChar)

// UINT OnGetDlgCode()
#define ON_WM_GETDLGCODE()                                                                     \
    if (message == WM_GETDLGCODE) {                                                            \
        lResult = OnGetDlgCode();                                                              \
        return true;                                                                           \
    }

// void OnPaint(), void OnDestroy(), void OnSysColorChange(), void OnNcPaint()
#define ON_PLAIN_MESSAGE_(msg, handler)                                                        \
    if (message == (msg)) {                                                                    \
        handler();                                                                             \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }
#define ON_WM_PAINT() ON_PLAIN_MESSAGE_(WM_PAINT, OnPaint)
#define ON_WM_DESTROY() ON_PLAIN_MESSAGE_(WM_DESTROY, OnDestroy)
#define ON_WM_SYSCOLORCHANGE() ON_PLAIN_MESSAGE_(WM_SYSCOLORCHANGE, OnSysColorChange)
#define ON_WM_NCPAINT() ON_PLAIN_MESSAGE_(WM_NCPAINT, OnNcPaint)

// void OnTimer(UINT_PTR id)
#define ON_WM_TIMER()                                                                          \
    if (message == WM_TIMER) {                                                                 \
        OnTimer(static_cast<UINT_PTR>(wParam));                                                \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }

// void OnSysCommand(UINT id, LPARAM lParam)
#define ON_WM_SYSCOMMAND()                                                                     \
    if (message == WM_SYSCOMMAND) {                                                            \
        OnSysCommand(static_cast<UINT>(wParam), lParam);                                       \
        lResult = 0;                                                                           \
        return true;                                                                           \
    }

// HICON OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                                                  \
    if (message == WM_QUERYDRAGICON) {                                                         \
        lResult = reinterpret_cast<LRESULT>(OnQueryDragIcon());                                \
        return true;                                                                           \
    }
