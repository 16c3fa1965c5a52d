// Directory listing parser: turns the bytes of a LIST or MLSD data stream
// into CUT_DIRINFO entries. Pure logic, no I/O: it runs natively, under the
// sanitizers and under the fuzzer.
//
// Formats understood:
//   - MLSD / MLST fact lines (RFC 3659): "type=file;size=12;modify=20240105123456; name"
//     type cdir and pdir entries are dropped; OS.unix=symlink / OS.unix=slink give type 2.
//   - Unix "ls -l": with or without group, numeric owners, owner or group run
//     into the size ("ftpuser123456789"), device entries ("c", "b" with
//     "major, minor" in place of the size), names containing blanks, links
//     "name -> target" (name only, type 2), "total N" header lines skipped.
//     Dates: "Mon DD HH:MM|YYYY" and "DD Mon HH:MM|YYYY" with English, German,
//     French, Spanish or Russian month names (UTF-8, Latin-1, CP1251),
//     Japanese "6月  7日 21:22" (UTF-8, Shift-JIS), ISO "2005-06-07 21:22"
//     (long-iso; full-iso with seconds and zone), "07.06.2005 21:22",
//     "2005/06/07 21:22".
//   - NetWare: "d [RWCEAFMS] owner 512 Jun 07 21:22 name", dated like Unix.
//   - DOS / IIS: "MM-DD-YY  HH:MMAM  <DIR>  name", "MM-DD-YYYY  HH:MM  1234 name",
//     "YYYY-MM-DD  HH:MM  1234 name", 12- and 24-hour times.
//   - OS/2: "1234  A  06-07-05  21:22  name", "DIR" among the attributes.
//   - EPLF: "+i8388621.48594,m825718503,r,s280,\tname" ("/" marks a folder).
//   - VMS: "NAME.EXT;1  12/24  7-JUN-2005 21:22:33  [GRP,OWN]  (RWED,...)",
//     the version dropped, ".DIR" files as folders, sizes in 512-byte
//     blocks; a name alone on its line is joined with the next line.
// Times are passed on as the server writes them (MLSD and EPLF in UTC).
// Entries whose name does not fit CUT_DIRINFO are left out (SkippedNames).
// Lines matching no format are skipped. Any byte sequence is safe input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dirinfo.h"

enum class ListFormat {
    kList,  // LIST output: any of the formats above but MLSD, detected per line
    kMlsd,  // MLSD / MLST fact lines
};

// Parses one line (without its CR/LF). Returns true and fills `out` when the
// line is an entry whose name fits CUT_DIRINFO::fileName. Unix lines that give a time of day instead of a year
// leave year and month as given by the line: month set, year 0.
bool ParseListLine(const char* line, size_t length, ListFormat format, CUT_DIRINFO* out);

// Accepts a listing stream split at arbitrary byte boundaries. Lines may end
// with CRLF or LF. Over-long lines (beyond kMaxLineLength) are consumed and
// dropped without unbounded buffering.
class ListParser {
public:
    static constexpr size_t kMaxLineLength = 8192;

    explicit ListParser(ListFormat format) : m_format(format) {}

    void Feed(const char* data, size_t length);
    // Parses a trailing line without line end. Call once at end of stream.
    void Finish();

    const std::vector<CUT_DIRINFO>& Entries() const { return m_entries; }
    std::vector<CUT_DIRINFO> TakeEntries() { return std::move(m_entries); }

    // Entries whose name does not fit CUT_DIRINFO::fileName are left out:
    // a cut name could name another file. For the trace, the first
    // kSkippedNameBytes of the first kMaxSkippedNames such names are kept.
    static constexpr size_t kSkippedNameBytes = 64;
    static constexpr size_t kMaxSkippedNames = 16;
    const std::vector<std::string>& SkippedNames() const { return m_skipped; }

private:
    void EndLine();
    // Parses one line; true if it was an entry, kept or skipped.
    bool AddLine(std::string_view line);
    void NoteSkipped(std::string_view name);

    ListFormat m_format;
    std::string m_line;
    bool m_overflow = false;
    std::string m_pendingName;  // a VMS name whose details follow on the next line
    std::vector<CUT_DIRINFO> m_entries;
    std::vector<std::string> m_skipped;
};
