// The state behind CUT_FTPClient, shared by the files that implement its
// members by concern: ftp_client.cpp (settings, features, messages),
// ftp_logon.cpp (login and proxy dialects), ftp_commands.cpp (path
// commands), ftp_transfer.cpp (files), ftp_list.cpp (listings).
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "control_channel.h"
#include "dirinfo.h"
#include "ftp_result.h"
#include "ut_ftpclient.h"

struct ServerFeatures {
    bool known = false;  // FEAT was answered
    bool mlsd = false;
    bool epsv = false;
    bool size = false;
    bool utf8 = false;
    bool mfmt = false;
};

// Calls the wait callback at least every 100 ms while a command, a listing
// or the login waits; a non-zero answer ends the wait with -4.
class IdleTick : public ftp::WaitTick {
public:
    explicit IdleTick(const FtpWaitCallback& wait) : m_wait(wait) {}
    // The tick for a new wait: the running transfer's own when there is one.
    ftp::WaitTick* Begin();
    bool Tick() override;

private:
    const FtpWaitCallback& m_wait;
    std::chrono::steady_clock::time_point m_last;
};

struct CUT_FTPClient::Impl {
    // The platform's TLS client credentials, made at the first AUTH TLS and
    // kept: data connections handshake with the same ones. Declared before
    // the connection so that its TLS context goes first.
    std::shared_ptr<ftp::TlsCredentials> tlsCredentials;
    ftp::ControlChannel control;

    bool passive = true;
    int firewallMode = 0;
    int timeoutOverrideMs = 0;  // SetTimeOut; 0 = use the login's time-out
    int security = kFtpSecurityPlain;           // SetSecurity
    FtpCertificateCallback certificateCallback = nullptr;
    std::string tlsTarget;      // the name the control connection's handshake used
    std::string tlsFingerprint; // the control connection's certificate, as accepted
    bool protectData = false;   // PROT P accepted: data connections run over TLS
    bool epsvRefused = false;   // EPSV failed once: PASV from then on
    bool utimeRefused = false;  // SITE UTIME failed once: not asked again

    int requestedType = 1;      // SetTransferType
    int serverType = -1;        // TYPE last confirmed by the server; -1 unknown

    ServerFeatures features;
    std::string loginMultiLine;  // last multi-line reply seen during login
    std::vector<CUT_DIRINFO> entries;
    size_t maxListingEntries = 500000;  // SetMaxListingEntries

    FtpProgressCallback progress = nullptr;
    FtpTraceCallback trace = nullptr;
    FtpWaitCallback wait = nullptr;
    IdleTick idle{wait};

    // Sends a command and maps a final reply >= 400 to a result code.
    // With allow3xx a 3xx reply (331, 350) also counts as success.
    int Run(const std::string& line, ftp::Command kind, ftp::Reply* reply = nullptr,
            bool allow3xx = false, bool secret = false);
    // Sends TYPE when the requested type differs from the server's.
    int EnsureType(int type);
    void ResetConnectionState();
    // After the greeting: AUTH TLS, the handshake and the certificate check,
    // as the security setting asks (ftp_security.cpp).
    int StartSecurity(const std::string& host, int port);
    // After the login: PBSZ 0 and PROT P on a TLS control connection.
    int ProtectDataConnections();
};
