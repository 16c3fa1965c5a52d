// Remote path operations: change, make and remove folders, delete and
// rename, and the path helpers every remote operation shares.
//
// Paths are ANSI texts in the system's code page. In double-byte code pages
// (Shift-JIS and its kin) the second byte of a character may be 0x5C, the
// byte of "\": separators are therefore found character by character.
#include <string>

#include "bounded_copy.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "lead_bytes.h"
#include "session_ops.h"
#include "wait_cursor.h"

namespace {

// The size of the PWD reply the session reads: far above any real folder,
// so that a folder name is never cut into another folder's name.
constexpr int kCurrentDirLimit = 4095;

std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

std::string RemoteText(const char* text) {
    std::string path = Text(text);
    ToRemotePath(path);
    return path;
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

void ToRemotePath(std::string& path, UINT codePage) {
    const LeadBytes lead = LeadBytesOf(codePage);
    for (size_t i = 0; i < path.size(); ++i) {
        if (lead[static_cast<unsigned char>(path[i])]) {
            ++i;  // the second byte belongs to the character
        } else if (path[i] == '\\') {
            path[i] = '/';
        }
    }
}

size_t LastElementStart(const std::string& path, const char* separators, UINT codePage) {
    const LeadBytes lead = LeadBytesOf(codePage);
    size_t start = 0;
    for (const char* separator = separators; *separator != '\0'; ++separator) {
        const size_t at = FindLastCharacter(path, *separator, lead);
        if (at != std::string::npos && at + 1 > start) start = at + 1;
    }
    return start;
}

std::string LastPathElement(const std::string& path, UINT codePage) {
    return path.substr(LastElementStart(path, "/", codePage));
}

int ReadServerCurrentDir(std::string* folder) {
    folder->clear();
    std::string buffer(kCurrentDirLimit + 1, '\0');
    const int r = TheSession().Client().GetCurDir(&buffer[0], kCurrentDirLimit);
    if (r != ftp::kOk) return r;
    folder->assign(buffer.c_str());
    return ftp::kOk;
}

int GetRemoteCurrentDir(std::string* folder) {
    const int r = ReadServerCurrentDir(folder);
    if (r == ftp::kOk) ToRemotePath(*folder);
    return r;
}

// The folder text is always terminated when the host gave room for it: a
// host that asks "where am I" must never read its old buffer as the answer.
// When the change worked but the question failed (the connection dropped,
// PWD refused), the question's failure is returned.
int ChangeRemoteDir(const char* path, char* folder, int folderSize) {
    FtpSession& session = TheSession();
    int result = ftp::kOk;
    // The path goes to the server exactly as given: no separator conversion.
    if (path != nullptr && *path != '\0') result = CopyAfter(session.Client().ChDir(path));
    std::string current;
    // A stopped change asks nothing more: the user wants the wait to end.
    const int asked = result == ftp::kCancelled ? ftp::kOk : GetRemoteCurrentDir(&current);
    if (asked != ftp::kOk && result == ftp::kOk) result = CopyAfter(asked);
    const size_t room = BufferRoom(folderSize);
    // A folder name cut to fit ends before a double-byte character, never inside it.
    BoundedCopy(folder, room, current.c_str(), room > 0 ? CutLength(current, room - 1, LeadBytesOf(CP_ACP)) : 0);
    if (result == ftp::kOk) ProbeClockOffset(false);
    return result;
}

int MakeRemoteDir(const char* path) {
    CWaitCursor wait;
    return CopyAfter(TheSession().Client().MkDir(RemoteText(path).c_str()));
}

int RemoveRemoteDir(const char* path) {
    const int r = CopyAfter(TheSession().Client().RmDir(RemoteText(path).c_str()));
    // A folder that is not empty is refused like any unavailable file; its
    // own message asks the user to check that the folder is empty.
    return r == ftp::kPermissionDenied ? -17 : r;
}

int RemoveRemoteFile(const char* path) {
    return CopyAfter(TheSession().Client().DeleteFileA(RemoteText(path).c_str()));
}

int RenameRemote(const char* oldPath, const char* newPath) {
    // Only the last elements reach the server: both names are in the
    // current folder, so a rename never moves an entry to another folder.
    const std::string from = LastPathElement(RemoteText(oldPath));
    const std::string to = LastPathElement(RemoteText(newPath));
    return CopyAfter(TheSession().Client().RenameFile(from.c_str(), to.c_str()));
}
