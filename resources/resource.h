// Resource ids of ravoFtp.dll: dialog templates, controls, strings, bitmaps,
// icons and cursors. Shared by the .rc file and the C++ code. Ids of
// different kinds may share a number (bitmap 130 and string 130); a control
// id is unique within its own dialog only.
#pragma once

// ---- Dialog templates ----------------------------------------------------
#define IDD_MAIN 102
#define IDD_NAME 163
#define IDD_PROFILE 167
#define IDD_PASSWORD 173
#define IDD_PAGE_REMOTE 198
#define IDD_PAGE_GENERAL 199
#define IDD_PAGE_WWW 200
#define IDD_ABOUT 217
#define IDD_SERVER_MESSAGE 218
#define IDD_PAGE_FIREWALL 219

// ---- Controls of the file manager (102) -----------------------------------
// Close is IDOK and Help is IDHELP.
#define IDC_TOP_PATH 1003
#define IDC_BOTTOM_PATH 1004
#define IDC_BOTTOM_PANEL 1005
#define IDC_DOWNLOAD 1007
#define IDC_UPLOAD 1008
#define IDC_PARENT 1009
#define IDC_NEW 1010
#define IDC_VIEW 1011
#define IDC_RENAME 1012
#define IDC_DELETE 1013  // also the delete button of the profile dialog
#define IDC_REFRESH 1014
#define IDC_CONNECT 1015
#define IDC_CLEAR_ALL 1016
#define IDC_TOP_PANEL 1017
#define IDC_SELECT_TRANSFER 1018
#define IDC_TOP_PANEL_BUTTON 1019
#define IDC_BOTTOM_PANEL_BUTTON 1020
#define IDC_SELECT_UPDATING 1030
#define IDC_SELECT_DELETION 1031
#define IDC_SMART_SELECT_GROUP 1032
#define IDC_SELECT_ALL 1033
#define IDC_BROWSE 1034
#define IDC_PROGRESS 1041
#define IDC_STOP 1043
#define IDC_HINT_GROUP 1044
#define IDC_FILE_LINE 1092
#define IDC_ACTIVITY_LINE 1093
#define IDC_HINT_TEXT 1094
#define IDC_SIZE_LINE 1101
#define IDC_SHOW_LOG 1134
#define IDC_LOG 1137
#define IDC_KEYS_TEXT 1138
#define IDC_LOG_SEPARATOR 1139
#define IDC_ABOUT 218

// ---- Controls of the name dialog (163) -------------------------------------
#define IDC_NAME_EDIT 1030
#define IDC_NAME_PROMPT 1031

// ---- Controls of the profile dialog (167) and its pages -------------------
#define IDC_PROFILE_NAME 1049
#define IDC_SHEET_FRAME 1087
// Remote Access (198)
#define IDC_PROFILE_HOST_LABEL 1045
#define IDC_PROFILE_USER_LABEL 1047
#define IDC_PROFILE_HOST 1050
#define IDC_PROFILE_USER 1051
#define IDC_PROFILE_PASSWORD 1067
#define IDC_PROFILE_PASSWORD_LABEL 1068
#define IDC_PROFILE_SECURITY 1300
// General (199)
#define IDC_PORT 1055
#define IDC_REMOTE_FOLDER 1063
#define IDC_LOCAL_FOLDER 1064
#define IDC_TIMEOUT 1070
// WWW Site (200)
#define IDC_WWW_ADDRESS 1083
#define IDC_INDEX_PAGE_LABEL 1085
#define IDC_INDEX_PAGE 1086
// Firewall (219)
#define IDC_FW_HOST 1104
#define IDC_FW_PORT 1107
#define IDC_FW_USER 1109
#define IDC_FW_PASSWORD 1111
#define IDC_FW_TYPE_NONE 1113
#define IDC_FW_TYPE_SITE 1114
#define IDC_FW_TYPE_LOGON 1115
#define IDC_FW_TYPE_USER 1116
#define IDC_FW_TYPE_OPEN 1117
#define IDC_FW_PASSIVE 1118

// ---- Controls of the password and server-message dialogs ------------------
#define IDC_SERVER_MESSAGE_LABEL 1200
#define IDC_SERVER_MESSAGE 1201
#define IDC_PASSWORD_LABEL 1202
#define IDC_PASSWORD 1203

// ---- Control of the about box (217) ----------------------------------------
#define IDC_ABOUT_PICTURE 1210

// ---- Bitmaps: the panels' file icons (16x16, white is transparent) --------
#define IDB_FILE 137
#define IDB_FOLDER 138
#define IDB_HTML 139
#define IDB_PICTURE 140
#define IDB_SOUND 141
#define IDB_PARENT_ENTRY 142
#define IDB_VRML 162
#define IDB_LINK 235

