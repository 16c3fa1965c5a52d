// Remote path operations: change, make and remove folders, delete and
// rename, and the two helpers every remote operation shares.
#include <algorithm>
#include <cstring>
#include <string>

#include "ftp_result.h"
#include "ftp_session.h"
#include "ravoFtp.h"
#include "session_ops.h"
#include "wait_cursor.h"

namespace {

std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

std::string RemoteText(const char* text) {
    std::string path = Text(text);
    ToRemotePath(path);
    return path;
}

// The part after the last "/", or the whole text.
std::string BareName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int CopyAfter(int result) {
    TheSession().CopyLastMessage();
    return result;
}

}  // namespace

size_t BufferRoom(int size) {
    if (size <= 0) return 0;
    const size_t low = static_cast<size_t>(size) & 0xFFFF;
    return low != 0 ? low : 0xFFFF;
}

void ToRemotePath(std::string& path) { std::replace(path.begin(), path.end(), '\\', '/'); }

int GetRemoteCurrentDir(std::string* folder) {
    folder->clear();
    char buffer[256] = "";
    const int r = TheSession().Client().GetCurDir(buffer, 255);
    if (r != ftp::kOk) return r;
    folder->assign(buffer);
    ToRemotePath(*folder);
    return ftp::kOk;
}

extern "C" int WINAPI FTP_ChangeDir(LPCSTR path, LPSTR folder, int folderSize) {
    FtpSession& session = TheSession();
    int result = ftp::kOk;
    // The path goes to the server exactly as given: no separator conversion.
    if (path != nullptr && *path != '\0') result = CopyAfter(session.Client().ChDir(path));
    std::string current;
    const size_t size = BufferRoom(folderSize);
    if (GetRemoteCurrentDir(&current) == ftp::kOk && folder != nullptr && size > 0) {
        // At most size characters including the terminator: a folder name
        // as long as the buffer is cut, never written past it.
        const size_t n = std::min(current.size(), size - 1);
        std::memcpy(folder, current.data(), n);
        folder[n] = '\0';
    }
    if (result == ftp::kOk) ProbeClockOffset(false);
    return result;
}

extern "C" int WINAPI FTP_MakeDir(LPCSTR path) {
    CWaitCursor wait;
    return CopyAfter(TheSession().Client().MkDir(RemoteText(path).c_str()));
}

extern "C" int WINAPI FTP_RemoveDir(LPCSTR path) {
    const int r = CopyAfter(TheSession().Client().RmDir(RemoteText(path).c_str()));
    // A folder that is not empty is refused like any unavailable file; its
    // own message asks the user to check that the folder is empty.
    return r == ftp::kPermissionDenied ? -17 : r;
}

extern "C" int WINAPI FTP_RemoveFile(LPCSTR path) {
    return CopyAfter(TheSession().Client().DeleteFileA(RemoteText(path).c_str()));
}

extern "C" int WINAPI FTP_Rename(LPCSTR oldPath, LPCSTR newPath) {
    // Only the last elements reach the server: both names are in the
    // current folder, so a rename never moves an entry to another folder.
    const std::string from = BareName(RemoteText(oldPath));
    const std::string to = BareName(RemoteText(newPath));
    return CopyAfter(TheSession().Client().RenameFile(from.c_str(), to.c_str()));
}
