#include "current_settings.h"

#include <exception>

namespace {

FtpSettings* s_pCurrentSettings = nullptr;

std::unique_ptr<FtpSettings> OpenSettings(const std::string& fileName,
                                          const settings::SettingsFolders& folders) {
    try {
        return std::make_unique<FtpSettings>(fileName, folders);
    } catch (const std::exception&) {  // memory exhausted
        return nullptr;
    }
}

}  // namespace

FtpSettings* CurrentSettings() { return s_pCurrentSettings; }

CurrentSettingsScope::CurrentSettingsScope(const std::string& fileName)
    : CurrentSettingsScope(fileName, settings::SystemSettingsFolders()) {}

CurrentSettingsScope::CurrentSettingsScope(const std::string& fileName,
                                           const settings::SettingsFolders& folders)
    : m_settings(OpenSettings(fileName, folders)), m_previous(s_pCurrentSettings) {
    s_pCurrentSettings = m_settings.get();
}

CurrentSettingsScope::~CurrentSettingsScope() {
    if (m_settings) {
        m_settings->FlushSettings();
    }
    s_pCurrentSettings = m_previous;
}
