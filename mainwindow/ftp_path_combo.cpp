#include "ftp_path_combo.h"

void CFtpPathEdit::OnKeyDown(UINT key, UINT, UINT) {
    HWND box = GetParent();
    HWND dialog = ::GetParent(box);
    switch (key) {
    case VK_TAB: {
        const bool back = ::GetKeyState(VK_SHIFT) < 0;
        ::PostMessageA(dialog, WM_NEXTDLGCTL, back ? 1 : 0, 0);
        break;
    }
    case VK_RETURN:
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(box), CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(box));
        break;
    case VK_ESCAPE:
        SendMessage(EM_UNDO);
        break;
    default:
        Default();
    }
}

BOOL CFtpPathCombo::SubclassPathBox(UINT id, HWND dialog) {
    if (!SubclassDlgItem(id, dialog)) return FALSE;
    // The edit field is the drop-down combo box's only child window.
    HWND edit = ::GetWindow(m_hWnd, GW_CHILD);
    return edit != nullptr && m_edit.SubclassWindow(edit);
}
