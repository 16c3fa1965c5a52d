// Dialog data exchange: moves values between a dialog's controls and its
// member variables, in the direction UpdateData asks for.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // A check failed: the exchange stops counting as a success and the
    // control the check was about gets the focus.
    void Fail(int id) {
        m_bFailed = true;
        if (HWND control = GetDlgItem(m_hDialog, id)) SetFocus(control);
    }

    HWND m_hDialog;
    bool m_bSaveAndValidate;  // true: controls to members; false: members to controls
    bool m_bFailed = false;
};

// The text of control `id` and `value`.
void DDX_Text(CDataExchange* exchange, int id, std::string& value);
// Binds `control` to control `id` on the first exchange (it is subclassed,
// so its message map and reflected notifications work).
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// A check box or radio button: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* exchange, int id, int& value);
