// Characters, numbers, tokens and dates for the listing parser.

#include <limits>

#include "list_parser_internal.h"

namespace list_parser {

namespace {

constexpr int64_t kMaxSize64 = std::numeric_limits<int64_t>::max();

char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool EqualsNoCase(string_view a, string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (ToLower(a[i]) != ToLower(b[i])) return false;
    }
    return true;
}

bool StartsWithNoCase(string_view s, string_view prefix) {
    return s.size() >= prefix.size() && EqualsNoCase(s.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(string_view s, string_view suffix) {
    return s.size() >= suffix.size() && EqualsNoCase(s.substr(s.size() - suffix.size()), suffix);
}

bool IsAllDigits(string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        if (!IsDigit(c)) return false;
    }
    return true;
}

bool IsAllBlank(string_view s) {
    for (char c : s) {
        if (!IsBlank(c)) return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Numbers.

// Saturating at INT64_MAX: a size with absurdly many digits becomes a
// defined, recognisably huge value instead of wrapping.
void AppendDigit(int64_t* value, char digit) {
    const int d = digit - '0';
    *value = (*value > (kMaxSize64 - d) / 10) ? kMaxSize64 : *value * 10 + d;
}

bool ParseSize(string_view s, int64_t* out) {
    if (!IsAllDigits(s)) return false;
    int64_t value = 0;
    for (char c : s) AppendDigit(&value, c);
    *out = value;
    return true;
}

// maxDigits stays small at every call site, so `value` cannot overflow.
bool ParseBounded(string_view s, size_t maxDigits, int lo, int hi, int* out) {
    if (s.size() > maxDigits || !IsAllDigits(s)) return false;
    int value = 0;
    for (char c : s) value = value * 10 + (c - '0');
    if (value < lo || value > hi) return false;
    *out = value;
    return true;
}

bool ParseYear4(string_view s, int* year) {
    return s.size() == 4 && ParseBounded(s, 4, 1000, 9999, year);
}

bool ParseYear(string_view s, int* year) {
    if (s.size() == 2 && ParseBounded(s, 2, 0, 99, year)) {
        // Two-digit years pivot at the 1970 Unix epoch: 70..99 are 19xx,
        // 00..69 are 20xx.
        *year += (*year < 70) ? 2000 : 1900;
        return true;
    }
    return ParseYear4(s, year);
}

// ---------------------------------------------------------------------------
// Times.

bool IsValidClock(int hour, int minute) {
    return minute <= 59 && (hour <= 23 || (hour == 24 && minute == 0));
}

bool ParseClock(string_view s, int* hour, int* minute, string_view* rest) {
    const size_t colon = s.find(':');
    if (colon == string_view::npos || s.size() < colon + 3) return false;
    if (!ParseBounded(s.substr(0, colon), 2, 0, 99, hour)) return false;
    if (!ParseBounded(s.substr(colon + 1, 2), 2, 0, 99, minute)) return false;
    *rest = s.substr(colon + 3);
    return true;
}

bool ParseTimeToken(string_view t, Stamp* stamp, bool* hadSeconds) {
    int hour = 0;
    int minute = 0;
    int second = 0;
    string_view rest;
    if (!ParseClock(t, &hour, &minute, &rest) || !IsValidClock(hour, minute)) return false;
    *hadSeconds = !rest.empty();
    if (*hadSeconds) {
        if (rest.size() < 3 || rest[0] != ':' || !ParseBounded(rest.substr(1, 2), 2, 0, 60, &second)) return false;
        const string_view fraction = rest.substr(3);
        if (!fraction.empty() && (fraction[0] != '.' || !IsAllDigits(fraction.substr(1)))) return false;
    }
    stamp->hour = hour;
    stamp->minute = minute;
    return true;
}

// ---------------------------------------------------------------------------
// Tokens.

string_view NextToken(string_view line, size_t from) {
    size_t begin = from;
    while (begin < line.size() && IsBlank(line[begin])) ++begin;
    size_t end = begin;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    return line.substr(begin, end - begin);
}

size_t EndOf(string_view line, string_view token) {
    return static_cast<size_t>(token.data() - line.data()) + token.size();
}

string_view TokenAfter(string_view line, string_view token) {
    return NextToken(line, EndOf(line, token));
}

string_view RestFrom(string_view line, string_view token) {
    return line.substr(static_cast<size_t>(token.data() - line.data()));
}

}  // namespace list_parser
