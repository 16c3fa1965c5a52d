// CDialog: a dialog from a template in the system's resources, run modally.
// A derived class overrides the framework's virtuals (OnInitDialog,
// DoDataExchange, OnOK, OnCancel) and may take other messages in
// OnMessage. No exception leaves the dialog procedure.
#pragma once

#include <windows.h>

#include "data_exchange.h"

class CDialog {
public:
    CDialog(UINT templateId, HWND parent) : m_nTemplateId(templateId), m_hParent(parent) {}
    virtual ~CDialog() = default;
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Runs the dialog; IDOK, IDCANCEL, or -1 when it could not be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    // Exchanges data: true moves control values into members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    HWND GetSafeHwnd() const { return m_hWnd; }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();
    // Other messages; return true when handled, with *result set.
    virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nTemplateId;
    HWND m_hParent;
};
