// The session's operations inside the library, used by the exported
// functions and, later, by the file manager's panels. All work on
// TheSession() and return 0 or a result code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "dirinfo.h"

// ---- session_callbacks.cpp: engine callbacks -------------------------------
int OnTransferProgress(unsigned long bytes, int direction);
void OnProtocolTrace(const char* text, int kind);

// ---- session_paths.cpp: path helpers ----------------------------------------
// The usable size of a host's buffer: the low 16 bits of its size, where a
// size that is a multiple of 65536 still allows 65535 bytes and a negative
// size allows none.
size_t BufferRoom(int size);
// Turns every "\" into "/".
void ToRemotePath(std::string& path);
// The current remote folder with "/" separators; does not copy the last message.
int GetRemoteCurrentDir(std::string* folder);

// ---- session_listing.cpp: the held listing ----------------------------------
int ReadRemoteListing(const char* pattern);
int GetRemoteEntryCount();
int GetRemoteEntry(int index, CUT_DIRINFO* entry);
// The digits of `text` read as one decimal number (a size text back to a number).
void ParseDigits(const char* text, int32_t* number);

// ---- session_transfer.cpp: transfer type ------------------------------------
enum TransferDirection { kUpload = 1, kDownload = 2 };
// 0 ASCII, 1 binary.
int ChooseTransferType(const char* name, int direction);

// ---- clock_probe.cpp: server clock offset ------------------------------------
void ProbeClockOffset(bool force);
int64_t GetClockOffset();
// 1 found, 2 not in the listing, or a result code.
int FindRemoteFileTime(const char* name, FILETIME* time);
