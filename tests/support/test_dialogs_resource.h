// Ids of the test dialogs. They share programs with the product's resources,
// so their templates use numbers the product does not.
#pragma once

#define IDD_TEST_LAYOUT 3001
#define IDD_TEST_BUTTONS 3002
#define IDD_TEST_EXCHANGE 3003
#define IDD_TEST_SHEET_HOST 3004
#define IDD_TEST_PAGE_NAME 3005
#define IDD_TEST_PAGE_NOTE 3006

// Layout dialog: one control per rule case.
#define IDC_T_STRETCH 3101
#define IDC_T_RIGHT 3102
#define IDC_T_HALF 3103
#define IDC_T_CENTRE 3104
#define IDC_T_UPPER_LIST 3105
#define IDC_T_LOWER_LIST 3106
#define IDC_T_CORNER 3107
#define IDC_T_FIXED 3108
#define IDC_T_MIDDLE 3109
#define IDC_T_UNKNOWN_RULE 3110
#define IDC_T_GROUP 3111

// Bitmap-button dialog.
#define IDC_T_PANEL_BUTTON 3201
#define IDC_T_DOWNLOAD 3202
#define IDC_T_UPLOAD 3203
#define IDC_T_DISABLED 3204
#define IDC_T_SELECT_ALL 3206
#define IDC_T_BROWSE 3207

// Data-exchange and routing dialog.
#define IDC_T_NAME 3301
#define IDC_T_AGREE 3302
#define IDC_T_WATCHED_EDIT 3303
#define IDC_T_LIST 3304
#define IDC_T_COMMAND 3305
#define IDC_T_RANGE_FIRST 3306
#define IDC_T_RANGE_LAST 3308

// Property-sheet host and its pages.
#define IDC_T_SHEET_FRAME 3401
#define IDC_T_PAGE_NAME 3501
#define IDC_T_PAGE_NOTE 3601
