// One data connection (RFC 959 section 3.3, RFC 2428). Passive: EPSV where
// the server offers it or the control connection is IPv6, else PASV, and the
// connection always goes to the control connection's peer, whatever address a
// PASV reply names. Active: listen on the control connection's local address
// and announce it with EPRT (IPv6) or PORT.
#pragma once

#include <memory>
#include <string>

#include "control_channel.h"
#include "net_socket.h"
#include "tls_stream.h"

namespace ftp {

struct DataChannelOptions {
    bool passive = true;
    bool preferEpsv = false;   // the server listed EPSV
    bool* epsvRefused = nullptr;  // set when EPSV failed, to use PASV later
};

class DataChannel {
public:
    // Before the transfer command: passive connects, active listens.
    int Prepare(ControlChannel& control, const DataChannelOptions& options);
    // After the transfer command's 1xx reply: active mode accepts the
    // server's connection; passive has nothing left to do.
    int Establish(int timeoutMs);
    // After Establish, on a protected connection (PROT P): the TLS handshake,
    // as the client in both modes, with the control connection's credentials
    // so that the platform may resume its session.
    int StartTls(TlsCredentials* credentials, const std::string& target, int timeoutMs);
    bool IsSecure() const { return m_tls != nullptr; }
    const TlsStream* Tls() const { return m_tls.get(); }
    // Bytes of the transfer, over TLS once StartTls succeeded.
    int Send(const char* data, size_t length, int timeoutMs);
    int Receive(char* buffer, size_t capacity, int timeoutMs, size_t* received);
    // The end of an upload: close_notify over TLS, then the TCP end of
    // sending; the socket stays open until the server's final reply, so
    // that nothing still in flight is thrown away by a reset.
    int EndSending(int timeoutMs);
    void Close();

private:
    int PreparePassive(ControlChannel& control, const DataChannelOptions& options);
    int PrepareActive(ControlChannel& control);

    NetSocket m_socket;
    NetSocket m_listener;
    std::unique_ptr<TlsStream> m_tls;  // destroyed before the socket it uses
    std::string m_serverHost;  // active mode: only the server may connect
};

// Reply parsers, exposed for tests. Return false on a malformed reply.
bool ParsePasvReply(const std::string& text, std::string* host, int* port);
bool ParseEpsvReply(const std::string& text, int* port);

}  // namespace ftp
