#include "sync_other_panel.h"

#include <mbstring.h>

#include "ftp_file_list.h"
#include "ftp_panel_owner.h"

void SyncOtherPanel(IFtpPanelOwner& owner) {
    CFtpFileList* active = owner.GetActivePanel();
    CFtpFileList* other = owner.GetOtherPanel();
    if (active == nullptr || other == nullptr) return;
    const auto* activePath = reinterpret_cast<const unsigned char*>(active->m_strPath.c_str());
    const auto* otherPath = reinterpret_cast<const unsigned char*>(other->m_strPath.c_str());
    if (_mbsicmp(activePath, otherPath) != 0) return;
    const std::string path = other->m_strPath;  // ShowFolder changes the member it would be given
    other->ShowFolder(path);
}