// ---- Bitmaps: button pictures, normal and disabled ------------------------
// Light grey RGB(192,192,192) is the button face.
#define IDB_VIEW 129
#define IDB_CONNECT 130
#define IDB_DELETE_DISABLED 132
#define IDB_DELETE 133
#define IDB_DOWNLOAD_DISABLED 135
#define IDB_DOWNLOAD 136
#define IDB_PARENT_DISABLED 144
#define IDB_PARENT 145
#define IDB_NEW_DISABLED 147
#define IDB_NEW 148
#define IDB_REFRESH_DISABLED 150
#define IDB_REFRESH 151
#define IDB_RENAME_DISABLED 153
#define IDB_RENAME 154
#define IDB_UPLOAD_DISABLED 156
#define IDB_UPLOAD 157
#define IDB_VIEW_DISABLED 159
#define IDB_CONNECT_DISABLED 186
#define IDB_SELECT_ALL 188
#define IDB_SELECT_ALL_DISABLED 189
#define IDB_BROWSE 195
#define IDB_BROWSE_DISABLED 196
#define IDB_SELECT_UPDATING 202
#define IDB_SELECT_DELETION_DISABLED 203
#define IDB_SELECT_DELETION 204
#define IDB_CLEAR_ALL_DISABLED 205
#define IDB_CLEAR_ALL 206
#define IDB_SELECT_TRANSFER_DISABLED 207
#define IDB_SELECT_TRANSFER 208
#define IDB_SELECT_UPDATING_DISABLED 209

// ---- Bitmaps: drag image and about picture; cursor; icon -----------------
#define IDB_DRAG_MULTIPLE 183  // 24 pixels wide, navy RGB(0,0,128) is transparent
#define IDB_ABOUT 215
#define IDCUR_NO_DROP 106
#define IDI_APP 219

// ---- Strings: panel labels, columns and name checks -----------------------
#define IDS_LOCAL_FOLDER 1
#define IDS_REMOTE_FOLDER 2
#define IDS_CONNECT_BUTTON 11
#define IDS_COLUMN_NAME 15
#define IDS_COLUMN_SIZE 16
#define IDS_COLUMN_MODIFIED 17
#define IDS_DIR 18
#define IDS_INVALID_NAME 19
#define IDS_NAME_EMPTY 20
#define IDS_NAME_SHORT_RULE 21
#define IDS_NAME_CHARACTERS 22
#define IDS_NAME_IN_USE 25
#define IDS_CANNOT_RENAME 26
#define IDS_RENAME_FOLDER 27
#define IDS_RENAME_FILE 28
#define IDS_RENAME_FILE_PROMPT 29
#define IDS_RENAME_FOLDER_PROMPT 30
#define IDS_NEW_FOLDER 31
#define IDS_NEW_FOLDER_PROMPT 32
#define IDS_ASK_DELETE 33
#define IDS_CANNOT_DELETE_FILE 34
#define IDS_CANNOT_DELETE_FOLDER 35
#define IDS_ASK_TRANSFER 47
#define IDS_NAME_DOTS 51
#define IDS_PARENT_SPECIAL 52
#define IDS_CANNOT_TRANSFER 53
#define IDS_ASK_EXIT 63

// ---- Strings: profiles and connection -------------------------------------
#define IDS_ANONYMOUS 68
#define IDS_DEFAULT_PORT 69
#define IDS_NO_HOST 70
#define IDS_NO_USER 71
#define IDS_ASK_CLOSE_CONNECTION 75
#define IDS_DISCONNECT_BUTTON 76
#define IDS_FOLDER_MISSING 89
#define IDS_TIMEOUT_RANGE 91
#define IDS_LAST_SERVER_MESSAGE 92
#define IDS_TIP_DELETE_PROFILE 93
#define IDS_PORT_RANGE 162
#define IDS_NO_PROFILE_NAME 164
#define IDS_ASK_DELETE_PROFILE 166

// ---- Strings: result-code messages ---------------------------------------
#define IDS_ERR_CONNECT 77
#define IDS_ERR_RESOLVE 78
#define IDS_ERR_USER 79
#define IDS_ERR_PASSWORD 80
#define IDS_ERR_ACCESS 81
#define IDS_ERR_GENERAL 82
#define IDS_ERR_MISSING 83
#define IDS_ERR_NOT_EMPTY 84
#define IDS_ERR_DISK_FULL 85
#define IDS_ERR_CLOSED 86
#define IDS_ERR_FTP_OPERATION 87
#define IDS_ERR_MEMORY 90
#define IDS_ERR_CANCELLED 94
#define IDS_ERR_ACCOUNT 95
#define IDS_ERR_DENIED 96
#define IDS_ERR_TIMEOUT 97
#define IDS_ERR_NO_RESPONSE 98
#define IDS_ERR_MORE_INFO 121
#define IDS_ERR_NOT_TAKEN 122
#define IDS_ERR_LOCAL 123
#define IDS_ERR_SYNTAX 124
#define IDS_ERR_SOCKET 125
#define IDS_ERR_FILE_NAME 126
#define IDS_ERR_BUSY 190
// Secure connections: the result codes -33 to -36 and the Remote Access
// page's security choices, in the order of their levels.
#define IDS_ERR_TLS_NOT_OFFERED 300
#define IDS_ERR_TLS_FAILED 301
#define IDS_ERR_CERT_REFUSED 302
#define IDS_ERR_TLS_RESUME 303
#define IDS_SECURITY_PLAIN 304
#define IDS_SECURITY_WHEN_OFFERED 305
#define IDS_SECURITY_REQUIRED 306

