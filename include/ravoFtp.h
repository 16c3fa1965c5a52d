/* ravoFtp.dll: the public interface for host programs.
 *
 * All functions are called on the host's user-interface thread, use the
 * Windows API calling convention and ANSI texts, and return when their work
 * is done. FTP functions return 0 for success or a negative result code
 * (see docs/host-api.md for the table of codes and their messages). No
 * exception ever leaves them.
 */
#ifndef RAVOFTP_H
#define RAVOFTP_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Inside the library the functions are defined; hosts import them. */
#ifdef RAVOFTP_BUILDING
#define RAVOFTP_API
#else
#define RAVOFTP_API __declspec(dllimport)
#endif

/* ---- FTP session (ordinals 700-713, 720) ----------------------------- */

/* One FTP call at a time: a call made while another FTP call is still
 * running (windows keep receiving messages during transfers and dialogs, so
 * a host's handler can call in again) does nothing and returns this code.
 * FTP_GetLastMessage and FTP_SetSecurity may be called at any time. */
#define FTP_RESULT_BUSY (-40)

/* The library keeps one FTP connection for the whole process. After each
 * call the server's last reply is kept for error messages. Texts are ANSI;
 * remote paths use "/" (a "\" is turned into "/" where noted). */

/* Connects and logs in. parent may be NULL; it owns the password prompt
 * (shown when the server asks for a password and password is empty) and the
 * welcome box (not shown when parent's title is "Get ISP Profile").
 * port: 0 means 21. timeout: seconds. firewallType: "user", "logon", "site",
 * "open" (case-sensitive) or anything else for none. passive: non-zero for
 * passive transfers. Returns 0, -4 when the prompt was cancelled, or a
 * result code. */
RAVOFTP_API int WINAPI FTP_Connect(HWND parent, LPCSTR host, LPCSTR user, LPCSTR password, int port,
                                   int timeout, LPCSTR firewallType, LPCSTR firewallHost,
                                   int firewallPort, LPCSTR firewallUser, LPCSTR firewallPassword,
                                   int passive);
/* Security of the connections FTP_Connect and FTP_Open make (explicit FTP
 * over TLS: AUTH TLS, then PBSZ 0 and PROT P, with TLS on every data
 * connection; TLS 1.2 or newer only). */
#define FTP_SECURITY_PLAIN 0        /* plain FTP, nothing encrypted (the default) */
#define FTP_SECURITY_WHEN_OFFERED 1 /* TLS first; plain FTP when the server refuses AUTH TLS */
#define FTP_SECURITY_REQUIRED 2     /* TLS or nothing: -33 without sending the user name */

/* Result codes of secure connections. */
#define FTP_RESULT_TLS_NOT_OFFERED (-33)      /* TLS required, the server refused AUTH TLS */
#define FTP_RESULT_TLS_FAILED (-34)           /* TLS handshake or record failed, or below TLS 1.2 */
#define FTP_RESULT_CERTIFICATE_REFUSED (-35)  /* the server's certificate was not accepted */
#define FTP_RESULT_TLS_RESUME_REQUIRED (-36)  /* the server demands TLS session resumption on data */

/* Sets the security (FTP_SECURITY_*) of every later FTP_Connect and
 * FTP_Open of the process; the connection open keeps its own. Until it is
 * called, connections are plain FTP. Returns 0, or -3 for any other value
 * (the setting is then unchanged). Sends nothing; may be called at any time.
 * The server's certificate is always checked (chain to a trusted root, host
 * name or address, dates). One with a problem is put to the user in a
 * dialog owned by FTP_Connect's parent window, unless it was trusted always
 * before; with a NULL parent it is refused and FTP_Connect returns -35.
 * Ordinal 713. */
RAVOFTP_API int WINAPI FTP_SetSecurity(int security);

/* FTP_Connect without firewall, in active mode. */
RAVOFTP_API int WINAPI FTP_Open(HWND parent, LPCSTR host, LPCSTR user, LPCSTR password, int port,
                                int timeout);
/* Closes the connection. */
RAVOFTP_API int WINAPI FTP_Close(void);

/* Lists the current remote folder into two texts, one line per entry ended
 * by CR LF: folders (and links) into folderText, files into fileText. The
 * template's keywords are replaced per entry: "name", "subname" (files of
 * each immediate sub-folder too, as "sub/name"; the walk returns to the
 * listed folder and stops with -15 if it arrives anywhere else), "date"
 * (YYYY/MM/DD), "time" (HH:MM), "size" (11 characters, "," separators;
 * sizes of 1,000,000,000 and more in full, up to 2^63), "attr" ("d" or
 * "-"); other characters are copied. Sizes are buffer sizes in bytes (at
 * most 65535 used); an entry that does not fit is left out, nothing is
 * written past a buffer, and each text stays NUL-terminated. A listing
 * longer than the engine's entry limit renders the entries before the limit
 * and returns -32. */
