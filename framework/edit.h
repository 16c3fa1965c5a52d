// CEdit: single- and multi-line edit controls.
#pragma once

#include <string>

#include "wnd.h"

class CEdit : public CWnd {
public:
    // ---- Attributes ----
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    BOOL CanUndo() const { return static_cast<BOOL>(SendMessage(EM_CANUNDO)); }
    void LimitText(int length) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(length)); }
    void SetReadOnly(BOOL readOnly = TRUE) const { SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly)); }

    // ---- Operations ----
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ReplaceSel(const std::string& text) const {
        SendMessage(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    BOOL Undo() const { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
    void Clear() const { SendMessage(WM_CLEAR); }
};
