#include "ftp_folder_browser.h"

#include <shlobj.h>

#include <cstring>

#include "bounded_copy.h"
#include "module.h"
#include "resource.h"

CFtpFolderBrowser::CFtpFolderBrowser(HWND owner, const char* startFolder) {
    char path[MAX_PATH] = "";
    BoundedCopy(path, sizeof path, startFolder);
    const std::string title = LoadResourceString(IDS_SELECT_LOCAL_FOLDER);

    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator)) || allocator == nullptr) return;

    // The display name gets a buffer of its own: some shells write into it
    // even when the dialog is cancelled, and a cancelled dialog must give
    // back the starting folder.
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;  // the desktop
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(startFolder);
    info.iImage = 0;
    if (LPITEMIDLIST chosen = SHBrowseForFolderA(&info)) {
        char chosenPath[MAX_PATH] = "";
        if (SHGetPathFromIDListA(chosen, chosenPath)) std::strcpy(path, chosenPath);
        allocator->Free(chosen);
    }
    allocator->Release();
    m_strFolder = path;
}

int CALLBACK CFtpFolderBrowser::BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}
