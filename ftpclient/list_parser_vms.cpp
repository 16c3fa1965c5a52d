// VMS listings:
//   NAME.EXT;VERSION  used[/allocated]  D-MON-YYYY HH:MM[:SS[.hh]]  [GROUP,OWNER]  (RWED,RWED,RE,)
// A long name may stand alone on its line with the rest on the next one;
// the stream parser joins the two (IsVmsNameAlone). Header and total lines
// ("Directory DISK$USER:[HOME]", "Total of 3 files") match nothing.

#include "list_parser_internal.h"

namespace list_parser {

namespace {

constexpr int64_t kVmsBlockBytes = 512;

// The version after ";" is dropped: the name without it names the newest
// version, which is what a client retrieves, renames or deletes.
bool SplitVersion(string_view token, string_view* name) {
    const size_t semi = token.rfind(';');
    if (semi == string_view::npos || semi == 0 || !IsAllDigits(token.substr(semi + 1))) return false;
    *name = token.substr(0, semi);
    return true;
}

// Sizes are counted in 512-byte blocks: "used" or "used/allocated".
bool ParseBlocks(string_view t, int64_t* size) {
    int64_t blocks = 0;
    if (!ParseSize(t.substr(0, t.find('/')), &blocks)) return false;
    *size = blocks > INT64_MAX / kVmsBlockBytes ? INT64_MAX : blocks * kVmsBlockBytes;
    return true;
}

// "7-JUN-2005".
bool ParseVmsDate(string_view t, Stamp* stamp) {
    const size_t dash1 = t.find('-');
    const size_t dash2 = (dash1 == string_view::npos) ? dash1 : t.find('-', dash1 + 1);
    if (dash2 == string_view::npos) return false;
    stamp->month = MonthFromName(t.substr(dash1 + 1, dash2 - dash1 - 1));
    return stamp->month != 0 && ParseBounded(t.substr(0, dash1), 2, 1, 31, &stamp->day) &&
           ParseYear4(t.substr(dash2 + 1), &stamp->year);
}

}  // namespace

bool IsVmsNameAlone(string_view line) {
    const string_view token = NextToken(line, 0);
    string_view name;
    return !token.empty() && TokenAfter(line, token).empty() && SplitVersion(token, &name);
}

bool ParseVmsLine(string_view line, Entry* out) {
    Entry entry;
    bool hadSeconds = false;
    const string_view nameToken = NextToken(line, 0);
    const string_view sizeToken = TokenAfter(line, nameToken);
    const string_view dateToken = TokenAfter(line, sizeToken);
    if (!SplitVersion(nameToken, &entry.name) || !ParseBlocks(sizeToken, &entry.size) ||
        !ParseVmsDate(dateToken, &entry.stamp) ||
        !ParseTimeToken(TokenAfter(line, dateToken), &entry.stamp, &hadSeconds)) {
        return false;
    }
    // Folders are files of type ".DIR"; the listing shows them with it.
    if (EndsWithNoCase(entry.name, ".DIR") && entry.name.size() > 4) {
        entry.name.remove_suffix(4);
        entry.type = kDirEntryFolder;
    }
    *out = entry;
    return true;
}

}  // namespace list_parser
