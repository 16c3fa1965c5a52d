// The file manager's bitmap buttons: control, normal and disabled pictures,
// and the button style (0-3, see CFtpBitmapButton::SetBitmaps). Shared by
// the main window and the gallery host that photographs its template.
#pragma once

#include "resource.h"

struct MainButtonPictures {
    unsigned id;
    unsigned normal;
    unsigned disabled;
    int style;
};

inline constexpr MainButtonPictures kMainButtons[] = {
    {IDC_DOWNLOAD, IDB_DOWNLOAD, IDB_DOWNLOAD_DISABLED, 2},
    {IDC_UPLOAD, IDB_UPLOAD, IDB_UPLOAD_DISABLED, 2},
    {IDC_PARENT, IDB_PARENT, IDB_PARENT_DISABLED, 2},
    {IDC_NEW, IDB_NEW, IDB_NEW_DISABLED, 2},
    {IDC_VIEW, IDB_VIEW, IDB_VIEW_DISABLED, 2},
    {IDC_RENAME, IDB_RENAME, IDB_RENAME_DISABLED, 2},
    {IDC_DELETE, IDB_DELETE, IDB_DELETE_DISABLED, 2},
    {IDC_REFRESH, IDB_REFRESH, IDB_REFRESH_DISABLED, 2},
    {IDC_CONNECT, IDB_CONNECT, IDB_CONNECT_DISABLED, 2},
    {IDC_CLEAR_ALL, IDB_CLEAR_ALL, IDB_CLEAR_ALL_DISABLED, 1},
    {IDC_SELECT_TRANSFER, IDB_SELECT_TRANSFER, IDB_SELECT_TRANSFER_DISABLED, 1},
    {IDC_SELECT_UPDATING, IDB_SELECT_UPDATING, IDB_SELECT_UPDATING_DISABLED, 1},
    {IDC_SELECT_DELETION, IDB_SELECT_DELETION, IDB_SELECT_DELETION_DISABLED, 1},
    {IDC_SELECT_ALL, IDB_SELECT_ALL, IDB_SELECT_ALL_DISABLED, 1},
    {IDC_BROWSE, IDB_BROWSE, IDB_BROWSE_DISABLED, 0},
    {IDC_BOTTOM_PANEL_BUTTON, 0, 0, 3},
    {IDC_TOP_PANEL_BUTTON, 0, 0, 3},
};
