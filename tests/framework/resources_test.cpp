// The resources the windows are built from: every dialog template opens and
// holds the controls, classes and texts its window relies on; the string
// table holds the texts as the windows quote them; the pictures load with
// the sizes and colour tables their users need; the DLL has its version.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "bitmap.h"
#include "dialog.h"
#include "image_list.h"
#include "module.h"
#include "property_page.h"
#include "property_sheet.h"
#include "resource.h"
#include "test_dialogs.h"
#include "window_pixels.h"

namespace {

struct Control {
    std::string className;
    std::string text;
    DWORD style = 0;
};

std::map<int, Control> ControlsOf(HWND dialog) {
    std::map<int, Control> controls;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = "", text[512] = "";
        GetClassNameA(child, className, sizeof className);
        GetWindowTextA(child, text, sizeof text);
        controls[GetDlgCtrlID(child)] = {className, text, static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE))};
    }
    return controls;
}

std::vector<std::string> TextsOf(HWND dialog) {
    std::vector<std::string> texts;
    for (const auto& entry : ControlsOf(dialog)) texts.push_back(entry.second.text);
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        char text[512] = "";
        GetWindowTextA(child, text, sizeof text);
        texts.push_back(text);
    }
    return texts;
}

bool Contains(const std::vector<std::string>& texts, const std::string& text) {
    for (const auto& t : texts)
        if (t == text) return true;
    return false;
}

// The size in dialog units a template gives its dialog.
SIZE TemplateSize(UINT id) {
    HRSRC found = FindResourceA(ResourceModule(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (found == nullptr) return SIZE{0, 0};
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(ResourceModule(), found)));
    // DLGTEMPLATEEX: version, signature, help id (2 words), ex style (2),
    // style (2), count, x, y, cx, cy.
    if (words[1] == 0xFFFF) return SIZE{static_cast<SHORT>(words[11]), static_cast<SHORT>(words[12])};
    return SIZE{static_cast<SHORT>(words[7]), static_cast<SHORT>(words[8])};
}

// Where the dialog manager puts a control given in dialog units: position
// and size are converted each by itself.
RECT DialogUnits(HWND dialog, int x, int y, int cx, int cy) {
    RECT units = {x, y, cx, cy};
    MapDialogRect(dialog, &units);
    return RECT{units.left, units.top, units.left + units.right, units.top + units.bottom};
}

