// CFtpAboutDlg: the about box of the file manager, template 217: the
// program's picture alone, without a frame. Any click on it or any key
// closes it.
#pragma once

#include "dialog.h"
#include "resource.h"

class CFtpAboutDlg : public CDialog {
public:
    explicit CFtpAboutDlg(HWND parent) : CDialog(IDD_ABOUT, parent) {}

    BOOL PreTranslateMessage(MSG* msg) override {
        switch (msg->message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            EndDialog(IDOK);
            return TRUE;
        default:
            return CDialog::PreTranslateMessage(msg);
        }
    }
};
