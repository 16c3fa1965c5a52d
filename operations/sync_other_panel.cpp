#include "sync_other_panel.h"

#include "ftp_file_list.h"
#include "ftp_panel_owner.h"
#include "name_compare.h"

void SyncOtherPanel(IFtpPanelOwner& owner) {
    CFtpFileList* active = owner.GetActivePanel();
    CFtpFileList* other = owner.GetOtherPanel();
    if (active == nullptr || other == nullptr) return;
    if (!SameName(active->m_strPath, other->m_strPath)) return;
    const std::string path = other->m_strPath;  // ShowFolder changes the member it would be given
    other->ShowFolder(path);
}
