// Path commands on the control connection: CWD, MKD, RMD, DELE, RNFR/RNTO, PWD.
#include <algorithm>
#include <cstring>

#include "bounded_copy.h"
#include "ftp_client_impl.h"

using namespace ftp;

namespace {

bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }

// PWD answers 257 "<path>" comment, with quotes inside the path doubled
// (RFC 959 appendix II). Servers that omit the quotes give the path as the
// first word.
std::string ParsePwdReply(const std::string& text) {
    std::string line = text.substr(0, text.find('\r'));
    const size_t open = line.find('"');
    if (open == std::string::npos) {
        line = line.size() > 4 ? line.substr(4) : std::string();
        return line.substr(0, line.find(' '));
    }
    std::string path;
    for (size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] != '"') {
            path += line[i];
        } else if (i + 1 < line.size() && line[i + 1] == '"') {
            path += '"';
            ++i;
        } else {
            break;
        }
    }
    return path;
}

}  // namespace

int CUT_FTPClient::ChDir(const char* path) {
    if (IsEmpty(path)) return kBadArgument;
    return m_impl->Run(std::string("CWD ") + path, Command::kPath);
}

int CUT_FTPClient::MkDir(const char* path) {
    if (IsEmpty(path)) return kBadArgument;
    return m_impl->Run(std::string("MKD ") + path, Command::kPath);
}

int CUT_FTPClient::RmDir(const char* path) {
    if (IsEmpty(path)) return kBadArgument;
    return m_impl->Run(std::string("RMD ") + path, Command::kPath);
}

int CUT_FTPClient::DeleteFileA(const char* path) {
    if (IsEmpty(path)) return kBadArgument;
    return m_impl->Run(std::string("DELE ") + path, Command::kPath);
}

int CUT_FTPClient::RenameFile(const char* oldName, const char* newName) {
    if (IsEmpty(oldName) || IsEmpty(newName)) return kBadArgument;
    Reply reply;
    int r = m_impl->Run(std::string("RNFR ") + oldName, Command::kPath, &reply, true);
    if (r != kOk) return r;
    if (reply.code != 350) return kNoResponse;
    return m_impl->Run(std::string("RNTO ") + newName, Command::kPath);
}

int CUT_FTPClient::GetCurDir(char* buffer, int maxLength) {
    if (buffer == nullptr || maxLength < 0) return kBadArgument;
    buffer[0] = '\0';
    Reply reply;
    const int r = m_impl->Run("PWD", Command::kPath, &reply);
    if (r != kOk) return r;
    if (reply.code != 257) return kNoResponse;
    const std::string path = ParsePwdReply(reply.text);
    BoundedCopy(buffer, static_cast<size_t>(maxLength) + 1, path.data(), path.size());
    return kOk;
}
