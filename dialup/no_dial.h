// The "No Dial" setting: when non-zero, the library never dials.
#pragma once

#include "settings_location.h"

namespace dialup {

// Read from the current settings while a dialog has them open. The host may
// ask at any other time too; then it is read from the file the settings
// would use, found without creating or copying anything.
bool NoDialIsSet();
bool NoDialIsSet(const settings::SettingsFolders& folders);

}  // namespace dialup
