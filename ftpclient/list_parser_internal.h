// Building blocks of the listing parser, shared by its per-format files:
//   list_parser_text.cpp   characters, numbers, times, tokens
//   list_parser_date.cpp   month names, numeric dates, Unix times
//   list_parser_unix.cpp   Unix "ls -l" and NetWare
//   list_parser_dos.cpp    DOS / IIS and OS/2
//   list_parser_facts.cpp  MLSD and EPLF (fact lists)
//   list_parser_vms.cpp    VMS
//   list_parser.cpp        format dispatch and the stream (ListParser)
// Every routine works on a bounded view of one line and never allocates, so
// a hostile server can get a line rejected but cannot make the parser read
// out of bounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dirinfo.h"

namespace list_parser {

using std::string_view;

// Date and time of one entry; zero fields mean "not given by the line".
struct Stamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int flags = 0;  // DirTimeFlags
};

// What a format parser extracted. It is copied into CUT_DIRINFO only on
// success, so a line rejected half way leaves no partial result behind.
struct Entry {
    string_view name;
    int64_t size = 0;
    int type = kDirEntryFile;
    Stamp stamp;
};

// ASCII-only character tests: the <cctype> ones are undefined for bytes
// >= 0x80 stored in a signed char and depend on the process locale.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool EqualsNoCase(string_view a, string_view b);
bool StartsWithNoCase(string_view s, string_view prefix);
bool EndsWithNoCase(string_view s, string_view suffix);
bool IsAllDigits(string_view s);
bool IsAllBlank(string_view s);

// Numbers. Sizes saturate at INT64_MAX instead of wrapping.
void AppendDigit(int64_t* value, char digit);
bool ParseSize(string_view s, int64_t* out);
// 1..maxDigits decimal digits whose value lies in [lo, hi].
bool ParseBounded(string_view s, size_t maxDigits, int lo, int hi, int* out);
bool ParseYear4(string_view s, int* year);
// A year of four digits, or of two digits pivoting at 1970.
bool ParseYear(string_view s, int* year);

// Times. Some servers write the end of a day as 24:00; nothing later is
// accepted.
bool IsValidClock(int hour, int minute);
// "H:MM" or "HH:MM" at the start of `s`; *rest receives what follows. The
// range is left to the caller because 12- and 24-hour clocks differ.
bool ParseClock(string_view s, int* hour, int* minute, string_view* rest);
// A whole 24-hour token "HH:MM", "HH:MM:SS" or "HH:MM:SS.fraction";
// *hadSeconds tells whether seconds were given.
bool ParseTimeToken(string_view t, Stamp* stamp, bool* hadSeconds);

// Dates.
// English and localized month abbreviations (UTF-8, Latin-1 or CP1251, a
// trailing "." allowed) and the Japanese "6月" (UTF-8 or Shift-JIS); 0 if none.
int MonthFromName(string_view t);
// Numeric dates: "YYYY-MM-DD" (also with "/" or "."), "DD.MM.YY[YY]",
// "MM-DD-YY[YY]".
bool ParseNumericDate(string_view t, Stamp* stamp);
// A day of the month, also "7." and the Japanese "7日".
bool ParseDayToken(string_view t, int* day);
// A four-digit year, also the Japanese "2005年".
bool ParseYearToken(string_view t, int* year);
// Seconds since 1970-01-01 UTC up to the year 9999.
bool SetFromUnixTime(string_view digits, Stamp* stamp);

// Tokens are runs of non-blank bytes, kept as views into the line so their
// offsets locate the name, which is taken from the raw line, blanks and all.
string_view NextToken(string_view line, size_t from);
size_t EndOf(string_view line, string_view token);
string_view TokenAfter(string_view line, string_view token);
// The line from the start of `token` to its end.
string_view RestFrom(string_view line, string_view token);

// Per-format line parsers: true and `out` filled when the line is an entry
// of that format. The name may be longer than CUT_DIRINFO can hold.
bool ParseMlsdLine(string_view line, Entry* out);
bool ParseEplfLine(string_view line, Entry* out);
bool ParseUnixLine(string_view line, Entry* out);
bool ParseDosLine(string_view line, Entry* out);
bool ParseOs2Line(string_view line, Entry* out);
bool ParseVmsLine(string_view line, Entry* out);
// A VMS name alone on its line: the rest of the entry is on the next one.
bool IsVmsNameAlone(string_view line);

}  // namespace list_parser
