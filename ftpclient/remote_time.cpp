#include "remote_time.h"

namespace remote_time {

namespace {

// Days from 1970-01-01 of a civil date (the era-based count that works for
// any year without tables).
int64_t DaysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr int64_t kDaysFrom1601To1970 = 134774;

}  // namespace

int64_t FromCalendar(int year, int month, int day, int hour, int minute, int second) {
    const int64_t days = DaysFromCivil(year, month, day) + kDaysFrom1601To1970;
    return ((days * 24 + hour) * 60 + minute) * kMinute + second * kSecond;
}

int64_t Truncate(int64_t time, int64_t unit) {
    const int64_t rest = time % unit;
    return time - (rest < 0 ? rest + unit : rest);
}

int Compare(int64_t a, int64_t unitA, int64_t b, int64_t unitB) {
    if (unitA == unitB) {
        const int64_t phase = unitA != kMinute ? 0 : a - Truncate(a, kMinute);
        const int64_t ta = Truncate(a - phase, unitA), tb = Truncate(b - phase, unitA);
        return ta < tb ? -1 : ta > tb ? 1 : 0;
    }
    const bool aCoarse = unitA > unitB;
    const int64_t unit = aCoarse ? unitA : unitB, coarse = aCoarse ? a : b, fine = aCoarse ? b : a;
    const int64_t start = unit == kMinute ? coarse : Truncate(coarse, unit);
    const int fineToCoarse = fine < start - kSlack ? -1 : fine >= start + unit + kSlack ? 1 : 0;
    return aCoarse ? -fineToCoarse : fineToCoarse;
}

int64_t ListedOffset(int64_t measured, bool toTheSecond) {
    return Truncate(measured, toTheSecond ? kSecond : kMinute);
}

}  // namespace remote_time
