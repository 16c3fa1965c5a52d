#include "ftp_file_list.h"

#include <mbstring.h>

#include "file_time.h"

namespace {

constexpr LPARAM kColumnBits = 0x3;
constexpr LPARAM kDescendingBits = static_cast<LPARAM>(static_cast<int32_t>(0xFFFFFFFC));

int CompareText(const std::string& a, const std::string& b) {
    return _mbsicmp(reinterpret_cast<const unsigned char*>(a.c_str()), reinterpret_cast<const unsigned char*>(b.c_str()));
}

int CompareSizes(int64_t a, int64_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

int CompareTimes(const FILETIME& a, const FILETIME& b) {
    const int64_t first = FileTimeToInt64(a), second = FileTimeToInt64(b);
    return first < second ? -1 : (first > second ? 1 : 0);
}

// The group of a record: the parent entry, links, folders, then files.
int GroupOf(const FileEntry& entry) {
    switch (entry.nImage) {
        case IMG_PARENT: return 0;
        case IMG_LINK: return 1;
        case IMG_FOLDER: return 2;
        default: return 3;
    }
}

}  // namespace

int CALLBACK CFtpFileList::CompareEntries(LPARAM a, LPARAM b, LPARAM param) {
    const auto& first = *reinterpret_cast<const FileEntry*>(a);
    const auto& second = *reinterpret_cast<const FileEntry*>(b);
    // The groups keep their order in both directions.
    const int firstGroup = GroupOf(first);
    const int secondGroup = GroupOf(second);
    if (firstGroup != secondGroup) return firstGroup < secondGroup ? -1 : 1;
    if (firstGroup == 0) return -1;  // two parent entries do not occur

    int order = 0;
    switch (param & kColumnBits) {
        case 1: order = CompareSizes(first.nSize, second.nSize); break;
        case 2: order = CompareTimes(first.ftModified, second.ftModified); break;
        default: order = CompareText(first.strName, second.strName); break;
    }
    return (param & ~kColumnBits) != 0 ? -order : order;
}

void CFtpFileList::SortEntries() {
    EnableWindow(FALSE);
    LPARAM param = m_nSortColumn;
    if (m_bSortDesc[m_nSortColumn]) {
        param |= kDescendingBits;
        // At most one column is ever marked descending.
        for (int column = 0; column < 3; ++column) {
            if (column != m_nSortColumn) m_bSortDesc[column] = 0;
        }
    }
    SortItems(CompareEntries, param);
    EnableWindow(TRUE);
}

void CFtpFileList::OnColumnClicked(int column) {
    if (column < 0 || column > 2) return;
    m_nSortColumn = static_cast<uint8_t>(column);
    m_bSortDesc[column] = !m_bSortDesc[column];
    SortEntries();
}

void CFtpFileList::OnColumnClick(NMHDR* header, LRESULT* result) {
    OnColumnClicked(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
    *result = 0;
}
