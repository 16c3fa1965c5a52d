// Listings: MLSD where the server offers it (exact sizes and UTC times),
// else LIST parsed from its Unix or DOS lines. A name pattern is applied here,
// on the client, because servers disagree on what "LIST pattern" means.
#include <cstring>

#include "data_transfer.h"
#include "list_parser.h"

using namespace ftp;

namespace {

// "*" matches any run of characters, "?" one character; everything else
// matches itself, case-sensitively as names on most servers are.
bool MatchesPattern(const char* pattern, const char* name) {
    const char* starPattern = nullptr;
    const char* starName = nullptr;
    while (*name) {
        if (*pattern == '*') {
            starPattern = ++pattern;
            starName = name;
        } else if (*pattern == '?' || *pattern == *name) {
            ++pattern;
            ++name;
        } else if (starPattern) {
            pattern = starPattern;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

// Feeds the listing's bytes to the parser, up to the entry limit: a listing
// that never ends must not take all memory.
class ListingBody : public DataTransfer::Body {
public:
    ListingBody(ListFormat format, size_t limit) : m_parser(format), m_limit(limit) {}

    int Move(DataTransfer& transfer) override {
        char buffer[16384];
        for (;;) {
            if (m_parser.Entries().size() > m_limit) return kListingTooLong;
            size_t got = 0;
            const int r = transfer.Receive(buffer, sizeof buffer, &got);
            if (r != kOk) return r;
            if (got == 0) break;
            m_parser.Feed(buffer, got);
        }
        m_parser.Finish();
        return kOk;
    }

    const std::vector<std::string>& SkippedNames() const { return m_parser.SkippedNames(); }

    // The entries read, at most the limit.
    std::vector<CUT_DIRINFO> Take() {
        std::vector<CUT_DIRINFO> entries = m_parser.TakeEntries();
        if (entries.size() > m_limit) entries.resize(m_limit);
        return entries;
    }

private:
    ListParser m_parser;
    size_t m_limit;
};

}  // namespace

int CUT_FTPClient::GetDirInfo(const char* pattern) {
    Impl& s = *m_impl;
    s.entries.clear();
    if (!s.control.IsOpen()) return kConnectionClosed;
    const bool mlsd = s.features.mlsd;
    ListingBody body(mlsd ? ListFormat::kMlsd : ListFormat::kList, s.maxListingEntries);
    // Listings go in whatever type is set: TYPE is not part of their step.
    const int r = DataTransfer(s, DataKind::kListing).Run(mlsd ? "MLSD" : "LIST", -1, body);
    // A name longer than an entry holds is left out rather than cut: the cut
    // name could name another file. The trace says so.
    for (const std::string& name : body.SkippedNames()) {
        s.control.TraceNote("Skipped a listed name longer than 255 characters: " + name + "...");
    }
    if (r != kOk && r != kListingTooLong) return r;
    std::vector<CUT_DIRINFO> entries = body.Take();
    if (pattern != nullptr && *pattern != '\0') {
        for (const CUT_DIRINFO& entry : entries) {
            if (MatchesPattern(pattern, entry.fileName)) s.entries.push_back(entry);
        }
    } else {
        s.entries = std::move(entries);
    }
    return r;
}

int CUT_FTPClient::SetMaxListingEntries(int entries) {
    if (entries <= 0) return kBadArgument;
    m_impl->maxListingEntries = static_cast<size_t>(entries);
    return kOk;
}

int CUT_FTPClient::GetDirInfoCount() { return static_cast<int>(m_impl->entries.size()); }

int CUT_FTPClient::GetDirEntry(int index, CUT_DIRINFO* entry) {
    if (entry == nullptr || index < 0 || static_cast<size_t>(index) >= m_impl->entries.size()) {
        return kBadArgument;
    }
    *entry = m_impl->entries[static_cast<size_t>(index)];
    return kOk;
}
