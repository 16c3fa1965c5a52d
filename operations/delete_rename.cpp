#include <algorithm>
#include <string>
#include <vector>

#include "ftp_name_dlg.h"
#include "ftp_panel_owner.h"
#include "message_boxes.h"
#include "module.h"
#include "panel_operations.h"
#include "resource.h"
#include "sync_other_panel.h"

HWND OperationOwner(CFtpFileList& panel) {
    return panel.m_pOwner != nullptr ? panel.m_pOwner->GetOwnerWindow() : panel.GetParent();
}

std::vector<int> SelectedRows(const CFtpFileList& panel, int first, int last) {
    std::vector<int> rows;
    for (int row = panel.GetNextItem(first - 1, LVNI_SELECTED); row >= first && row <= last;
         row = panel.GetNextItem(row, LVNI_SELECTED))
        rows.push_back(row);
    return rows;
}

void SetProgressRange(HWND owner, int low, int high) {
    SendDlgItemMessageA(owner, IDC_PROGRESS, PBM_SETRANGE32, static_cast<WPARAM>(low), high);
    SendDlgItemMessageA(owner, IDC_PROGRESS, PBM_SETSTEP, 1, 0);
}

void SetProgressPos(HWND owner, int pos) {
    SendDlgItemMessageA(owner, IDC_PROGRESS, PBM_SETPOS, static_cast<WPARAM>(pos), 0);
}