RAVOFTP_API int WINAPI FTP_List(LPCSTR templateText, LPSTR folderText, int folderSize, LPSTR fileText,
                                int fileSize);

/* Changes the remote folder (path as given; NULL or "" only asks) and copies
 * the current folder into folder (at most folderSize bytes with the NUL;
 * folder may be NULL). Returns the change's result, or the failure of asking
 * for the current folder; folder is then "" (when folderSize allows a NUL). */
RAVOFTP_API int WINAPI FTP_ChangeDir(LPCSTR path, LPSTR folder, int folderSize);
/* Makes a remote folder ("\" becomes "/"). */
RAVOFTP_API int WINAPI FTP_MakeDir(LPCSTR path);
/* Removes an empty remote folder; -17 when the server refuses (not empty). */
RAVOFTP_API int WINAPI FTP_RemoveDir(LPCSTR path);
/* Deletes a remote file ("\" becomes "/"). */
RAVOFTP_API int WINAPI FTP_RemoveFile(LPCSTR path);
/* Downloads remotePath to localPath; ASCII for text extensions (.htm .html
 * .cdf .txt .def .wrl .pkg .ini .java .cpp .h .c .rc, case-sensitive), else
 * binary. An existing local file is replaced only when the download
 * succeeded. */
RAVOFTP_API int WINAPI FTP_GetFile(LPCSTR localPath, LPCSTR remotePath);
/* Uploads localPath to remotePath; binary for pictures, else ASCII when the
 * file holds only text characters. */
RAVOFTP_API int WINAPI FTP_PutFile(LPCSTR localPath, LPCSTR remotePath);
/* Renames an entry of the current remote folder: only the last path
 * elements of both names are used. */
RAVOFTP_API int WINAPI FTP_Rename(LPCSTR oldPath, LPCSTR newPath);
/* FTP_PutFile to remoteName in the current remote folder; -26 when the
 * joined path would exceed 255 characters. */
RAVOFTP_API int WINAPI FTP_SendFile(LPCSTR localPath, LPCSTR remoteName);
/* FTP_GetFile of remoteName in the current remote folder; -26 when the
 * joined path would exceed 255 characters. */
RAVOFTP_API int WINAPI FTP_ReceiveFile(LPCSTR localPath, LPCSTR remoteName);
/* Copies the server's last reply (all its lines) into buffer, at most
 * size bytes with the NUL: what a host shows beside a result code's message.
 * Ordinal 720. */
RAVOFTP_API int WINAPI FTP_GetLastMessage(LPSTR buffer, int size);

/* Pointer types for hosts that load the DLL at run time and look the
 * functions up by ordinal: GetProcAddress(dll, MAKEINTRESOURCEA(700)). */
typedef int(WINAPI *FTP_CONNECT_FN)(HWND, LPCSTR, LPCSTR, LPCSTR, int, int, LPCSTR, LPCSTR, int, LPCSTR,
                                    LPCSTR, int);
typedef int(WINAPI *FTP_OPEN_FN)(HWND, LPCSTR, LPCSTR, LPCSTR, int, int);
typedef int(WINAPI *FTP_CLOSE_FN)(void);
typedef int(WINAPI *FTP_LIST_FN)(LPCSTR, LPSTR, int, LPSTR, int);
typedef int(WINAPI *FTP_CHANGEDIR_FN)(LPCSTR, LPSTR, int);
typedef int(WINAPI *FTP_PATH_FN)(LPCSTR);          /* MakeDir, RemoveDir, RemoveFile */
typedef int(WINAPI *FTP_TWO_PATHS_FN)(LPCSTR, LPCSTR);  /* Get/Put/Send/ReceiveFile, Rename */
typedef int(WINAPI *FTP_GETLASTMESSAGE_FN)(LPSTR, int);
typedef int(WINAPI *FTP_SETSECURITY_FN)(int);

/* ---- The file manager "FTP Quill" (ordinals 801, 804) ---------------- */

/* Runs the file manager modally, owned by parent (may be null), and
 * returns 0 when it closes, whatever happened inside. A second call while
 * it runs returns 0 at once. */
RAVOFTP_API int WINAPI FTP_ApplDlg(HWND parent);

/* The same; when localFolder names an existing folder, both panels start
 * there (it wins over the folders the window remembers). */
RAVOFTP_API int WINAPI FTP_ApplDlg2(HWND parent, LPCSTR localFolder);

