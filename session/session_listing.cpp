// Remote listings: the held listing for the panels, and FTP_List, which
// renders it for hosts as a folder text and a file text shaped by a template
// (list_template.h), walking each sub-folder one level deep for "subname".
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "bounded_copy.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "list_template.h"
#include "listed_time.h"
#include "session_ops.h"

int ReadRemoteListing(const char* pattern) {
    FtpSession& session = TheSession();
    const int r = session.Client().GetDirInfo(pattern);
    session.CopyLastMessage();
    return r;
}

int GetRemoteEntryCount() { return TheSession().Client().GetDirInfoCount(); }

int GetRemoteEntry(int index, CUT_DIRINFO* entry) { return TheSession().Client().GetDirEntry(index, entry); }

void ParseDigits(const char* text, int64_t* number) {
    constexpr int64_t kMax = INT64_MAX;
    int64_t value = 0;
    for (const char* p = text; p && *p; ++p) {
        if (*p < '0' || *p > '9') continue;
        const int digit = *p - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;  // saturated, never wrapped
    }
    *number = value;
}

namespace {

// One caller-owned output text: never written past its size, always
// terminated after each line.
struct OutputText {
    char* buffer;
    size_t size;
    size_t length = 0;

    OutputText(char* b, int s) : buffer(b), size(b ? BufferRoom(s) : 0) { BoundedCopy(buffer, size, ""); }
    // A line that does not fit with its CR LF and NUL is left out whole.
    void Append(const std::string& line) {
        if (length + line.size() + 3 > size) return;
        length += BoundedCopy(buffer + length, size - length, (line + "\r\n").c_str(), line.size() + 2);
    }
};

SYSTEMTIME UtcNow() {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return now;
}

// The current folder's entries, read once: the walk into sub-folders
// replaces the listing the engine holds. A listing cut at the entry limit
// still gives the entries before the cut, with its own code.
int ReadEntries(std::vector<CUT_DIRINFO>* entries) {
    const int r = ReadRemoteListing(nullptr);
    if (r != ftp::kOk && r != ftp::kListingTooLong) return r;
    for (int i = 0; i < GetRemoteEntryCount(); ++i) {
        CUT_DIRINFO entry;
        if (GetRemoteEntry(i, &entry) == ftp::kOk) entries->push_back(entry);  // a failed entry is left out
    }
    return r;
}

bool IsDotEntry(const CUT_DIRINFO& entry) {
    return std::strcmp(entry.fileName, ".") == 0 || std::strcmp(entry.fileName, "..") == 0;
}

class ListingWalk {
public:
    ListingWalk(const char* templateText, OutputText* folders, OutputText* files)
        : m_template(templateText ? templateText : ""), m_folders(folders), m_files(files) {}
    int Run();

private:
    void Write(const CUT_DIRINFO& entry, const std::string& subFolder);
    int WalkSubFolder(const char* name);

    std::string m_template;
    OutputText* m_folders;
    OutputText* m_files;
    // The clock is read once per walk: the times of a long listing are
    // shaped against one date.
    SYSTEMTIME m_utcNow = UtcNow();
    ListClock m_now = {m_utcNow.wYear, m_utcNow.wMonth};
    std::string m_home;  // the listed folder as the server named it
    bool m_lost = false;  // the way back failed: the current folder is another
};

int ListingWalk::Run() {
    const bool walks = TemplateWalksSubFolders(m_template);
    // Without the listed folder's own name there is no safe way back.
    if (walks) {
        const int r = ReadServerCurrentDir(&m_home);
        if (r != ftp::kOk) return r;
    }
    std::vector<CUT_DIRINFO> entries;
    int pending = ReadEntries(&entries);
    for (const CUT_DIRINFO& entry : entries) {
        if (IsDotEntry(entry)) continue;
        Write(entry, std::string());
        if (walks && entry.fileType != kDirEntryFile) {
            const int walked = WalkSubFolder(entry.fileName);
            if (walked != ftp::kOk) pending = walked;
            if (m_lost) break;
        }
    }
    return pending;
}

void ListingWalk::Write(const CUT_DIRINFO& entry, const std::string& subFolder) {
    OutputText* target = entry.fileType != kDirEntryFile ? m_folders : m_files;
    if (target->length + m_template.size() + std::strlen(entry.fileName) + 20 >= target->size) return;
    // The times the remote panel shows: fact listings' UTC in local time,
    // LIST times with the measured clock offset.
    const CUT_DIRINFO shown = WithTime(entry, LocalListedTime(entry, m_utcNow, GetClockOffset()).local);
    target->Append(ExpandListTemplate(shown, m_template, subFolder, m_now));
}

// Lists a top-level sub-folder's files into the file text, then returns to
// the listed folder by the name the server gave it ("CWD .." after entering
// a link leads to the parent of the link's target on many servers), and
// checks with PWD that the way back arrived there. Anywhere else, the walk
// stops: what follows would be listed from the wrong folder.
int ListingWalk::WalkSubFolder(const char* name) {
    FtpSession& session = TheSession();
    int r = session.Client().ChDir(name);
    session.CopyLastMessage();
    if (r != ftp::kOk) return r;  // not entered: only its files are missing
    std::vector<CUT_DIRINFO> entries;
    ReadEntries(&entries);
    for (const CUT_DIRINFO& entry : entries) {
        if (entry.fileType == kDirEntryFile) Write(entry, name);
    }
    r = session.Client().ChDir(m_home.c_str());
    session.CopyLastMessage();
    std::string back;
    if (r == ftp::kOk) r = ReadServerCurrentDir(&back);
    if (r == ftp::kOk && back != m_home) r = ftp::kGeneralError;
    m_lost = r != ftp::kOk;
    return r;
}

}  // namespace

int ListFolderText(const char* templateText, char* folderText, int folderSize, char* fileText, int fileSize) {
    OutputText folders(folderText, folderSize);
    OutputText files(fileText, fileSize);
    return ListingWalk(templateText, &folders, &files).Run();
}