RECT ClientRectOf(HWND dialog, int id) {
    RECT rc;
    GetWindowRect(GetDlgItem(dialog, id), &rc);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class OpenDialog {
public:
    explicit OpenDialog(UINT id) : m_dlg(id, nullptr) { m_ok = m_dlg.Create() != FALSE; }
    ~OpenDialog() { m_dlg.DestroyWindow(); }
    bool Ok() const { return m_ok; }
    HWND Handle() const { return m_dlg.m_hWnd; }

private:
    CDialog m_dlg;
    bool m_ok;
};

TEST(DialogTemplates, EveryDialogOpens) {
    for (UINT id : {IDD_MAIN, IDD_NAME, IDD_PROFILE, IDD_PASSWORD, IDD_ABOUT, IDD_SERVER_MESSAGE}) {
        OpenDialog dlg(id);
        EXPECT_TRUE(dlg.Ok()) << "template " << id;
    }
}

TEST(DialogTemplates, TheFileManagerHoldsEveryControlOfItsWindow) {
    OpenDialog dlg(IDD_MAIN);
    ASSERT_TRUE(dlg.Ok());
    auto controls = ControlsOf(dlg.Handle());
    for (int id : {IDC_TOP_PANEL, IDC_BOTTOM_PANEL}) {
        EXPECT_EQ(controls[id].className, "SysListView32") << id;
        const DWORD style = controls[id].style;
        EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT)) << id;
        EXPECT_TRUE((style & LVS_EDITLABELS) && (style & LVS_NOLABELWRAP) && (style & LVS_SHAREIMAGELISTS)) << id;
        EXPECT_FALSE(style & LVS_SINGLESEL) << id;
    }
    for (int id : {IDC_TOP_PATH, IDC_BOTTOM_PATH}) {
        EXPECT_EQ(controls[id].className, "ComboBox") << id;
        EXPECT_EQ(controls[id].style & 3, static_cast<DWORD>(CBS_DROPDOWN)) << id;
    }
    for (int id : {IDC_DOWNLOAD, IDC_UPLOAD, IDC_PARENT, IDC_NEW, IDC_VIEW, IDC_RENAME, IDC_DELETE, IDC_REFRESH,
                   IDC_CONNECT, IDC_CLEAR_ALL, IDC_SELECT_TRANSFER, IDC_SELECT_UPDATING, IDC_SELECT_DELETION,
                   IDC_SELECT_ALL, IDC_BROWSE, IDC_TOP_PANEL_BUTTON, IDC_BOTTOM_PANEL_BUTTON}) {
        EXPECT_EQ(controls[id].className, "Button") << id;
        EXPECT_EQ(controls[id].style & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW)) << id;
    }
    for (int id : {IDOK, IDHELP, IDC_ABOUT, IDC_STOP}) EXPECT_EQ(controls[id].className, "Button") << id;
    for (int id : {IDC_SMART_SELECT_GROUP, IDC_HINT_GROUP})
        EXPECT_EQ(controls[id].style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX)) << id;
    for (int id : {IDC_FILE_LINE, IDC_ACTIVITY_LINE, IDC_HINT_TEXT, IDC_SIZE_LINE, IDC_KEYS_TEXT, IDC_LOG_SEPARATOR})
        EXPECT_EQ(controls[id].className, "Static") << id;
    EXPECT_EQ(controls[IDC_PROGRESS].className, "msctls_progress32");
    EXPECT_EQ(controls[IDC_LOG].className, "Edit");
    EXPECT_TRUE(controls[IDC_LOG].style & ES_MULTILINE);
    EXPECT_EQ(controls[IDC_SHOW_LOG].style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTOCHECKBOX));

    EXPECT_EQ(controls[IDC_CLEAR_ALL].text, "Cl&ear all");
    EXPECT_EQ(controls[IDC_SELECT_ALL].text, "Select &all");
    EXPECT_EQ(controls[IDC_SELECT_TRANSFER].text, "Files for &transfer");
    EXPECT_EQ(controls[IDC_SELECT_UPDATING].text, "Files for updatin&g");
    EXPECT_EQ(controls[IDC_SELECT_DELETION].text, "Files for de&letion");
    EXPECT_EQ(controls[IDC_CONNECT].text, "C&onnect");
    EXPECT_EQ(controls[IDC_SHOW_LOG].text, "&Show Log Window");
    EXPECT_EQ(controls[IDC_TOP_PANEL_BUTTON].text, "Local Folder:");

    // The progress controls and the log pane wait hidden until needed.
    for (int id : {IDC_PROGRESS, IDC_STOP, IDC_FILE_LINE, IDC_ACTIVITY_LINE, IDC_SIZE_LINE, IDC_LOG})
        EXPECT_FALSE(controls[id].style & WS_VISIBLE) << id;
    EXPECT_TRUE(controls[IDC_LOG].style & WS_DISABLED);
}

TEST(DialogTemplates, TheFileManagerPutsTheCommandRowBetweenThePanelsAndTheLogUnderTheBottomRow) {
    OpenDialog dlg(IDD_MAIN);
    ASSERT_TRUE(dlg.Ok());
    HWND h = dlg.Handle();
    const RECT top = ClientRectOf(h, IDC_TOP_PANEL), bottom = ClientRectOf(h, IDC_BOTTOM_PANEL);
    for (int id = IDC_DOWNLOAD; id <= IDC_REFRESH; ++id) {
        const RECT button = ClientRectOf(h, id);
        EXPECT_GE(button.top, top.bottom) << id;
        EXPECT_LE(button.bottom, bottom.top) << id;
    }
    EXPECT_LT(ClientRectOf(h, IDC_TOP_PATH).bottom, top.top);
    EXPECT_GT(ClientRectOf(h, IDC_BOTTOM_PATH).top, bottom.bottom);
    // Showing the log moves the bottom row down by the pane's 82 pixels:
    // the pane lies below the panels' controls and clear of the moved row.
    const RECT log = ClientRectOf(h, IDC_LOG);
    for (int id : {IDC_BOTTOM_PATH, IDC_SHOW_LOG, IDC_BROWSE}) EXPECT_LE(ClientRectOf(h, id).bottom, log.top) << id;
    for (int id : {IDOK, IDHELP, IDC_ABOUT, IDC_KEYS_TEXT, IDC_LOG_SEPARATOR})
        EXPECT_GE(ClientRectOf(h, id).top + 82, log.bottom) << id;
}

