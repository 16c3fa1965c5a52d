#include "property_sheet.h"

#include <algorithm>

#include "module.h"

namespace {

// The sheet template's styles, made those of a child control. The template
// may come in either form: the system hands over a plain DLGTEMPLATE on
// some versions and the extended one on others.
void MakeChildTemplate(void* dialogTemplate) {
    auto* words = static_cast<WORD*>(dialogTemplate);
    const bool extended = words[1] == 0xFFFF;
    DWORD* style = extended ? reinterpret_cast<DWORD*>(words + 6) : reinterpret_cast<DWORD*>(words);
    DWORD* exStyle = extended ? reinterpret_cast<DWORD*>(words + 4) : reinterpret_cast<DWORD*>(words + 2);
    *style = (*style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME)) | WS_CHILD | DS_CONTROL;
    *exStyle |= WS_EX_CONTROLPARENT;
}

}  // namespace

int CALLBACK CPropertySheet::SheetCallback(HWND, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE) MakeChildTemplate(reinterpret_cast<void*>(lParam));
    return 0;
}

BOOL CPropertySheet::Create(HWND parent, DWORD style, DWORD exStyle) {
    EnsureCommonControls();
    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages) pages.push_back(page->GetPageDescription());

    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOAPPLYNOW | PSH_NOCONTEXTHELP;
    header.hwndParent = parent;
    header.hInstance = ResourceModule();
    header.nPages = static_cast<UINT>(pages.size());
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;
    HWND window = reinterpret_cast<HWND>(::PropertySheetA(&header));
    if (window == nullptr || window == reinterpret_cast<HWND>(-1)) return FALSE;
    if (!SubclassWindow(window)) return FALSE;

    ModifyStyle(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, (style & ~WS_VISIBLE) | WS_CHILD);
    ModifyStyleEx(0, exStyle);
    HideOwnButtons();
    if (style & WS_VISIBLE) ShowWindow(SW_SHOWNA);
    return TRUE;
}

void CPropertySheet::HideOwnButtons() {
    for (int id : {IDOK, IDCANCEL, IDHELP, 0x3021 /* Apply */}) {
        if (HWND button = GetDlgItem(id)) ::ShowWindow(button, SW_HIDE);
    }
    // Without its buttons the sheet needs only its pages and tabs: it ends
    // below and right of them with the margins it keeps at their left. (The
    // button row may have made it wider than its pages.)
    HWND tabs = GetTabControl();
    RECT tab, page;
    ::GetWindowRect(tabs, &tab);
    ScreenToClient(&tab);
    ::GetWindowRect(reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND)), &page);
    ScreenToClient(&page);
    RECT sheet;
    GetWindowRect(&sheet);
    const LONG tabRight = std::min(tab.right, page.right + (page.left - tab.left));
    const LONG width = std::min(sheet.right - sheet.left, tabRight + tab.left);
    ::SetWindowPos(tabs, nullptr, 0, 0, tabRight - tab.left, tab.bottom - tab.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(nullptr, 0, 0, width, tab.bottom + tab.left, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int CPropertySheet::GetActiveIndex() const {
    HWND page = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    if (page == nullptr) return -1;
    return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page)));
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    const int index = GetActiveIndex();
    return index < 0 || index >= GetPageCount() ? nullptr : m_pages[static_cast<size_t>(index)];
}

BOOL CPropertySheet::SetActivePage(int index) {
    SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(index));
    return GetActiveIndex() == index;
}
