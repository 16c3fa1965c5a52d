#include "ftp_remote_file_list.h"

#include <memory>
#include <vector>

#include "file_time.h"
#include "ftp_panel_owner.h"
#include "ftp_session.h"
#include "message_boxes.h"
#include "module.h"
#include "resource.h"
#include "session_ops.h"
#include "size_text.h"
#include "time_text.h"
#include "wait_cursor.h"

namespace {

// The folder the server reports after a failed change can be long; the
// panel takes it whole.
constexpr int kReportedFolderSize = 65535;

}  // namespace

int CFtpRemoteFileList::ShowFailure(int code) const {
    if (code == 0) return 0;
    FtpSession& session = TheSession();
    // A stop is the user's own doing: no box.
    if (code == -4) return -4;
    ShowResultError(OwnerWindow(), code, session.LastMessage());
    session.ClearLastMessage();
    if (!session.Client().IsConnected() && m_pOwner != nullptr) m_pOwner->SessionLost();
    return -4;
}

BOOL CFtpRemoteFileList::GetParentPath(std::string& path) {
    if (!m_bRemote) return CFtpFileList::GetParentPath(path);
    // "/" is never the second byte of a double-byte character: a plain search is safe.
    const size_t last = path.rfind('/');
    if (path == "/" || last == std::string::npos) return FALSE;
    path.resize(last);
    if (path.empty()) path = "/";
    return TRUE;
}

std::string CFtpRemoteFileList::MakePath(const std::string& folder, const std::string& name) {
    if (!m_bRemote) return CFtpFileList::MakePath(folder, name);
    if (folder.empty() || folder.back() != '/') return folder + "/" + name;
    return folder + name;
}

void CFtpRemoteFileList::ReadFolder() {
    if (!m_bRemote) {
        CFtpFileList::ReadFolder();
        return;
    }
    const SizeTexts texts = {LoadResourceString(IDS_DIR), LoadResourceString(IDS_LINK)};
    CWaitCursor wait;
    m_bSpaceAsked = FALSE;
    std::vector<char> reported(kReportedFolderSize + 1, '\0');
    const int changed = ChangeRemoteDir(m_strPath.c_str(), reported.data(), kReportedFolderSize);
    if (changed != 0) {
        ShowFailure(changed);
        // Cannot connect, stopped, or the connection is gone: the panel
        // stays as it is (a listing would only fail once more).
        if (changed == -10 || changed == -4 || !TheSession().Client().IsConnected()) {
            m_strPath = m_strPrevPath;
            return;
        }
        if (reported[0] != '\0') {
            m_strPath = reported.data();
            if (m_pPathCombo != nullptr && m_pPathCombo->m_hWnd != nullptr)
                m_pPathCombo->SetCurSel(m_pPathCombo->FindStringExact(-1, m_strPath));
        }
    }
    m_bListed = TRUE;
    if (m_pPathCombo != nullptr && m_pPathCombo->m_hWnd != nullptr) m_pPathCombo->SetWindowText(m_strPath);
    const int listed = ReadRemoteListing(nullptr);
    if (listed != 0) {
        ShowFailure(listed);  // the previous rows stay
        return;
    }
    DeleteAllItems();
    FreeEntries();
    SYSTEMTIME utcNow;
    GetSystemTime(&utcNow);
    const int count = GetRemoteEntryCount();
    m_entries.reserve(static_cast<size_t>(count > 0 ? count : 0) + 1);
    bool parentListed = false;
    CUT_DIRINFO record;
    for (int i = 0; i < count; ++i) {
        if (GetRemoteEntry(i, &record) != 0) continue;
        AddRemoteEntry(record, texts, utcNow, &parentListed);
    }
    if (m_strPath != "/" && !parentListed) {
        auto parent = std::make_unique<FileEntry>();
        parent->nImage = IMG_PARENT;
        parent->strName = "..";
        parent->strSize = texts.folder;
        parent->ftModified = StartOfUtcDay(utcNow);
        parent->strModified = FormatTimeText(parent->ftModified);
        m_entries.push_back(parent.release());
    }
}

void CFtpRemoteFileList::AddRemoteEntry(const CUT_DIRINFO& record, const SizeTexts& texts,
                                        const SYSTEMTIME& utcNow, bool* parentListed) {
    const std::string name = record.fileName;
    auto entry = std::make_unique<FileEntry>();
    if (record.fileType == kDirEntryFile) {
        GetFileIcon(name, entry.get());
        entry->nSize = record.fileSize64;
        entry->strSize = FormatSizeText(record.fileSize64);
    } else {
        if (name == ".") return;
        // One parent row at most, and none at the root: "/" has no parent.
        if (name == "..") {
            if (*parentListed || m_strPath == "/") return;
            *parentListed = true;
        }
        entry->nImage = name == ".." ? IMG_PARENT : record.fileType == kDirEntryLink ? IMG_LINK : IMG_FOLDER;
        entry->strSize = entry->nImage == IMG_LINK ? texts.link : texts.folder;
    }
    const ListedTime time = LocalListedTime(record, utcNow, GetClockOffset());
    entry->ftModified = time.local;
    entry->nTimeUnit = time.unit;
    entry->strModified = FormatTimeText(entry->ftModified);
    entry->strName = name;
    m_entries.push_back(entry.release());
}

int CFtpRemoteFileList::CreateFolder(const std::string& path) {
    if (!m_bRemote) return CFtpFileList::CreateFolder(path);
    return ShowFailure(MakeRemoteDir(path.c_str()));
}

int CFtpRemoteFileList::RemoveFile(const std::string& path) {
    if (!m_bRemote) return CFtpFileList::RemoveFile(path);
    CWaitCursor wait;
    return ShowFailure(RemoveRemoteFile(path.c_str()));
}

int CFtpRemoteFileList::RenameItem(const std::string& oldPath, const std::string& newPath) {
    if (!m_bRemote) return CFtpFileList::RenameItem(oldPath, newPath);
    CWaitCursor wait;
    return ShowFailure(RenameRemote(oldPath.c_str(), newPath.c_str()));
}

int CFtpRemoteFileList::PutFile(const std::string& source, const std::string& target) {
    if (!m_bRemote) return CFtpFileList::PutFile(source, target);
    // Asked once between two listings, for the first upload whose file name
    // holds a blank: many servers and browsers refuse such names.
    const size_t slash = FindLastCharacter(source, '\\', m_leadBytes);
    if (slash != std::string::npos && !m_bSpaceAsked) {
        if (source.find(' ', slash) != std::string::npos &&
            AskQuestion(OwnerWindow(), IDS_ASK_SPACES, "", "", MB_OKCANCEL) != IDOK)
            return -4;
        m_bSpaceAsked = TRUE;
    }
    const int r = UploadFile(source.c_str(), target.c_str());
    return r == -4 ? -4 : ShowFailure(r);
}

int CFtpRemoteFileList::GetFile(const std::string& target, const std::string& source) {
    if (!m_bRemote) return CFtpFileList::GetFile(target, source);
    const int r = DownloadFile(target.c_str(), source.c_str());
    return r == -4 ? -4 : ShowFailure(r);
}
