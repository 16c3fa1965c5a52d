#include "ftp_file_list.h"

#include <algorithm>

#include "file_time.h"
#include "ftp_panel_owner.h"
#include "module.h"
#include "resource.h"
#include "time_text.h"

HIMAGELIST CFtpFileList::s_hImages = nullptr;
int CFtpFileList::s_nPanels = 0;

namespace {

// The bitmaps of the icons, in the order of their indexes (IMG_FILE ...).
constexpr UINT kIconBitmaps[] = {IDB_FILE, IDB_HTML, IDB_VRML, IDB_PICTURE, IDB_SOUND, IDB_FOLDER, IDB_PARENT_ENTRY, IDB_LINK};
constexpr COLORREF kIconMask = RGB(255, 255, 255);

HIMAGELIST CreatePanelImages() {
    EnsureCommonControls();
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 0, 1);
    if (images == nullptr) return nullptr;
    for (UINT id : kIconBitmaps) {
        // A device-dependent copy: an 8-bit section would be added by colour
        // index and lose its own colour table.
        HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
        ImageList_AddMasked(images, bitmap, kIconMask);
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
    return images;
}

}  // namespace

CFtpFileList::CFtpFileList() {
    if (s_hImages == nullptr) s_hImages = CreatePanelImages();
    ++s_nPanels;
}

CFtpFileList::~CFtpFileList() {
    // Both panels go together with the window; the list goes with the last
    // of them, so that a panel never draws with a destroyed list.
    if (--s_nPanels == 0 && s_hImages != nullptr) {
        ImageList_Destroy(s_hImages);
        s_hImages = nullptr;
    }
    FreeEntries();
}

void CFtpFileList::InitPanel() {
    m_nSortColumn = 0;
    RECT client;
    GetClientRect(&client);
    ModifyStyle(0, LVS_SHOWSELALWAYS);

    const int timeWidth = GetStringWidth(FormatTimeText(LocalNow()).c_str());
    const int sizeWidth = GetStringWidth("999.999.999") + 16;
    const int modifiedWidth = timeWidth + 24;
    // The system's dialog base unit, not the dialog font's.
    const int baseUnit = LOWORD(GetDialogBaseUnits());
    // The base unit is 8 on the systems the panel was laid out for; a larger
    // one would push the Modified column out of sight behind a horizontal
    // scroll bar, so Name never takes more than the room beside the other
    // two and a vertical scroll bar.
    const int roomForName = client.right - ::GetSystemMetrics(SM_CXVSCROLL) - 1 - sizeWidth - modifiedWidth;
    const int nameWidth = std::min(MulDiv(client.right, baseUnit, 8) - 16 - sizeWidth - modifiedWidth, roomForName);
    InsertColumn(0, LoadResourceString(IDS_COLUMN_NAME).c_str(), LVCFMT_LEFT, nameWidth);
    InsertColumn(1, LoadResourceString(IDS_COLUMN_SIZE).c_str(), LVCFMT_RIGHT, sizeWidth);
    InsertColumn(2, LoadResourceString(IDS_COLUMN_MODIFIED).c_str(), LVCFMT_LEFT, modifiedWidth);

    ImageList_SetBkColor(s_hImages, GetSysColor(COLOR_WINDOW));
    SetImageList(s_hImages, LVSIL_SMALL);
    ShowFolder(m_strPath);
}

void CFtpFileList::ShowFolder(std::string path) {
    m_strPrevPath = m_strPath;
    m_strPath = std::move(path);
    ReadFolder();
    FillList();
    SortEntries();
}

void CFtpFileList::FreeEntries() {
    for (FileEntry* entry : m_entries) delete entry;
    m_entries.clear();
}

HWND CFtpFileList::OwnerWindow() const { return m_pOwner != nullptr ? m_pOwner->GetOwnerWindow() : nullptr; }
