// CProgressCtrl: the progress bar, with a 32-bit range.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "wnd.h"

class CProgressCtrl : public CWnd {
public:
    // ---- Attributes ----
    void SetRange32(int lower, int upper) const { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(lower), upper); }
    void GetRange(int& lower, int& upper) const {
        PBRANGE range = {};
        SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        lower = range.iLow;
        upper = range.iHigh;
    }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int SetPos(int position) const { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(position))); }
    int SetStep(int step) const { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }

    // ---- Operations ----
    int OffsetPos(int delta) const { return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta))); }
    int StepIt() const { return static_cast<int>(SendMessage(PBM_STEPIT)); }
};
