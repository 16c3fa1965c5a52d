// ViewFile of the remote panel: a site with a WWW address shows the file
// through the address (an Internet shortcut in the temporary folder opened
// by the shell); otherwise the file is downloaded to the temporary folder
// and opened as a local file.
#include "ftp_remote_file_list.h"

#include <cstdio>

#include "ftp_session.h"
#include "message_text.h"
#include "module.h"
#include "resource.h"
#include "session_ops.h"

namespace {

// Without one trailing "/" unless the path is the root.
std::string WithoutTrailingSlash(const std::string& path) {
    if (path.size() > 1 && path.back() == '/') return path.substr(0, path.size() - 1);
    return path;
}

std::string TempFolder() {
    char folder[MAX_PATH + 1] = "";
    const DWORD length = GetTempPathA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder) : std::string();
}

// A listed name is written into the temporary folder only when it names a
// file there and nowhere else.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

}  // namespace

std::string CFtpRemoteFileList::SiteRelativePart(const std::string& folder, const std::string& siteFolder) {
    const std::string p = WithoutTrailingSlash(folder);
    const std::string s = WithoutTrailingSlash(siteFolder);
    // The longest common run of whole folders.
    size_t i = 0;
    size_t lastSlash = 0;
    for (; i < p.size() && i < s.size() && p[i] == s[i]; ++i) {
        if (p[i] == '/') lastSlash = i;
    }
    const bool folderEnds = i == p.size() || p[i] == '/';
    const bool siteEnds = i == s.size() || s[i] == '/';
    const size_t cut = folderEnds && siteEnds ? i : lastSlash;
    // Up from the site folder to the common part, then down to the folder.
    std::string relative;
    for (size_t j = cut; j + 1 < s.size(); ++j) {
        if (s[j] == '/') relative += "../";
    }
    for (size_t j = cut < p.size() && p[cut] == '/' ? cut + 1 : cut; j < p.size(); ++j) {
        if (p[j] == '/') {
            if (relative.empty() || relative.back() != '/') relative += '/';
        } else {
            relative += p[j];
        }
    }
    return relative;
}

BOOL CFtpRemoteFileList::ViewFile(const std::string& name) {
    if (!m_bRemote) return CFtpFileList::ViewFile(name);
    const std::string remotePath = MakePath(m_strPath, name);
    const std::string temp = TempFolder();
    if (!m_strSiteUrl.empty() && !m_strSiteFolder.empty()) {
        ToRemotePath(m_strPath);
        ToRemotePath(m_strSiteFolder);
        const std::string url = MakePath(MakePath(m_strSiteUrl, SiteRelativePart(m_strPath, m_strSiteFolder)), name);
        const std::string shortcut = CFtpFileList::MakePath(temp, "tmp.url");
        if (std::FILE* file = std::fopen(shortcut.c_str(), "w")) {
            std::fprintf(file, "[InternetShortcut]\nURL=%s\n", url.c_str());
            std::fclose(file);
        }
        return s_pShellOpen(OwnerWindow(), shortcut.c_str(), nullptr) > 32;
    }
    // A name from the server that is not a plain name could write (and open)
    // a file outside the temporary folder.
    if (!IsPlainName(name)) {
        TheSession().LogText(InsertTexts(LoadResourceString(IDS_LOG_NOT_VIEWED), name, ""));
        return -4;
    }
    const std::string localPath = CFtpFileList::MakePath(temp, name);
    const int r = DownloadFile(localPath.c_str(), remotePath.c_str());
    if (r != 0) {
        if (r != -4) ShowFailure(r);
        return -4;
    }
    return OpenLocalFile(LowerAsciiLetters(localPath, m_leadBytes));
}
