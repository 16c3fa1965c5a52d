// A file's modification time on the server: set, so that an uploaded file
// keeps the time of its local original; read, where the listing gives only
// minutes.
#include <cstring>

#include "ftp_client_impl.h"

using namespace ftp;

namespace {

bool IsStamp(const char* utc) {
    if (utc == nullptr || std::strlen(utc) != 14) return false;
    for (const char* c = utc; *c != '\0'; ++c)
        if (*c < '0' || *c > '9') return false;
    return true;
}

bool IsUnknownCommand(int code) { return code == 500 || code == 501 || code == 502 || code == 504; }

}  // namespace

int CUT_FTPClient::SetFileTime(const char* path, const char* utc) {
    if (path == nullptr || *path == '\0' || !IsStamp(utc)) return kBadArgument;
    Impl& s = *m_impl;
    if (s.features.mfmt) return s.Run("MFMT " + std::string(utc) + " " + path, Command::kPath);
    // A server that did not answer FEAT gets no command it may not know.
    if (!s.features.known || s.utimeRefused) return kRequestDenied;
    // The form with the time first takes names with blanks as they are.
    Reply reply;
    const int r = s.Run("SITE UTIME " + std::string(utc) + " " + path, Command::kPath, &reply);
    // Stopped, cut off or no FTP answer: nothing was said about SITE UTIME.
    if (reply.code < 400 || IsConnectionFault(r)) return r;
    // 500/501/502/504: the server has no such command (or not in this
    // form); a 550 or any other refusal is about this file.
    if (IsUnknownCommand(reply.code)) s.utimeRefused = true;
    return kRequestDenied;
}

int CUT_FTPClient::GetFileTime(const char* path, char* utc, int size) {
    if (path == nullptr || *path == '\0' || utc == nullptr || size < 15) return kBadArgument;
    Reply reply;
    const int r = m_impl->Run("MDTM " + std::string(path), Command::kFileRead, &reply);
    if (r != kOk) return r == kSyntaxError ? kRequestDenied : r;
    // "213 YYYYMMDDHHMMSS[.sss]"
    const std::string stamp = reply.text.size() >= 18 ? reply.text.substr(4, 14) : std::string();
    if (reply.code != 213 || !IsStamp(stamp.c_str())) return kRequestDenied;
    std::memcpy(utc, stamp.c_str(), 15);
    return kOk;
}
