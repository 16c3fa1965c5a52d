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
// and to the second on the other compare equal. A time known to the minute
// stands for the minute that starts at it: listed minutes moved by a clock
// offset measured to the second start anywhere within a minute.
int Compare(int64_t a, int64_t unitA, int64_t b, int64_t unitB);

// The clock offset to add to times listed to the minute, from the measured
// distance between the probe file's local time and its listed time. With
// the listed seconds known (`toTheSecond`), to the nearest second, so that
// a server clock off by part of a minute is corrected too; else in whole
// minutes, since the probe's own seconds are part of the measure, not of
// the clocks' distance.
int64_t ListedOffset(int64_t measured, bool toTheSecond);

}  // namespace remote_time
