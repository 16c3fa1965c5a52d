#include "ftp_file_list.h"

#include <mbctype.h>
#include <mbstring.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "file_time.h"

namespace {

constexpr LPARAM kColumnBits = 0x3;
constexpr LPARAM kDescendingBits = static_cast<LPARAM>(static_cast<int32_t>(0xFFFFFFFC));

// The runtime's multibyte case-insensitive comparison (_mbsicmp) folds each
// character with _mbctolower (a double-byte character as one value, lead
// byte high) in a double-byte code page, and each byte with tolower in the
// others, then compares the values. Folding a name once into those values
// gives the same order at a fraction of the cost of folding both names in
// every comparison. Single bytes fold through a table made once per sort.
struct Folding {
    bool doubleByte = false;
    char16_t single[256] = {};
};

Folding CurrentFolding() {
    Folding folding;
    for (int byte = 0; byte < 256; ++byte) folding.doubleByte = folding.doubleByte || _ismbblead(static_cast<unsigned>(byte));
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned value = static_cast<unsigned>(byte);
        folding.single[byte] = static_cast<char16_t>(folding.doubleByte ? _mbctolower(value) : static_cast<unsigned char>(std::tolower(byte)));
    }
    return folding;
}

std::u16string FoldedName(const std::string& name, const Folding& folding) {
    std::u16string key;
    key.reserve(name.size());
    for (size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (folding.doubleByte && _ismbblead(byte) && at + 1 < name.size()) {
            key += static_cast<char16_t>(_mbctolower((byte << 8) | static_cast<unsigned char>(name[++at])));
        } else {
            key += folding.single[byte];
        }
    }
    return key;
}

int CompareKeys(const std::u16string& a, const std::u16string& b) {
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
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

// The list view's own sort compares the records' places in the order worked
// out beforehand: as cheap as its sort with integer keys.
int CALLBACK CompareRanks(LPARAM a, LPARAM b, LPARAM) {
    const uint32_t first = reinterpret_cast<const FileEntry*>(a)->nRank;
    const uint32_t second = reinterpret_cast<const FileEntry*>(b)->nRank;
    return first < second ? -1 : (first > second ? 1 : 0);
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
        default: order = CompareKeys(first.nameKey, second.nameKey); break;
    }
    return (param & ~kColumnBits) != 0 ? -order : order;
}

void CFtpFileList::PrepareSortKey(FileEntry& entry) { entry.nameKey = FoldedName(entry.strName, CurrentFolding()); }

// Every record's place in the order of `param`; records that compare equal
// share a place, so the list view sees the same ties as with CompareEntries.
void CFtpFileList::RankEntries(LPARAM param) {
    if ((param & kColumnBits) == 0) {
        const Folding folding = CurrentFolding();
        for (FileEntry* entry : m_entries) entry->nameKey = FoldedName(entry->strName, folding);
    }
    auto compare = [param](const FileEntry* a, const FileEntry* b) {
        if (a->nImage == IMG_PARENT && b->nImage == IMG_PARENT) return 0;  // keeps the order strict
        return CompareEntries(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b), param);
    };
    std::vector<FileEntry*> order = m_entries;
    std::sort(order.begin(), order.end(), [&compare](const FileEntry* a, const FileEntry* b) { return compare(a, b) < 0; });
    uint32_t rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && compare(order[i - 1], order[i]) != 0) ++rank;
        order[i]->nRank = rank;
    }
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
    RankEntries(param);
    SortItems(CompareRanks, 0);
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
