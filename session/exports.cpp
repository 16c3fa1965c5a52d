// The exported FTP functions: each one only guards its operation (see
// session_ops.h). The guard keeps two promises to hosts:
// - no exception ever leaves the library (it becomes -15, a general error);
// - one call at a time: messages are pumped during transfers and dialogs,
//   so a host's window code can call in again while a call is running.
//   Commands of the second call would interleave with the first's on the one
//   control connection, so it is refused with FTP_RESULT_BUSY and leaves the
//   running call and the last message alone.
#include <atomic>

#include "ftp_result.h"
#include "ravoFtp.h"
#include "session_ops.h"

namespace {

std::atomic<bool> g_running{false};
// The security of the hosts' next connections (FTP_SetSecurity). Plain FTP
// until a host asks for more, so that existing hosts change nothing.
std::atomic<int> g_hostSecurity{FTP_SECURITY_PLAIN};

template <typename Work>
int RunExport(Work&& work) {
    if (g_running.exchange(true)) return FTP_RESULT_BUSY;
    int result = ftp::kGeneralError;
    try {
        result = work();
    } catch (...) {
        result = ftp::kGeneralError;
    }
    g_running = false;
    return result;
}

}  // namespace

extern "C" {

int WINAPI FTP_Connect(HWND parent, LPCSTR host, LPCSTR user, LPCSTR password, int port, int timeout,
                       LPCSTR firewallType, LPCSTR firewallHost, int firewallPort, LPCSTR firewallUser,
                       LPCSTR firewallPassword, int passive) {
    return RunExport([&] {
        return ConnectSession(parent, host, user, password, port, timeout, firewallType, firewallHost, firewallPort,
                              firewallUser, firewallPassword, passive, g_hostSecurity);
    });
}

int WINAPI FTP_Open(HWND parent, LPCSTR host, LPCSTR user, LPCSTR password, int port, int timeout) {
    return RunExport([&] {
        return ConnectSession(parent, host, user, password, port, timeout, "none", nullptr, 0, nullptr, nullptr, 0,
                              g_hostSecurity);
    });
}

int WINAPI FTP_Close() {
    return RunExport([] { return CloseSession(); });
}

int WINAPI FTP_List(LPCSTR templateText, LPSTR folderText, int folderSize, LPSTR fileText, int fileSize) {
    return RunExport([&] { return ListFolderText(templateText, folderText, folderSize, fileText, fileSize); });
}

int WINAPI FTP_ChangeDir(LPCSTR path, LPSTR folder, int folderSize) {
    return RunExport([&] { return ChangeRemoteDir(path, folder, folderSize); });
}

int WINAPI FTP_MakeDir(LPCSTR path) {
    return RunExport([&] { return MakeRemoteDir(path); });
}

int WINAPI FTP_RemoveDir(LPCSTR path) {
    return RunExport([&] { return RemoveRemoteDir(path); });
}

int WINAPI FTP_RemoveFile(LPCSTR path) {
    return RunExport([&] { return RemoveRemoteFile(path); });
}

int WINAPI FTP_GetFile(LPCSTR localPath, LPCSTR remotePath) {
    return RunExport([&] { return DownloadFile(localPath, remotePath); });
}

int WINAPI FTP_PutFile(LPCSTR localPath, LPCSTR remotePath) {
    return RunExport([&] { return UploadFile(localPath, remotePath); });
}

int WINAPI FTP_Rename(LPCSTR oldPath, LPCSTR newPath) {
    return RunExport([&] { return RenameRemote(oldPath, newPath); });
}

int WINAPI FTP_SendFile(LPCSTR localPath, LPCSTR remoteName) {
    return RunExport([&] { return UploadHere(localPath, remoteName); });
}

int WINAPI FTP_ReceiveFile(LPCSTR localPath, LPCSTR remoteName) {
    return RunExport([&] { return DownloadHere(localPath, remoteName); });
}

// Sends nothing and touches no connection: allowed at any time, it takes
// effect from the next FTP_Connect or FTP_Open.
int WINAPI FTP_SetSecurity(int security) {
    if (security < FTP_SECURITY_PLAIN || security > FTP_SECURITY_REQUIRED) return ftp::kBadArgument;
    g_hostSecurity = security;
    return ftp::kOk;
}

// Only reads the kept message and sends nothing: allowed during another
// call, so that a host's progress handler can show the server's last words.
int WINAPI FTP_GetLastMessage(LPSTR buffer, int size) {
    try {
        return CopyLastMessageTo(buffer, size);
    } catch (...) {
        return ftp::kGeneralError;
    }
}

}  // extern "C"
