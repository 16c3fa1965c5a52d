#include "transfer.h"

#include <climits>

#include "listed_time.h"
#include "message_boxes.h"
#include "resource.h"
#include "transfer_stop.h"

// Files by their sizes, folders by what the source side sums up; the parent
// entry and links add nothing.
uint64_t CFtpTransfer::SelectionBytes(const std::vector<int>& rows) {
    uint64_t total = 0;
    for (int row : rows) {
        FileEntry* entry = m_source.EntryAt(row);
        if (entry == nullptr || entry->nImage == IMG_UNDER_CONSTRUCTION) continue;
        if (entry->nImage == IMG_FOLDER) {
            uint64_t folder = 0;
            m_source.GetFolderSize(m_source.MakePath(m_source.m_strPath, entry->strName), folder);
            total += folder;
        } else if (!IsFolderLike(entry->nImage) && entry->nSize > 0) {
            total += static_cast<uint64_t>(entry->nSize);
        }
    }
    return total;
}

bool CFtpTransfer::StopAsked() const { return m_pStop != nullptr && m_pStop->Stopped(); }

void CFtpTransfer::NextFile() const {
    if (m_pStop != nullptr) m_pStop->NextFile();
}

bool CFtpTransfer::ShowRow(int row, FileEntry* entry) {
    HWND owner = OperationOwner(m_source);
    ::InvalidateRect(GetDlgItem(owner, IDC_STOP), nullptr, TRUE);
    ::RedrawWindow(GetDlgItem(owner, IDC_HINT_GROUP), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    m_source.EnsureVisible(row, FALSE);
    const bool stopped = m_pStop->NextRow();
    m_source.ShowEntryStatus(entry);
    return !stopped;
}

void CFtpTransfer::TransferSelection(int first, int last, CFtpFileList& target, bool dropped) {
    const int selected = static_cast<int>(m_source.GetSelectedCount());
    const int count = m_source.GetItemCount();
    if (first < 0 || first >= count || last < 0 || last >= count || selected <= 0 || &target == &m_source) return;
    HWND owner = OperationOwner(m_source);
    if (!dropped && !m_source.m_bDragging &&
        AskQuestion(owner, IDS_ASK_TRANSFER, std::to_string(selected), target.m_strPath, MB_OKCANCEL) != IDOK) {
        m_source.SetFocus();
        return;
    }
    m_window.SetBusy(true);
    m_source.m_bCancel = FALSE;
    // Every stop the user asks for during the operation, inside a transfer,
    // while folders are sized or between the files of a tree, ends the
    // whole operation.
    CTransferStopLatch stop(m_window.Feedback());
    m_pStop = &stop;
    const std::vector<int> rows = SelectedRows(m_source, first, last);
    const uint64_t steps = SelectionBytes(rows) / kBytesPerStep;
    // Under 256 bytes the range ends (0) below its start (1): no percentage.
    SetProgressRange(owner, 1, static_cast<int>(steps > INT_MAX ? INT_MAX : steps));
    SetProgressPos(owner, 0);
    for (size_t i = 0; i < rows.size() && !m_source.m_bCancel; ++i) {
        FileEntry* entry = m_source.EntryAt(rows[i]);
        const bool folder = entry != nullptr && entry->nImage == IMG_FOLDER;
        const bool file = entry != nullptr && entry->nImage != IMG_UNDER_CONSTRUCTION && !IsFolderLike(entry->nImage);
        if (!folder && !file) continue;
        if (!ShowRow(rows[i], entry)) break;
        bool goOn = true;
        if (folder) {
            TransferFolder(rows[i], target);
        } else {
            goOn = TransferFile(rows[i], target);
        }
        stop.Flush();
        const bool pumped = m_window.Feedback().PumpMessages(GetDlgItem(owner, IDC_STOP));
        m_source.m_bCancel = !goOn || pumped || stop.Stopped();
    }
    m_pStop = nullptr;
    MessageBeep(0);
    m_window.SetBusy(false);
    m_source.SetFocus();
}

bool CFtpTransfer::TransferFile(int row, CFtpFileList& target) {
    FileEntry* entry = m_source.EntryAt(row);
    if (entry == nullptr) return true;
    const std::string sourcePath = m_source.MakePath(m_source.m_strPath, entry->strName);
    const std::string targetPath = target.MakePath(target.m_strPath, entry->strName);
    if (m_source.m_bRemote && !IsSafeLocalName(entry->strName, target.m_leadBytes)) {
        NoteSkippedName(entry->strName, m_source.m_strPath);
        return true;
    }
    const int result =
        m_source.m_bRemote ? m_source.GetFile(targetPath, sourcePath) : target.PutFile(sourcePath, targetPath);
    if (result == 0) {
        const bool kept = KeepTime(sourcePath, targetPath, *entry, target);
        CFtpFileList::AddOrUpdateEntry(&target, entry->nImage, entry->strName, entry->strSize, entry->nSize,
                                       kept ? entry : nullptr);
        return true;
    }
    // -4: stopped, or the remote side has shown its message already.
    if (result != -4) ShowError(OperationOwner(m_source), IDS_CANNOT_TRANSFER, sourcePath, "");
    return false;
}

// The copy takes its original's time (a download the site's, an upload
// the local file's where the server can take it), so that the two compare
// equal afterwards. A local copy has it already: CopyFile keeps it.
bool CFtpTransfer::KeepTime(const std::string& source, const std::string& copy, const FileEntry& original,
                            const CFtpFileList& target) const {
    if (m_source.m_bRemote) return SetLocalFileTime(copy.c_str(), original.ftModified);
    return !target.m_bRemote || KeepRemoteFileTime(source.c_str(), copy.c_str()) == 0;
}

void CFtpTransfer::TransferFolder(int row, CFtpFileList& target) {
    FileEntry* entry = m_source.EntryAt(row);
    if (entry == nullptr) return;
    const std::string sourcePath = m_source.MakePath(m_source.m_strPath, entry->strName);
    const std::string targetPath = target.MakePath(target.m_strPath, entry->strName);
    if (!m_source.m_bRemote) {
        // An existing folder is simply used: its content is merged.
        MakeTargetFolder(target, targetPath);
        UploadTree(targetPath, sourcePath, target);
    } else if (IsSafeLocalName(entry->strName, target.m_leadBytes)) {
        CreateDirectoryA(targetPath.c_str(), nullptr);
        DownloadTree(targetPath, sourcePath, target);
    } else {
        NoteSkippedName(entry->strName, m_source.m_strPath);
        return;
    }
    CFtpFileList::AddOrUpdateEntry(&target, entry->nImage, entry->strName, entry->strSize, 0);
}
