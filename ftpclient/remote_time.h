// Time arithmetic for comparing listed remote times with local file times:
// counts of 100 ns steps since 1601-01-01 (the FILETIME scale), each known
// only to the unit the server gave it in.
#pragma once

#include <cstdint>

#include "dirinfo.h"

namespace remote_time {

constexpr int64_t kSecond = 10000000;
constexpr int64_t kMinute = 60 * kSecond;
constexpr int64_t kDay = 24 * 60 * kMinute;

// Steps since 1601-01-01 00:00:00 of a calendar time (proleptic Gregorian,
// no time zone applied); month 1..12, day 1..31.
int64_t FromCalendar(int year, int month, int day, int hour, int minute, int second);

// The unit a listed time is exact to, from its DirTimeFlags.
inline int64_t UnitOf(int32_t timeFlags) { return (timeFlags & kTimeSeconds) != 0 ? kSecond : kMinute; }

// `time` cut down to a whole `unit` (towards the past, also before 1601).
int64_t Truncate(int64_t time, int64_t unit);

// -1, 0 or 1 as `a` is older, the same or newer than `b` at the coarser of
// their two units: two copies of one file listed to the minute on one side
// and to the second on the other compare equal.
int Compare(int64_t a, int64_t unitA, int64_t b, int64_t unitB);

// The measured clock offset as added to times listed to the minute: the
// probe's own seconds are part of the measure, not of the clocks' distance.
inline int64_t MinuteOffset(int64_t offset) { return Truncate(offset, kMinute); }

}  // namespace remote_time
