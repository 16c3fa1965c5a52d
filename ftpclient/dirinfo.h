// One remote directory entry, as the listing parser produces it and as the
// client hands it out through CUT_FTPClient::GetDirEntry.
#pragma once

#include <cstdint>

struct CUT_DIRINFO {
    char fileName[256];    // NUL-terminated, cut at 255 bytes
    int32_t fileSize;      // clamped to 2^31-1; fileSize64 holds the real value
    int32_t day;           // 1..31
    int32_t month;         // 1..12, or 0 when the listing gives none
    int32_t year;          // four digits, or 0 when the listing gives none
    int32_t hour;          // 0..24 (24 only if a server writes it so)
    int32_t minute;        // 0..59
    int32_t fileType;      // 0 file, 1 folder, 2 link
    int64_t fileSize64;    // full size, also above 2 GiB
    int32_t second = 0;     // 0..59, given only with kTimeSeconds
    int32_t timeFlags = 0;  // DirTimeFlags
};

// How the listed time is to be read. Without flags it is the server's own
// clock to the minute (LIST); fact listings give UTC with seconds.
enum DirTimeFlags : int32_t {
    kTimeSeconds = 1,  // `second` is given: the time is exact to the second
    kTimeUtc = 2,      // the time is UTC, not the server's local clock
};

enum DirEntryType : int32_t {
    kDirEntryFile = 0,
    kDirEntryFolder = 1,
    kDirEntryLink = 2,
};
