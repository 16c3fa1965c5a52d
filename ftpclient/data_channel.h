// One data connection (RFC 959 section 3.3, RFC 2428). Passive: EPSV where
// the server offers it or the control connection is IPv6, else PASV, and the
// connection always goes to the control connection's peer, whatever address a
// PASV reply names. Active: listen on the control connection's local address
// and announce it with EPRT (IPv6) or PORT.
#pragma once

#include <string>

#include "control_channel.h"
#include "net_socket.h"

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
    NetSocket& Socket() { return m_socket; }
    void Close();

private:
    int PreparePassive(ControlChannel& control, const DataChannelOptions& options);
    int PrepareActive(ControlChannel& control);

    NetSocket m_socket;
    NetSocket m_listener;
    std::string m_serverHost;  // active mode: only the server may connect
};

// Reply parsers, exposed for tests. Return false on a malformed reply.
bool ParsePasvReply(const std::string& text, std::string* host, int* port);
bool ParseEpsvReply(const std::string& text, int* port);

}  // namespace ftp