typedef int(WINAPI *FTP_APPLDLG_FN)(HWND);
typedef int(WINAPI *FTP_APPLDLG2_FN)(HWND, LPCSTR);

/* ---- Connection profiles (ordinals 802, 803) ------------------------- */

/* Every text buffer of the two profile functions holds at least this many
 * bytes. Texts are read from them on entry up to that length, and written
 * back cut to it (terminator included), so a buffer of this size is never
 * overrun whatever the settings file holds. */
#define FTP_PROFILE_TEXT_SIZE 260

/* Reads or edits a connection profile of the settings file.
 *
 * Without a parent (NULL) nothing is shown: the profile called name (the
 * last used one when name is "") is read into the buffers, and the result is
 * 1 when it exists, 0 when it does not (the buffers then get the defaults:
 * port 21, time-out 60, firewall type "none", ...).
 *
 * With a parent the "Connection Profile" dialog opens on name; the other
 * arguments are what a new profile starts with. After OK the profile is
 * saved (unless it has no name), the computer is dialed onto the Internet if
 * it is not connected, and the result is 1 with the buffers filled; Cancel
 * or a failed dial gives 0 and leaves the buffers alone.
 *
 * Text buffers (name, host, user, password, localFolder, remoteFolder,
 * wwwAddress, wwwPage, firewallType, firewallHost, firewallUser,
 * firewallPassword): FTP_PROFILE_TEXT_SIZE bytes each, in and out.
 * port and firewallPort are written when the profile's value lies from 0 to
 * 32000; timeout when above 5 (above 0 for a silent read). firewallPassive
 * gets 1 for passive transfers, else 0. The five firewall buffers
 * (firewallHost to firewallPassive) may be NULL: then they are not written,
 * and the dialog shows no Firewall page when all five are NULL. Any other
 * NULL buffer returns 0 at once. */
RAVOFTP_API int WINAPI FTP_InitDlg(HWND parent, LPSTR name, LPSTR host, LPSTR user, LPSTR password,
                                   LPSTR localFolder, LPSTR remoteFolder, WORD *port, WORD *timeout,
                                   LPSTR wwwAddress, LPSTR wwwPage, LPSTR firewallType, LPSTR firewallHost,
                                   WORD *firewallPort, LPSTR firewallUser, LPSTR firewallPassword,
                                   int *firewallPassive);

/* FTP_InitDlg without the firewall: the dialog shows Remote Access, General
 * and WWW Site. */
RAVOFTP_API int WINAPI FTP_ProfDlg(HWND parent, LPSTR name, LPSTR host, LPSTR user, LPSTR password,
                                   LPSTR localFolder, LPSTR remoteFolder, WORD *port, WORD *timeout,
                                   LPSTR wwwAddress, LPSTR wwwPage);

typedef int(WINAPI *FTP_INITDLG_FN)(HWND, LPSTR, LPSTR, LPSTR, LPSTR, LPSTR, LPSTR, WORD *, WORD *, LPSTR, LPSTR,
                                    LPSTR, LPSTR, WORD *, LPSTR, LPSTR, int *);
typedef int(WINAPI *FTP_PROFDLG_FN)(HWND, LPSTR, LPSTR, LPSTR, LPSTR, LPSTR, LPSTR, WORD *, WORD *, LPSTR, LPSTR);

/* ---- Dial-up connection control (ordinals 810-813) ------------------- */

/* Non-zero when the system reports an Internet connection. *byModem gets 1
 * for a connection by modem, 0 otherwise (a LAN connection never counts as
 * by modem). byModem may be null. */
RAVOFTP_API int WINAPI IsInternetConnected(int *byModem);

/* Makes sure the computer is on the Internet: returns 1 when it already is,
 * when the settings say never to dial ("No Dial"), or when dialing entryName
 * (null or "": the default connection) with the system's dial prompt
 * succeeded; then *connection receives the handle for InternetDisconnect.
 * Returns 0 when dialing failed; *connection is then left alone. */
RAVOFTP_API int WINAPI InternetConnectDialog(HWND parent, const char *entryName,
                                             DWORD *connection);

/* Hangs up a connection from InternetConnectDialog: 1 when hung up, 0 when
 * there is no modem connection or the hang-up failed. */
RAVOFTP_API int WINAPI InternetDisconnect(DWORD connection);

/* Hangs up a modem connection the system dialed by itself: the system's
 * result, or 0 when there is no modem connection. */
RAVOFTP_API int WINAPI InternetAutoDisconnect(void);

#ifdef __cplusplus
}
#endif

#endif /* RAVOFTP_H */