TEST(DialogTemplates, TheNameDialogIsLaidOutAsGiven) {
    OpenDialog dlg(IDD_NAME);
    ASSERT_TRUE(dlg.Ok());
    HWND h = dlg.Handle();
    EXPECT_EQ(TemplateSize(IDD_NAME).cx, 201);
    EXPECT_EQ(TemplateSize(IDD_NAME).cy, 46);
    char title[64] = "x";
    GetWindowTextA(h, title, sizeof title);
    EXPECT_STREQ(title, "");
    EXPECT_TRUE(ClientRectOf(h, IDC_NAME_PROMPT) == DialogUnits(h, 5, 10, 135, 10));
    EXPECT_TRUE(ClientRectOf(h, IDC_NAME_EDIT) == DialogUnits(h, 5, 24, 135, 15));
    EXPECT_TRUE(ClientRectOf(h, IDOK) == DialogUnits(h, 144, 7, 50, 14));
    EXPECT_TRUE(ClientRectOf(h, IDCANCEL) == DialogUnits(h, 144, 25, 50, 14));
    auto controls = ControlsOf(h);
    const DWORD edit = controls[IDC_NAME_EDIT].style;
    EXPECT_TRUE((edit & WS_TABSTOP) && (edit & ES_AUTOHSCROLL));
    // The edit draws its border itself, inside its window: less client than window.
    RECT window, client;
    GetWindowRect(GetDlgItem(h, IDC_NAME_EDIT), &window);
    GetClientRect(GetDlgItem(h, IDC_NAME_EDIT), &client);
    EXPECT_LT(client.right, window.right - window.left);
    EXPECT_EQ(controls[IDOK].style & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(h, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
}

// The profile dialog with its four pages in a sheet over frame 1087, as
// the profile window builds it.
class ProfileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dlg.Create());
        for (auto& page : m_pages) m_sheet.AddPage(&page);
        ASSERT_TRUE(m_sheet.Create(m_dlg.m_hWnd));
        PlaceSheetOverFrame(m_dlg.m_hWnd, m_sheet, IDC_SHEET_FRAME);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    HWND Page(int index) {
        m_sheet.SetActivePage(index);
        return m_pages[index].m_hWnd;
    }

    CDialog m_dlg{IDD_PROFILE, nullptr};
    CPropertySheet m_sheet;
    CPropertyPage m_pages[4] = {CPropertyPage(IDD_PAGE_REMOTE), CPropertyPage(IDD_PAGE_GENERAL),
                                CPropertyPage(IDD_PAGE_WWW), CPropertyPage(IDD_PAGE_FIREWALL)};
};

