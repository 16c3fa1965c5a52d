// Remote listings: the held listing for the panels, and FTP_List, which
// renders it for hosts as a folder text and a file text shaped by a template.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "ftp_result.h"
#include "ftp_session.h"
#include "ravoFtp.h"
#include "session_ops.h"
#include "size_text.h"

int ReadRemoteListing(const char* pattern) {
    FtpSession& session = TheSession();
    const int r = session.Client().GetDirInfo(pattern);
    session.CopyLastMessage();
    return r;
}

int GetRemoteEntryCount() { return TheSession().Client().GetDirInfoCount(); }

int GetRemoteEntry(int index, CUT_DIRINFO* entry) { return TheSession().Client().GetDirEntry(index, entry); }

void ParseDigits(const char* text, int32_t* number) {
    uint32_t value = 0;
    for (const char* p = text; p && *p; ++p) {
        if (*p >= '0' && *p <= '9') value = value * 10 + static_cast<uint32_t>(*p - '0');
    }
    *number = static_cast<int32_t>(value);
}

namespace {

// One caller-owned output text: never written past its size, always
// terminated after each line.
struct OutputText {
    char* buffer;
    size_t size;
    size_t length = 0;

    OutputText(char* b, int s) : buffer(b), size(b ? BufferRoom(s) : 0) {
        if (size > 0) buffer[0] = '\0';
    }
    bool Append(const std::string& line) {
        if (length + line.size() + 3 > size) return false;  // line, CR LF and NUL must fit
        std::memcpy(buffer + length, line.data(), line.size());
        length += line.size();
        std::memcpy(buffer + length, "\r\n", 3);
        length += 2;
        return true;
    }
};

struct EntryTime {
    int year, month, day, hour, minute;
};

// Year and month default to the current UTC ones, day to 1, hour 24 to 0.
EntryTime TimeOf(const CUT_DIRINFO& entry) {
    const std::time_t now = std::time(nullptr);
    std::tm utc = {};
    gmtime_s(&utc, &now);
    return {entry.year ? entry.year : utc.tm_year + 1900, entry.month ? entry.month : utc.tm_mon + 1,
            entry.day ? entry.day : 1, entry.hour == 24 ? 0 : entry.hour, entry.minute};
}

class ListingWalk {
public:
    ListingWalk(const char* templateText, OutputText* folders, OutputText* files)
        : m_template(templateText ? templateText : ""), m_folders(folders), m_files(files) {}
    int Run();

private:
    void WriteEntry(const CUT_DIRINFO& entry, int* pending);
    std::string Expand(const CUT_DIRINFO& entry, bool folder, int* pending);
    int WalkSubFolder(const char* name);

    std::string m_template;
    OutputText* m_folders;
    OutputText* m_files;
    std::string m_prefix;  // the sub-folder being walked, or empty
    std::string m_folder;  // the folder listed, to return to after a sub-folder
    bool m_returnFailed = false;
};

int ListingWalk::Run() {
    if (m_prefix.empty()) GetRemoteCurrentDir(&m_folder);
    int r = ReadRemoteListing(nullptr);
    if (r != ftp::kOk) return r;
    int pending = ftp::kOk;
    for (int i = 0; i < GetRemoteEntryCount() && !m_returnFailed; ++i) {
        CUT_DIRINFO entry;
        pending = GetRemoteEntry(i, &entry);
        if (pending != ftp::kOk) continue;
        WriteEntry(entry, &pending);
    }
    return pending;
}

void ListingWalk::WriteEntry(const CUT_DIRINFO& entry, int* pending) {
    if (std::strcmp(entry.fileName, ".") == 0 || std::strcmp(entry.fileName, "..") == 0) return;
    const bool folder = entry.fileType != 0;
    if (folder && !m_prefix.empty()) return;  // one level deep only
    OutputText* target = folder ? m_folders : m_files;
    if (target->length + m_template.size() + std::strlen(entry.fileName) + 20 >= target->size) return;
    const std::string line = Expand(entry, folder, pending);
    target->Append(line);  // an entry whose line does not fit is left out
}

std::string ListingWalk::Expand(const CUT_DIRINFO& entry, bool folder, int* pending) {
    const EntryTime t = TimeOf(entry);
    std::string line;
    char field[32];
    for (size_t i = 0; i < m_template.size();) {
        const char* at = m_template.c_str() + i;
        if (std::strncmp(at, "name", 4) == 0) {
            line += entry.fileName;
            i += 4;
        } else if (std::strncmp(at, "subname", 7) == 0) {
            if (folder) {
                line += entry.fileName;
                *pending = WalkSubFolder(entry.fileName);
            } else {
                line += m_prefix.empty() ? std::string(entry.fileName) : m_prefix + "/" + entry.fileName;
            }
            i += 7;
        } else if (std::strncmp(at, "date", 4) == 0) {
            std::snprintf(field, sizeof field, "%04d/%02d/%02d", t.year, t.month, t.day);
            line += field;
            i += 4;
        } else if (std::strncmp(at, "time", 4) == 0) {
            std::snprintf(field, sizeof field, "%02d:%02d", t.hour, t.minute);
            line += field;
            i += 4;
        } else if (std::strncmp(at, "size", 4) == 0) {
            line += FormatSizeText(entry.fileSize);
            i += 4;
        } else if (std::strncmp(at, "attr", 4) == 0) {
            line += folder ? "d" : "-";
            i += 4;
        } else {
            line += *at;
            ++i;
        }
    }
    return line;
}

// Lists a top-level sub-folder's files into the file text, then returns to
// the parent and reads its listing again. The way back is the parent's full
// path where it is known: "CWD .." after entering a link leads to the
// parent of the link's target on many servers. When the return fails the
// walk stops: the held listing is the sub-folder's, not the one walked.
int ListingWalk::WalkSubFolder(const char* name) {
    FtpSession& session = TheSession();
    m_prefix = name;
    int r = session.Client().ChDir(name);
    session.CopyLastMessage();
    if (r == ftp::kOk) {
        ListingWalk inner(m_template.c_str(), m_folders, m_files);
        inner.m_prefix = m_prefix;
        inner.Run();
        m_prefix = m_folder.empty() ? std::string("..") : m_folder;
        r = session.Client().ChDir(m_prefix.c_str());
        session.CopyLastMessage();
        if (r == ftp::kOk) r = ReadRemoteListing(nullptr);
        if (r != ftp::kOk) m_returnFailed = true;
    }
    m_prefix.clear();
    return r;
}

}  // namespace

extern "C" int WINAPI FTP_List(LPCSTR templateText, LPSTR folderText, int folderSize, LPSTR fileText,
                               int fileSize) {
    OutputText folders(folderText, folderSize);
    OutputText files(fileText, fileSize);
    return ListingWalk(templateText, &folders, &files).Run();
}
