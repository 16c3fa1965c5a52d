#include "ftp_file_list.h"

#include "file_ext.h"
#include "file_time.h"
#include "ftp_panel_owner.h"
#include "name_compare.h"
#include "time_text.h"

namespace {

constexpr int kHistorySize = 25;  // folders kept in the path box, newest first

}  // namespace

int CFtpFileList::InsertRow(int index, FileEntry* entry) const {
    // Straight to the control's own procedure: the panel's message map takes
    // none of these messages, and routing three per row through it doubled
    // the time a big folder needs to appear.
    const auto control = reinterpret_cast<WNDPROC>(GetClassLongPtrA(m_hWnd, GCLP_WNDPROC));
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.iImage = entry->nImage;
    item.lParam = reinterpret_cast<LPARAM>(entry);
    const auto row = static_cast<int>(CallWindowProcA(control, m_hWnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (row >= 0) {
        LVITEMA text = {};
        text.pszText = LPSTR_TEXTCALLBACKA;
        for (int subItem : {1, 2}) {
            text.iSubItem = subItem;
            CallWindowProcA(control, m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&text));
        }
    }
    return row;
}

void CFtpFileList::FillList() {
    EnableWindow(FALSE);
    // No drawing while thousands of rows go in; one repaint at the end.
    SendMessage(WM_SETREDRAW, FALSE);
    DeleteAllItems();
    SendMessage(LVM_SETITEMCOUNT, m_entries.size());
    int next = 0;
    for (FileEntry* entry : m_entries) {
        if (entry->nImage == IMG_UNDER_CONSTRUCTION) continue;
        // A row the control refuses is skipped; its record stays listed.
        if (InsertRow(next, entry) >= 0) ++next;
    }
    SendMessage(WM_SETREDRAW, TRUE);
    Invalidate();
    if (m_pOwner != nullptr) m_pOwner->SetActivePanel(this);
    if (GetItemCount() > 0 && !m_strPath.empty()) AddPathToHistory();
    EnableWindow(TRUE);
}

void CFtpFileList::AddPathToHistory() const {
    if (m_pPathCombo == nullptr || m_pPathCombo->m_hWnd == nullptr) return;
    if (m_pPathCombo->GetCount() > kHistorySize - 1) m_pPathCombo->DeleteString(m_pPathCombo->GetCount() - 1);
    // A folder already in the history keeps its place.
    if (m_pPathCombo->FindStringExact(-1, m_strPath) == CB_ERR) m_pPathCombo->InsertString(0, m_strPath);
}

void CFtpFileList::AddOrUpdateEntry(CFtpFileList* panel, uint8_t image, const std::string& name,
                                    const std::string& sizeText, int64_t size, const FileEntry* timeOf) {
    const FILETIME now = timeOf != nullptr ? timeOf->ftModified : LocalNow();
    const int64_t unit = timeOf != nullptr ? timeOf->nTimeUnit : FileEntry().nTimeUnit;
    const std::string timeText = FormatTimeText(now);
    const int count = panel->GetItemCount();
    for (int item = 0; item < count; ++item) {
        FileEntry* entry = panel->EntryAt(item);
        if (entry == nullptr || entry->nImage != image || !SameName(entry->strName, name)) continue;
        entry->strName = name;  // takes the new letter case
        entry->strSize = sizeText;
        entry->nSize = size;
        entry->strModified = timeText;
        entry->ftModified = now;
        entry->nTimeUnit = unit;
        panel->Update(item);
        panel->RedrawItems(item, item);
        return;
    }
    auto* entry = new FileEntry{image, name, sizeText, timeText, now, size};
    entry->nTimeUnit = unit;
    panel->m_entries.push_back(entry);
    // Not sorted into place: it stays last until the next sort.
    const int row = panel->InsertRow(panel->GetItemCount(), entry);
    if (row >= 0) panel->Update(row);
    panel->RedrawWindow();
}

void CFtpFileList::OnGetDispInfo(NMHDR* header, LRESULT* result) {
    auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
    *result = 0;
    const auto* entry = reinterpret_cast<const FileEntry*>(info->item.lParam);
    if (entry == nullptr || !(info->item.mask & LVIF_TEXT)) return;
    // The control copies the text before it asks again: pointing at the
    // record's own string copies nothing here.
    const std::string* text = &entry->strName;
    if (info->item.iSubItem == 1) text = &entry->strSize;
    if (info->item.iSubItem == 2) text = &entry->strModified;
    info->item.pszText = const_cast<char*>(text->c_str());
}

void CFtpFileList::GetFileIcon(const std::string& fileName, FileEntry* entry) {
    const std::string extension = FileExtension(fileName);
    struct Kind {
        const char* extension;
        uint8_t image;
    };
    static constexpr Kind kKinds[] = {
        {".htm", IMG_HTML}, {".html", IMG_HTML},  {".gif", IMG_PICTURE}, {".jpg", IMG_PICTURE},
        {".jpeg", IMG_PICTURE}, {".wav", IMG_SOUND}, {".au", IMG_SOUND}, {".mid", IMG_SOUND},
        {".mi", IMG_SOUND}, {".snd", IMG_SOUND}, {".wrl", IMG_VRML}, {".wrz", IMG_VRML},
    };
    entry->nImage = IMG_FILE;
    for (const Kind& kind : kKinds) {
        if (SameName(extension, kind.extension)) {
            entry->nImage = kind.image;
            return;
        }
    }
}
