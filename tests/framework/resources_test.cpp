// What the built ravoFtp.dll carries for its windows and its hosts: every
// dialog template opens with the controls its window code reaches by id,
// the strings, pictures, icon and cursor the code loads are there, the
// button pictures have their grey mapped, and the DLL names its version.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "module.h"
#include "resource.h"

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class BuiltDll : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureCommonControls();
        m_dll = LoadLibraryA("ravoFtp.dll");
        ASSERT_NE(m_dll, nullptr);
    }
    void TearDown() override { FreeLibrary(m_dll); }
    HWND Open(UINT id, HWND parent) const {
        return CreateDialogParamA(m_dll, MAKEINTRESOURCEA(id), parent, PlainDialog, 0);
    }

    HMODULE m_dll = nullptr;
};

struct Template {
    UINT id;
    bool page;  // a page of the profile dialog's sheet: opened inside it
    std::vector<int> controls;
};

const Template kTemplates[] = {
    {IDD_MAIN, false, {IDOK, IDHELP, IDC_ABOUT, IDC_TOP_PANEL_BUTTON, IDC_TOP_PATH, IDC_TOP_PANEL, IDC_DOWNLOAD,
                       IDC_UPLOAD, IDC_PARENT, IDC_NEW, IDC_VIEW, IDC_RENAME, IDC_DELETE, IDC_REFRESH,
                       IDC_BOTTOM_PANEL, IDC_BOTTOM_PANEL_BUTTON, IDC_BOTTOM_PATH, IDC_BROWSE, IDC_CONNECT,
                       IDC_SMART_SELECT_GROUP, IDC_CLEAR_ALL, IDC_SELECT_ALL, IDC_SELECT_TRANSFER,
                       IDC_SELECT_UPDATING, IDC_SELECT_DELETION, IDC_HINT_GROUP, IDC_HINT_TEXT, IDC_FILE_LINE,
                       IDC_SIZE_LINE, IDC_ACTIVITY_LINE, IDC_PROGRESS, IDC_STOP, IDC_SHOW_LOG, IDC_LOG,
                       IDC_LOG_SEPARATOR, IDC_KEYS_TEXT}},
    {IDD_NAME, false, {IDOK, IDCANCEL, IDC_NAME_PROMPT, IDC_NAME_EDIT}},
    {IDD_PROFILE, false, {IDOK, IDCANCEL, IDHELP, IDC_PROFILE_NAME, IDC_DELETE, IDC_SHEET_FRAME}},
    {IDD_PAGE_REMOTE, true, {IDC_PROFILE_HOST_LABEL, IDC_PROFILE_HOST, IDC_PROFILE_USER_LABEL, IDC_PROFILE_USER,
                             IDC_PROFILE_PASSWORD_LABEL, IDC_PROFILE_PASSWORD}},
    {IDD_PAGE_GENERAL, true, {IDC_REMOTE_FOLDER, IDC_LOCAL_FOLDER, IDC_TIMEOUT, IDC_PORT}},
    {IDD_PAGE_WWW, true, {IDC_WWW_ADDRESS, IDC_INDEX_PAGE_LABEL, IDC_INDEX_PAGE}},
    {IDD_PAGE_FIREWALL, true, {IDC_FW_TYPE_NONE, IDC_FW_TYPE_SITE, IDC_FW_TYPE_LOGON, IDC_FW_TYPE_USER,
                               IDC_FW_TYPE_OPEN, IDC_FW_HOST, IDC_FW_PORT, IDC_FW_USER, IDC_FW_PASSWORD,
                               IDC_FW_PASSIVE}},
    {IDD_PASSWORD, false, {IDOK, IDCANCEL, IDC_SERVER_MESSAGE_LABEL, IDC_SERVER_MESSAGE, IDC_PASSWORD_LABEL,
                           IDC_PASSWORD}},
    {IDD_SERVER_MESSAGE, false, {IDCANCEL, IDC_SERVER_MESSAGE_LABEL, IDC_SERVER_MESSAGE}},
    {IDD_ABOUT, false, {IDC_ABOUT_PICTURE}},
};

