#include "wnd.h"

#include <vector>

namespace {

// The property that ties a window to its object.
const char kObjectProperty[] = "ravo.window.object";

// The window a parent's notification is about, or null.
HWND NotifyingChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);  // null for menus and accelerators
    case WM_NOTIFY:
        return reinterpret_cast<NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : ::GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_DELETEITEM:
        return reinterpret_cast<DELETEITEMSTRUCT*>(lParam)->hwndItem;
    case WM_COMPAREITEM:
        return reinterpret_cast<COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    default:
        (void)wParam;
        return nullptr;
    }
}

}  // namespace

CWnd::~CWnd() {
    // A window that outlives its object must not call into freed memory.
    if (m_hWnd != nullptr && m_pfnSuper != nullptr) UnsubclassWindow();
    else if (m_hWnd != nullptr && FromHandle(m_hWnd) == this) Unbind();
}

CWnd* CWnd::FromHandle(HWND window) {
    if (window == nullptr) return nullptr;
    return static_cast<CWnd*>(::GetPropA(window, kObjectProperty));
}

void CWnd::Bind(HWND window) {
    m_hWnd = window;
    ::SetPropA(window, kObjectProperty, this);
}

void CWnd::Unbind() {
    if (m_hWnd != nullptr && FromHandle(m_hWnd) == this) ::RemovePropA(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
}

BOOL CWnd::SubclassWindow(HWND window) {
    if (window == nullptr || m_hWnd != nullptr || FromHandle(window) != nullptr) return FALSE;
    Bind(window);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    HWND window = m_hWnd;
    if (window == nullptr) return nullptr;
    // Only undo our own link: someone who subclassed after us keeps theirs.
    if (m_pfnSuper != nullptr &&
        ::GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc))
        ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Unbind();
    return window;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add) {
    const DWORD style = GetStyle();
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>((style & ~remove) | add));
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add) {
    const DWORD style = GetExStyle();
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, static_cast<LONG_PTR>((style & ~remove) | add));
    return TRUE;
}

std::string CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthA(m_hWnd);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    return text.data();
}

void CWnd::ScreenToClient(RECT* rect) const {
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    return ::DestroyWindow(m_hWnd);  // WM_NCDESTROY unbinds the object
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND window = msg->hwnd; window != nullptr; window = ::GetParent(window)) {
        CWnd* object = FromHandle(window);
        if (object != nullptr && object->PreTranslateMessage(msg)) return TRUE;
        // Top-level windows end the walk: an owner is not a parent.
        if (window == stop || (::GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return FALSE;
}

bool CWnd::ProcessWindowMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return ProcessWindowMessage(WM_REFLECT_BASE + message, wParam, lParam, *result);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = NotifyingChild(m_hWnd, message, wParam, lParam);
    if (child == nullptr || child == m_hWnd) return false;
    CWnd* object = FromHandle(child);
    return object != nullptr && object->OnChildNotify(message, wParam, lParam, result);
}

bool CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    if (ReflectToChild(message, wParam, lParam, &result)) return true;
    return ProcessWindowMessage(message, wParam, lParam, result);
}

LRESULT CWnd::Default() { return CallDefault(m_current.message, m_current.wParam, m_current.lParam); }

LRESULT CWnd::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessageScope scope(this, message, wParam, lParam);
    LRESULT result = 0;
    if (!RouteMessage(message, wParam, lParam, result)) result = Default();
    return result;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* self = FromHandle(window);
    if (self == nullptr) return ::DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Last message: give the window back its procedure before it goes.
        WNDPROC super = self->m_pfnSuper;
        self->UnsubclassWindow();
        return ::CallWindowProcA(super, window, message, wParam, lParam);
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the system's message dispatch.
        return 0;
    }
}
