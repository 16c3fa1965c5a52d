/* ravoFtp.dll: the public interface for host programs.
 *
 * All functions are called on the host's user-interface thread, use the
 * Windows API calling convention and ANSI texts, and return when their work
 * is done. FTP functions return 0 for success or a negative result code
 * (see docs/host-api.md for the table of codes and their messages).
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

/* ---- FTP session (ordinals 700-712) ---------------------------------- */

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
