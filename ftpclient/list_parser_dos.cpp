// DOS / IIS and OS/2 listings:
//   MM-DD-YY[YY]  HH:MM[AM|PM]  <DIR>|size  name          (IIS)
//   YYYY-MM-DD  HH:MM[AM|PM]  <DIR>|size  name            (IIS, four-digit years)
//   size  [DIR] [A R H S]  MM-DD-YY  HH:MM  name          (OS/2)

#include "list_parser_internal.h"

namespace list_parser {

namespace {

// 12-hour clock: 12AM is midnight (0), 12PM is noon (12).
bool ApplyMeridiem(string_view marker, Stamp* stamp) {
    if (marker.empty()) return IsValidClock(stamp->hour, stamp->minute);
    const bool pm = EqualsNoCase(marker, "PM");
    if (!pm && !EqualsNoCase(marker, "AM")) return false;
    if (stamp->hour < 1 || stamp->hour > 12 || stamp->minute > 59) return false;
    stamp->hour = (stamp->hour % 12) + (pm ? 12 : 0);
    return true;
}

bool ParseDosTime(string_view t, Stamp* stamp) {
    string_view marker;
    return ParseClock(t, &stamp->hour, &stamp->minute, &marker) && ApplyMeridiem(marker, stamp);
}

// Some IIS configurations group digits with ","; a comma must sit between
// two digits.
bool ParseDosSize(string_view t, int64_t* size) {
    if (t.empty() || !IsDigit(t.front()) || !IsDigit(t.back())) return false;
    int64_t value = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (IsDigit(t[i])) {
            AppendDigit(&value, t[i]);
        } else if (t[i] != ',' || !IsDigit(t[i - 1])) {
            return false;
        }
    }
    *size = value;
    return true;
}

// Both formats pad the name column differently after a folder marker and
// after a size, so the whole run of blanks before the name is skipped.
bool TakeName(string_view line, string_view before, Entry* entry) {
    const string_view nameToken = TokenAfter(line, before);
    if (nameToken.empty()) return false;
    entry->name = RestFrom(line, nameToken);
    return true;
}

bool IsAttributeFlags(string_view t) {
    for (char c : t) {
        if (!IsLetter(c)) return false;
    }
    return !t.empty() && t.size() <= 4;
}

}  // namespace

bool ParseDosLine(string_view line, Entry* out) {
    Entry entry;
    const string_view dateToken = NextToken(line, 0);
    const string_view timeToken = TokenAfter(line, dateToken);
    const string_view sizeToken = TokenAfter(line, timeToken);
    if (!ParseNumericDate(dateToken, &entry.stamp) || !ParseDosTime(timeToken, &entry.stamp)) return false;
    if (EqualsNoCase(sizeToken, "<DIR>")) {
        entry.type = kDirEntryFolder;
    } else if (!ParseDosSize(sizeToken, &entry.size)) {
        return false;
    }
    if (!TakeName(line, sizeToken, &entry)) return false;
    *out = entry;
    return true;
}

// Folders carry "DIR" among the attribute columns; files carry none or
// single letters ("A", "R", "HS").
bool ParseOs2Line(string_view line, Entry* out) {
    Entry entry;
    const string_view sizeToken = NextToken(line, 0);
    if (!ParseSize(sizeToken, &entry.size)) return false;
    string_view t = TokenAfter(line, sizeToken);
    for (int flags = 0; flags < 3 && IsAttributeFlags(t); ++flags, t = TokenAfter(line, t)) {
        if (EqualsNoCase(t, "DIR")) entry.type = kDirEntryFolder;
    }
    const string_view timeToken = TokenAfter(line, t);
    string_view rest;
    if (!ParseNumericDate(t, &entry.stamp) ||
        !ParseClock(timeToken, &entry.stamp.hour, &entry.stamp.minute, &rest) || !rest.empty() ||
        !IsValidClock(entry.stamp.hour, entry.stamp.minute) || !TakeName(line, timeToken, &entry)) {
        return false;
    }
    *out = entry;
    return true;
}

}  // namespace list_parser
