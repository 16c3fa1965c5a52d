// The local time a listing entry stands for, shared by the remote panel and
// FTP_List so that hosts and users see the same times.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dirinfo.h"

// Midnight at the start of `today`'s date, as a FILETIME.
FILETIME StartOfUtcDay(SYSTEMTIME today);

// The time a listed entry shows (before the server's clock offset): what
// the listing leaves out (year or month 0) is taken from `utcNow`, day 0 is
// the first, hour 24 is midnight; a date the calendar does not have gives
// today at midnight. Listed times count as local time.
FILETIME RemoteListedTime(const CUT_DIRINFO& record, const SYSTEMTIME& utcNow);

// A local time and the unit (100 ns steps) it is exact to.
struct ListedTime {
    FILETIME local;
    int64_t unit;
};

// UTC times with seconds (fact listings) are converted to local time as
// they are; times on the server's own clock (LIST) are RemoteListedTime
// plus the clock offset (whole minutes, or whole seconds where the probe
// read the server's seconds), exact to the minute that starts there; LIST
// dates without a time of day are exact to the day, offset not applied.
ListedTime LocalListedTime(const CUT_DIRINFO& record, const SYSTEMTIME& utcNow, int64_t clockOffset);

// `record` with its date and time fields replaced by `time` (to the minute).
CUT_DIRINFO WithTime(const CUT_DIRINFO& record, const FILETIME& time);

// Gives the uploaded `remotePath` the last-write time of `localPath`: 0, or
// a result code (-29: the server takes no times; the file keeps the
// upload's). A refusal leaves no last message behind.
int KeepRemoteFileTime(const char* localPath, const char* remotePath);

// Gives a downloaded file the local time `local` as its last-write time.
bool SetLocalFileTime(const char* localPath, const FILETIME& local);
