// Directory listing parser. Every format routine works on a bounded view of
// the line and never allocates, so a hostile server can get a line rejected
// but cannot make the parser read out of bounds or hold more memory than the
// one bounded line buffer of ListParser.

#include "list_parser.h"

#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>
#include <string_view>

namespace {

using std::string_view;

constexpr int64_t kMaxSize64 = std::numeric_limits<int64_t>::max();
constexpr int64_t kMaxSize32 = std::numeric_limits<int32_t>::max();
constexpr size_t kMaxNameBytes = sizeof(CUT_DIRINFO::fileName) - 1;

// Date and time of one entry; zero fields mean "not given by the line".
struct Stamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// What a format parser extracted. It is copied into CUT_DIRINFO only on
// success, so a line rejected half way leaves no partial result behind.
struct Entry {
    string_view name;
    int64_t size = 0;
    int type = kDirEntryFile;
    Stamp stamp;
};

// ---------------------------------------------------------------------------
// Character and number helpers. ASCII-only versions of our own because the
// <cctype> functions are undefined for bytes >= 0x80 stored in a signed char
// and depend on the process locale.

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

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

// Appends one decimal digit, saturating at INT64_MAX: a size with absurdly
// many digits becomes a defined, recognisably huge value instead of wrapping.
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

// Parses 1..maxDigits decimal digits whose value lies in [lo, hi].
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

// Some servers write the end of a day as 24:00; nothing later is accepted.
bool IsValidClock(int hour, int minute) {
    return minute <= 59 && (hour <= 23 || (hour == 24 && minute == 0));
}

// Parses "H:MM" or "HH:MM" at the start of `s`; *rest receives what follows
// (an AM/PM marker on DOS lines). The range is checked by the caller because
// 12- and 24-hour clocks differ.
bool ParseClock(string_view s, int* hour, int* minute, string_view* rest) {
    const size_t colon = s.find(':');
    if (colon == string_view::npos || s.size() < colon + 3) return false;
    if (!ParseBounded(s.substr(0, colon), 2, 0, 99, hour)) return false;
    if (!ParseBounded(s.substr(colon + 1, 2), 2, 0, 99, minute)) return false;
    *rest = s.substr(colon + 3);
    return true;
}

// ---------------------------------------------------------------------------
// Tokens are runs of non-blank bytes, kept as views into the line so their
// offsets locate the name, which is taken from the raw line, blanks and all.

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

// The name must fit: the caller has rejected longer ones.
void FillEntry(const Entry& entry, CUT_DIRINFO* out) {
    std::memcpy(out->fileName, entry.name.data(), entry.name.size());
    out->fileName[entry.name.size()] = '\0';
    out->fileSize64 = entry.size;
    out->fileSize = static_cast<int32_t>(entry.size < kMaxSize32 ? entry.size : kMaxSize32);
    out->fileType = entry.type;
    out->year = entry.stamp.year;
    out->month = entry.stamp.month;
    out->day = entry.stamp.day;
    out->hour = entry.stamp.hour;
    out->minute = entry.stamp.minute;
}

// ---------------------------------------------------------------------------
// MLSD (RFC 3659): "fact=value;fact=value; name". Facts are self-describing,
// so a bad fact value loses only that fact (a file with an odd date is still
// a file). A fact without "=" means the line is no fact line: rejected.

struct MlsdFacts {
    Entry entry;
    bool drop = false;     // cdir / pdir: the listed directory and its parent
    bool haveSize = false; // "size" wins over "sizd" when a server sends both
};

// The facts end at the first "; " (they hold no blanks, so the name may
// contain both blanks and semicolons). Servers that omit the final ";" are
// understood through the first blank; a leading blank means the client
// asked for no facts at all.
bool SplitMlsd(string_view line, string_view* facts, string_view* name) {
    size_t factsEnd = 0;
    size_t separator = 1;
    if (line[0] != ' ') {
        factsEnd = line.find("; ");
        separator = 2;
        if (factsEnd == string_view::npos) {
            factsEnd = line.find(' ');
            separator = 1;
        }
        if (factsEnd == string_view::npos) return false;
    }
    *facts = line.substr(0, factsEnd);
    *name = line.substr(factsEnd + separator);
    return !name->empty();
}

bool IsModifyFraction(string_view f) {
    return f.empty() || (f[0] == '.' && IsAllDigits(f.substr(1)));
}

// "YYYYMMDDHHMMSS" plus optional ".fraction". The time is UTC and is passed
// on as the server gives it; seconds are not part of CUT_DIRINFO.
bool ParseModify(string_view v, Stamp* stamp) {
    if (v.size() < 14 || !IsModifyFraction(v.substr(14))) return false;
    Stamp s;
    int second = 0;
    const bool ok = ParseYear4(v.substr(0, 4), &s.year) &&
                    ParseBounded(v.substr(4, 2), 2, 1, 12, &s.month) &&
                    ParseBounded(v.substr(6, 2), 2, 1, 31, &s.day) &&
                    ParseBounded(v.substr(8, 2), 2, 0, 24, &s.hour) &&
                    ParseBounded(v.substr(10, 2), 2, 0, 59, &s.minute) &&
                    ParseBounded(v.substr(12, 2), 2, 0, 60, &second) && IsValidClock(s.hour, s.minute);
    if (ok) *stamp = s;
    return ok;
}

void ApplyType(string_view value, MlsdFacts* facts) {
    if (EqualsNoCase(value, "dir")) {
        facts->entry.type = kDirEntryFolder;
    } else if (EqualsNoCase(value, "cdir") || EqualsNoCase(value, "pdir")) {
        facts->drop = true;
    } else if (EqualsNoCase(value, "OS.unix=symlink") || StartsWithNoCase(value, "OS.unix=slink")) {
        facts->entry.type = kDirEntryLink;
    } else {
        // "file" and the device / socket / unknown OS-specific types: none
        // of them can be entered like a folder, so they are listed as files.
        facts->entry.type = kDirEntryFile;
    }
}

void ApplySize(string_view value, bool isSizeFact, MlsdFacts* facts) {
    if (facts->haveSize && !isSizeFact) return;
    int64_t size = 0;
    if (!ParseSize(value, &size)) return;
    facts->entry.size = size;
    facts->haveSize = facts->haveSize || isSizeFact;
}

bool ApplyFact(string_view fact, MlsdFacts* facts) {
    const size_t eq = fact.find('=');
    if (eq == string_view::npos || eq == 0) return false;
    const string_view name = fact.substr(0, eq);
    const string_view value = fact.substr(eq + 1);
    if (EqualsNoCase(name, "type")) {
        ApplyType(value, facts);
    } else if (EqualsNoCase(name, "size") || EqualsNoCase(name, "sizd")) {
        ApplySize(value, EqualsNoCase(name, "size"), facts);
    } else if (EqualsNoCase(name, "modify")) {
        ParseModify(value, &facts->entry.stamp);
    }
    return true;
}

bool ParseMlsdLine(string_view line, Entry* out) {
    string_view factText;
    MlsdFacts facts;
    if (!SplitMlsd(line, &factText, &facts.entry.name)) return false;
    while (!factText.empty()) {
        const size_t semi = factText.find(';');
        const string_view fact = factText.substr(0, semi);
        if (!fact.empty() && !ApplyFact(fact, &facts)) return false;
        factText = (semi == string_view::npos) ? string_view() : factText.substr(semi + 1);
    }
    if (facts.drop || IsAllBlank(facts.entry.name)) return false;
    *out = facts.entry;
    return true;
}

// ---------------------------------------------------------------------------
// Unix "ls -l": perms [links] owner [group] size Mon DD HH:MM|YYYY name.
// The columns before the date vary between servers, so the date is located
// by its shape instead of its column: the first month/day/time-or-year
// triple after the owner whose preceding token is a valid size. Scanning
// from the left keeps a name that itself looks like a date intact.

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

int MonthFromName(string_view t) {
    static const char kMonths[] = "janfebmaraprmayjunjulaugsepoctnovdec";
    if (t.size() != 3) return 0;
    for (int i = 0; i < 12; ++i) {
        if (EqualsNoCase(t, string_view(kMonths + 3 * i, 3))) return i + 1;
    }
    return 0;
}

// Recent files show "HH:MM" (year unknown, left 0), older ones the year
// (time unknown, left 0).
bool ParseUnixTimeOrYear(string_view t, Stamp* stamp) {
    string_view rest;
    if (ParseClock(t, &stamp->hour, &stamp->minute, &rest)) {
        stamp->year = 0;
        return rest.empty() && IsValidClock(stamp->hour, stamp->minute);
    }
    stamp->hour = 0;
    stamp->minute = 0;
    return ParseYear4(t, &stamp->year);
}

// Matches "Mon DD HH:MM|YYYY" starting at `monthToken`. The name starts
// after exactly one blank, so names with leading blanks survive.
bool MatchUnixDate(string_view line, string_view monthToken, Stamp* stamp, size_t* nameStart) {
    stamp->month = MonthFromName(monthToken);
    if (stamp->month == 0) return false;
    const string_view dayToken = TokenAfter(line, monthToken);
    const string_view timeToken = TokenAfter(line, dayToken);
    if (!ParseBounded(dayToken, 2, 1, 31, &stamp->day)) return false;
    if (!ParseUnixTimeOrYear(timeToken, stamp)) return false;
    *nameStart = EndOf(line, timeToken) + 1;
    return *nameStart < line.size();
}

// Character and block devices show "major, minor" instead of a size; they
// have no size, so whatever stands there is not interpreted.
bool ParseUnixSize(string_view token, bool isDevice, int64_t* size) {
    if (isDevice) {
        *size = 0;
        return true;
    }
    return ParseSize(token, size);
}

bool FindUnixDate(string_view line, bool isDevice, Entry* entry, size_t* nameStart) {
    string_view previous;
    size_t column = 0;
    for (string_view t = NextToken(line, 0); !t.empty(); t = TokenAfter(line, t), ++column) {
        if (column >= kFirstDateColumn && MatchUnixDate(line, t, &entry->stamp, nameStart) &&
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

bool ParseUnixLine(string_view line, Entry* out) {
    const string_view perms = NextToken(line, 0);
    if (!IsPermissions(perms)) return false;
    Entry entry;
    size_t nameStart = 0;
    const bool isDevice = perms[0] == 'c' || perms[0] == 'b';
    if (!FindUnixDate(line, isDevice, &entry, &nameStart)) return false;
    entry.type = UnixType(perms[0]);
    entry.name = line.substr(nameStart);
    if (entry.type == kDirEntryLink) entry.name = StripLinkTarget(entry.name);
    if (entry.name.empty() || IsAllBlank(entry.name)) return false;
    *out = entry;
    return true;
}

// ---------------------------------------------------------------------------
// DOS / IIS: "MM-DD-YY  HH:MM[AM|PM]  <DIR>|size  name".

bool ParseDosDate(string_view t, Stamp* stamp) {
    const size_t dash1 = t.find('-');
    const size_t dash2 = (dash1 == string_view::npos) ? dash1 : t.find('-', dash1 + 1);
    if (dash2 == string_view::npos) return false;
    if (!ParseBounded(t.substr(0, dash1), 2, 1, 12, &stamp->month) ||
        !ParseBounded(t.substr(dash1 + 1, dash2 - dash1 - 1), 2, 1, 31, &stamp->day)) {
        return false;
    }
    const string_view year = t.substr(dash2 + 1);
    if (year.size() == 2 && ParseBounded(year, 2, 0, 99, &stamp->year)) {
        // Two-digit years pivot at the 1970 Unix epoch: 70..99 are 19xx,
        // 00..69 are 20xx.
        stamp->year += (stamp->year < 70) ? 2000 : 1900;
        return true;
    }
    return ParseYear4(year, &stamp->year);
}

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

bool ParseDosLine(string_view line, Entry* out) {
    Entry entry;
    const string_view dateToken = NextToken(line, 0);
    const string_view timeToken = TokenAfter(line, dateToken);
    const string_view sizeToken = TokenAfter(line, timeToken);
    if (!ParseDosDate(dateToken, &entry.stamp) || !ParseDosTime(timeToken, &entry.stamp)) return false;
    if (EqualsNoCase(sizeToken, "<DIR>")) {
        entry.type = kDirEntryFolder;
    } else if (!ParseDosSize(sizeToken, &entry.size)) {
        return false;
    }
    // IIS pads the name column differently after "<DIR>" and after a size,
    // so the whole run of blanks before the name is skipped.
    const string_view nameToken = TokenAfter(line, sizeToken);
    if (nameToken.empty()) return false;
    entry.name = line.substr(static_cast<size_t>(nameToken.data() - line.data()));
    *out = entry;
    return true;
}

// Appends to the line buffer without ever letting it grow past `limit`.
// Returns false when the line is too long (or memory ran out), in which case
// the caller drops it.
bool AppendBounded(std::string* buffer, const char* data, size_t length, size_t limit) {
    if (length > limit - buffer->size()) return false;
    try {
        // Reserving the full limit once means later appends never reallocate
        // and the capacity never overshoots the limit through doubling.
        if (buffer->capacity() < limit) buffer->reserve(limit);
        buffer->append(data, length);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

// Parses one line into `entry`; true also for an entry whose name is too
// long for CUT_DIRINFO, which the caller must check.
bool ParseText(string_view text, ListFormat format, Entry* entry) {
    if (text.empty()) return false;
    // A NUL would silently cut the name short in the C string handed out.
    if (text.find('\0') != string_view::npos) return false;
    return (format == ListFormat::kMlsd) ? ParseMlsdLine(text, entry)
                                          : (ParseUnixLine(text, entry) || ParseDosLine(text, entry));
}

}  // namespace

bool ParseListLine(const char* line, size_t length, ListFormat format, CUT_DIRINFO* out) {
    if (out == nullptr) return false;
    std::memset(out, 0, sizeof(*out));
    if (line == nullptr) return false;
    Entry entry;
    if (!ParseText(string_view(line, length), format, &entry) || entry.name.size() > kMaxNameBytes) return false;
    FillEntry(entry, out);
    return true;
}

void ListParser::Feed(const char* data, size_t length) {
    if (data == nullptr) return;
    while (length > 0) {
        const void* lf = std::memchr(data, '\n', length);
        const size_t chunk = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data) : length;
        // One byte beyond the limit leaves room for the CR of a CRLF line
        // end, which is not part of the line.
        if (!m_overflow && !AppendBounded(&m_line, data, chunk, kMaxLineLength + 1)) {
            m_overflow = true;
            m_line.clear();
        }
        if (lf == nullptr) return;
        EndLine();
        data += chunk + 1;
        length -= chunk + 1;
    }
}

void ListParser::Finish() {
    EndLine();
}

void ListParser::EndLine() {
    size_t length = m_line.size();
    if (length > 0 && m_line[length - 1] == '\r') --length;
    Entry entry;
    if (!m_overflow && length <= kMaxLineLength && ParseText(string_view(m_line.data(), length), m_format, &entry)) {
        try {
            if (entry.name.size() > kMaxNameBytes) {
                NoteSkipped(entry.name.data(), entry.name.size());
            } else {
                CUT_DIRINFO info = {};
                FillEntry(entry, &info);
                m_entries.push_back(info);
            }
        } catch (const std::exception&) {
            // Out of memory: the entry is lost, the stream stays usable.
        }
    }
    m_line.clear();
    m_overflow = false;
}

void ListParser::NoteSkipped(const char* name, size_t length) {
    if (m_skipped.size() >= kMaxSkippedNames) return;
    m_skipped.emplace_back(name, length < kSkippedNameBytes ? length : kSkippedNameBytes);
}
