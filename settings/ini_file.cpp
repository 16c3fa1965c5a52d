#include "ini_file.h"

#include <windows.h>

#include <vector>

namespace settings {

std::string IniFile::Read(const char* section, const char* key, size_t bufferSize) const {
    if (m_path.empty() || section == nullptr || key == nullptr || bufferSize == 0) {
        return std::string();
    }
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(),
                                                  static_cast<DWORD>(bufferSize), m_path.c_str());
    return std::string(buffer.data(), length);
}

bool IniFile::Write(const char* section, const char* key, const std::string& value) const {
    if (m_path.empty() || section == nullptr || key == nullptr) {
        return false;
    }
    return WritePrivateProfileStringA(section, key, value.c_str(), m_path.c_str()) != FALSE;
}

// A null value removes the key, a null key the whole section.
bool IniFile::RemoveKey(const char* section, const char* key) const {
    if (m_path.empty() || section == nullptr || key == nullptr) {
        return false;
    }
    return WritePrivateProfileStringA(section, key, nullptr, m_path.c_str()) != FALSE;
}

bool IniFile::RemoveSection(const char* section) const {
    if (m_path.empty() || section == nullptr) {
        return false;
    }
    return WritePrivateProfileStringA(section, nullptr, nullptr, m_path.c_str()) != FALSE;
}

// The platform reports FALSE here even when nothing was left to write.
bool IniFile::Flush() const {
    if (m_path.empty()) {
        return false;
    }
    return WritePrivateProfileStringA(nullptr, nullptr, nullptr, m_path.c_str()) != FALSE;
}

}  // namespace settings
