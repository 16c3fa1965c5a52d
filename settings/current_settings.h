// The process's current settings: the one FtpSettings object of the exported
// dialog that is running, through which every other part reaches the file.
// Outside a dialog run there is none.
#pragma once

#include <memory>
#include <string>

#include "ftp_settings.h"

// Null when no dialog run has settings open.
FtpSettings* CurrentSettings();

// Opens the settings for one dialog run and publishes them as current; at
// the end of the scope flushes them, restores what was current before and
// destroys them. When the object cannot be made, the run goes on without
// one (current settings null).
class CurrentSettingsScope {
public:
    explicit CurrentSettingsScope(const std::string& fileName);
    CurrentSettingsScope(const std::string& fileName, const settings::SettingsFolders& folders);
    ~CurrentSettingsScope();
    CurrentSettingsScope(const CurrentSettingsScope&) = delete;
    CurrentSettingsScope& operator=(const CurrentSettingsScope&) = delete;

    FtpSettings* Settings() const { return m_settings.get(); }

private:
    std::unique_ptr<FtpSettings> m_settings;
    FtpSettings* m_previous;
};
