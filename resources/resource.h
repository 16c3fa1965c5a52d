// Resource ids of ravoFtp.dll: dialog templates, controls and strings.
// Shared by the .rc file and the C++ code.
#pragma once

// ---- Dialog templates ----------------------------------------------------
#define IDD_PASSWORD 173
#define IDD_SERVER_MESSAGE 218

// ---- Controls of the password and server-message dialogs ------------------
#define IDC_SERVER_MESSAGE_LABEL 1200
#define IDC_SERVER_MESSAGE 1201
#define IDC_PASSWORD_LABEL 1202
#define IDC_PASSWORD 1203

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

// ---- Strings: captions, log notes, labels ---------------------------------
#define IDS_CAPTION 130
#define IDS_GET_ISP_PROFILE 165
#define IDS_LOG_CONNECTING 177
#define IDS_LOG_CONNECTED 178
#define IDS_LOG_CHECKING_TIME 179
#define IDS_LABEL_HOST 180
#define IDS_LABEL_USER 181
#define IDS_LABEL_PASSWORD 182
