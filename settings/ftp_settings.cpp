#include "ftp_settings.h"

#include <climits>
#include <string>

#include "ini_file.h"
#include "settings_keys.h"

namespace {

constexpr int kLowestLimit = 2;
constexpr int kHighestLimit = 511;

// The integer at the start of `text` (after blanks, with an optional sign);
// 0 when there is none. Out-of-range values are clamped.
int ParseLeadingInt(const std::string& text) {
    size_t i = text.find_first_not_of(" \t");
    if (i == std::string::npos) {
        return 0;
    }
    const bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+') {
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            return negative ? INT_MIN : INT_MAX;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

// A limit from "Defaults" replaces the built-in one only when it is sane.
void ReadLimit(const settings::IniFile& ini, const char* key, uint16_t* limit) {
    const int value = ParseLeadingInt(ini.Read(settings::kDefaultsSection, key));
    if (value >= kLowestLimit && value <= kHighestLimit) {
        *limit = static_cast<uint16_t>(value);
    }
}

}  // namespace

FtpSettings::FtpSettings(const std::string& fileName)
    : FtpSettings(fileName, settings::SystemSettingsFolders()) {}

FtpSettings::FtpSettings(const std::string& fileName, const settings::SettingsFolders& folders)
    : m_iniPath(settings::LocateSettingsFile(fileName, folders)) {
    const settings::IniFile ini(m_iniPath);
    ReadLimit(ini, settings::kHistoryLimitKey, &m_historyLimit);
    ReadLimit(ini, settings::kProfileLimitKey, &m_profileLimit);
}

int settings::ReadDefaultInt(const std::string& iniPath, const char* key) {
    return ParseLeadingInt(IniFile(iniPath).Read(kDefaultsSection, key));
}

int FtpSettings::GetDefaultInt(const char* key) const {
    return settings::ReadDefaultInt(m_iniPath, key);
}

void FtpSettings::SetDefaultInt(const char* key, int value) {
    settings::IniFile(m_iniPath).Write(settings::kDefaultsSection, key, std::to_string(value));
}

void FtpSettings::FlushSettings() {
    settings::IniFile(m_iniPath).Flush();
}
