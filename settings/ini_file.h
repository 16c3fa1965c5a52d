// The settings file through the platform's private-profile functions: the
// only place that calls them. An empty path stands for "no file": reads give
// nothing and writes fail, so a settings object without a file acts as an
// empty, read-only one.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

namespace settings {

// Values are read into buffers of this many characters, terminator included.
constexpr size_t kValueBufferSize = 260;

class IniFile {
public:
    explicit IniFile(std::string path) : m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    // The value of `key`, "" when absent; cut to `bufferSize` - 1 characters.
    std::string Read(const char* section, const char* key,
                     size_t bufferSize = kValueBufferSize) const;
    bool Write(const char* section, const char* key, const std::string& value) const;
    bool RemoveKey(const char* section, const char* key) const;
    bool RemoveSection(const char* section) const;
    // Asks the platform to write out any cached data.
    bool Flush() const;

private:
    std::string m_path;
};

}  // namespace settings
