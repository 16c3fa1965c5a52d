// The session's operations inside the library, used by the exported
// functions (exports.cpp, which only guards them) and, later, by the file
// manager's panels. All work on TheSession() and return 0 or a result code.
// Internal callers use these, never the exports: an export called from
// inside another would be refused as a second call.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "dirinfo.h"

// ---- session_callbacks.cpp: engine callbacks -------------------------------
int OnTransferProgress(unsigned long bytes, int direction);
// Every 100 ms of a wait on the server outside file transfers: the window
// repaints and may stop the wait.
int OnServerWait();
void OnProtocolTrace(const char* text, int kind);
// Whether a trace line is the greeting of a server that cannot list a single
// file by name.
bool GreetsAsPallix(const char* text, int kind);

// ---- session_connect.cpp: opening and closing --------------------------------
// `security` is the engine's FtpSecurity (0 plain FTP, 1 TLS when the
// server offers it, 2 TLS required) and applies to this connection only:
// each connection states its own, so that the file manager's profile never
// leaks into a host's next FTP_Connect. A certificate with problems is put
// to the user over `parent`; without a parent it is refused (-35).
int ConnectSession(HWND parent, const char* host, const char* user, const char* password, int port, int timeout,
                   const char* firewallType, const char* firewallHost, int firewallPort, const char* firewallUser,
                   const char* firewallPassword, int passive, int security = 0);
int CloseSession();
int CopyLastMessageTo(char* buffer, int size);

// ---- session_paths.cpp: path helpers and path operations ---------------------
// The usable size of a host's buffer: the low 16 bits of its size, where a
// size that is a multiple of 65536 still allows 65535 bytes and a negative
// size allows none.
size_t BufferRoom(int size);
// Turns every "\" character into "/". Characters are read in `codePage`:
// the trail byte of a double-byte character may be 0x5C and stays as it is.
void ToRemotePath(std::string& path, UINT codePage = CP_ACP);
// Where the last element of `path` starts: after its last character that
// is one of `separators`, or 0.
size_t LastElementStart(const std::string& path, const char* separators, UINT codePage = CP_ACP);
// The part after the last "/" character, or the whole text.
std::string LastPathElement(const std::string& path, UINT codePage = CP_ACP);
// The current remote folder exactly as the server named it, in full.
int ReadServerCurrentDir(std::string* folder);
// The same with "/" separators; does not copy the last message.
int GetRemoteCurrentDir(std::string* folder);
int ChangeRemoteDir(const char* path, char* folder, int folderSize);
int MakeRemoteDir(const char* path);
int RemoveRemoteDir(const char* path);
int RemoveRemoteFile(const char* path);
int RenameRemote(const char* oldPath, const char* newPath);

// ---- session_listing.cpp: the held listing and FTP_List ---------------------
int ReadRemoteListing(const char* pattern);
int GetRemoteEntryCount();
int GetRemoteEntry(int index, CUT_DIRINFO* entry);
// The digits of `text` read as one decimal number (a size text back to a
// number, up to 2^63 - 1; more digits saturate).
void ParseDigits(const char* text, int64_t* number);
int ListFolderText(const char* templateText, char* folderText, int folderSize, char* fileText, int fileSize);

// ---- session_transfer.cpp: transfers and their type -------------------------
enum TransferDirection { kUpload = 1, kDownload = 2 };
// 0 ASCII, 1 binary.
int ChooseTransferType(const char* name, int direction);
int DownloadFile(const char* localPath, const char* remotePath);
int UploadFile(const char* localPath, const char* remotePath);
// The same into or from the current remote folder: -26 when the joined
// path would exceed 255 characters.
int UploadHere(const char* localPath, const char* remoteName);
int DownloadHere(const char* localPath, const char* remoteName);

// ---- clock_probe.cpp: server clock offset ------------------------------------
void ProbeClockOffset(bool force);
int64_t GetClockOffset();
