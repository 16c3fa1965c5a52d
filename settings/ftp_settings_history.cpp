// Path history rings: up to the history limit + 1 distinct folders under
// "Path0", "Path1", ... of a section; the index written last is kept in
// "Defaults" under the section's name, so the ring overwrites its oldest.
#include <string>

#include "ftp_settings.h"
#include "ini_file.h"
#include "settings_keys.h"
#include "name_compare.h"

namespace {

std::string PathKey(int index) { return "Path" + std::to_string(index); }

}  // namespace

int FtpSettings::ReadPathHistory(const char* section, int index, std::string* path) const {
    if (index < 0 || path == nullptr) {
        return 0;
    }
    const std::string stored = settings::IniFile(m_iniPath).Read(section, PathKey(index).c_str());
    if (stored.empty()) {
        return 0;
    }
    *path = stored;
    return 1;
}

void FtpSettings::AddPathHistory(const char* section, const std::string& path) {
    if (section == nullptr || path.empty()) {
        return;
    }
    const settings::IniFile ini(m_iniPath);
    bool ringHasEntries = false;
    for (int index = 0; index <= m_historyLimit; ++index) {
        const std::string stored = ini.Read(section, PathKey(index).c_str());
        if (stored.empty()) {
            continue;
        }
        if (SameName(stored, path)) {
            return;
        }
        ringHasEntries = true;
    }
    // A hand-edited position outside the ring restarts it at 0.
    int position = GetDefaultInt(section);
    if (ringHasEntries) {
        position = position >= 0 && position < m_historyLimit ? position + 1 : 0;
    } else if (position < 0 || position > m_historyLimit) {
        position = 0;
    }
    if (ini.Write(section, PathKey(position).c_str(), path)) {
        ini.Write(settings::kDefaultsSection, section, std::to_string(position));
    }
}
