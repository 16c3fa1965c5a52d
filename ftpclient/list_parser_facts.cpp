// Listings made of facts: MLSD / MLST (RFC 3659) and EPLF.

#include "list_parser_internal.h"

namespace list_parser {

namespace {

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

// "YYYYMMDDHHMMSS" plus optional ".fraction": UTC to the second (a leap
// second counts as 59, the fraction is dropped).
bool ParseModify(string_view v, Stamp* stamp) {
    if (v.size() < 14 || !IsModifyFraction(v.substr(14))) return false;
    Stamp s;
    const bool ok = ParseYear4(v.substr(0, 4), &s.year) &&
                    ParseBounded(v.substr(4, 2), 2, 1, 12, &s.month) &&
                    ParseBounded(v.substr(6, 2), 2, 1, 31, &s.day) &&
                    ParseBounded(v.substr(8, 2), 2, 0, 24, &s.hour) &&
                    ParseBounded(v.substr(10, 2), 2, 0, 59, &s.minute) &&
                    ParseBounded(v.substr(12, 2), 2, 0, 60, &s.second) && IsValidClock(s.hour, s.minute);
    s.second = s.second > 59 ? 59 : s.second;
    s.flags = kTimeSeconds | kTimeUtc;
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

}  // namespace

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


// EPLF: "+fact,fact,...<TAB>name". "/" marks a folder, "r" a file that can
// be retrieved, "s" the size, "m" the modification time in seconds since
// 1970 (UTC, passed on like MLSD's); other facts ("i" identity, "up"
// permissions) are not needed.
bool ParseEplfLine(string_view line, Entry* out) {
    if (line.size() < 3 || line[0] != '+') return false;
    const size_t tab = line.find('\t');
    if (tab == string_view::npos || tab + 1 >= line.size()) return false;
    Entry entry;
    entry.name = line.substr(tab + 1);
    string_view facts = line.substr(1, tab - 1);
    while (!facts.empty()) {
        const size_t comma = facts.find(',');
        const string_view fact = facts.substr(0, comma);
        facts = (comma == string_view::npos) ? string_view() : facts.substr(comma + 1);
        if (fact == "/") {
            entry.type = kDirEntryFolder;
        } else if (!fact.empty() && fact[0] == 's' && !ParseSize(fact.substr(1), &entry.size)) {
            return false;
        } else if (!fact.empty() && fact[0] == 'm' && !SetFromUnixTime(fact.substr(1), &entry.stamp)) {
            return false;
        }
    }
    *out = entry;
    return true;
}

}  // namespace list_parser
