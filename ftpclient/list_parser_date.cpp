// Dates in listings: month names in the languages servers are set up in,
// numeric dates, Japanese unit suffixes and Unix times.

#include <cstdint>

#include "list_parser_internal.h"

namespace list_parser {

namespace {

struct MonthName {
    const char* text;  // lower case UTF-8, only one- and two-byte characters
    int month;
};

// Abbreviations as "ls -l" prints them under each locale; a name shared by
// two languages (mar, mai, sep) is listed once.
const MonthName kMonthNames[] = {
    {"jan", 1}, {"feb", 2}, {"mar", 3}, {"apr", 4}, {"may", 5}, {"jun", 6},
    {"jul", 7}, {"aug", 8}, {"sep", 9}, {"oct", 10}, {"nov", 11}, {"dec", 12},
    // German
    {"m\xc3\xa4r", 3}, {"mrz", 3}, {"mai", 5}, {"okt", 10}, {"dez", 12},
    // French
    {"janv", 1}, {"f\xc3\xa9vr", 2}, {"f\xc3\xa9v", 2}, {"mars", 3}, {"avr", 4}, {"avril", 4}, {"juin", 6},
    {"juil", 7}, {"ao\xc3\xbbt", 8}, {"ao\xc3\xbb", 8}, {"sept", 9}, {"d\xc3\xa9\x63", 12},
    // Spanish
    {"ene", 1}, {"abr", 4}, {"ago", 8}, {"dic", 12},
    // Russian; May also in the genitive that newer locales print
    {"\xd1\x8f\xd0\xbd\xd0\xb2", 1}, {"\xd1\x84\xd0\xb5\xd0\xb2", 2}, {"\xd0\xbc\xd0\xb0\xd1\x80", 3},
    {"\xd0\xb0\xd0\xbf\xd1\x80", 4}, {"\xd0\xbc\xd0\xb0\xd0\xb9", 5}, {"\xd0\xbc\xd0\xb0\xd1\x8f", 5},
    {"\xd0\xb8\xd1\x8e\xd0\xbd", 6}, {"\xd0\xb8\xd1\x8e\xd0\xbb", 7}, {"\xd0\xb0\xd0\xb2\xd0\xb3", 8},
    {"\xd1\x81\xd0\xb5\xd0\xbd", 9}, {"\xd0\xbe\xd0\xba\xd1\x82", 10}, {"\xd0\xbd\xd0\xbe\xd1\x8f", 11},
    {"\xd0\xb4\xd0\xb5\xd0\xba", 12},
};

// Japanese and Chinese listings write units after the numbers, in UTF-8 or
// Shift-JIS depending on the server.
const char* const kMonthUnit[] = {"\xe6\x9c\x88", "\x8c\x8e"};  // 月
const char* const kDayUnit[] = {"\xe6\x97\xa5", "\x93\xfa"};    // 日
const char* const kYearUnit[] = {"\xe5\xb9\xb4", "\x94\x4e"};   // 年

// Removes one of the two spellings of a unit; false if `t` ends in neither.
bool StripUnit(string_view* t, const char* const (&unit)[2]) {
    for (const char* u : unit) {
        const string_view suffix(u);
        if (t->size() > suffix.size() && t->substr(t->size() - suffix.size()) == suffix) {
            t->remove_suffix(suffix.size());
            return true;
        }
    }
    return false;
}

char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameUtf8(string_view t, string_view word) {
    if (t.size() != word.size()) return false;
    for (size_t i = 0; i < t.size(); ++i) {
        if (ToLower(t[i]) != word[i]) return false;
    }
    return true;
}

// The byte a one-byte code page gives a character of the table: Latin-1
// below 0x100, CP1251 for the basic Cyrillic letters; -1 for others.
int SingleByteFor(uint32_t codePoint) {
    if (codePoint < 0x100) return static_cast<int>(codePoint);
    if (codePoint >= 0x410 && codePoint <= 0x44F) return static_cast<int>(codePoint - 0x410 + 0xC0);
    return -1;
}

bool SameSingleByte(string_view t, string_view word) {
    size_t i = 0;
    for (size_t w = 0; w < word.size(); ++i) {
        const auto lead = static_cast<unsigned char>(word[w]);
        uint32_t codePoint = lead;
        if (lead >= 0x80) {
            codePoint = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(word[w + 1]) & 0x3Fu);
        }
        w += lead >= 0x80 ? 2 : 1;
        if (i >= t.size()) return false;
        const int expected = SingleByteFor(codePoint);
        const char c = lead < 0x80 ? ToLower(t[i]) : t[i];
        if (expected < 0 || static_cast<unsigned char>(c) != expected) return false;
    }
    return i == t.size();
}

}  // namespace

