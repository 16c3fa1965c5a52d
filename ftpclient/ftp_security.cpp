// Explicit TLS on the control connection (RFC 4217): AUTH TLS after the
// greeting, to whoever we connected to (the server, or the proxy in the
// proxy dialects); the handshake; the protocol and certificate checks; after
// the login, PBSZ 0 and PROT P so that data connections run over TLS too.
#include <cstdio>

#include "ftp_client_impl.h"
#include "tls_stream.h"

#include "bounded_copy.h"

using namespace ftp;

namespace {

std::string Summary(const TlsSummary& tls, const FtpCertificateInfo& info) {
    char text[1600];
    std::snprintf(text, sizeof text,
                  "TLS 1.%d, %s %d-bit, certificate %s issued by %s, valid until %s, SHA-256 %s",
                  tls.version - 10, tls.cipher.c_str(), tls.strength, info.subject, info.issuer, info.validTo,
                  info.sha256);
    return text;
}

// The server's 234 came: the handshake, TLS 1.2 or newer, the certificate.
int Handshake(CUT_FTPClient::Impl& s, const std::string& host, int port) {
    int r = s.control.StartTls(s.tlsCredentials.get(), host);
    if (r != kOk) return r;
    TlsSummary tls;
    if (!s.control.Tls()->Context().Summary(&tls) || tls.version < 12) {
        s.control.TraceNote("The server offers no TLS 1.2 or newer");
        return kTlsFailed;
    }
    FtpCertificateInfo info = {};
    BoundedCopy(info.host, sizeof info.host, host.c_str());
    info.port = port;
    if (!s.control.Tls()->Context().Certificate(host, &info)) return kTlsFailed;
    s.control.TraceNote(Summary(tls, info));
    if (info.problems != 0 && (s.certificateCallback == nullptr || s.certificateCallback(&info) != 1)) {
        return kCertificateRefused;
    }
    s.tlsTarget = host;
    s.tlsFingerprint = info.sha256;
    return kOk;
}

}  // namespace

int CUT_FTPClient::Impl::StartSecurity(const std::string& host, int port) {
    if (security == kFtpSecurityPlain) return kOk;
    // Credentials first: a system without TLS 1.2 stays plain when TLS is
    // only wanted where offered, before anything is asked of the server.
    if (!tlsCredentials) tlsCredentials = AcquireTlsCredentials();
    if (!tlsCredentials) {
        if (security == kFtpSecurityWhenOffered) return kOk;
        control.TraceNote("This system offers no TLS 1.2 or newer");
        return kTlsFailed;
    }
    Reply reply;
    const int r = Run("AUTH TLS", Command::kFeature, &reply);
    if (r == kOk && reply.code == 234) return Handshake(*this, host, port);
    if (r == kConnectionClosed || !control.IsOpen()) return kConnectionClosed;  // 421: no refusal of TLS
    if (reply.code < 400) return r != kOk ? r : kNoResponse;  // no answer, or one AUTH never gets
    if (security == kFtpSecurityRequired) return kTlsNotOffered;
    control.TraceNote("The server refused TLS; going on in plain FTP");
    return kOk;
}

// RFC 4217: PBSZ 0 before PROT P. A server that keeps data connections in
// clear is accepted only when TLS was not required.
int CUT_FTPClient::Impl::ProtectDataConnections() {
    protectData = false;
    if (control.Tls() == nullptr) return kOk;
    int r = Run("PBSZ 0", Command::kFeature);
    if (r == kOk) r = Run("PROT P", Command::kFeature);
    if (r == kOk) {
        protectData = true;
        return kOk;
    }
    if (!control.IsOpen() || r == kCancelled || r == kTimeout) return r;
    if (security == kFtpSecurityRequired) {
        control.TraceNote("The server refuses to protect data connections");
        return kTlsFailed;
    }
    control.TraceNote("The server keeps data connections in clear");
    return kOk;
}
