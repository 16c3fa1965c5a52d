// CButton: push buttons, check boxes and radio buttons. Owner-drawn buttons
// (BS_OWNERDRAW) paint in DrawItem, which their parent's WM_DRAWITEM reaches
// by reflection.
#pragma once

#include "msg_map.h"
#include "wnd.h"

class CButton : public CWnd {
public:
    // ---- Attributes ----
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int check) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    UINT GetState() const { return static_cast<UINT>(SendMessage(BM_GETSTATE)); }
    void SetState(BOOL pressed) const { SendMessage(BM_SETSTATE, static_cast<WPARAM>(pressed)); }
    void SetButtonStyle(UINT style, BOOL redraw = TRUE) const { SendMessage(BM_SETSTYLE, style, redraw); }

    // ---- Operations ----
    void Click() const { SendMessage(BM_CLICK); }

    virtual void DrawItem(DRAWITEMSTRUCT*) {}

    BEGIN_MSG_MAP(CButton, CWnd)
        ON_WM_DRAWITEM_REFLECT()
    END_MSG_MAP()
};
