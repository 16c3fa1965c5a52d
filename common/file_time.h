// FILETIME as a 64-bit count of 100 ns steps, and the local time of now.
#pragma once

#include <windows.h>

#include <cstdint>

inline int64_t FileTimeToInt64(const FILETIME& time) {
    return static_cast<int64_t>((static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

inline FILETIME FileTimeFromInt64(int64_t time) {
    const auto bits = static_cast<uint64_t>(time);
    return FILETIME{static_cast<DWORD>(bits), static_cast<DWORD>(bits >> 32)};
}

// Local time as the panels show it: the system clock with the current
// offset from UTC applied.
inline FILETIME LocalNow() {
    FILETIME utc;
    GetSystemTimeAsFileTime(&utc);
    FILETIME local = utc;
    FileTimeToLocalFileTime(&utc, &local);
    return local;
}
