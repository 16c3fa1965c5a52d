// The folder trees of a transfer. Names listed by a server are never trusted
// as local names: a name that could leave the target folder or land on a
// device or another file is skipped with a note in the log. Links are not
// followed on either side: what they point to may hold the tree itself.
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
        // As the folder size: a linked folder or junction is left out.
        constexpr DWORD kLinkedFolder = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
        if ((found.dwFileAttributes & kLinkedFolder) == kLinkedFolder) continue;
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

// The download's side of the walk over the site: names taken as the target
// side's local names, each folder made before its content, each file
// fetched and given the time the server lists for it.
class CFtpTransfer::DownloadVisitor : public CFtpRemoteFileList::ITreeVisitor {
public:
    DownloadVisitor(CFtpTransfer& transfer, CFtpFileList& target, const std::string& folder)
        : m_transfer(transfer), m_target(target), m_folders{folder}, m_offset(GetClockOffset()) {
        GetSystemTime(&m_utcNow);  // once a walk: it only places listed dates without a year
    }
    bool Accepts(const std::string& name) override { return IsSafeLocalName(name, m_target.m_leadBytes); }
    bool EnterFolder(const CUT_DIRINFO& record) override {
        m_folders.push_back(m_target.MakePath(m_folders.back(), record.fileName));
        CreateDirectoryA(m_folders.back().c_str(), nullptr);
        return true;
    }
    void LeaveFolder() override { m_folders.pop_back(); }
    int File(const std::string& path, const CUT_DIRINFO& record) override {
        const std::string local = m_target.MakePath(m_folders.back(), record.fileName);
        m_transfer.NextFile();
        if (m_transfer.StopAsked()) return -4;
        const int r = m_transfer.m_source.GetFile(local, path);
        if (r == 0) SetLocalFileTime(local.c_str(), LocalListedTime(record, m_utcNow, m_offset).local);
        return r;
    }

private:
    CFtpTransfer& m_transfer;
    CFtpFileList& m_target;
    std::vector<std::string> m_folders;  // the local folder of each folder entered
    int64_t m_offset;
    SYSTEMTIME m_utcNow = {};
};

bool CFtpTransfer::DownloadTree(const std::string& targetFolder, const std::string& sourceFolder,
                                CFtpFileList& target) {
    auto* site = dynamic_cast<CFtpRemoteFileList*>(&m_source);
    if (site == nullptr) return false;
    DownloadVisitor visitor(*this, target, targetFolder);
    // The delete's note names any walk stopped in a tree that contains itself.
    return site->VisitTree(sourceFolder, visitor, IDS_LOG_DELETE_STOPPED) == 0;
}
