// The walks over a remote tree: the recursive delete, and the visits of the
// folder size and of a download.
// Names come from the server and are never trusted as paths: a listed name
// holding a separator or a drive colon, or naming the folder itself or its
// parent, could make the walk leave the tree it was asked for. Such entries
// are skipped with a note in the log. Links are never followed, and a depth
// bound and the record of folders already entered (as the server names
// them after each change) stop a server whose folders contain themselves.
#include <chrono>
#include <set>
#include <string>
#include <vector>

#include "ftp_remote_file_list.h"
#include "ftp_panel_owner.h"
#include "ftp_session.h"
#include "message_boxes.h"
#include "message_text.h"
#include "module.h"
#include "resource.h"
#include "session_ops.h"
#include "wait_cursor.h"

namespace {

constexpr int kFolderBufferSize = 4096;

bool IsPlainName(const char* name) {
    const std::string text = name;
    return !text.empty() && text != "." && text != ".." && text.find_first_of("/\\:") == std::string::npos;
}

// The session's folder after a change, as the server names it; empty
// when the server would not say.
int ChangeTo(const std::string& folder, std::string* current) {
    std::vector<char> reported(kFolderBufferSize + 1, '\0');
    const int r = ChangeRemoteDir(folder.c_str(), reported.data(), kFolderBufferSize);
    if (current != nullptr) *current = reported.data();
    return r;
}

}  // namespace

struct CFtpRemoteFileList::TreeWalk {
    ITreeVisitor* visitor = nullptr;  // a visit's, which may refuse names
    std::set<std::string> visited;
    std::string loopFolder;  // where the walk was stopped, when it was
    bool stopped = false;
    std::chrono::steady_clock::time_point lastPump = std::chrono::steady_clock::now();

    // Between items, at most every 100 ms: a walk of many quick commands
    // never waits long enough for the engine to call back, yet the window
    // must paint and see a stop. Once asked, the stop holds for the walk.
    bool StopAsked() {
        const auto now = std::chrono::steady_clock::now();
        if (stopped || now - lastPump < std::chrono::milliseconds(100)) return stopped;
        lastPump = now;
        return stopped = OnServerWait() != 0;
    }
};

int CFtpRemoteFileList::CopyFolderRecords(const std::string& folder, TreeWalk& walk,
                                          std::vector<CUT_DIRINFO>* records) {
    FtpSession& session = TheSession();
    if (walk.visited.size() >= kMaxFolders) {
        walk.loopFolder = folder;
        return -4;
    }
    std::string current;
    int r = ChangeTo(folder, &current);
    if (r != 0) return r;
    if (!current.empty() && !walk.visited.insert(current).second) {
        walk.loopFolder = folder;
        return -4;
    }
    r = ReadRemoteListing(nullptr);
    if (r != 0) return r;
    // Copied first: the session's listing changes as soon as the walk goes on.
    const int count = GetRemoteEntryCount();
    CUT_DIRINFO record;
    for (int i = 0; i < count; ++i) {
        r = GetRemoteEntry(i, &record);
        if (r != 0) return r;
        if (IsPlainName(record.fileName) && (walk.visitor == nullptr || walk.visitor->Accepts(record.fileName))) {
            records->push_back(record);
        } else if (std::string(record.fileName) != "." && std::string(record.fileName) != "..") {
            session.LogText(InsertTexts(LoadResourceString(IDS_LOG_SKIPPED_NAME), record.fileName, folder));
        }
    }
    return 0;
}

int CFtpRemoteFileList::RemoveTree(const std::string& folder, TreeWalk& walk, int depth) {
    if (depth > kMaxDepth) {
        walk.loopFolder = folder;
        return -4;
    }
    std::vector<CUT_DIRINFO> records;
    int r = CopyFolderRecords(folder, walk, &records);
    for (size_t i = 0; r == 0 && i < records.size(); ++i) {
        if (walk.StopAsked()) return -4;
        const std::string path = MakePath(folder, records[i].fileName);
        if (records[i].fileType == kDirEntryFolder) {
            r = RemoveTree(path, walk, depth + 1);
            if (r == 0) r = ChangeTo(folder, nullptr);
            if (r == 0) r = RemoveRemoteDir(path.c_str());
        } else {
            // A file, or a link: removed as itself, never followed.
            r = RemoveFile(path);
        }
    }
    return r;
}