TEST_F(ProfileDialog, TheSheetWithItsFourPagesFitsTheDialog) {
    auto controls = ControlsOf(m_dlg.m_hWnd);
    EXPECT_EQ(controls[IDC_PROFILE_NAME].className, "ComboBox");
    EXPECT_EQ(controls[IDC_DELETE].style & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(controls[IDC_SHEET_FRAME].className, "Static");
    for (int id : {IDOK, IDCANCEL, IDHELP}) EXPECT_EQ(controls[id].className, "Button") << id;
    RECT sheet, client;
    GetWindowRect(m_sheet.m_hWnd, &sheet);
    MapWindowPoints(nullptr, m_dlg.m_hWnd, reinterpret_cast<POINT*>(&sheet), 2);
    GetClientRect(m_dlg.m_hWnd, &client);
    EXPECT_GE(sheet.left, 0);
    EXPECT_LE(sheet.right, ClientRectOf(m_dlg.m_hWnd, IDOK).left);
    EXPECT_LE(sheet.bottom, client.bottom);
    for (UINT id : {IDD_PAGE_REMOTE, IDD_PAGE_GENERAL, IDD_PAGE_WWW, IDD_PAGE_FIREWALL}) {
        EXPECT_EQ(TemplateSize(id).cx, 202) << id;
        EXPECT_EQ(TemplateSize(id).cy, 95) << id;
    }
}

TEST_F(ProfileDialog, RemoteAccessPageHoldsHostUserAndPassword) {
    auto controls = ControlsOf(Page(0));
    EXPECT_EQ(controls[IDC_PROFILE_HOST_LABEL].text, "Host &name or IP address:");
    EXPECT_EQ(controls[IDC_PROFILE_USER_LABEL].text, "User &identifier:");
    EXPECT_EQ(controls[IDC_PROFILE_PASSWORD_LABEL].text, "User &password:");
    EXPECT_EQ(controls[IDC_PROFILE_HOST].className, "ComboBox");
    EXPECT_EQ(controls[IDC_PROFILE_USER].className, "ComboBox");
    EXPECT_EQ(controls[IDC_PROFILE_PASSWORD].className, "Edit");
    EXPECT_TRUE(controls[IDC_PROFILE_PASSWORD].style & ES_PASSWORD);
}

TEST_F(ProfileDialog, GeneralPageHoldsFoldersTimeoutAndPort) {
    HWND page = Page(1);
    auto controls = ControlsOf(page);
    for (int id : {IDC_REMOTE_FOLDER, IDC_LOCAL_FOLDER, IDC_TIMEOUT}) EXPECT_EQ(controls[id].className, "Edit") << id;
    EXPECT_TRUE(controls[IDC_TIMEOUT].style & ES_NUMBER);
    EXPECT_EQ(controls[IDC_PORT].className, "ComboBox");
    const auto texts = TextsOf(page);
    for (const char* label : {"Initial &remote folder:", "Initial &local folder:", "&Timeout (sec):", "&IP Port:"})
        EXPECT_TRUE(Contains(texts, label)) << label;
}

TEST_F(ProfileDialog, WwwPageHoldsAddressAndIndexPage) {
    HWND page = Page(2);
    auto controls = ControlsOf(page);
    EXPECT_EQ(controls[IDC_WWW_ADDRESS].className, "Edit");
    EXPECT_EQ(controls[IDC_INDEX_PAGE].className, "ComboBox");
    EXPECT_EQ(controls[IDC_INDEX_PAGE_LABEL].text, "Index &page:");
    EXPECT_TRUE(Contains(TextsOf(page),
                         "Enter the main URL for your site.  This URL and the index page specified below will be "
                         "joined together and opened in your web browser when publishing is complete."));
}

TEST_F(ProfileDialog, FirewallPageHoldsTypeServerAndLogin) {
    HWND page = Page(3);
    auto controls = ControlsOf(page);
    const std::map<int, std::string> radios = {{IDC_FW_TYPE_NONE, "&None"},   {IDC_FW_TYPE_SITE, "&Site"},
                                               {IDC_FW_TYPE_LOGON, "&Logon"}, {IDC_FW_TYPE_USER, "&User"},
                                               {IDC_FW_TYPE_OPEN, "&Open"}};
    for (const auto& [id, text] : radios) {
        EXPECT_EQ(controls[id].text, text);
        EXPECT_EQ(controls[id].style & BS_TYPEMASK, static_cast<DWORD>(BS_AUTORADIOBUTTON)) << id;
    }
    EXPECT_EQ(controls[IDC_FW_PASSIVE].text, "Use passive &transfer");
    EXPECT_EQ(controls[IDC_FW_HOST].className, "ComboBox");
    EXPECT_EQ(controls[IDC_FW_PORT].className, "ComboBox");
    EXPECT_EQ(controls[IDC_FW_USER].className, "Edit");
    EXPECT_TRUE(controls[IDC_FW_PASSWORD].style & ES_PASSWORD);
    const auto texts = TextsOf(page);
    for (const char* label : {"Type", "&Host:", "&Port:", "User &ID:", "Passwor&d:"})
        EXPECT_TRUE(Contains(texts, label)) << label;
}

TEST(DialogTemplates, TheAboutBoxIsItsPictureAlone) {
    OpenDialog dlg(IDD_ABOUT);
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(GetWindowLongPtrA(dlg.Handle(), GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0);
    HWND picture = GetDlgItem(dlg.Handle(), IDC_ABOUT_PICTURE);
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

// ---- String table -----------------------------------------------------------

TEST(StringTable, HoldsTheTextsAsTheWindowsQuoteThem) {
    const std::map<UINT, std::string> texts = {
        {1, "Local Folder:"},
        {2, "Remote Folder:"},
        {11, "C&onnect"},
        {18, "<dir>"},
        {19, "You must enter a valid name.\n\n %1"},
        {20, "Minimum one letter is required."},
        {21, "For MS Windows 3.x users, a name must be\n8 characters or less and cannot contain spaces."},
        {22, "A name cannot contain any of the following characters:\n  \\ / : * ? \\\" < > |"},
        {25, "The specified name is already in use.\n"},
        {26, "Cannot rename the file:\n %1"},
        {27, "Rename Folder"},
        {28, "Rename File"},
        {29, "New file name:"},
        {30, "New folder name:"},
        {31, "New Folder"},
        {32, "New folder name:"},
        {33, "Do you wish to delete these %1 items?"},
        {34, "Cannot delete the file:\n %1"},
        {35, "Cannot delete the folder:\n %1"},
        {47, "Do you wish to transfer these %1 files into:\n %2"},
        {51, "The specified name is invalid."},
        {52, "The parent Folder [..] is a special directory\nand cannot be modified."},
        {53, "Cannot transfer the file:\n %1"},
        {63, "Do you wish to exit?"},
        {68, "anonymous"},
        {69, "Default"},
        {70, "There is no host specified."},
        {71, "There is no user specified."},
        {75, "Do you wish to close the remote connection?"},
        {76, "Disc&onnect"},
        {87, "An error has occurred for the FTP operation:\n  %1"},
        {89, "The specified folder does not exist.\n\nUse New to create a new folder."},
        {91, "The recommended timeout range is\n  between 5 and 900 seconds."},
        {92, "The last message from the server was:\n%1"},
        {93, "Delete Profile"},
        {94, "Operation cancelled."},
        {127, "Select local folder:"},
        {128, "Browse"},
        {130, "FTP Quill"},
        {131, "Cannot create the specified folder.."},
        {132, "None"},
        {133, "Progress"},
        {134, "Hint"},
        {135, "Stop Operation"},
        {140, "Connection Profile"},
        {141, "Connect"},
        {142, "Cannot view the selected file: %1\n\nThere is no associated application for this type of file.\n\n"
              "See the MS Windows online Help for more information \nabout associating files and applications."},
        {154, "File:"},
        {155, "Size:"},
        {156, "bytes"},
        {157, "Deleting..."},
        {158, "Renaming..."},
        {159, "Viewing..."},
        {160, "bytes sent"},
        {161, "bytes received"},
        {162, "The port range is between 0 and 32000."},
        {164, "Please enter a Profile Name"},
        {165, "Get ISP Profile"},
        {166, "Do you want to delete this profile?"},
        {173, "The file name with spaces may not be accepted on Internet.\n\nDo you wish to continue?"},
        {177, "Connecting..."},
        {178, "Connected."},
        {179, "Checking time diference..."},
        {180, "Host &name or IP address:"},
        {181, "User &identifier:"},
        {182, "User &password:"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(LoadResourceString(id), text) << "string " << id;
}

TEST(StringTable, HasAHintOrTipForEveryControlThatShowsOne) {
    for (UINT id = IDS_HINT_DOWNLOAD; id <= IDS_HINT_DISCONNECT; ++id)
        EXPECT_GT(LoadResourceString(id).size(), 10u) << "string " << id;
    for (UINT id : {IDS_COLUMN_NAME, IDS_COLUMN_SIZE, IDS_COLUMN_MODIFIED, IDS_HINT_BROWSE, IDS_WELCOME,
                    IDS_HINT_PANELS, IDS_HINT_PANEL_BUTTONS})
        EXPECT_FALSE(LoadResourceString(id).empty()) << "string " << id;
}

// ---- Pictures -----------------------------------------------------------------

struct PicturePair {
    UINT normal;
    UINT disabled;
    int size;
};

TEST(Pictures, ButtonPicturesComeInMatchingPairsOnTheMappedGrey) {
    const std::vector<PicturePair> pairs = {
        {IDB_DOWNLOAD, IDB_DOWNLOAD_DISABLED, 20},   {IDB_UPLOAD, IDB_UPLOAD_DISABLED, 20},
        {IDB_PARENT, IDB_PARENT_DISABLED, 20},       {IDB_NEW, IDB_NEW_DISABLED, 20},
        {IDB_VIEW, IDB_VIEW_DISABLED, 20},           {IDB_RENAME, IDB_RENAME_DISABLED, 20},
        {IDB_DELETE, IDB_DELETE_DISABLED, 20},       {IDB_REFRESH, IDB_REFRESH_DISABLED, 20},
        {IDB_CONNECT, IDB_CONNECT_DISABLED, 20},     {IDB_CLEAR_ALL, IDB_CLEAR_ALL_DISABLED, 16},
        {IDB_SELECT_TRANSFER, IDB_SELECT_TRANSFER_DISABLED, 16},
        {IDB_SELECT_UPDATING, IDB_SELECT_UPDATING_DISABLED, 16},
        {IDB_SELECT_DELETION, IDB_SELECT_DELETION_DISABLED, 16},
        {IDB_SELECT_ALL, IDB_SELECT_ALL_DISABLED, 16}, {IDB_BROWSE, IDB_BROWSE_DISABLED, 16},
    };
    const COLORREF marker = RGB(1, 2, 3);
    for (const PicturePair& pair : pairs) {
        CBitmap normal, disabled;
        ASSERT_TRUE(normal.LoadMappedBitmap(pair.normal, marker)) << pair.normal;
        ASSERT_TRUE(disabled.LoadMappedBitmap(pair.disabled, marker)) << pair.disabled;
        SIZE a, b;
        const auto normalPixels = BitmapPixels(normal, a);
        const auto disabledPixels = BitmapPixels(disabled, b);
        EXPECT_EQ(a.cx, pair.size) << pair.normal;
        EXPECT_EQ(a.cy, pair.size) << pair.normal;
        EXPECT_EQ(b.cx, a.cx) << pair.disabled;
        EXPECT_EQ(b.cy, a.cy) << pair.disabled;
        // The corner is button face in every picture: the grey was mapped.
        EXPECT_EQ(normalPixels.front(), marker) << pair.normal;
        EXPECT_EQ(disabledPixels.front(), marker) << pair.disabled;
        EXPECT_NE(normalPixels, disabledPixels) << pair.normal;
    }
}

TEST(Pictures, FileIconsAreSixteenPixelsSquareOnWhite) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 0, 1);
    for (UINT id : {IDB_FILE, IDB_HTML, IDB_VRML, IDB_PICTURE, IDB_SOUND, IDB_FOLDER, IDB_PARENT_ENTRY, IDB_LINK}) {
        HBITMAP bitmap = LoadBitmapA(ResourceModule(), MAKEINTRESOURCEA(id));
        ASSERT_NE(bitmap, nullptr) << id;
        SIZE size;
        const auto pixels = BitmapPixels(bitmap, size);
        EXPECT_EQ(size.cx, 16) << id;
        EXPECT_EQ(size.cy, 16) << id;
        EXPECT_EQ(pixels.front(), RGB(255, 255, 255)) << id;  // the mask colour
        EXPECT_NE(ImageList_AddMasked(images, bitmap, RGB(255, 255, 255)), -1) << id;
        DeleteObject(bitmap);
    }
    EXPECT_EQ(ImageList_GetImageCount(images), 8);
    ImageList_Destroy(images);
}

TEST(Pictures, DragImageCursorIconAndAboutPictureLoad) {
    CImageList drag;
    ASSERT_TRUE(drag.Create(IDB_DRAG_MULTIPLE, 24, 1, RGB(0, 0, 128)));
    EXPECT_EQ(drag.GetImageCount(), 1);
    EXPECT_NE(LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(IDCUR_NO_DROP)), nullptr);
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(
            LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        GetIconInfo(icon, &info);
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    HBITMAP about = LoadBitmapA(ResourceModule(), MAKEINTRESOURCEA(IDB_ABOUT));
    ASSERT_NE(about, nullptr);
    DeleteObject(about);
}

TEST(VersionBlock, TheDllNamesItselfAndItsVersion) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA("ravoFtp.dll", &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA("ravoFtp.dll", 0, size, block.data()));
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductName",
                               reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, "FTP Quill");
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\OriginalFilename",
                               reinterpret_cast<void**>(&value), &length));
    EXPECT_STREQ(value, "ravoFtp.dll");
}

}  // namespace
