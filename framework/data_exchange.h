// Dialog data exchange: moves values between a dialog's controls and its
// member variables, in the direction UpdateData asks for.
#pragma once

#include <windows.h>

#include <string>

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_hDialog(dialog), m_bSaveAndValidate(saveAndValidate) {}

    HWND m_hDialog;
    bool m_bSaveAndValidate;  // true: controls to members; false: members to controls
};

// The text of control `id` and `value`.
void DDX_Text(CDataExchange* exchange, int id, std::string& value);
