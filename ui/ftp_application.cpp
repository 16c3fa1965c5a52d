#include "ftp_application.h"

#include "module.h"
#include "resource.h"

namespace {

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

FtpApplication StartApplication() {
    FtpApplication app;
    char module[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(ResourceModule(), module, sizeof module);
    if (length > 0 && length < sizeof module) app.m_strHelpPath = ChooseHelpPath(module, FileExists, &app.m_bHelpKind);
    app.m_nWindowsKind = ClassifyWindowsKind(GetVersion());
    app.m_strHostLabel = LoadResourceString(IDS_LABEL_HOST);
    app.m_strUserLabel = LoadResourceString(IDS_LABEL_USER);
    app.m_strPasswordLabel = LoadResourceString(IDS_LABEL_PASSWORD);
    return app;
}

}  // namespace

FtpApplication& TheApplication() {
    static FtpApplication app = StartApplication();
    return app;
}

int ClassifyWindowsKind(DWORD version) {
    const bool nt = (version & 0x80000000u) == 0;
    const bool before4 = LOBYTE(LOWORD(version)) < 4;
    if (nt) return before4 ? FtpApplication::kOldNT : 8;
    return before4 ? FtpApplication::kWin32s : 4;
}
