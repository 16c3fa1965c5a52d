// Local files for transfers: plain streaming reads and writes through a
// caller's buffer, and the replace-on-success step of a download.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace ftp {

class LocalFile {
public:
    LocalFile() = default;
    ~LocalFile() { Close(); }
    LocalFile(const LocalFile&) = delete;
    LocalFile& operator=(const LocalFile&) = delete;

    bool OpenRead(const std::string& path);
    // Creates a new file; fails when it exists already.
    bool CreateNew(const std::string& path);
    // Returns the bytes read; 0 at end of file or on error (see Failed()).
    size_t Read(char* buffer, size_t capacity);
    bool Write(const char* data, size_t length);
    bool Close();  // false when buffered data could not be written
    bool Failed() const { return m_file != nullptr && std::ferror(m_file) != 0; }

private:
    std::FILE* m_file = nullptr;
};

// A free name for a temporary sibling of `target` in the same folder, so
// that the final rename does not cross file systems.
std::string TemporarySiblingName(const std::string& target, int attempt);
// Moves `from` over `to`, replacing it.
bool ReplaceLocalFile(const std::string& from, const std::string& to);
bool RemoveLocalFile(const std::string& path);

}  // namespace ftp
