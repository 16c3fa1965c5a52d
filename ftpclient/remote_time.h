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

// How far a time known to the second may stray outside a coarser unit and
// still count as within it: a listed minute is moved by a clock offset that
// is measured to a second at best, and a server clock need not be off by
// whole seconds.
constexpr int64_t kSlack = 2 * kSecond;

// -1, 0 or 1 as `a` is older, the same or newer than `b` at the coarser of
// their two units: two copies of one file listed to the minute on one side
// and to the second on the other compare equal. A time known to the minute
// stands for the minute that starts at it (listed minutes moved by a clock
// offset measured to the second start anywhere within a minute), a day for
// its calendar day; the finer time is compared with that span widened by
// kSlack at both ends.
int Compare(int64_t a, int64_t unitA, int64_t b, int64_t unitB);

// The clock offset to add to listed times, from the measured distance
// between the local clock at the probe's upload and the probe's listed
// time. With the listed seconds known (`toTheSecond`) to the second: the
// listed second is cut down from the server's stamp, which lies on average
// half a second later, so the nearest whole second to the truth is the
// measure cut down too. Else in whole minutes, since the probe's own
// seconds are part of the measure, not of the clocks' distance.
int64_t ListedOffset(int64_t measured, bool toTheSecond);

}  // namespace remote_time
