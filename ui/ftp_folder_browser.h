// CFtpFolderBrowser: lets the user pick a local folder with the shell's
// folder dialog, opened on a starting folder. The constructor runs the whole
// dialog; GetPath then gives the folder chosen, or the starting folder when
// the dialog was cancelled (so a caller that goes to the result simply shows
// its folder again). Without the shell's allocator nothing is shown and the
// path is empty.
#pragma once

#include <windows.h>

#include <string>

class CFtpFolderBrowser {
public:
    // `startFolder` is a full local path of at most MAX_PATH - 1 characters.
    CFtpFolderBrowser(HWND owner, const char* startFolder);
    virtual ~CFtpFolderBrowser() = default;

    std::string GetPath() const { return m_strFolder; }

    // Selects the starting folder (`data`) when the dialog opens.
    static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM lParam, LPARAM data);

private:
    std::string m_strFolder;
};
