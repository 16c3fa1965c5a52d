#include "smart_select.h"

#include <string>
#include <unordered_map>

#include "ftp_file_list.h"
#include "name_fold.h"

namespace {

bool IsNamesake(const FileEntry& entry) {
    return entry.nImage != IMG_UNDER_CONSTRUCTION && !IsFolderLike(entry.nImage);
}

bool Later(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) > 0; }

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

std::vector<const FileEntry*> RowEntries(const CFtpFileList& panel) {
    std::vector<const FileEntry*> entries;
    const int rows = panel.GetItemCount();
    entries.reserve(static_cast<size_t>(rows > 0 ? rows : 0));
    static const FileEntry kNoRecord = [] {
        FileEntry none;
        none.nImage = IMG_UNDER_CONSTRUCTION;
        return none;
    }();
    for (int row = 0; row < rows; ++row) {
        const FileEntry* entry = panel.EntryAt(row);
        entries.push_back(entry != nullptr ? entry : &kNoRecord);
    }
    return entries;
}

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
        const bool newer = match != nullptr && Later(entry.ftModified, match->ftModified);
        if (mode == kSmartTransfer) chosen[i] = match == nullptr || newer;
        if (mode == kSmartUpdating) chosen[i] = newer;
        if (mode == kSmartMissing) chosen[i] = match == nullptr;
    }
    return chosen;
}

bool SmartSelect(CFtpFileList* source, int mode, CFtpFileList* target) {
    if (source == nullptr || target == nullptr) return false;
    const std::vector<const FileEntry*> rows = RowEntries(*source);
    const std::vector<bool> chosen =
        mode == kSmartClear ? std::vector<bool>(rows.size(), false)
                            : SmartSelection(rows, mode, RowEntries(*target), source->m_leadBytes);
    int firstSelected = -1;
    for (size_t i = 0; i < chosen.size(); ++i) {
        const int row = static_cast<int>(i);
        const UINT state = chosen[i] ? LVIS_SELECTED : 0;
        // Only the rows that change: each change notifies the window.
        if ((source->GetItemState(row, LVIS_SELECTED) & LVIS_SELECTED) != state)
            source->SetItemState(row, state, LVIS_SELECTED);
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
