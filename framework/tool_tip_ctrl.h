// CToolTipCtrl: a tool-tip window for the controls of one owner window. Each
// tool is a control window; its text is asked from the owner when needed
// (TTN_NEEDTEXTA, with the control's window as the id).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "wnd.h"

class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override;

    BOOL Create(HWND owner);
    // Adds `tool`; the tip watches its mouse messages itself.
    BOOL AddTool(HWND tool, LPCSTR text = LPSTR_TEXTCALLBACKA) const;
    void DelTool(HWND tool) const;
    void Activate(BOOL activate) const { SendMessage(TTM_ACTIVATE, static_cast<WPARAM>(activate)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void SetMaxTipWidth(int width) const { SendMessage(TTM_SETMAXTIPWIDTH, 0, width); }

private:
    TOOLINFOA ToolInfo(HWND tool) const;
};
