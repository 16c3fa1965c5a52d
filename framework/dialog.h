// CDialog: a dialog from a template in the system's resources, modal or
// modeless. A derived class overrides the framework's virtuals
// (OnInitDialog, DoDataExchange, OnOK, OnCancel, PreTranslateMessage) and
// takes further messages in its message map (msg_map.h); docs/framework.md
// shows a whole dialog class.
//
// All dialogs share one dialog procedure. It binds the object at
// WM_INITDIALOG, routes every message through CWnd (reflection to child
// objects, then the message map) and answers the dialog manager: handled
// messages return TRUE with their result in DWLP_MSGRESULT. No exception
// leaves it: a dialog whose handler throws ends with -1.
#pragma once

#include <windows.h>

#include <memory>

#include "data_exchange.h"
#include "msg_map.h"
#include "wnd.h"

class CToolTipCtrl;

class CDialog : public CWnd {
public:
    CDialog(UINT templateId, HWND parent);
    ~CDialog() override;

    // Runs the dialog in its own message loop, so that PreTranslateMessage
    // sees every key and mouse message; IDOK, IDCANCEL, the value given to
    // EndDialog, or -1 when it could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless, shown only if the template says so.
    BOOL Create(HWND parent = nullptr);
    // Ends a modal run with `result`; a modeless dialog is hidden.
    void EndDialog(INT_PTR result);
    // Exchanges data: TRUE moves control values into members, FALSE the
    // members into the controls.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    // Gives every control a tool tip whose text the dialog supplies
    // through TTN_NEEDTEXTA notifications (ON_NOTIFY_CODE).
    BOOL EnableToolTips(BOOL enable = TRUE);

    UINT GetTemplateId() const { return m_nTemplateId; }
    bool IsModal() const { return m_bModal; }

    BOOL PreTranslateMessage(MSG* msg) override;

    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    virtual void OnOK();
    virtual void OnCancel();

    BEGIN_MSG_MAP(CDialog, CWnd)
        if (message == WM_INITDIALOG) {
            lResult = OnInitDialog();
            return true;
        }
        ON_COMMAND(IDOK, OnOK)
        ON_COMMAND(IDCANCEL, OnCancel)
    END_MSG_MAP()

protected:
    // The dialog procedure of every dialog and of every property page.
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR HandleDialogMessage(CDialog* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) override;
    void RunModalLoop(HWND window);
    void ReleaseOwner();

    HWND m_hParent;

private:
    UINT m_nTemplateId;
    bool m_bModal = false;
    bool m_bEndModal = false;
    bool m_bDefaulting = false;  // Default() is inside the dialog manager
    INT_PTR m_nModalResult = -1;
    HWND m_hDisabledOwner = nullptr;  // re-enabled when the modal run ends
    std::unique_ptr<CToolTipCtrl> m_pToolTip;
};
