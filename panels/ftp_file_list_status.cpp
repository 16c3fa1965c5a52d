#include "ftp_file_list.h"

#include "message_text.h"
#include "module.h"
#include "resource.h"

void CFtpFileList::ShowEntryStatus(FileEntry* entry) {
    HWND window = OwnerWindow();
    if (window == nullptr || entry == nullptr) return;
    const std::string shown = ShortName(entry->strName, m_leadBytes);
    SetDlgItemTextA(window, IDC_FILE_LINE, (LoadResourceString(IDS_FILE_LINE) + " " + shown).c_str());

    // The record keeps its column text: trimmed in place, a size would lose
    // its alignment in the column.
    std::string sizeLine = LoadResourceString(IDS_SIZE_LINE);
    if (entry->nImage == IMG_FOLDER) {
        sizeLine += " - " + LoadResourceString(IDS_BYTES);  // a folder has no size of its own
    } else {
        sizeLine += " " + TrimLeft(entry->strSize) + " " + LoadResourceString(IDS_BYTES);
    }
    SetDlgItemTextA(window, IDC_SIZE_LINE, TrimLeft(sizeLine).c_str());
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}
