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
    if (r == kOk || IsConnectionFault(r)) return r;
    // 500/502/504: the server has no such command; a 550 is about this file.
    if (reply.code != 550) s.utimeRefused = true;
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
