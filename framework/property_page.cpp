#include "property_page.h"

#include "module.h"

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId, nullptr) {}

const PROPSHEETPAGEA& CPropertyPage::GetPageDescription() {
    m_psp = {};
    m_psp.dwSize = sizeof m_psp;
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = ResourceModule();
    m_psp.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    return m_psp;
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

bool CPropertyPage::IsSheetNotification(const NMHDR* header) const {
    // PSN_* codes run downward from PSN_FIRST.
    return header->hwndFrom == GetParent() && header->code <= PSN_FIRST && header->code >= PSN_LAST;
}

LRESULT CPropertyPage::OnSheetNotify(const NMHDR* header) {
    switch (header->code) {
    case PSN_SETACTIVE:
        return OnSetActive() ? 0 : -1;
    case PSN_KILLACTIVE:
        return OnKillActive() ? FALSE : TRUE;  // TRUE keeps the page
    case PSN_APPLY:
        OnOK();
        return PSNRET_NOERROR;
    case PSN_RESET:
        OnCancel();
        return 0;
    default:
        return 0;
    }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A page's WM_INITDIALOG carries the sheet's copy of the description,
    // whose lParam is the page object.
    CDialog* self = message == WM_INITDIALOG
                        ? reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam)
                        : static_cast<CDialog*>(FromHandle(window));
    return HandleDialogMessage(self, window, message, wParam, lParam);
}
