// Single-file transfers and the choice of ASCII or binary mode.
#include <cstdio>
#include <cstring>
#include <string>

#include "file_ext.h"
#include "ftp_result.h"
#include "ftp_session.h"
#include "name_compare.h"
#include "session_ops.h"

namespace {

constexpr int kTypeAscii = 0;
constexpr int kTypeBinary = 1;
constexpr size_t kJoinedPathLimit = 255;  // the join buffer holds 256 characters

std::string Text(const char* text) { return text ? std::string(text) : std::string(); }

// Text extensions downloaded in ASCII, compared case-sensitively.
constexpr const char* kTextExtensions[] = {".htm", ".html", ".cdf", ".txt", ".def", ".wrl", ".pkg",
                                           ".ini", ".java", ".cpp", ".h",    ".c",   ".rc"};
// Pictures are uploaded in binary without reading them.
constexpr const char* kPictureExtensions[] = {".png", ".gif", ".jpg", ".jpeg", ".bmp"};

int DownloadType(const std::string& name) {
    const std::string extension = FileExtension(name);
    if (extension.empty()) return kTypeBinary;
    for (const char* text : kTextExtensions) {
        if (extension == text) return kTypeAscii;
    }
    return kTypeBinary;
}

enum class Scan { kMore, kText, kBinary };

// Scans one block the way a text-mode read sees it (CR LF as one LF,
// character 26 ends the file): each character must be 32..254, LF or tab.
Scan ScanBlock(const unsigned char* data, size_t length, bool* pendingCr) {
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = data[i];
        if (*pendingCr && c != '\n') return Scan::kBinary;  // a lone CR
        *pendingCr = c == '\r';
        if (*pendingCr || c == '\n' || c == '\t' || (c >= 32 && c <= 254)) continue;
        return c == 26 ? Scan::kText : Scan::kBinary;
    }
    return Scan::kMore;
}

int ContentType(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return kTypeBinary;  // the transfer itself will report the fault
    unsigned char buffer[65536];
    bool pendingCr = false;
    Scan scan = Scan::kMore;
    size_t got = 0;
    while (scan == Scan::kMore && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        scan = ScanBlock(buffer, got, &pendingCr);
    }
    std::fclose(file);
    if (scan == Scan::kMore) scan = pendingCr ? Scan::kBinary : Scan::kText;
    return scan == Scan::kText ? kTypeAscii : kTypeBinary;
}

int UploadType(const std::string& path) {
    const std::string extension = FileExtension(path);
    for (const char* picture : kPictureExtensions) {
        if (SameName(extension, picture)) return kTypeBinary;
    }
    return ContentType(path);
}

// The current remote folder joined with a name; false when the result would
// not fit the 256-character path buffer.
bool JoinWithCurrentFolder(const char* name, std::string* joined) {
    GetRemoteCurrentDir(joined);
    if (!joined->empty() && joined->back() != '/') *joined += '/';
    *joined += Text(name);
    return joined->size() <= kJoinedPathLimit;
}

}  // namespace

int ChooseTransferType(const char* name, int direction) {
    const std::string text = Text(name);
    return direction == kDownload ? DownloadType(text) : UploadType(text);
}

namespace {

// One file either way: separators to "/", the transfer type, the engine.
int TransferOneFile(const char* localPath, const char* remotePath, int direction) {
    std::string local = Text(localPath);
    std::string remote = Text(remotePath);
    ToRemotePath(local);
    ToRemotePath(remote);
    FtpSession& session = TheSession();
    CUT_FTPClient& client = session.Client();
    const bool download = direction == kDownload;
    client.SetTransferType(ChooseTransferType(download ? remote.c_str() : local.c_str(), direction));
    const int r = download ? client.ReceiveFile(remote.c_str(), local.c_str())
                           : client.SendFile(local.c_str(), remote.c_str());
    session.CopyLastMessage();
    return r;
}

}  // namespace

int DownloadFile(const char* localPath, const char* remotePath) {
    return TransferOneFile(localPath, remotePath, kDownload);
}

int UploadFile(const char* localPath, const char* remotePath) { return TransferOneFile(localPath, remotePath, kUpload); }

int UploadHere(const char* localPath, const char* remoteName) {
    std::string joined;
    if (!JoinWithCurrentFolder(remoteName, &joined)) return ftp::kBadFileName;
    return UploadFile(localPath, joined.c_str());
}

int DownloadHere(const char* localPath, const char* remoteName) {
    std::string joined;
    if (!JoinWithCurrentFolder(remoteName, &joined)) return ftp::kBadFileName;
    return DownloadFile(localPath, joined.c_str());
}
