// CFtpPathCombo and CFtpPathEdit: the path boxes above the two panels. The
// edit field of a path box takes Enter, Tab and Escape for itself: Enter
// sends the dialog the box's selection-changed command so that the panel
// goes to the typed folder, Tab moves the focus on (Shift+Tab back), Escape
// undoes the last edit. The dialog never sees these keys, so Enter in a
// path box does not close or act on the window.
#pragma once

#include <windows.h>

#include "combo_box.h"
#include "msg_map.h"

class CFtpPathEdit : public CWnd {
public:
    BEGIN_MSG_MAP(CFtpPathEdit, CWnd)
        ON_WM_KEYDOWN()
        ON_WM_KEYUP()
        ON_WM_CHAR()
        ON_WM_GETDLGCODE()
    END_MSG_MAP()

private:
    static bool IsOwnKey(UINT key) { return key == VK_RETURN || key == VK_TAB || key == VK_ESCAPE; }
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    void OnKeyUp(UINT key, UINT, UINT) {
        if (!IsOwnKey(key)) Default();
    }
    void OnChar(UINT key, UINT, UINT) {
        if (!IsOwnKey(key)) Default();
    }
    UINT OnGetDlgCode() { return DLGC_WANTALLKEYS | static_cast<UINT>(Default()); }
};

class CFtpPathCombo : public CComboBox {
public:
    // Subclasses the dialog's combo box `id` and the edit field inside it.
    BOOL SubclassPathBox(UINT id, HWND dialog);

    CFtpPathEdit m_edit;
};
