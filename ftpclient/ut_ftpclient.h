// CUT_FTPClient: the FTP protocol engine (RFC 959, 2389, 2428, 3659) behind
// the session layer. One object holds one control connection, the current
// transfer type and the listing last read.
//
// Every member returns an int: 0 for success, a negative result code
// otherwise (ftp_result.h; the mapping from server replies is documented
// there and in docs/engine.md). Members never throw.
#pragma once

#include <memory>

#include "dirinfo.h"

// Progress: bytes moved so far and the direction (1 sending, 2 receiving).
// A non-zero return stops the transfer; the call then returns -4.
typedef int (*FtpProgressCallback)(unsigned long bytes, int direction);
// Trace: one protocol line; kind 1 = line sent, 2 = reply line received,
// 0 = the engine's own note.
typedef void (*FtpTraceCallback)(const char* text, int kind);
// Waiting: called at least every 100 ms while a call other than a file
// transfer waits on the network (the login, a command, a listing), so that
// a window can repaint. A non-zero return ends the wait; the call then
// returns -4 and the connection stays in step.
typedef int (*FtpWaitCallback)();

// Security of the connection, chosen before connecting (SetSecurity).
enum FtpSecurity {
    kFtpSecurityPlain = 0,        // plain FTP; AUTH is never sent
    kFtpSecurityWhenOffered = 1,  // AUTH TLS first; plain FTP when the server refuses it
    kFtpSecurityRequired = 2      // AUTH TLS or nothing: no user name is sent in clear
};

// Problems the engine found with the server's certificate (bit set).
enum FtpCertificateProblem {
    kFtpCertUntrusted = 1,  // no chain to a trusted root (self-signed, private CA), or any other chain fault
    kFtpCertWrongName = 2,  // neither a DNS name nor an IP address matches the host
    kFtpCertExpired = 4,    // outside its validity dates (expired or not yet valid)
    kFtpCertRevoked = 8     // revoked, as far as the platform already knows: the engine runs no revocation check
};

// What the user needs to decide about a certificate. Texts are NUL-ended
// and cut to their buffers.
struct FtpCertificateInfo {
    char host[256];       // the name or address the connection was made to
    int port;
    char subject[512];    // "CN=ftp.example.com, O=..." as the platform formats it
    char issuer[512];
    char validFrom[32];   // "YYYY-MM-DD HH:MM:SS UTC"
    char validTo[32];
    char sha256[96];      // fingerprint of the DER certificate, "AB:CD:..." (32 bytes)
    unsigned problems;    // FtpCertificateProblem bits; 0 = valid
};

// Called during the handshake of the control connection when the certificate
// has problems (never for a valid one). Return 1 to go on with this
// certificate for this connection, 0 to refuse it: the connection then ends
// with -35. Without a callback a certificate with problems is refused.
typedef int (*FtpCertificateCallback)(const FtpCertificateInfo* info);

class CUT_FTPClient {
public:
    CUT_FTPClient();
    ~CUT_FTPClient();
    CUT_FTPClient(const CUT_FTPClient&) = delete;
    CUT_FTPClient& operator=(const CUT_FTPClient&) = delete;

    // Settings, made before connecting.
    int SetPassiveTransfer(int passive);
    int SetFireWallMode(int mode);
    // A time-out for every wait, in milliseconds. When non-zero it takes
    // precedence over the 16-bit time-out of ConnectToFirewall, so that waits
    // longer than 65 seconds are possible. 0 returns to that argument.
    int SetTimeOut(int milliseconds);
    // FtpSecurity: plain (the default), TLS when offered, TLS required.
    int SetSecurity(int security);
    int SetCertificateCallback(FtpCertificateCallback callback);
    // After a login: 1 when the control connection runs over TLS, else 0.
    int IsSecure() const;

    // Connects (directly, or through a proxy in the given firewall mode: 8
    // "USER user@host", 4 "logon", 2 "SITE host", 16 "OPEN host") and sends
    // the user name. 0 = logged in, -22 = the server wants a password.
    int ConnectToFirewall(const char* host, const char* user, unsigned short port,
                          unsigned short timeoutMs, unsigned short firewallMode,
                          const char* firewallHost, unsigned short firewallPort,
                          const char* firewallUser, const char* firewallPassword,
                          const char* account);
    int SendPswd(const char* password, const char* account);
    // Copies the last multi-line reply of the login (a welcome text);
    // -1 when the login gave none.
    int GetMultiLineResponse(char* buffer, int maxLength);
    // Asks for the server's features (FEAT); -29 when the server refuses.
    int SetOtherOptions();
    int GetLastMessage(char* buffer, int maxLength);
    int Close();
    // The control connection is open: false once either side closed it.
    bool IsConnected() const;

    int ChDir(const char* path);
    int MkDir(const char* path);
    int RmDir(const char* path);
    int DeleteFileA(const char* path);
    int RenameFile(const char* oldName, const char* newName);
    int GetCurDir(char* buffer, int maxLength);
    // Gives a file the modification time `utc` ("YYYYMMDDHHMMSS", UTC): MFMT
    // where FEAT lists it, else SITE UTIME (after an answered FEAT) until the
    // server refuses that once. -29 (kRequestDenied) when it takes neither.
    int SetFileTime(const char* path, const char* utc);
    // Reads a file's modification time with MDTM into `utc` (at least 15
    // bytes: "YYYYMMDDHHMMSS", UTC, exact to the second; a fraction the
    // server adds is dropped). -29 when the server has no MDTM or its
    // answer is not such a time; the reply's code otherwise.
    int GetFileTime(const char* path, char* utc, int size);
    // Whether `name` exists in the current folder, asked with one command
    // (MLST, or SIZE in binary mode): 1 it does, 0 it does not (550);
    // -29 when the server has neither command or its answer tells nothing,
    // so that the caller must read the listing instead.
    int QueryName(const char* name);

    // 0 ASCII, 1 binary; TYPE is sent with the next transfer that needs it.
    int SetTransferType(int type);
    int SendFile(const char* localPath, const char* remotePath);
    int ReceiveFile(const char* remotePath, const char* localPath);

    // Reads the listing of the current folder; with a pattern ("*" and "?"
    // wildcards, or a plain name) only the matching entries are kept.
    int GetDirInfo(const char* pattern);
    // A listing longer than this (500,000 unless set) stops there with -32;
    // the entries before the limit are kept and the connection stays usable.
    int SetMaxListingEntries(int entries);
    int GetDirInfoCount();
    int GetDirEntry(int index, CUT_DIRINFO* entry);

    int SetCallback(FtpProgressCallback callback);
    int SetCallbackTrace(FtpTraceCallback callback);
    int SetWaitCallback(FtpWaitCallback callback);

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
