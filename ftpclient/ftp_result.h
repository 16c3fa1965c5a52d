// Result codes of the FTP engine and the one table that maps server replies
// onto them. Every CUT_FTPClient member returns 0 or one of these.
#pragma once

#include <string>

namespace ftp {

enum Result : int {
    kOk = 0,
    kNoMultiLineReply = -1,      // GetMultiLineResponse: login gave no multi-line reply
    kNotConnected = -2,          // a command needs a connection that is not open
    kBadArgument = -3,           // null or over-long argument
    kCancelled = -4,             // the progress callback asked to stop
    kConnectFailed = -10,
    kResolveFailed = -11,
    kBadUser = -12,
    kBadPassword = -13,
    kAccessDenied = -14,
    kGeneralError = -15,
    kFileMissing = -16,
    kServerDiskFull = -18,       // 452 / 552 from the server
    kLocalDiskFull = -19,        // writing the local file failed
    kConnectionClosed = -20,     // control connection closed or 421
    kDataConnectionClosed = -21, // data connection failed or 425/426
    kPasswordNeeded = -22,
    kPermissionDenied = -23,     // 550 and the other "not taken" replies
    kLocalFileFault = -24,
    kSyntaxError = -25,          // 500 / 501 / 502 / 504
    kBadFileName = -26,          // 553
    kOutOfMemory = -27,
    kBadAccount = -28,
    kRequestDenied = -29,        // a command the server refuses outright
    kTimeout = -30,
    kNoResponse = -31,           // the server answered with nothing usable, or not in FTP
    kListingTooLong = -32,       // a listing passed the entry limit; the entries before it are kept
    kTlsNotOffered = -33,        // TLS required, but the server refused AUTH TLS; nothing else was sent
    kTlsFailed = -34,            // the TLS handshake or a TLS record failed, or a protocol below TLS 1.2
    kCertificateRefused = -35,   // the server's certificate was refused (by the callback or for lack of one)
    kTlsResumeRequired = -36,    // the server wants the data connection to resume the TLS session (522, or 425 after a TLS data handshake)

    // Socket level faults, -500 to -700.
    kSocketInit = -500,
    kSocketCreate = -501,
    kSocketSend = -502,
    kSocketReceive = -503,
    kDataListen = -504,
    kDataAccept = -505,
    kDataConnect = -506,
    kBadPassiveReply = -507,
};

// What a command was for: the same reply code means different things after
// USER, PASS or RETR (a 530 after USER is a bad user, after PASS a bad password).
enum class Command {
    kGreeting,
    kUser,
    kPass,
    kAcct,
    kProxyLogin,
    kFileRead,     // RETR, SIZE
    kFileWrite,    // STOR
    kList,         // LIST, MLSD
    kPath,         // CWD, MKD, RMD, DELE, RNFR, RNTO, PWD
    kFeature,      // FEAT, OPTS
    kTransferSetup // TYPE, PASV, EPSV, PORT, EPRT
};

// Faults of the connection, not answers of the server (a socket failure,
// the connection closed or 421, a time-out, no connection): passed on as
// they are, never read as the server's refusal of one command.
inline bool IsConnectionFault(int result) {
    return result <= kSocketInit || result == kConnectionClosed || result == kTimeout || result == kNotConnected;
}

// Maps a final reply (code >= 400) to a result code. `text` is the reply's
// text, consulted only to tell a missing file from a refused one after 550.
int MapReplyToResult(Command command, int replyCode, const std::string& text);

}  // namespace ftp