int CFtpRemoteFileList::RemoveFolder(const std::string& path) {
    if (!m_bRemote) return CFtpFileList::RemoveFolder(path);
    CWaitCursor wait;
    std::string start;
    int r = GetRemoteCurrentDir(&start);
    // The way back must not lead into the tree that is going.
    if (start == path || start.rfind(MakePath(path, ""), 0) == 0) {
        start = path;
        GetParentPath(start);
    }
    TreeWalk walk;
    if (r == 0) r = RemoveTree(path, walk, 0);
    const int back = start.empty() ? 0 : ChangeTo(start, nullptr);
    if (r == 0) r = back;
    if (r == 0) r = RemoveRemoteDir(path.c_str());
    const int relisted = ReadRemoteListing(nullptr);
    if (r == 0) r = relisted;
    if (!walk.loopFolder.empty()) {
        TheSession().LogText(InsertTexts(LoadResourceString(IDS_LOG_DELETE_STOPPED), walk.loopFolder, ""));
        ShowError(OwnerWindow(), IDS_CANNOT_DELETE_FOLDER, path, "");
        return -4;
    }
    return ShowFailure(r);
}

int CFtpRemoteFileList::VisitFolder(const std::string& folder, TreeWalk& walk, int depth) {
    if (depth > kMaxDepth) {
        walk.loopFolder = folder;
        return -4;
    }
    std::vector<CUT_DIRINFO> records;
    const int listed = CopyFolderRecords(folder, walk, &records);
    if (listed != 0) return listed == -4 ? -4 : 0;  // not entered or not listed: passed over
    for (const CUT_DIRINFO& record : records) {
        if (walk.StopAsked()) return -4;
        const std::string path = MakePath(folder, record.fileName);
        int r = 0;
        if (record.fileType == kDirEntryFolder && walk.visitor->EnterFolder(record)) {
            r = VisitFolder(path, walk, depth + 1);
            walk.visitor->LeaveFolder();
        } else if (record.fileType == kDirEntryFile) {
            r = walk.visitor->File(path, record);
        }
        if (r != 0) return r;
    }
    return 0;
}

int CFtpRemoteFileList::VisitTree(const std::string& folder, ITreeVisitor& visitor, UINT loopNoteId) {
    std::string start;
    const int r = GetRemoteCurrentDir(&start);
    if (r != 0) return r;
    TreeWalk walk;
    walk.visitor = &visitor;
    const int visited = VisitFolder(folder, walk, 0);
    if (!start.empty()) ChangeTo(start, nullptr);
    ReadRemoteListing(nullptr);
    if (!walk.loopFolder.empty())
        TheSession().LogText(InsertTexts(LoadResourceString(loopNoteId), walk.loopFolder, ""));
    return visited;
}

void CFtpRemoteFileList::GetFolderSize(const std::string& folder, uint64_t& total) {
    if (!m_bRemote) {
        CFtpFileList::GetFolderSize(folder, total);
        return;
    }
    struct Sum : ITreeVisitor {
        uint64_t& bytes;
        explicit Sum(uint64_t& sum) : bytes(sum) {}
        bool Accepts(const std::string&) override { return true; }
        bool EnterFolder(const CUT_DIRINFO&) override { return true; }
        void LeaveFolder() override {}
        int File(const std::string&, const CUT_DIRINFO& record) override {
            if (record.fileSize64 > 0) bytes += static_cast<uint64_t>(record.fileSize64);
            return 0;
        }
    } sum(total);
    CWaitCursor wait;
    VisitTree(folder, sum, IDS_LOG_SIZE_STOPPED);
}
