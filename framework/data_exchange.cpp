#include "data_exchange.h"

#include <vector>

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
