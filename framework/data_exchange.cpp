#include "data_exchange.h"

#include <vector>

#include "wnd.h"

void DDX_Text(CDataExchange* exchange, int id, std::string& value) {
    const HWND control = GetDlgItem(exchange->m_hDialog, id);
    if (control == nullptr) return;
    if (!exchange->m_bSaveAndValidate) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    const int length = GetWindowTextLengthA(control);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(control, text.data(), length + 1);
    value.assign(text.data());
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_hDialog);
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
    const HWND control = GetDlgItem(exchange->m_hDialog, id);
    if (control == nullptr) return;
    if (exchange->m_bSaveAndValidate)
        value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    else
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
