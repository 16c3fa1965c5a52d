// The server clock offset: an empty test file is uploaded, found in a
// listing, and its listed time compared with the local clock at the upload.
// Listed times are the server's, to the minute (MDTM adds the seconds where
// the server answers it, fact listings give them); the offset turns them
// into local times for the panels.
//
// A user's own "testfile.txt" is never touched: when the remote folder or
// the program's folder already holds one, the probe takes the first free
// name of "testfile1.txt", "testfile2.txt", ... Until one measurement
// succeeds the probe runs again in every folder entered, so a name is
// checked with one command (MLST or SIZE), not with a listing of the folder.
#include <windows.h>

#include <string>

#include "file_time.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "listed_time.h"
#include "name_compare.h"
#include "remote_time.h"
#include "resource.h"
#include "session_ops.h"

namespace {

constexpr int kMaxProbeNames = 100;

std::string ProbeName(int n) { return n == 0 ? "testfile.txt" : "testfile" + std::to_string(n) + ".txt"; }

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    std::string folder(path, length);
    return folder.substr(0, LastElementStart(folder, "\\/"));
}

// Creates the local probe file only when no file of that name exists, so
// that nothing of the user's is ever truncated or deleted.
bool CreateNewEmptyFile(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// Compared ignoring case: on servers whose names ignore case, uploading
// "testfile.txt" would replace a user's "TestFile.txt".
bool RemoteHolds(const std::string& name) {
    CUT_DIRINFO entry;
    for (int i = 0; GetRemoteEntry(i, &entry) == ftp::kOk; ++i) {
        if (SameName(name, entry.fileName)) return true;
    }
    return false;
}

// Whether a name is taken in the current remote folder: 1 taken, 0 free,
// or the result code of a folder that cannot be examined. Servers without
// MLST and SIZE are answered from the folder's listing, read once.
class RemoteNames {
public:
    int Taken(const std::string& name) {
        if (!m_listed) {
            const int asked = TheSession().Client().QueryName(name.c_str());
            if (asked != ftp::kRequestDenied) return asked;
            const int r = ReadRemoteListing(nullptr);
            if (r != ftp::kOk) return r;
            m_listed = true;
        }
        return RemoteHolds(name) ? 1 : 0;
    }

private:
    bool m_listed = false;
};

// Picks a name free in the current remote folder and creates the empty
// local file of that name beside the program. False when the folder cannot
// be examined or the program's folder is not writable.
bool CreateProbeFile(const std::string& localFolder, std::string* name) {
    RemoteNames remote;
    for (int n = 0; n < kMaxProbeNames; ++n) {
        *name = ProbeName(n);
        const int taken = remote.Taken(*name);
        if (taken < 0) {
            TheSession().ClearLastMessage();  // a probe failure is never reported later
            return false;
        }
        if (taken == 1) continue;
        if (CreateNewEmptyFile(localFolder + *name)) return true;
        if (GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

// The probe's entry in a listing of the current folder (of its name alone
// where the server lists single files): 1 found, 2 not listed, or a result
// code.
int FindProbeEntry(const std::string& name, CUT_DIRINFO* entry) {
    FtpSession& session = TheSession();
    const int r = ReadRemoteListing(session.SingleFileListing() ? name.c_str() : nullptr);
    if (r != ftp::kOk) {
        session.ClearSingleFileListing();
        return r;
    }
    for (int i = 0; i < GetRemoteEntryCount(); ++i) {
        const int got = GetRemoteEntry(i, entry);
        if (got != ftp::kOk) return got;
        if (name == entry->fileName) return 1;
    }
    return 2;
}

// A listing to the minute hides the probe's seconds on the server's clock;
// MDTM tells them (UTC, but time zones move whole minutes), so the offset
// can be measured to the second. Fact listings (MLSD, EPLF) carry their
// seconds: no MDTM then. False when the seconds stay unknown.
bool AddServerSeconds(const std::string& name, const CUT_DIRINFO& entry, int64_t* listed) {
    if ((entry.timeFlags & kTimeSeconds) != 0) {
        *listed += entry.second * remote_time::kSecond;
        return true;
    }
    char stamp[16] = "";
    if (TheSession().Client().GetFileTime(name.c_str(), stamp, sizeof stamp) != ftp::kOk) return false;
    *listed += ((stamp[12] - '0') * 10 + (stamp[13] - '0')) * remote_time::kSecond;
    return true;
}

// Upload, find, measure, remove. The name is free in the folder, so there
// is nothing to delete before the upload.
void MeasureWith(const std::string& localPath, const std::string& name) {
    FtpSession& session = TheSession();
    // The server stamps the file between the start of the upload and its
    // reply: the middle of the two is the best local time of that stamp.
    const int64_t before = FileTimeToInt64(LocalNow());
    if (UploadHere(localPath.c_str(), name.c_str()) != ftp::kOk) return;
    const int64_t stamped = before + (FileTimeToInt64(LocalNow()) - before) / 2;
    CUT_DIRINFO entry;
    const int found = FindProbeEntry(name, &entry);
    if (found == 1) {
        SYSTEMTIME utcNow;
        GetSystemTime(&utcNow);
        int64_t server = FileTimeToInt64(RemoteListedTime(entry, utcNow));
        const bool toTheSecond = AddServerSeconds(name, entry, &server);
        session.SetClockOffset(remote_time::ListedOffset(stamped - server, toTheSecond), true);
        RemoveRemoteFile(name.c_str());
    } else if (found == 2) {
        RemoveRemoteFile(name.c_str());
    }
}

}  // namespace

int64_t GetClockOffset() { return TheSession().ClockOffset(); }

void ProbeClockOffset(bool force) {
    FtpSession& session = TheSession();
    if (session.OffsetMeasured() && !force) return;
    IFtpLogWindow* window = session.LogWindow();
    session.LogNote(IDS_LOG_CHECKING_TIME);
    if (window) window->EnableLogOutput(false);
    session.SetClockOffset(0, false);

    const std::string folder = ProgramFolder();
    std::string name;
    if (CreateProbeFile(folder, &name)) {
        MeasureWith(folder + name, name);
        DeleteFileA((folder + name).c_str());
        session.ClearLastMessage();
    }
    if (window) window->EnableLogOutput(true);
}
