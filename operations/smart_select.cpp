#include "smart_select.h"

#include <string>
#include <unordered_map>

#include "file_time.h"
#include "ftp_file_list.h"
#include "name_fold.h"
#include "remote_time.h"

namespace {

bool IsNamesake(const FileEntry& entry) {
    return entry.nImage != IMG_UNDER_CONSTRUCTION && !IsFolderLike(entry.nImage);
}

// Newer only past the coarser unit of the two times: a file and the copy
// just transferred compare equal although one side keeps seconds and the
// other only minutes.
bool Later(const FileEntry& a, const FileEntry& b) {
    return remote_time::Compare(FileTimeToInt64(a.ftModified), a.nTimeUnit, FileTimeToInt64(b.ftModified),
                                b.nTimeUnit) > 0;
}

// The first namesake of each folded name: with 20,000 rows a side, searching
// the target once per source row meant 400 million comparisons.
class NamesakeIndex {
public:
    NamesakeIndex(const std::vector<const FileEntry*>& target, const LeadBytes& lead) : m_lead(lead) {
        m_first.reserve(target.size());
        for (const FileEntry* entry : target)
            if (IsNamesake(*entry)) m_first.emplace(FoldName(entry->strName, lead), entry);  // keeps the first
    }
    const FileEntry* Find(const std::string& name) const {
        const auto found = m_first.find(FoldName(name, m_lead));
        return found == m_first.end() ? nullptr : found->second;
    }

private:
    const LeadBytes& m_lead;
    std::unordered_map<std::string, const FileEntry*> m_first;
};

const FileEntry* SearchPlain(const std::vector<const FileEntry*>& target, const std::string& name,
                             const LeadBytes& lead) {
    for (const FileEntry* entry : target)
        if (IsNamesake(*entry) && SameFoldedName(entry->strName, name, lead)) return entry;
    return nullptr;
}

// The list view's own procedure, called straight: the panel's message map
// takes none of these messages, and with 20,000 rows a side routing the
// reads and writes through it cost far more than the selection itself.
class ListRows {
public:
    explicit ListRows(const CFtpFileList& panel)
        : m_hWnd(panel.m_hWnd), m_proc(reinterpret_cast<WNDPROC>(GetClassLongPtrA(panel.m_hWnd, GCLP_WNDPROC))) {}
    int Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0)); }
    const FileEntry* Entry(int row) const {
        LVITEMA item = {};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        return Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) ? reinterpret_cast<const FileEntry*>(item.lParam)
                                                                       : nullptr;
    }
    bool Selected(int row) const {
        return (Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    }
    void Select(int row, bool selected) const {
        LVITEMA item = {};
        item.stateMask = LVIS_SELECTED;
        item.state = selected ? LVIS_SELECTED : 0;
        Send(LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    // Every row's record in row order; a row without one counts as unresolved.
    std::vector<const FileEntry*> Entries() const {
        static const FileEntry kNoRecord = [] {
            FileEntry none;
            none.nImage = IMG_UNDER_CONSTRUCTION;
            return none;
        }();
        std::vector<const FileEntry*> entries;
        const int rows = Count();
        entries.reserve(static_cast<size_t>(rows > 0 ? rows : 0));
        for (int row = 0; row < rows; ++row) {
            const FileEntry* entry = Entry(row);
            entries.push_back(entry != nullptr ? entry : &kNoRecord);
        }
        return entries;
    }

private:
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return m_proc != nullptr ? CallWindowProcA(m_proc, m_hWnd, message, wParam, lParam) : 0;
    }
    HWND m_hWnd;
    WNDPROC m_proc;
};

}  // namespace

std::vector<bool> SmartSelection(const std::vector<const FileEntry*>& source, int mode,
                                 const std::vector<const FileEntry*>& target, const LeadBytes& lead, bool indexed) {
    std::vector<bool> chosen(source.size(), false);
    if (mode < kSmartAll || mode > kSmartMissing) return chosen;
    const bool compare = mode != kSmartAll;
    const NamesakeIndex index(compare && indexed ? target : std::vector<const FileEntry*>(), lead);
    for (size_t i = 0; i < source.size(); ++i) {
        const FileEntry& entry = *source[i];
        if (entry.nImage == IMG_UNDER_CONSTRUCTION || entry.nImage == IMG_PARENT || entry.nImage == IMG_LINK) continue;
        if (!compare) {
            chosen[i] = true;  // folders too
            continue;
        }
        if (entry.nImage == IMG_FOLDER) continue;
        const FileEntry* match = indexed ? index.Find(entry.strName) : SearchPlain(target, entry.strName, lead);
        const bool newer = match != nullptr && Later(entry, *match);
        if (mode == kSmartTransfer) chosen[i] = match == nullptr || newer;
        if (mode == kSmartUpdating) chosen[i] = newer;
        if (mode == kSmartMissing) chosen[i] = match == nullptr;
    }
    return chosen;
}

bool SmartSelect(CFtpFileList* source, int mode, CFtpFileList* target) {
    if (source == nullptr || target == nullptr) return false;
    const ListRows rows(*source);
    const std::vector<const FileEntry*> entries = rows.Entries();
    const std::vector<bool> chosen = mode == kSmartClear
                                         ? std::vector<bool>(entries.size(), false)
                                         : SmartSelection(entries, mode, ListRows(*target).Entries(), source->m_leadBytes);
    int firstSelected = -1;
    for (size_t i = 0; i < chosen.size(); ++i) {
        const int row = static_cast<int>(i);
        // Only the rows that change: each change notifies the window.
        if (rows.Selected(row) != chosen[i]) rows.Select(row, chosen[i]);
        if (chosen[i] && firstSelected < 0) firstSelected = row;
    }
    if (firstSelected >= 0) {
        source->EnsureVisible(firstSelected, FALSE);
        if (mode != kSmartClear) source->SetFocus();
        return true;
    }
    if (mode == kSmartClear) return true;
    MessageBeep(MB_ICONEXCLAMATION);
    return false;
}
