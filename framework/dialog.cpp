#include "dialog.h"

#include "module.h"
#include "tool_tip_ctrl.h"

CDialog::CDialog(UINT templateId, HWND parent) : m_hParent(parent), m_nTemplateId(templateId) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    EnsureCommonControls();
    m_bModal = true;
    m_bEndModal = false;
    m_nModalResult = -1;
    HWND window = ::CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(m_nTemplateId), m_hParent, DialogProc,
                                       reinterpret_cast<LPARAM>(this));
    if (window == nullptr) {
        m_bModal = false;
        return -1;
    }
    // Like the system's modal dialogs: the owner's top-level window takes no
    // input while the dialog runs.
    HWND owner = m_hParent != nullptr ? ::GetAncestor(m_hParent, GA_ROOT) : nullptr;
    if (owner != nullptr && ::IsWindowEnabled(owner)) {
        m_hDisabledOwner = owner;
        ::EnableWindow(owner, FALSE);
    }
    if (!m_bEndModal) {
        ::ShowWindow(window, SW_SHOWNORMAL);
        RunModalLoop(window);
    }
    ReleaseOwner();
    ::DestroyWindow(window);
    m_bModal = false;
    return m_nModalResult;
}

void CDialog::RunModalLoop(HWND window) {
    MSG msg;
    while (!m_bEndModal && ::IsWindow(window)) {
        const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that owns the quit
            break;
        }
        if (got < 0) break;
        if (WalkPreTranslateTree(window, &msg) || ::IsDialogMessageA(window, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void CDialog::ReleaseOwner() {
    if (m_hDisabledOwner == nullptr) return;
    // Enabled before the dialog hides, so that activation returns to the
    // owner and not to another application.
    ::EnableWindow(m_hDisabledOwner, TRUE);
    if (m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(m_hDisabledOwner);
    m_hDisabledOwner = nullptr;
}

BOOL CDialog::Create(HWND parent) {
    EnsureCommonControls();
    if (parent != nullptr) m_hParent = parent;
    m_bModal = false;
    return ::CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(m_nTemplateId), m_hParent, DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    m_nModalResult = result;
    if (m_bModal) {
        m_bEndModal = true;
        ReleaseOwner();
        ::PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if it waits
    }
    ::ShowWindow(m_hWnd, SW_HIDE);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(m_hWnd, saveAndValidate != FALSE);
    DoDataExchange(&exchange);
    return exchange.m_bFailed ? FALSE : TRUE;
}

BOOL CDialog::EnableToolTips(BOOL enable) {
    if (!enable) {
        if (m_pToolTip) m_pToolTip->Activate(FALSE);
        return TRUE;
    }
    if (!m_pToolTip) {
        m_pToolTip = std::make_unique<CToolTipCtrl>();
        if (!m_pToolTip->Create(m_hWnd)) return FALSE;
        for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
            m_pToolTip->AddTool(child);
    }
    m_pToolTip->Activate(TRUE);
    return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;  // the system sets the focus to the first control
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    // The dialog manager first asks our procedure; the flag makes it decline
    // this one message, so that the manager's own handling runs.
    m_bDefaulting = true;
    const LRESULT result = ::DefDlgProcA(m_hWnd, message, wParam, lParam);
    m_bDefaulting = false;
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam)
                                             : static_cast<CDialog*>(FromHandle(window));
    return HandleDialogMessage(self, window, message, wParam, lParam);
}

namespace {

// Messages whose result the dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    return (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) || message == WM_COMPAREITEM ||
           message == WM_VKEYTOITEM || message == WM_CHARTOITEM || message == WM_QUERYDRAGICON ||
           message == WM_INITDIALOG;
}

}  // namespace

INT_PTR CDialog::HandleDialogMessage(CDialog* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (self == nullptr) return FALSE;  // messages before WM_INITDIALOG
    if (message == WM_INITDIALOG) self->Bind(window);
    if (self->m_bDefaulting) {
        self->m_bDefaulting = false;
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
        return FALSE;
    }
    LRESULT result = 0;
    bool handled = false;
    try {
        CurrentMessageScope scope(self, message, wParam, lParam);
        handled = self->RouteMessage(message, wParam, lParam, result);
    } catch (...) {
        // An exception must not unwind through the system's dialog manager.
        if (self->m_bModal) self->EndDialog(-1);
        return FALSE;
    }
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}
