#include "ftp_file_list.h"

#include <cstdio>
#include <cstring>

#include "wait_cursor.h"

namespace {

// A nonzero failure result: the system's error, never 0 and never the -4
// that means "stopped or already reported".
int Failure() {
    const DWORD error = GetLastError();
    return error != 0 ? static_cast<int>(error) : 1;
}

bool IsDots(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// Links, junctions and other reparse points are never entered: what they
// point to is not part of the tree being deleted or measured.
bool IsLink(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

// Removes the link itself. A reparse point that is a folder with contents
// of its own (a placeholder rather than a link) cannot be removed this way
// and stops the delete instead of being emptied.
int RemoveLink(const std::string& path, DWORD attributes) {
    const BOOL removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryA(path.c_str()) : DeleteFileA(path.c_str());
    return removed ? 0 : Failure();
}

// Whether two paths name the same file (hard links and other spellings
// included), so that a copy onto itself is refused before it can truncate.
bool IsSameFile(const std::string& a, const std::string& b) {
    auto identify = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const bool known = GetFileInformationByHandle(file, &info) != FALSE;
        CloseHandle(file);
        return known;
    };
    BY_HANDLE_FILE_INFORMATION first, second;
    if (!identify(a, first) || !identify(b, second)) return false;
    return first.dwVolumeSerialNumber == second.dwVolumeSerialNumber && first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
}

int CopyOneFile(const std::string& source, const std::string& target) {
    CWaitCursor wait;
    if (IsSameFile(source, target)) return ERROR_ALREADY_EXISTS;
    return CopyFileA(source.c_str(), target.c_str(), FALSE) ? 0 : Failure();
}

}  // namespace

int CFtpFileList::CreateFolder(const std::string& path) {
    CWaitCursor wait;
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, TRUE};
    return CreateDirectoryA(path.c_str(), &security) ? 0 : Failure();
}

int CFtpFileList::RemoveFile(const std::string& path) {
    CWaitCursor wait;
    return DeleteFileA(path.c_str()) ? 0 : Failure();
}

int CFtpFileList::RemoveFolder(const std::string& path) {
    CWaitCursor wait;
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (IsLink(attributes)) return RemoveLink(path, attributes);  // a selected link goes as a link
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(MakePath(path, "*.*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (IsDots(found.cFileName)) continue;
            const std::string inner = MakePath(path, found.cFileName);
            int result = 0;
            if (IsLink(found.dwFileAttributes)) {
                result = RemoveLink(inner, found.dwFileAttributes);
            } else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                result = RemoveFolder(inner);
            } else {
                // No attribute is changed first: a read-only file stops the delete.
                result = DeleteFileA(inner.c_str()) ? 0 : Failure();
            }
            if (result != 0) {
                FindClose(search);
                return result;  // what was not reached stays
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(path.c_str()) ? 0 : Failure();
}

int CFtpFileList::RenameItem(const std::string& oldPath, const std::string& newPath) {
    CWaitCursor wait;
    // The runtime's rename never replaces an existing entry.
    return std::rename(oldPath.c_str(), newPath.c_str()) == 0 ? 0 : Failure();
}

int CFtpFileList::PutFile(const std::string& source, const std::string& target) { return CopyOneFile(source, target); }

// Never reached through the file operations (they get only from the site);
// it copies in the direction the remote panel's arguments name: source to target.
int CFtpFileList::GetFile(const std::string& target, const std::string& source) { return CopyOneFile(source, target); }

void CFtpFileList::GetFolderSize(const std::string& folder, uint64_t& total) {
    if (IsLink(GetFileAttributesA(folder.c_str()))) return;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(MakePath(folder, "*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (IsDots(found.cFileName)) continue;
        if (IsLink(found.dwFileAttributes) && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            GetFolderSize(MakePath(folder, found.cFileName), total);
        } else {
            total += (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}
