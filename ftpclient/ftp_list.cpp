// Listings: MLSD where the server offers it (exact sizes and UTC times),
// else LIST parsed from its Unix or DOS lines. A name pattern is applied here,
// on the client, because servers disagree on what "LIST pattern" means.
#include <cstring>

#include "data_channel.h"
#include "ftp_client_impl.h"
#include "list_parser.h"

using namespace ftp;

namespace {

constexpr size_t kMaxListingEntries = 500000;

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

// An empty folder is answered with 450 or 550 "No files found" by some
// servers instead of an empty listing.
bool IsEmptyFolderReply(const Reply& reply) {
    if (reply.code == 450) return true;
    return reply.code == 550 && reply.text.find("No files") != std::string::npos;
}

class ListingRead {
public:
    explicit ListingRead(CUT_FTPClient::Impl& s) : m_s(s) {}
    int Run(std::vector<CUT_DIRINFO>* entries);

private:
    int ReadData(ListParser* parser);

    CUT_FTPClient::Impl& m_s;
    DataChannel m_data;
};

int ListingRead::Run(std::vector<CUT_DIRINFO>* entries) {
    const bool mlsd = m_s.features.mlsd;
    DataChannelOptions options;
    options.passive = m_s.passive;
    options.preferEpsv = m_s.features.epsv;
    options.epsvRefused = &m_s.epsvRefused;
    int r = m_data.Prepare(m_s.control, options);
    if (r != kOk) return r;
    r = m_s.control.Send(mlsd ? "MLSD" : "LIST");
    if (r != kOk) return r;
    Reply reply;
    r = m_s.control.ReadReply(&reply);
    if (r != kOk) return r;
    if (reply.code >= 400) {
        if (IsEmptyFolderReply(reply)) return kOk;
        return MapReplyToResult(Command::kList, reply.code, reply.text);
    }
    if (reply.code >= 200) return kOk;  // answered without data: nothing listed
    ListParser parser(mlsd ? ListFormat::kMlsd : ListFormat::kList);
    r = m_data.Establish(m_s.control.Timeout());
    if (r == kOk) r = ReadData(&parser);
    m_data.Close();
    if (r != kOk) {
        // The listing's final reply is still to come and would be read as
        // the answer to the next command: the connection cannot go on.
        m_s.control.Close();
        return r;
    }
    r = m_s.control.ReadFinalReply(&reply);
    if (r != kOk) return r;
    if (reply.code >= 400) return MapReplyToResult(Command::kList, reply.code, reply.text);
    parser.Finish();
    *entries = parser.TakeEntries();
    return kOk;
}

int ListingRead::ReadData(ListParser* parser) {
    char buffer[16384];
    for (;;) {
        // A listing that never ends must not take all memory.
        if (parser->Entries().size() > kMaxListingEntries) return kOutOfMemory;
        size_t got = 0;
        const int r = m_data.Socket().Receive(buffer, sizeof buffer, m_s.control.Timeout(), &got);
        if (r == kTimeout) return kTimeout;
        if (r != kOk) return kDataConnectionClosed;
        if (got == 0) return kOk;
        parser->Feed(buffer, got);
    }
}

}  // namespace

int CUT_FTPClient::GetDirInfo(const char* pattern) {
    Impl& s = *m_impl;
    s.entries.clear();
    if (!s.control.IsOpen()) return kConnectionClosed;
    std::vector<CUT_DIRINFO> entries;
    const int r = ListingRead(s).Run(&entries);
    if (r != kOk) return r;
    if (pattern != nullptr && *pattern != '\0') {
        for (const CUT_DIRINFO& entry : entries) {
            if (MatchesPattern(pattern, entry.fileName)) s.entries.push_back(entry);
        }
    } else {
        s.entries = std::move(entries);
    }
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