TEST_F(BuiltDll, EveryTemplateOpensWithTheControlsItsWindowUses) {
    HWND profile = Open(IDD_PROFILE, nullptr);
    ASSERT_NE(profile, nullptr);
    for (const Template& t : kTemplates) {
        HWND dialog = Open(t.id, t.page ? profile : nullptr);
        ASSERT_NE(dialog, nullptr) << "template " << t.id;
        for (int id : t.controls) EXPECT_NE(GetDlgItem(dialog, id), nullptr) << "template " << t.id << " control " << id;
        if (t.id == IDD_ABOUT) {  // its picture is found in the DLL
            EXPECT_NE(SendDlgItemMessageA(dialog, IDC_ABOUT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        }
        DestroyWindow(dialog);
    }
    DestroyWindow(profile);
}

// The string ids come in blocks; every id inside a block is used.
TEST_F(BuiltDll, HoldsEveryStringTheCodeLoads) {
    const std::pair<UINT, UINT> blocks[] = {{1, 2},     {11, 11},   {15, 22},   {25, 35},   {47, 47},
                                            {51, 53},   {63, 63},   {68, 71},   {75, 87},   {89, 98},
                                            {102, 118}, {121, 128}, {130, 142}, {154, 162}, {164, 166},
                                            {173, 173}, {177, 182}};
    for (const auto& [first, last] : blocks)
        for (UINT id = first; id <= last; ++id) {
            char text[16] = "";
            EXPECT_GT(LoadStringA(m_dll, id, text, sizeof text), 0) << "string " << id;
        }
}

TEST_F(BuiltDll, HoldsThePicturesIconAndCursor) {
    for (UINT id : {IDB_FILE, IDB_FOLDER, IDB_HTML, IDB_PICTURE, IDB_SOUND, IDB_PARENT_ENTRY, IDB_VRML, IDB_LINK,
                    IDB_DRAG_MULTIPLE, IDB_ABOUT})
        EXPECT_NE(FindResourceA(m_dll, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2) /* RT_BITMAP */), nullptr) << id;
    EXPECT_NE(LoadIconA(m_dll, MAKEINTRESOURCEA(IDI_APP)), nullptr);
    EXPECT_NE(LoadCursorA(m_dll, MAKEINTRESOURCEA(IDCUR_NO_DROP)), nullptr);
}

// Light grey is what the buttons map to their face colour: a picture drawn
// on another grey would show a box around it.
TEST_F(BuiltDll, ButtonPicturesAndTheirDisabledTwinsSitOnTheMappedGrey) {
    const COLORREF marker = RGB(1, 2, 3);
    COLORMAP grey = {RGB(192, 192, 192), marker};
    HDC dc = CreateCompatibleDC(nullptr);
    for (UINT id : {IDB_DOWNLOAD, IDB_DOWNLOAD_DISABLED, IDB_UPLOAD, IDB_UPLOAD_DISABLED, IDB_PARENT,
                    IDB_PARENT_DISABLED, IDB_NEW, IDB_NEW_DISABLED, IDB_VIEW, IDB_VIEW_DISABLED, IDB_RENAME,
                    IDB_RENAME_DISABLED, IDB_DELETE, IDB_DELETE_DISABLED, IDB_REFRESH, IDB_REFRESH_DISABLED,
                    IDB_CONNECT, IDB_CONNECT_DISABLED, IDB_CLEAR_ALL, IDB_CLEAR_ALL_DISABLED, IDB_SELECT_TRANSFER,
                    IDB_SELECT_TRANSFER_DISABLED, IDB_SELECT_UPDATING, IDB_SELECT_UPDATING_DISABLED,
                    IDB_SELECT_DELETION, IDB_SELECT_DELETION_DISABLED, IDB_SELECT_ALL, IDB_SELECT_ALL_DISABLED,
                    IDB_BROWSE, IDB_BROWSE_DISABLED}) {
        HBITMAP bitmap = CreateMappedBitmap(m_dll, static_cast<INT_PTR>(id), 0, &grey, 1);
        ASSERT_NE(bitmap, nullptr) << id;
        HGDIOBJ old = SelectObject(dc, bitmap);
        EXPECT_EQ(GetPixel(dc, 0, 0), marker) << id;
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
}

TEST(VersionBlock, TheDllNamesItselfAndItsVersion) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA("ravoFtp.dll", &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA("ravoFtp.dll", 0, size, block.data()));
    for (const auto& [key, want] : {std::pair<const char*, const char*>{"ProductName", "FTP Quill"},
                                    {"OriginalFilename", "ravoFtp.dll"}}) {
        char* value = nullptr;
        UINT length = 0;
        const std::string path = std::string("\\StringFileInfo\\040904E4\\") + key;
        ASSERT_TRUE(VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) << key;
        EXPECT_STREQ(value, want);
    }
}

}  // namespace
