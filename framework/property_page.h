// CPropertyPage: one page of a CPropertySheet, a dialog from a child
// template (its caption is the tab's text). The sheet's notifications reach
// the page's virtuals:
//   PSN_SETACTIVE   OnSetActive(): FALSE refuses to show the page
//   PSN_KILLACTIVE  OnKillActive(): FALSE keeps the sheet on this page
//   PSN_APPLY       OnOK();  PSN_RESET  OnCancel()
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "dialog.h"

class CPropertyPage : public CDialog {
public:
    explicit CPropertyPage(UINT templateId);

    // First activation: nothing, OnInitDialog has filled the controls.
    // Later ones move the members into the controls again.
    virtual BOOL OnSetActive();
    // Moves the controls into the members; a failed exchange keeps the page.
    virtual BOOL OnKillActive();
    // Pages do not end the sheet; the sheet's owner decides.
    void OnOK() override {}
    void OnCancel() override {}

    // The page description the sheet is built from.
    const PROPSHEETPAGEA& GetPageDescription();

    BEGIN_MSG_MAP(CPropertyPage, CDialog)
        if (message == WM_NOTIFY && IsSheetNotification(reinterpret_cast<NMHDR*>(lParam))) {
            lResult = OnSheetNotify(reinterpret_cast<NMHDR*>(lParam));
            return true;
        }
    END_MSG_MAP()

protected:
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool IsSheetNotification(const NMHDR* header) const;
    LRESULT OnSheetNotify(const NMHDR* header);

    BOOL m_bFirstSetActive = TRUE;

private:
    PROPSHEETPAGEA m_psp = {};
};
