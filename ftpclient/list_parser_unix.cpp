// Unix "ls -l" and NetWare listings:
//   perms [links] owner [group] size DATE name
//   d [RWCEAFMS] owner size DATE name                     (NetWare)
// The columns before the date vary between servers, so the date is located
// by its shape instead of its column: the first token after the owner that
// starts one of the date shapes below and whose preceding token is a valid
// size. Scanning from the left keeps a name that itself looks like a date
// intact.

#include "list_parser_internal.h"

namespace list_parser {

namespace {

// The date can start no earlier than after perms, one more column (links
// or owner) and the size.
constexpr size_t kFirstDateColumn = 3;

bool IsPermissions(string_view t) {
    // An 11th character marks an ACL ("+"), SELinux context (".") or
    // extended attributes ("@").
    if (t.size() != 10 && !(t.size() == 11 && string_view("+.@").find(t[10]) != string_view::npos)) {
        return false;
    }
    if (string_view("-dlcbps").find(t[0]) == string_view::npos) return false;
    for (size_t i = 1; i < 10; ++i) {
        if (string_view("-rwxsStTlL").find(t[i]) == string_view::npos) return false;
    }
    return true;
}

bool IsNetwareRights(string_view t) {
    return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

// NetWare writes the type letter and the trustee rights, with or without a
// blank between them.
bool IsNetwareType(string_view line, string_view first) {
    if (first.empty() || (first[0] != 'd' && first[0] != '-')) return false;
    return first.size() == 1 ? IsNetwareRights(TokenAfter(line, first)) : IsNetwareRights(first.substr(1));
}

// Recent files show "HH:MM" (year unknown, left 0), older ones the year
// (time unknown, left 0).
bool ParseTimeOrYear(string_view t, Stamp* stamp) {
    string_view rest;
    if (ParseClock(t, &stamp->hour, &stamp->minute, &rest)) {
        stamp->year = 0;
        return rest.empty() && IsValidClock(stamp->hour, stamp->minute);
    }
    stamp->hour = 0;
    stamp->minute = 0;
    return ParseYearToken(t, &stamp->year);
}

// A date shape matches the date columns that start at `first` and returns
// the last of them in *last; the name follows it.
using DateShape = bool (*)(string_view line, string_view first, Stamp* stamp, string_view* last);

// "Jun  7 21:22", "Jun  7  2005", "6月  7日 21:22".
// The cheap day test runs before the month table is searched: most tokens
// tried are owners, groups and sizes.
bool MatchMonthFirst(string_view line, string_view first, Stamp* stamp, string_view* last) {
    const string_view day = TokenAfter(line, first);
    *last = TokenAfter(line, day);
    return ParseDayToken(day, &stamp->day) && (stamp->month = MonthFromName(first)) != 0 &&
           ParseTimeOrYear(*last, stamp);
}

// "7 juin 21:22", "7. Jun 2005".
bool MatchDayFirst(string_view line, string_view first, Stamp* stamp, string_view* last) {
    const string_view month = TokenAfter(line, first);
    *last = TokenAfter(line, month);
    return ParseDayToken(first, &stamp->day) && (stamp->month = MonthFromName(month)) != 0 &&
           ParseTimeOrYear(*last, stamp);
}

// "2005-06-07 21:22" (long-iso), "2005-06-07 21:22:33.123456789 +0200"
// (full-iso), "07.06.2005 21:22", "2005/06/07 21:22".
bool MatchNumeric(string_view line, string_view first, Stamp* stamp, string_view* last) {
    bool hadSeconds = false;
    *last = TokenAfter(line, first);
    if (!ParseNumericDate(first, stamp) || !ParseTimeToken(*last, stamp, &hadSeconds)) return false;
    const string_view zone = TokenAfter(line, *last);
    if (hadSeconds && zone.size() == 5 && (zone[0] == '+' || zone[0] == '-') && IsAllDigits(zone.substr(1))) {
        *last = zone;
    }
    return true;
}

constexpr DateShape kDateShapes[] = {MatchMonthFirst, MatchDayFirst, MatchNumeric};

// Long owner or group names can run into the size ("ftpuser123456789"):
// then the digits after the last letter are the size.
bool ParseJoinedSize(string_view t, int64_t* size) {
    size_t digits = t.size();
    while (digits > 0 && IsDigit(t[digits - 1])) --digits;
    if (digits == 0 || digits == t.size() || !IsLetter(t[digits - 1])) return false;
    return ParseSize(t.substr(digits), size);
}

// Character and block devices show "major, minor" instead of a size; they
// have no size, so whatever stands there is not interpreted.
bool ParseUnixSize(string_view token, bool isDevice, int64_t* size) {
    *size = 0;
    return isDevice || ParseSize(token, size) || ParseJoinedSize(token, size);
}

bool MatchDateAt(string_view line, string_view token, Stamp* stamp, string_view* last) {
    for (DateShape shape : kDateShapes) {
        Stamp s;
        if (shape(line, token, &s, last)) {
            *stamp = s;
            return true;
        }
    }
    return false;
}

bool FindDate(string_view line, bool isDevice, Entry* entry, string_view* last) {
    string_view previous;
    size_t column = 0;
    for (string_view t = NextToken(line, 0); !t.empty(); t = TokenAfter(line, t), ++column) {
        if (column >= kFirstDateColumn && MatchDateAt(line, t, &entry->stamp, last) &&
            ParseUnixSize(previous, isDevice, &entry->size)) {
            return true;
        }
        previous = t;
    }
    return false;
}

// Only link entries carry a " -> target" part; a plain file may contain
// " -> " in its name and keeps it.
string_view StripLinkTarget(string_view name) {
    const size_t arrow = name.find(" -> ");
    return arrow == string_view::npos ? name : name.substr(0, arrow);
}

int UnixType(char kind) {
    if (kind == 'd') return kDirEntryFolder;
    if (kind == 'l') return kDirEntryLink;
    return kDirEntryFile;
}

}  // namespace

bool ParseUnixLine(string_view line, Entry* out) {
    const string_view first = NextToken(line, 0);
    const bool isLs = IsPermissions(first);
    const bool netware = !isLs && IsNetwareType(line, first);
    if (!isLs && !netware) return false;
    Entry entry;
    string_view last;
    if (!FindDate(line, first[0] == 'c' || first[0] == 'b', &entry, &last)) return false;
    entry.type = UnixType(first[0]);
    // "ls" separates the name by exactly one blank, so names with leading
    // blanks survive; NetWare pads the name column.
    const size_t nameStart = EndOf(line, last) + 1;
    if (nameStart >= line.size()) return false;
    entry.name = netware ? RestFrom(line, NextToken(line, nameStart)) : line.substr(nameStart);
    if (entry.type == kDirEntryLink) entry.name = StripLinkTarget(entry.name);
    if (entry.name.empty() || IsAllBlank(entry.name)) return false;
    *out = entry;
    return true;
}

}  // namespace list_parser
