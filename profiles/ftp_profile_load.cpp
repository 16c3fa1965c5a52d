// LoadProfile: the fields of a stored profile, or of a new one made from the
// last used profile (or the system's proxy) and the caller's defaults.
#include <windows.h>

#include <wininet.h>

#include <vector>

#include "current_settings.h"
#include "ftp_profile_dlg.h"
#include "module.h"
#include "profile_text.h"

namespace {

// The system's proxy list, "" when there is none or the query fails.
std::string SystemProxyList() {
    DWORD size = 0;
    InternetQueryOptionA(nullptr, INTERNET_OPTION_PROXY, nullptr, &size);
    if (size < sizeof(INTERNET_PROXY_INFO)) return std::string();
    std::vector<char> buffer(size + 1, '\0');
    if (!InternetQueryOptionA(nullptr, INTERNET_OPTION_PROXY, buffer.data(), &size)) return std::string();
    const auto* info = reinterpret_cast<const INTERNET_PROXY_INFO*>(buffer.data());
    if (info->dwAccessType != INTERNET_OPEN_TYPE_PROXY || info->lpszProxy == nullptr) return std::string();
    return reinterpret_cast<const char*>(info->lpszProxy);
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// "HTML" beside the host's program, when such a file or folder exists.
std::string HtmlBesideHost() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    std::string html(path, length);
    const size_t cut = html.find_last_of("\\:");
    html = (cut == std::string::npos ? std::string() : html.substr(0, cut + 1)) + "HTML";
    return GetFileAttributesA(html.c_str()) != INVALID_FILE_ATTRIBUTES ? html : std::string();
}

void TakeIfEmpty(std::string& field, const std::string& fallback) {
    if (field.empty()) field = fallback;
}

}  // namespace

void CFtpProfileDlg::LoadProfile(const std::string& name, bool refresh) {
    const std::string trimmed = profiles::TrimBlanks(name);
    const FtpSettings* store = CurrentSettings();
    const bool found = store != nullptr && store->ReadProfile(trimmed, &m_profile) == 1;
    if (!found) {
        m_profile = FtpProfile();
        m_profile.m_name = trimmed;
        ReadTemplateOrProxy();
        const bool noType = m_profile.m_fwType.empty();
        TakeIfEmpty(m_profile.m_timeout, m_defaults.m_timeout);
        TakeIfEmpty(m_profile.m_port, m_defaults.m_port);
        TakeIfEmpty(m_profile.m_fwType, m_defaults.m_fwType);
        TakeIfEmpty(m_profile.m_fwHost, m_defaults.m_fwHost);
        TakeIfEmpty(m_profile.m_fwPort, m_defaults.m_fwPort);
        TakeIfEmpty(m_profile.m_fwUsername, m_defaults.m_fwUsername);
        TakeIfEmpty(m_profile.m_fwPassword, m_defaults.m_fwPassword);
        if (noType) m_profile.m_fwPassive = "0";
        m_profile.m_host = m_defaults.m_host;
        m_profile.m_user = m_defaults.m_user;
        m_profile.m_password = m_defaults.m_password;
        m_profile.m_wwwAddress = m_defaults.m_wwwAddress;
        m_profile.m_wwwPrimaryPage = m_defaults.m_wwwPrimaryPage;
        m_profile.m_remoteFolder = m_defaults.m_remoteFolder;
        m_profile.m_localFolder = m_defaults.m_localFolder;
        m_profile.m_security = m_defaults.m_security;
    }
    if (m_profile.m_localFolder.empty()) m_profile.m_localFolder = HtmlBesideHost();
    if (!m_localOverride.empty() && IsFolder(m_localOverride)) m_profile.m_localFolder = m_localOverride;

    m_templates = {m_profile.m_host,         m_profile.m_user,       m_profile.m_password,
                   m_profile.m_remoteFolder, m_profile.m_wwwAddress, m_profile.m_wwwPrimaryPage};
    m_hasUserPlaceholder = 0;
    for (const std::string* text : {&m_templates.host, &m_templates.user, &m_templates.password,
                                    &m_templates.remoteFolder, &m_templates.wwwAddress, &m_templates.wwwPrimaryPage})
        if (profiles::HasUserPlaceholder(*text)) m_hasUserPlaceholder = 1;

    if (refresh && m_hWnd != nullptr) {
        m_profileBox.SetWindowText(m_profile.m_name.empty() ? LoadResourceString(IDS_NONE) : m_profile.m_name);
        m_deleteButton.EnableWindow(!m_profile.m_name.empty());
        if (CPropertyPage* page = m_sheet.m_hWnd != nullptr ? m_sheet.GetActivePage() : nullptr) page->OnSetActive();
    }
    if (!found) ActivatePage(kRemoteAccess);
}

// A new profile starts from the last used one (keeping its own name), or,
// without one, takes the system proxy's numeric address as its firewall.
void CFtpProfileDlg::ReadTemplateOrProxy() {
    const FtpSettings* store = CurrentSettings();
    std::string last;
    if (store != nullptr) store->GetLastProfile(&last);
    const std::string name = m_profile.m_name;
    if (store != nullptr && !last.empty() && store->ReadProfile(last, &m_profile) == 1) {
        m_profile.m_name = name;
        return;
    }
    m_profile = FtpProfile();
    m_profile.m_name = name;
    const std::string proxyHost = profiles::ScanProxyHost(SystemProxyList());
    if (proxyHost.empty()) return;
    m_profile.m_fwHost = proxyHost;
    m_profile.m_fwPort = "21";
    m_profile.m_fwType = "none";
}
