#include <cstdint>
#include <string>

#include "ftp_panel_owner.h"
#include "message_boxes.h"
#include "panel_operations.h"
#include "resource.h"
#include "transfer_stop.h"

void CFtpPanelOperations::ViewSelection(int first, int last) {
    const int selected = static_cast<int>(m_panel.GetSelectedCount());
    const int rows = m_panel.GetItemCount();
    m_panel.m_bCancel = FALSE;
    if (first < 0 || first >= rows || last < 0 || last >= rows) return;
    if (m_panel.m_bRemote) {
        // The fetch reports bytes.
        uint64_t bytes = 0;
        for (int row : SelectedRows(m_panel, first, last)) {
            const FileEntry* entry = m_panel.EntryAt(row);
            if (entry != nullptr && !IsFolderLike(entry->nImage) && entry->nSize > 0)
                bytes += static_cast<uint64_t>(entry->nSize);
        }
        const uint64_t units = bytes / kBytesPerStep;
        SetProgressRange(Owner(), 1, units > INT32_MAX ? INT32_MAX : static_cast<int>(units));
    } else {
        SetProgressRange(Owner(), 1, selected);
    }
    SetProgressPos(Owner(), 0);
    bool stop = false;
    for (int row = first; !m_panel.m_bCancel && !stop && row <= last; ++row) {
        if (!m_panel.m_bRemote) SetProgressPos(Owner(), 1);
        FileEntry* entry = m_panel.EntryAt(row);
        if (Selected(row) && entry != nullptr && entry->nImage != IMG_UNDER_CONSTRUCTION) {
            if (entry->nImage == IMG_PARENT) {
                // Among several rows a folder is left alone: only files open in turn.
                if (selected == 1) {
                    OpenParentFolder();
                    stop = true;
                }
            } else if (entry->nImage == IMG_FOLDER || entry->nImage == IMG_LINK) {
                if (selected == 1) {
                    m_panel.ShowFolder(m_panel.MakePath(m_panel.m_strPath, entry->strName));
                    stop = true;
                }
            } else {
                const std::string name = entry->strName;
                m_window.SetBusy(true);
                if (m_panel.m_bRemote) {
                    m_panel.EnsureVisible(row, FALSE);
                    m_panel.ShowEntryStatus(entry);
                    m_window.Feedback().ShowTransferProgress(0, 0);
                } else {
                    ShowRowStatus(row, entry, IDS_VIEWING);
                }
                const BOOL result = m_panel.ViewFile(name);
                if (result == 0) ShowError(m_panel.GetParent(), IDS_CANNOT_VIEW, name, "");
                m_window.SetBusy(false);
                stop = result == 0 || result == -4;
            }
        }
        if (!stop) m_panel.m_bCancel = StopRequested();
    }
    m_panel.SetFocus();
}

void CFtpPanelOperations::OpenParentFolder() {
    const std::string old = m_panel.m_strPath;
    std::string parent = old;
    if (!m_panel.GetParentPath(parent)) {
        MessageBeep(MB_ICONEXCLAMATION);
        if (m_panel.m_pOwner != nullptr) m_panel.m_pOwner->SetActivePanel(&m_panel);
        return;
    }
    // The name of the folder being left: what follows the parent and its
    // separator ("/pub" leaves "pub" for "/", "C:\web" leaves "web" for "C:").
    std::string child = old.size() > parent.size() ? old.substr(parent.size()) : std::string();
    while (!child.empty() && (child.front() == '\\' || child.front() == '/')) child.erase(0, 1);
    while (!child.empty() && (child.back() == '\\' || child.back() == '/')) child.pop_back();
    m_panel.ShowFolder(parent);
    if (child.empty()) return;
    // Shown, not selected: the user picks up where the folder was.
    for (int row = 0; row < m_panel.GetItemCount(); ++row) {
        const FileEntry* entry = m_panel.EntryAt(row);
        if (entry != nullptr && lstrcmpiA(entry->strName.c_str(), child.c_str()) == 0) {
            m_panel.EnsureVisible(row, FALSE);
            return;
        }
    }
}
