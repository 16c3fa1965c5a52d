#include "local_file.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace ftp {

bool LocalFile::OpenRead(const std::string& path) {
    Close();
    m_file = std::fopen(path.c_str(), "rb");
    if (m_file) std::setvbuf(m_file, nullptr, _IONBF, 0);  // we read in large blocks
    return m_file != nullptr;
}

bool LocalFile::CreateNew(const std::string& path) {
    Close();
#ifdef _WIN32
    // "x" (exclusive create) is not known to every C runtime on Windows: the
    // file is created exclusively here and handed to the C runtime.
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_BINARY | _O_WRONLY);
    if (fd < 0) {
        CloseHandle(h);
        return false;
    }
    m_file = _fdopen(fd, "wb");
    if (m_file == nullptr) _close(fd);
#else
    m_file = std::fopen(path.c_str(), "wbx");
#endif
    if (m_file) std::setvbuf(m_file, nullptr, _IONBF, 0);
    return m_file != nullptr;
}

size_t LocalFile::Read(char* buffer, size_t capacity) {
    return m_file ? std::fread(buffer, 1, capacity, m_file) : 0;
}

bool LocalFile::Write(const char* data, size_t length) {
    return m_file && std::fwrite(data, 1, length, m_file) == length;
}

bool LocalFile::Close() {
    if (!m_file) return true;
    const bool ok = std::fclose(m_file) == 0;
    m_file = nullptr;
    return ok;
}

std::string TemporarySiblingName(const std::string& target, int attempt) {
    const std::string sibling = target + ".part" + std::to_string(attempt) + ".ravo";
    // Near the Windows path limit a short name in the same folder is used,
    // so that a target that fits is never refused for its temporary name.
    constexpr size_t kPathLimit = 259;
    if (sibling.size() <= kPathLimit) return sibling;
    const size_t slash = target.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    return folder + "~rv" + std::to_string(attempt) + ".tmp";
}

bool ReplaceLocalFile(const std::string& from, const std::string& to) {
#ifdef _WIN32
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED) != 0;
#else
    return std::rename(from.c_str(), to.c_str()) == 0;
#endif
}

bool RemoveLocalFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

}  // namespace ftp
