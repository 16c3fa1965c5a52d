// CPropertySheet: the tabbed sheet of CPropertyPage objects, made as a child
// control of a dialog: no caption and no buttons of its own, the dialog's
// OK and Cancel serve. The pages are not owned.
#pragma once

#include <windows.h>

#include <vector>

#include "property_page.h"
#include "wnd.h"

class CPropertySheet : public CWnd {
public:
    CPropertySheet() = default;

    void AddPage(CPropertyPage* page) { m_pages.push_back(page); }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const { return m_pages.at(static_cast<size_t>(index)); }

    // Creates the sheet inside `parent` with the given styles (WS_CHILD is
    // always added) and shrinks it to its tabs: the buttons a sheet makes
    // for itself are hidden.
    BOOL Create(HWND parent, DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP, DWORD exStyle = WS_EX_CONTROLPARENT);

    // Index of the page shown, or -1.
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    // Shows page `index`; FALSE when the page shown refused to be left.
    BOOL SetActivePage(int index);
    HWND GetTabControl() const { return reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)); }

private:
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    void HideOwnButtons();

    std::vector<CPropertyPage*> m_pages;
};
