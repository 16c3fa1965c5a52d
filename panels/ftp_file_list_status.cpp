#include "ftp_file_list.h"

#include "module.h"
#include "resource.h"

namespace {

constexpr size_t kLongName = 16;   // longer names are shown as ...
constexpr size_t kShownStart = 12;  // ... their first 12 characters and "..."

std::string TrimLeft(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

void CFtpFileList::ShowEntryStatus(FileEntry* entry) {
    HWND window = OwnerWindow();
    if (window == nullptr || entry == nullptr) return;
    const std::string& name = entry->strName;
    const std::string shown = name.size() > kLongName ? name.substr(0, kShownStart) + "..." : name;
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
