#include "transfer.h"

#include <climits>

#include "ftp_panel_owner.h"
#include "ftp_session.h"
#include "listed_time.h"
#include "message_boxes.h"
#include "resource.h"
#include "session_ops.h"
#include "transfer_stop.h"

namespace {

constexpr uint64_t kBytesPerStep = 256;  // the bar counts in units of 256 bytes

}  // namespace

HWND CFtpTransfer::Owner() const {
    return m_source.m_pOwner != nullptr ? m_source.m_pOwner->GetOwnerWindow() : m_source.GetParent();
}

// Files by the digits of their size texts (separators skipped), folders by
// what the source side sums up; the parent entry and links add nothing.
uint64_t CFtpTransfer::SelectionBytes(int first, int last) {
    uint64_t total = 0;
    for (int row = first; row <= last; ++row) {
        FileEntry* entry = m_source.EntryAt(row);
        if (!Selected(row) || entry == nullptr || entry->nImage == IMG_UNDER_CONSTRUCTION) continue;
        if (entry->nImage == IMG_FOLDER) {
            uint64_t folder = 0;
            m_source.GetFolderSize(m_source.MakePath(m_source.m_strPath, entry->strName), folder);
            total += folder;
        } else if (!IsFolderLike(entry->nImage)) {
            int64_t size = 0;
            ParseDigits(entry->strSize.c_str(), &size);
            total += static_cast<uint64_t>(size);
        }
    }
    return total;
}

bool CFtpTransfer::StopAsked() const { return m_pStop != nullptr && m_pStop->Stopped(); }

void CFtpTransfer::NextFile() const {
    if (m_pStop != nullptr) m_pStop->NextFile();
}

void CFtpTransfer::ShowRow(int row, FileEntry* entry) {
    m_source.EnsureVisible(row, FALSE);
    m_window.Feedback().ShowTransferProgress(0, 0);
    if (m_pStop != nullptr) m_pStop->NextRow();
    m_source.ShowEntryStatus(entry);
}

void CFtpTransfer::TransferSelection(int first, int last, CFtpFileList& target, bool dropped) {
    const int selected = static_cast<int>(m_source.GetSelectedCount());
    const int rows = m_source.GetItemCount();
    if (first < 0 || first >= rows || last < 0 || last >= rows || selected <= 0 || &target == &m_source) return;
    if (!dropped && !m_source.m_bDragging &&
        AskQuestion(Owner(), IDS_ASK_TRANSFER, std::to_string(selected), target.m_strPath, MB_OKCANCEL) != IDOK) {
        m_source.SetFocus();
        return;
    }
    m_window.SetBusy(true);
    m_source.m_bCancel = FALSE;
    // Every stop the user asks for during the operation, inside a transfer
    // or between the files of a tree, ends the whole operation.
    CTransferStopLatch stop(m_window.Feedback());
    m_pStop = &stop;
    const uint64_t steps = SelectionBytes(first, last) / kBytesPerStep;
    HWND owner = Owner();
    // Under 256 bytes the range ends (0) below its start (1): no percentage.
    SendDlgItemMessageA(owner, IDC_PROGRESS, PBM_SETRANGE32, 1, static_cast<LPARAM>(steps > INT_MAX ? INT_MAX : steps));
    SendDlgItemMessageA(owner, IDC_PROGRESS, PBM_SETSTEP, 1, 0);
    SendDlgItemMessageA(owner, IDC_PROGRESS, PBM_SETPOS, 0, 0);
    for (int row = first; !m_source.m_bCancel && row <= last; ++row) {
        ::InvalidateRect(GetDlgItem(owner, IDC_STOP), nullptr, TRUE);
        ::RedrawWindow(GetDlgItem(owner, IDC_HINT_GROUP), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        FileEntry* entry = m_source.EntryAt(row);
        if (Selected(row) && entry != nullptr && entry->nImage != IMG_UNDER_CONSTRUCTION) {
            if (entry->nImage == IMG_FOLDER) {
                ShowRow(row, entry);
                TransferFolder(row, target);
            } else if (!IsFolderLike(entry->nImage)) {
                ShowRow(row, entry);
                if (!TransferFile(row, target)) row = last;
            }
        }
        stop.Flush();
        const bool pumped = m_window.Feedback().PumpMessages(GetDlgItem(owner, IDC_STOP));
        m_source.m_bCancel = pumped || stop.Stopped();
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
    if (result != -4) ShowError(Owner(), IDS_CANNOT_TRANSFER, sourcePath, "");
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

bool CFtpTransfer::TransferFolder(int row, CFtpFileList& target) {
    FileEntry* entry = m_source.EntryAt(row);
    if (entry == nullptr) return true;
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
        return true;
    }
    CFtpFileList::AddOrUpdateEntry(&target, entry->nImage, entry->strName, entry->strSize, 0);
    return true;
}
