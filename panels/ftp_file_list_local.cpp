#include "ftp_file_list.h"

#include <shellapi.h>

#include <memory>

#include "file_time.h"
#include "ftp_panel_owner.h"
#include "message_boxes.h"
#include "module.h"
#include "remote_time.h"
#include "resource.h"
#include "size_text.h"
#include "time_text.h"
#include "wait_cursor.h"

namespace {

constexpr DWORD kCurrentFolderBuffer = 256;

bool IsDriveOrNetworkPath(const std::string& path) {
    return (path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
}

bool IsExistingFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Six months, as the age limit of full times: the length of the first 181
// days of the FILETIME epoch (1 July 1601), computed from that date.
FILETIME SixMonths() {
    SYSTEMTIME date = {};
    date.wYear = 1601;
    date.wMonth = 7;
    date.wDay = 1;
    FILETIME length = {};
    SystemTimeToFileTime(&date, &length);
    return length;
}

FILETIME StartOfDay(const FILETIME& time) {
    SYSTEMTIME calendar;
    if (!FileTimeToSystemTime(&time, &calendar)) return time;
    calendar.wHour = calendar.wMinute = calendar.wSecond = calendar.wMilliseconds = 0;
    FILETIME day = time;
    SystemTimeToFileTime(&calendar, &day);
    return day;
}

}  // namespace

// What every entry of one listing shares.
struct CFtpFileList::ListingContext {
    std::string folderText;  // "<dir>"
    FILETIME now;            // local
    int64_t localOffset;     // local time minus UTC, in 100 ns
    FILETIME sixMonths;
};

BOOL CFtpFileList::GetParentPath(std::string& path) {
    const size_t last = FindLastCharacter(path, '\\', m_leadBytes);
    if (last == std::string::npos) return FALSE;
    // C:\web\img gives C:\web, C:\web gives C: (completed to C:\ when read).
    const bool drivePath = path.size() > 3 && path[1] == ':' && last > 1;
    const bool networkPath = path.rfind("\\\\", 0) == 0 && last > 2;
    if (!drivePath && !networkPath) return FALSE;  // a drive root has no parent
    path.resize(last);
    return TRUE;
}

std::string CFtpFileList::MakePath(const std::string& folder, const std::string& name) {
    // A folder ending in a double-byte character whose second byte is "\\"
    // still needs its separator.
    if (folder.empty() || FindLastCharacter(folder, '\\', m_leadBytes) != folder.size() - 1) return folder + "\\" + name;
    return folder + name;
}

INT_PTR ShellOpenDefault(HWND owner, const char* file, const char* parameters) {
    return reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", file, parameters, nullptr, SW_SHOWNORMAL));
}

ShellOpenFunction CFtpFileList::s_pShellOpen = ShellOpenDefault;

BOOL CFtpFileList::OpenLocalFile(const std::string& path) const {
    // Package files are text that no program is associated with: Notepad shows them.
    const size_t package = path.find(".pkg");
    if (package != std::string::npos && package > 1 && s_pShellOpen(OwnerWindow(), "NOTEPAD.EXE", path.c_str()) > 32)
        return TRUE;
    return s_pShellOpen(OwnerWindow(), path.c_str(), nullptr) > 32;
}

BOOL CFtpFileList::ViewFile(const std::string& name) {
    // Lowered by character: a second byte that looks like a capital letter
    // is part of another character and stays, or the path would name
    // another file.
    return OpenLocalFile(LowerAsciiLetters(MakePath(m_strPath, name), m_leadBytes));
}

void CFtpFileList::ReadFolder() {
    ListingContext context;
    context.sixMonths = SixMonths();
    FILETIME utcNow;
    GetSystemTimeAsFileTime(&utcNow);
    FileTimeToLocalFileTime(&utcNow, &context.now);
    // The system converts every time with the current offset, whatever its
    // date: taken once, it gives the same results without a call per entry.
    context.localOffset = FileTimeToInt64(context.now) - FileTimeToInt64(utcNow);
    m_bListed = TRUE;

    if (!IsDriveOrNetworkPath(m_strPath)) {
        char current[kCurrentFolderBuffer] = "";
        const DWORD length = GetCurrentDirectoryA(sizeof current, current);
        if (length > 0 && length < sizeof current) m_strPath = current;
    }
    if (m_strPath.size() == 2 && m_strPath[1] == ':') m_strPath += '\\';
    if (m_pPathCombo != nullptr && m_pPathCombo->m_hWnd != nullptr) m_pPathCombo->SetWindowText(m_strPath);

    const std::string pattern = MakePath(m_strPath, m_strMask);
    context.folderText = LoadResourceString(IDS_DIR);
    CWaitCursor wait;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE && !IsExistingFolder(m_strPath)) {
        // The previous folder stays on show, rows and all.
        ShowError(OwnerWindow(), IDS_FOLDER_MISSING, "", "");
        m_strPath = m_strPrevPath;
        if (m_pPathCombo != nullptr && m_pPathCombo->m_hWnd != nullptr)
            m_pPathCombo->SetCurSel(m_pPathCombo->FindStringExact(-1, m_strPath));
        return;
    }
    DeleteAllItems();
    FreeEntries();
    if (search == INVALID_HANDLE_VALUE) return;  // an existing folder with nothing in it
    do {
        AddFoundEntry(found, context);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void CFtpFileList::AddFoundEntry(const WIN32_FIND_DATAA& found, ListingContext& context) {
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return;
    const std::string name = found.cFileName;
    auto entry = std::make_unique<FileEntry>();
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (name == ".") return;
        entry->nImage = name == ".." ? IMG_PARENT : IMG_FOLDER;
        entry->strSize = context.folderText;
    } else {
        GetFileIcon(name, entry.get());
        // Both halves: a 3,000,000,000-byte file is not a negative 32-bit size.
        entry->nSize = static_cast<int64_t>((static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow);
        entry->strSize = FormatSizeText(entry->nSize);
    }
    FILETIME modified = FileTimeFromInt64(FileTimeToInt64(found.ftLastWriteTime) + context.localOffset);
    // While a site is open its listed times are compared with these; older
    // files carry only their date there, so here too.
    const int64_t age = FileTimeToInt64(context.now) - FileTimeToInt64(modified);
    if (m_bTruncateOldTimes && age > FileTimeToInt64(context.sixMonths)) {
        modified = StartOfDay(modified);
        entry->nTimeUnit = remote_time::kDay;  // compared by its date alone
    }
    entry->ftModified = modified;
    entry->strModified = FormatTimeText(modified);
    entry->strName = name;
    m_entries.push_back(entry.release());
}
