#include "listed_time.h"

#include <cstdio>

#include "file_time.h"
#include "ftp_session.h"
#include "remote_time.h"

namespace {

bool HasUtcDate(const CUT_DIRINFO& r) {
    return (r.timeFlags & kTimeUtc) != 0 && r.year > 1601 && r.year < 30000 && r.month >= 1 && r.month <= 12 &&
           r.day >= 1 && r.day <= 31 && r.hour >= 0 && r.hour <= 24 && r.minute >= 0 && r.minute < 60 &&
           r.second >= 0 && r.second < 60;
}

}  // namespace

FILETIME StartOfUtcDay(SYSTEMTIME today) {
    today.wHour = today.wMinute = today.wSecond = today.wMilliseconds = 0;
    FILETIME time = {};
    SystemTimeToFileTime(&today, &time);
    return time;
}

FILETIME RemoteListedTime(const CUT_DIRINFO& record, const SYSTEMTIME& utcNow) {
    SYSTEMTIME t = utcNow;
    t.wSecond = t.wMilliseconds = 0;
    if (record.year > 0 && record.year < 30828) t.wYear = static_cast<WORD>(record.year);
    if (record.month > 0 && record.month <= 12) t.wMonth = static_cast<WORD>(record.month);
    t.wDay = static_cast<WORD>(record.day > 0 && record.day <= 31 ? record.day : 1);
    t.wHour = static_cast<WORD>(record.hour > 0 && record.hour < 24 ? record.hour : 0);
    t.wMinute = static_cast<WORD>(record.minute > 0 && record.minute < 60 ? record.minute : 0);
    FILETIME time = {};
    if (!SystemTimeToFileTime(&t, &time)) return StartOfUtcDay(utcNow);
    return time;
}

ListedTime LocalListedTime(const CUT_DIRINFO& record, const SYSTEMTIME& utcNow, int64_t clockOffset) {
    if (HasUtcDate(record)) {
        const FILETIME utc = FileTimeFromInt64(remote_time::FromCalendar(record.year, record.month, record.day,
                                                                         record.hour, record.minute, record.second));
        FILETIME local = utc;
        FileTimeToLocalFileTime(&utc, &local);
        return {local, remote_time::UnitOf(record.timeFlags)};
    }
    const FILETIME listed = RemoteListedTime(record, utcNow);
    // A year and no time of day: a file older than six months, listed by its
    // date, which an offset of hours would move to another day.
    if (record.year > 0 && record.minute == 0 && (record.hour == 0 || record.hour == 24))
        return {listed, remote_time::kDay};
    return {FileTimeFromInt64(FileTimeToInt64(listed) + clockOffset), remote_time::kMinute};
}

CUT_DIRINFO WithTime(const CUT_DIRINFO& record, const FILETIME& time) {
    CUT_DIRINFO copy = record;
    SYSTEMTIME t;
    if (!FileTimeToSystemTime(&time, &t)) return copy;
    copy.year = t.wYear, copy.month = t.wMonth, copy.day = t.wDay;
    copy.hour = t.wHour, copy.minute = t.wMinute, copy.second = t.wSecond;
    return copy;
}

int KeepRemoteFileTime(const char* localPath, const char* remotePath) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    SYSTEMTIME t;
    if (!GetFileAttributesExA(localPath, GetFileExInfoStandard, &data) ||
        !FileTimeToSystemTime(&data.ftLastWriteTime, &t))
        return -3;
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04u%02u%02u%02u%02u%02u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
    FtpSession& session = TheSession();
    const int r = session.Client().SetFileTime(remotePath, stamp);
    if (r != 0) session.ClearLastMessage();
    return r;
}

bool SetLocalFileTime(const char* localPath, const FILETIME& local) {
    FILETIME utc;
    if (!LocalFileTimeToFileTime(&local, &utc)) return false;
    const HANDLE file = CreateFileA(localPath, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool set = SetFileTime(file, nullptr, nullptr, &utc) != FALSE;
    CloseHandle(file);
    return set;
}
