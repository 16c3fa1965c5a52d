// Connection profiles: one per section "Profile<index>", indexes 0 to the
// profile limit, not kept dense. Besides its fields a section keeps the
// profile's host history under "Host1", "Host2", ... in the order used.
#include <string>

#include "ftp_settings.h"
#include "ini_file.h"
#include "settings_keys.h"
#include "name_compare.h"

namespace {

constexpr char kNameKey[] = "Name";

std::string SectionName(int index) { return "Profile" + std::to_string(index); }

std::string HostHistoryKey(int number) { return "Host" + std::to_string(number); }

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The name as the settings file gives it back: the platform's reads drop the
// blanks at both ends of a value and one pair of quotes around it. Storing
// the name so keeps it matching its own section on the next save; blanks
// inside the quotes go too, or the stored name would lose them on its way
// back.
std::string StoredName(const std::string& name) {
    const std::string trimmed = TrimBlanks(name);
    const size_t last = trimmed.size() - 1;
    if (trimmed.size() >= 2 && (trimmed[0] == '"' || trimmed[0] == '\'') && trimmed[last] == trimmed[0])
        return TrimBlanks(trimmed.substr(1, last - 1));
    return trimmed;
}

}  // namespace

int FtpSettings::FindProfileSection(const std::string& given) const {
    const std::string name = StoredName(given);
    if (name.empty()) {
        return -1;
    }
    const settings::IniFile ini(m_iniPath);
    for (int index = 0; index <= m_profileLimit; ++index) {
        const std::string stored = ini.Read(SectionName(index).c_str(), kNameKey);
        if (!stored.empty() && SameName(stored, name)) {
            return index;
        }
    }
    return -1;
}

// The profile's own section, else the first free one, else the one after
// the section written last, so that full storage is overwritten in turn.
int FtpSettings::ChooseProfileSection(const std::string& given) const {
    const std::string name = StoredName(given);
    const settings::IniFile ini(m_iniPath);
    int firstFree = -1;
    for (int index = 0; index <= m_profileLimit; ++index) {
        const std::string stored = ini.Read(SectionName(index).c_str(), kNameKey);
        if (stored.empty()) {
            if (firstFree < 0) {
                firstFree = index;
            }
        } else if (SameName(stored, name)) {
            return index;
        }
    }
    if (firstFree >= 0) {
        return firstFree;
    }
    const int last = GetDefaultInt(settings::kLastProfileIndexKey);
    return last >= 0 && last < m_profileLimit ? last + 1 : 0;
}

int FtpSettings::ReadProfile(const std::string& name, FtpProfile* profile) const {
    if (profile == nullptr) {
        return 0;
    }
    const std::string wanted = name;  // `name` may be a field of `profile`
    *profile = FtpProfile();
    profile->m_name = wanted;
    const int index = FindProfileSection(wanted);
    if (index < 0) {
        return 0;
    }
    const std::string section = SectionName(index);
    const settings::IniFile ini(m_iniPath);
    for (const settings::ProfileField& field : settings::kProfileFields) {
        const std::string value = field.scrambled ? ReadPassword(section, field.key)
                                                  : ini.Read(section.c_str(), field.key);
        if (!value.empty()) {
            profile->*field.member = value;
        }
    }
    return 1;
}

void FtpSettings::WriteProfile(const FtpProfile& profile) {
    const std::string name = StoredName(profile.m_name);
    if (name.empty()) {
        return;
    }
    const int index = ChooseProfileSection(name);
    const std::string section = SectionName(index);
    const settings::IniFile ini(m_iniPath);
    // When the file cannot be written this first write fails, and the
    // profile stored in the section is left whole.
    if (!ini.Write(section.c_str(), kNameKey, name)) {
        return;
    }
    for (const settings::ProfileField& field : settings::kProfileFields) {
        if (field.member == &FtpProfile::m_name) {
            continue;
        }
        if (field.scrambled) {
            WritePassword(section, field.key, profile.*field.member);
        } else {
            ini.Write(section.c_str(), field.key, profile.*field.member);
        }
    }
    ini.Write(settings::kDefaultsSection, settings::kLastProfileIndexKey, std::to_string(index));
    ini.Write(settings::kDefaultsSection, settings::kLastProfileKey, name);
    AddHostHistory(section, profile.m_host);
}

// Host names are kept as typed: they are compared exactly.
void FtpSettings::AddHostHistory(const std::string& section, const std::string& host) {
    if (host.empty()) {
        return;
    }
    const settings::IniFile ini(m_iniPath);
    for (int number = 1;; ++number) {
        const std::string key = HostHistoryKey(number);
        const std::string stored = ini.Read(section.c_str(), key.c_str());
        if (stored.empty()) {
            ini.Write(section.c_str(), key.c_str(), host);
            return;
        }
        if (stored == host) {
            return;
        }
    }
}

int FtpSettings::DeleteProfile(const std::string& name) {
    const int index = FindProfileSection(name);
    if (index < 0) {
        return 0;
    }
    return settings::IniFile(m_iniPath).RemoveSection(SectionName(index).c_str()) ? 1 : 0;
}

int FtpSettings::ReadProfileField(int index, const char* key, std::string* value) const {
    if (index < 0 || key == nullptr || value == nullptr) {
        return 0;
    }
    const std::string stored = settings::IniFile(m_iniPath).Read(SectionName(index).c_str(), key);
    if (stored.empty()) {
        return 0;
    }
    *value = stored;
    return 1;
}

void FtpSettings::GetLastProfile(std::string* name) const {
    if (name != nullptr) {
        *name = settings::IniFile(m_iniPath).Read(settings::kDefaultsSection,
                                                  settings::kLastProfileKey);
    }
}
