// The folder trees of a transfer. Names listed by a server are never trusted
// as local names: a name that could leave the target folder or land on a
// device or another file is skipped with a note in the log.
#include <cstring>

#include "ftp_remote_file_list.h"
#include "ftp_session.h"
#include "listed_time.h"
#include "message_text.h"
#include "module.h"
#include "resource.h"
#include "session_ops.h"
#include "transfer.h"

namespace {

constexpr int kFolderBufferSize = 4096;

bool IsDots(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// CON, NUL.txt, "com1 .log": Windows opens the device whatever follows the
// name's first dot, and drops the blanks before it.
bool IsDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = UpperAscii(c);
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"})
        if (base == device) return true;
    if (base.size() != 4 || (base.compare(0, 3, "COM") != 0 && base.compare(0, 3, "LPT") != 0)) return false;
    const unsigned char digit = static_cast<unsigned char>(base[3]);
    // The superscript digits of the Western code page name the ports too.
    return (digit >= '0' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3;
}

}  // namespace

void NoteSkippedName(const std::string& name, const std::string& folder) {
    TheSession().LogText(InsertTexts(LoadResourceString(IDS_LOG_SKIPPED_NAME), name, folder));
}

bool IsSafeLocalName(const std::string& name, const LeadBytes& lead) {
    if (name.empty() || name == "." || name == "..") return false;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (lead[c] && i + 1 < name.size()) {
            ++i;  // the second byte of a character is no separator
        } else if (c < 32 || std::strchr("\\/:*?\"<>|", c) != nullptr) {
            return false;
        }
    }
    // Windows drops a trailing dot or blank: the file would be another one.
    return name.back() != '.' && name.back() != ' ' && !IsDeviceName(name);
}

// The session's make-folder call on the site (an existing folder only
// fails it, and is then used as it is); the local panel's own otherwise.
int CFtpTransfer::MakeTargetFolder(CFtpFileList& target, const std::string& path) const {
    return target.m_bRemote ? MakeRemoteDir(path.c_str()) : target.CreateFolder(path);
}

bool CFtpTransfer::UploadTree(const std::string& targetFolder, const std::string& sourceFolder,
                              CFtpFileList& target) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(m_source.MakePath(sourceFolder, "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return true;
    bool copied = true;
    do {
        if (IsDots(found.cFileName)) continue;
        const std::string childSource = m_source.MakePath(sourceFolder, found.cFileName);
        const std::string childTarget = target.MakePath(targetFolder, found.cFileName);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            MakeTargetFolder(target, childTarget);
            copied = UploadTree(childTarget, childSource, target);
        } else {
            NextFile();
            copied = !StopAsked() && target.PutFile(childSource, childTarget) == 0;
            if (copied && target.m_bRemote) KeepRemoteFileTime(childSource.c_str(), childTarget.c_str());
        }
    } while (copied && FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}

bool CFtpTransfer::DownloadTree(const std::string& targetFolder, const std::string& sourceFolder,
                                CFtpFileList& target) {
    std::string saved;
    if (GetRemoteCurrentDir(&saved) != 0) return false;
    const int copied = DownloadFolder(sourceFolder, targetFolder, target, 0);
    // The session's listing is the remote panel's folder's once more.
    std::vector<char> reported(kFolderBufferSize + 1, '\0');
    ChangeRemoteDir(saved.c_str(), reported.data(), kFolderBufferSize);
    ReadRemoteListing(nullptr);
    return copied != 0;
}

// The folder's records, copied before any recursion: the walk replaces the
// session's listing. A folder that cannot be entered or listed gives none.
int CFtpTransfer::KeepFolderRecords(const std::string& remote, std::vector<CUT_DIRINFO>* records) {
    std::vector<char> reported(kFolderBufferSize + 1, '\0');
    const int changed = ChangeRemoteDir(remote.c_str(), reported.data(), kFolderBufferSize);
    if (changed != 0 || ReadRemoteListing(nullptr) != 0) return changed;
    const int count = GetRemoteEntryCount();
    CUT_DIRINFO record;
    for (int i = 0; i < count; ++i) {
        if (GetRemoteEntry(i, &record) != 0 || IsDots(record.fileName)) continue;
        if (IsSafeLocalName(record.fileName, m_source.m_leadBytes)) {
            records->push_back(record);
        } else {
            NoteSkippedName(record.fileName, remote);
        }
    }
    return 0;
}

int CFtpTransfer::DownloadFolder(const std::string& remote, const std::string& local, CFtpFileList& target,
                                 int depth) {
    // Deeper than this is a server whose folders contain themselves.
    if (depth > CFtpRemoteFileList::kMaxDepth || StopAsked()) return 0;
    std::vector<CUT_DIRINFO> records;
    const int kept = KeepFolderRecords(remote, &records);
    if (kept != 0) return kept == -4 ? 0 : kept;  // not entered: passed over, unless stopped
    for (const CUT_DIRINFO& record : records) {
        const std::string childRemote = m_source.MakePath(remote, record.fileName);
        const std::string childLocal = target.MakePath(local, record.fileName);
        if (record.fileType == kDirEntryFolder) {
            CreateDirectoryA(childLocal.c_str(), nullptr);
            if (DownloadFolder(childRemote, childLocal, target, depth + 1) == 0) return 0;
        } else if (NextFile(), StopAsked() || m_source.GetFile(childLocal, childRemote) != 0) {
            return 0;
        } else {
            SYSTEMTIME utcNow;
            GetSystemTime(&utcNow);
            SetLocalFileTime(childLocal.c_str(), LocalListedTime(record, utcNow, GetClockOffset()).local);
        }
    }
    return 1;
}