int MonthFromName(string_view t) {
    if (!t.empty() && t.back() == '.') t.remove_suffix(1);
    if (StripUnit(&t, kMonthUnit)) {
        int month = 0;
        return ParseBounded(t, 2, 1, 12, &month) ? month : 0;
    }
    // No month name starts with a digit; most tokens tried are numbers.
    if (t.size() < 3 || t.size() > 8 || IsDigit(t[0])) return 0;
    for (const MonthName& m : kMonthNames) {
        if (SameUtf8(t, m.text) || SameSingleByte(t, m.text)) return m.month;
    }
    return 0;
}

bool ParseDayToken(string_view t, int* day) {
    if (!t.empty() && t.back() == '.') {
        t.remove_suffix(1);
    } else {
        StripUnit(&t, kDayUnit);
    }
    return ParseBounded(t, 2, 1, 31, day);
}

bool ParseYearToken(string_view t, int* year) {
    StripUnit(&t, kYearUnit);
    return ParseYear4(t, year);
}

// The order of the fields follows the separator and the year's position:
// a leading four-digit year is always year-month-day; "." is the European
// day.month.year; "-" with the year last is the US month-day-year of DOS
// and IIS. "/" with the year last is ambiguous and not accepted.
bool ParseNumericDate(string_view t, Stamp* stamp) {
    const size_t first = t.find_first_of("-./");
    if (first == string_view::npos) return false;
    const char separator = t[first];
    const size_t second = t.find(separator, first + 1);
    if (second == string_view::npos) return false;
    const string_view a = t.substr(0, first);
    const string_view b = t.substr(first + 1, second - first - 1);
    const string_view c = t.substr(second + 1);
    Stamp s;
    bool ok = false;
    if (a.size() == 4) {
        ok = ParseYear4(a, &s.year) && ParseBounded(b, 2, 1, 12, &s.month) && ParseBounded(c, 2, 1, 31, &s.day);
    } else if (separator == '.') {
        ok = ParseBounded(a, 2, 1, 31, &s.day) && ParseBounded(b, 2, 1, 12, &s.month) && ParseYear(c, &s.year);
    } else if (separator == '-') {
        ok = ParseBounded(a, 2, 1, 12, &s.month) && ParseBounded(b, 2, 1, 31, &s.day) && ParseYear(c, &s.year);
    }
    if (ok) *stamp = s;
    return ok;
}

// Days to a civil date in the proleptic Gregorian calendar, counting in
// 400-year eras (146097 days) whose years start on March 1st so that the
// leap day falls at the end.
bool SetFromUnixTime(string_view digits, Stamp* stamp) {
    constexpr int64_t kMaxSeconds = 253402300799;  // 9999-12-31 23:59:59
    if (digits.size() > 12 || !IsAllDigits(digits)) return false;
    int64_t seconds = 0;
    for (char c : digits) seconds = seconds * 10 + (c - '0');
    if (seconds > kMaxSeconds) return false;
    const int64_t days = seconds / 86400 + 719468;  // days since 0000-03-01
    const int64_t era = days / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    stamp->day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    stamp->month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    stamp->year = static_cast<int>(yearOfEra + era * 400 + (stamp->month <= 2 ? 1 : 0));
    stamp->hour = static_cast<int>(seconds % 86400 / 3600);
    stamp->minute = static_cast<int>(seconds % 3600 / 60);
    stamp->second = static_cast<int>(seconds % 60);
    stamp->flags = kTimeSeconds | kTimeUtc;
    return true;
}

}  // namespace list_parser
