#include "no_dial.h"

#include "current_settings.h"
#include "ftp_settings.h"
#include "settings_keys.h"

namespace dialup {

bool NoDialIsSet() { return NoDialIsSet(settings::SystemSettingsFolders()); }

bool NoDialIsSet(const settings::SettingsFolders& folders) {
    if (const FtpSettings* current = CurrentSettings()) {
        return current->GetDefaultInt(settings::kNoDialKey) != 0;
    }
    const std::string path =
        settings::FindExistingSettingsFile(settings::kSettingsFileName, folders);
    return settings::ReadDefaultInt(path, settings::kNoDialKey) != 0;
}

}  // namespace dialup
