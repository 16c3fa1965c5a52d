#include <cstring>

#include "ftp_application.h"
#include "ftp_panel_owner.h"
#include "message_boxes.h"
#include "module.h"
#include "name_fold.h"
#include "panel_operations.h"
#include "resource.h"

namespace {

constexpr size_t kShortBase = 8;
constexpr size_t kShortExtension = 3;  // with its dot: a dot and two letters
constexpr const char kForbidden[] = "\\/:*?\"<>|";

int ShowReason(HWND owner, UINT reasonId) {
    return ShowError(owner, IDS_INVALID_NAME, LoadResourceString(reasonId), "");
}

// By character: the second byte of a double-byte character may have the
// value of a backslash or a bar without being one.
bool HasForbiddenCharacter(const std::string& name, const LeadBytes& lead) {
    for (size_t at = 0; at < name.size(); ++at) {
        const auto byte = static_cast<unsigned char>(name[at]);
        if (lead[byte] && at + 1 < name.size()) {
            ++at;
        } else if (name[at] != '\0' && std::strchr(kForbidden, name[at]) != nullptr) {
            return true;
        }
    }
    return false;
}

// Systems before the long names of NT 4 and 95: local names are 8.3.
bool ShortNamesOnly() {
    return (TheApplication().m_nWindowsKind & (FtpApplication::kWin32s | FtpApplication::kOldNT)) != 0;
}

}  // namespace

bool IsShortName(const std::string& name) {
    const size_t dot = name.rfind('.');
    const size_t base = dot == std::string::npos ? name.size() : dot;
    const size_t extension = name.size() - base;
    return base <= kShortBase && extension <= kShortExtension && name.find(' ') == std::string::npos;
}

int ValidateName(CFtpFileList& panel, const std::string& name) {
    HWND owner = panel.m_pOwner != nullptr ? panel.m_pOwner->GetOwnerWindow() : nullptr;
    if (name.empty()) return ShowReason(owner, IDS_NAME_EMPTY);
    if (!panel.m_bRemote && ShortNamesOnly() && !IsShortName(name)) return ShowReason(owner, IDS_NAME_SHORT_RULE);
    if (HasForbiddenCharacter(name, panel.m_leadBytes)) return ShowReason(owner, IDS_NAME_CHARACTERS);
    if (name == "." || name == "..") return ShowReason(owner, IDS_NAME_DOTS);
    // The row being renamed counts too: a change of letter case alone would
    // give a name the system takes for the same one.
    for (const FileEntry* entry : panel.m_entries) {
        if (SameFoldedName(entry->strName, name, panel.m_leadBytes))
            return ShowError(owner, IDS_NAME_IN_USE, "", "");
    }
    return 1;
}
