#include "list_ctrl.h"

#include <vector>

std::string CListCtrl::GetItemText(int item, int subItem) const {
    // The control copies at most the buffer; grow it until the text fits.
    for (size_t size = 256;; size *= 4) {
        std::vector<char> text(size, '\0');
        LVITEMA lv = {};
        lv.iSubItem = subItem;
        lv.pszText = text.data();
        lv.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<size_t>(
            SendMessage(LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
        if (length + 1 < size || size >= (1u << 20)) return std::string(text.data());
    }
}