// ---- Strings: hints (static 1094) and tool tips ---------------------------
#define IDS_HINT_DOWNLOAD 102
#define IDS_HINT_UPLOAD 103
#define IDS_HINT_PARENT 104
#define IDS_HINT_NEW 105
#define IDS_HINT_RENAME 106
#define IDS_HINT_DELETE 107
#define IDS_HINT_VIEW 108
#define IDS_HINT_REFRESH 109
#define IDS_HINT_SELECT_UPDATING 110
#define IDS_HINT_SELECT_TRANSFER 111
#define IDS_HINT_CLEAR_ALL 112
#define IDS_HINT_SELECT_DELETION 113
#define IDS_HINT_SELECT_ALL 114
#define IDS_HINT_TOP_PATH 115
#define IDS_HINT_BOTTOM_PATH 116
#define IDS_HINT_CONNECT 117
#define IDS_HINT_DISCONNECT 118
#define IDS_SELECT_LOCAL_FOLDER 127
#define IDS_TIP_BROWSE 128
#define IDS_TIP_STOP 135
#define IDS_HINT_BROWSE 136
#define IDS_WELCOME 137
#define IDS_HINT_PANELS 138
#define IDS_HINT_PANEL_BUTTONS 139

// ---- Strings: captions, progress, log notes, labels -----------------------
#define IDS_CAPTION 130
#define IDS_CANNOT_CREATE_FOLDER 131
#define IDS_NONE 132
#define IDS_PROGRESS 133
#define IDS_HINT 134
#define IDS_PROFILE_CAPTION 140
#define IDS_CONNECT_CAPTION 141
#define IDS_CANNOT_VIEW 142
#define IDS_FILE_LINE 154
#define IDS_SIZE_LINE 155
#define IDS_BYTES 156
#define IDS_DELETING 157
#define IDS_RENAMING 158
#define IDS_VIEWING 159
#define IDS_BYTES_SENT 160
#define IDS_BYTES_RECEIVED 161
#define IDS_GET_ISP_PROFILE 165
#define IDS_ASK_SPACES 173
#define IDS_LOG_CONNECTING 177
#define IDS_LOG_CONNECTED 178
#define IDS_LOG_CHECKING_TIME 179
#define IDS_LABEL_HOST 180
#define IDS_LABEL_USER 181
#define IDS_LABEL_PASSWORD 182
// The remote panel: the size text of a link and its notes in the log.
#define IDS_LINK 191
#define IDS_LOG_SKIPPED_NAME 192
#define IDS_LOG_DELETE_STOPPED 193
#define IDS_LOG_SIZE_STOPPED 194
#define IDS_LOG_NOT_VIEWED 195

// ---- The server certificate question (template 240) ------------------------
#define IDD_CERTIFICATE 240
#define IDC_CERT_ICON 1320
#define IDC_CERT_INTRO 1321
#define IDC_CERT_PROBLEMS 1322
#define IDC_CERT_SUBJECT 1323
#define IDC_CERT_ISSUER 1324
#define IDC_CERT_VALID_FROM 1325
#define IDC_CERT_VALID_TO 1326
#define IDC_CERT_SHA256 1327
#define IDC_CERT_TRUST_ONCE 1328
#define IDC_CERT_TRUST_ALWAYS 1329
#define IDS_CERT_CAPTION 320
#define IDS_CERT_INTRO 321
#define IDS_CERT_UNTRUSTED 322
#define IDS_CERT_WRONG_NAME 323
#define IDS_CERT_EXPIRED 324
#define IDS_CERT_REVOKED 325
#define IDS_CERT_CHANGED 326
#define IDS_CERT_NO_WINDOW 327
#define IDS_CERT_REFUSED 328
#define IDS_LOG_CERT_REMEMBERED 329
#define IDS_LOG_CERT_ONCE 330
#define IDS_LOG_CERT_ALWAYS 331
#define IDS_CERT_HOST 332
#define IDS_LOG_CERT_NOT_KEPT 333