void CFtpPanelOperations::ShowRowStatus(int row, FileEntry* entry, UINT textId) const {
    m_panel.EnsureVisible(row, FALSE);
    m_panel.ShowEntryStatus(entry);
    SetDlgItemTextA(Owner(), IDC_ACTIVITY_LINE, LoadResourceString(textId).c_str());
    ::RedrawWindow(Owner(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

bool CFtpPanelOperations::StopRequested() const {
    return m_window.Feedback().PumpMessages(GetDlgItem(Owner(), IDC_STOP));
}

void CFtpPanelOperations::DeleteSelection(int first, int last) {
    m_panel.m_bCancel = FALSE;
    const int selected = static_cast<int>(m_panel.GetSelectedCount());
    const int count = m_panel.GetItemCount();
    if (first < 0 || first >= count || last < 0 || last >= count) return;
    if (AskQuestion(Owner(), IDS_ASK_DELETE, std::to_string(selected), "", MB_OKCANCEL) != IDOK) {
        m_panel.SetFocus();
        return;
    }
    m_window.SetBusy(true);
    SetProgressRange(Owner(), 1, selected);
    const std::vector<int> rows = SelectedRows(m_panel, first, last);
    int done = 1;
    bool deleted = false;
    bool stop = false;
    // From the last row up: a deleted row never moves the rows still to come.
    for (auto row = rows.rbegin(); row != rows.rend() && !m_panel.m_bCancel && !stop; ++row) {
        SetProgressPos(Owner(), done++);
        for (int id : {IDC_HINT_GROUP, IDC_STOP})
            ::RedrawWindow(GetDlgItem(Owner(), id), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        FileEntry* entry = m_panel.EntryAt(*row);
        ShowRowStatus(*row, entry, IDS_DELETING);
        const std::string name = entry != nullptr ? entry->strName : std::string();
        if (DeleteEntry(*row, name)) {
            deleted = true;
        } else {
            stop = true;
        }
        m_panel.m_bCancel = StopRequested();
    }
    m_window.SetBusy(false);
    if (deleted && m_panel.m_pOwner != nullptr) SyncOtherPanel(*m_panel.m_pOwner);
    m_panel.SetFocus();
}

bool CFtpPanelOperations::DeleteEntry(int row, const std::string& name) {
    FileEntry* entry = m_panel.EntryAt(row);
    if (entry == nullptr || entry->nImage == IMG_UNDER_CONSTRUCTION) return true;
    if (entry->nImage == IMG_PARENT) {
        ShowError(Owner(), IDS_PARENT_SPECIAL, "", "");
        return true;
    }
    const std::string path = m_panel.MakePath(m_panel.m_strPath, entry->strName);
    const bool folder = entry->nImage == IMG_FOLDER || entry->nImage == IMG_LINK;
    const int result = folder ? m_panel.RemoveFolder(path) : m_panel.RemoveFile(path);
    if (result == 0) {
        if (m_panel.DeleteItem(row)) {
            entry->nImage = IMG_UNDER_CONSTRUCTION;
            auto& entries = m_panel.m_entries;
            entries.erase(std::remove(entries.begin(), entries.end(), entry), entries.end());
            delete entry;
            m_panel.UpdateWindow();
        }
        return true;
    }
    if (result == -4) return false;
    ShowError(Owner(), folder ? IDS_CANNOT_DELETE_FOLDER : IDS_CANNOT_DELETE_FILE, name, "");
    return false;
}

void CFtpPanelOperations::RenameSelection(int first, int last) {
    const int selected = static_cast<int>(m_panel.GetSelectedCount());
    const int rows = m_panel.GetItemCount();
    if (first < 0 || first >= rows || last < 0 || last >= rows) return;
    m_window.SetBusy(true);
    SetProgressRange(Owner(), 0, selected);
    m_panel.m_bCancel = FALSE;
    int done = 0;
    bool renamed = false;
    for (int row = first; !m_panel.m_bCancel && row <= last; ++row) {
        SetProgressPos(Owner(), done);
        FileEntry* entry = m_panel.EntryAt(row);
        // The parent entry is passed over without a word.
        if (Selected(row) && entry != nullptr && entry->nImage != IMG_UNDER_CONSTRUCTION && entry->nImage != IMG_PARENT) {
            ShowRowStatus(row, entry, IDS_RENAMING);
            const bool folder = entry->nImage == IMG_FOLDER || entry->nImage == IMG_LINK;
            m_panel.EnsureVisible(row, FALSE);
            CFtpNameDlg dialog(Owner(), LoadResourceString(folder ? IDS_RENAME_FOLDER : IDS_RENAME_FILE),
                               LoadResourceString(folder ? IDS_RENAME_FOLDER_PROMPT : IDS_RENAME_FILE_PROMPT),
                               entry->strName);
            if (dialog.DoModal() == IDOK) {
                if (!ValidateName(m_panel, dialog.m_strText)) {
                    --row;  // the same row again, with its current name
                } else if (RenameEntry(row, dialog.m_strText)) {
                    renamed = true;
                } else {
                    row = last;
                }
            } else {
                row = last;  // rows renamed so far stay renamed
            }
            ++done;
        }
        m_panel.m_bCancel = StopRequested();
    }
    m_window.SetBusy(false);
    if (renamed && m_panel.m_pOwner != nullptr) SyncOtherPanel(*m_panel.m_pOwner);
    m_panel.SetFocus();
}

bool CFtpPanelOperations::RenameEntry(int row, const std::string& newName) {
    if (!ValidateName(m_panel, newName)) return false;
    FileEntry* entry = m_panel.EntryAt(row);
    if (entry == nullptr || entry->nImage == IMG_UNDER_CONSTRUCTION) return true;
    if (entry->nImage == IMG_PARENT) {
        ShowError(Owner(), IDS_PARENT_SPECIAL, "", "");
        return true;
    }
    const std::string newPath = m_panel.MakePath(m_panel.m_strPath, newName);
    const std::string oldPath = m_panel.MakePath(m_panel.m_strPath, entry->strName);
    const int result = m_panel.RenameItem(oldPath, newPath);
    if (result == 0) {
        // The row keeps its place: the list is not sorted again.
        entry->strName = newName;
        m_panel.SetItemText(row, 0, LPSTR_TEXTCALLBACKA);
        m_panel.RedrawItems(row, row);
        return true;
    }
    if (result == -4) return false;
    ShowError(Owner(), IDS_CANNOT_RENAME, oldPath, "");
    return false;
}

void CFtpPanelOperations::NewFolder() {
    const std::string title = LoadResourceString(IDS_NEW_FOLDER);
    const std::string prompt = LoadResourceString(IDS_NEW_FOLDER_PROMPT);
    std::string name;
    // A refused name comes back in the edit, ready to be corrected.
    do {
        CFtpNameDlg dialog(m_panel.GetParent(), title, prompt, name);
        if (dialog.DoModal() != IDOK) return;
        name = dialog.m_strText;
    } while (!ValidateName(m_panel, name));
    const int result = m_panel.CreateFolder(m_panel.MakePath(m_panel.m_strPath, name));
    if (result == 0) {
        CFtpFileList::AddOrUpdateEntry(&m_panel, IMG_FOLDER, name, LoadResourceString(IDS_DIR), 0);
        if (m_panel.m_pOwner != nullptr) SyncOtherPanel(*m_panel.m_pOwner);
    } else if (result != -4) {
        ShowError(Owner(), IDS_CANNOT_CREATE_FOLDER, "", "");
    }
}
