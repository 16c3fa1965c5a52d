#include "data_channel.h"

#include <cctype>
#include <chrono>
#include <cstdio>

#include "ftp_result.h"

namespace ftp {
namespace {

// Reads up to six comma-separated numbers 0..255 starting at `text[i]`.
bool ReadSixNumbers(const std::string& text, size_t i, int numbers[6]) {
    for (int n = 0; n < 6; ++n) {
        if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        int value = 0;
        int digits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            value = value * 10 + (text[i++] - '0');
            if (++digits > 3) return false;
        }
        if (value > 255) return false;
        numbers[n] = value;
        if (n < 5) {
            if (i >= text.size() || text[i] != ',') return false;
            ++i;
        }
    }
    return true;
}

}  // namespace

// "227 Entering Passive Mode (h1,h2,h3,h4,p1,p2)": some servers leave out the
// parentheses, so the first run of six numbers is taken.
bool ParsePasvReply(const std::string& text, std::string* host, int* port) {
    for (size_t i = 4; i < text.size(); ++i) {
        int n[6];
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) continue;
        if (i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1]))) continue;
        if (!ReadSixNumbers(text, i, n)) continue;
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%d.%d.%d.%d", n[0], n[1], n[2], n[3]);
        *host = buffer;
        *port = n[4] * 256 + n[5];
        return *port > 0;
    }
    return false;
}

// "229 Entering Extended Passive Mode (|||port|)": the delimiter is the
// first character inside the parentheses.
bool ParseEpsvReply(const std::string& text, int* port) {
    const size_t open = text.find('(');
    if (open == std::string::npos || open + 4 >= text.size()) return false;
    const char d = text[open + 1];
    if (text[open + 2] != d || text[open + 3] != d) return false;
    size_t i = open + 4;
    long value = 0;
    int digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i++] - '0');
        if (++digits > 5) return false;
    }
    if (digits == 0 || i >= text.size() || text[i] != d || value < 1 || value > 65535) return false;
    *port = static_cast<int>(value);
    return true;
}

int DataChannel::Prepare(ControlChannel& control, const DataChannelOptions& options) {
    Close();
    return options.passive ? PreparePassive(control, options) : PrepareActive(control);
}

int DataChannel::PreparePassive(ControlChannel& control, const DataChannelOptions& options) {
    NetAddress peer = control.Socket().PeerAddress();
    if (!peer.IsValid()) return kConnectionClosed;
    const bool wantEpsv = peer.IsIPv6() || (options.preferEpsv && !(options.epsvRefused && *options.epsvRefused));
    Reply reply;
    int port = 0;
    if (wantEpsv) {
        int r = control.Exchange("EPSV", &reply);
        if (r != kOk) return r;
        if (reply.code == 229 && ParseEpsvReply(reply.text, &port)) {
            peer.SetPort(port);
            return m_socket.ConnectTo(peer, control.Timeout());
        }
        if (peer.IsIPv6()) return MapReplyToResult(Command::kTransferSetup, reply.code, reply.text);
        if (options.epsvRefused) *options.epsvRefused = true;
    }
    int r = control.Exchange("PASV", &reply);
    if (r != kOk) return r;
    if (reply.code != 227) return MapReplyToResult(Command::kTransferSetup, reply.code, reply.text);
    std::string named;
    if (!ParsePasvReply(reply.text, &named, &port)) return kBadPassiveReply;
    // The server cannot send us to a third host: the data connection goes to
    // the address we already talk to. A NAT'd server often names a private one.
    if (named != peer.HostText()) {
        control.TraceNote("PASV named " + named + "; connecting to " + peer.HostText() + " instead");
    }
    peer.SetPort(port);
    return m_socket.ConnectTo(peer, control.Timeout());
}

int DataChannel::PrepareActive(ControlChannel& control) {
    NetAddress local = control.Socket().LocalAddress();
    if (!local.IsValid()) return kConnectionClosed;
    m_serverHost = control.Socket().PeerAddress().HostText();
    local.SetPort(0);
    int r = m_listener.Listen(local);
    if (r != kOk) return r;
    const NetAddress bound = m_listener.LocalAddress();
    const int port = bound.Port();
    std::string line;
    if (bound.IsIPv6()) {
        line = "EPRT |2|" + bound.HostText() + "|" + std::to_string(port) + "|";
    } else {
        std::string host = bound.HostText();
        for (char& c : host) {
            if (c == '.') c = ',';
        }
        line = "PORT " + host + "," + std::to_string(port / 256) + "," + std::to_string(port % 256);
    }
    Reply reply;
    r = control.Exchange(line, &reply);
    if (r != kOk) return r;
    if (reply.code >= 300) return MapReplyToResult(Command::kTransferSetup, reply.code, reply.text);
    return kOk;
}

int DataChannel::Establish(int timeoutMs) {
    if (m_socket.IsOpen()) return kOk;
    if (!m_listener.IsOpen()) return kDataConnect;
    // Another host connecting first is turned away: the data belongs to the
    // server we are logged in to.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        const int r = m_listener.Accept(static_cast<int>(left.count()), &m_socket);
        if (r == kCancelled) return kCancelled;
        if (r != kOk) break;
        if (m_socket.PeerAddress().HostText() == m_serverHost) {
            m_listener.Close();
            return kOk;
        }
        m_socket.Close();
    }
    m_listener.Close();
    return kDataAccept;
}

int DataChannel::StartTls(TlsCredentials* credentials, const std::string& target, int timeoutMs) {
    if (!m_socket.IsOpen()) return kDataConnect;
    m_tls.reset(new TlsStream(m_socket, credentials, target));
    return m_tls->Handshake(timeoutMs);
}

int DataChannel::Send(const char* data, size_t length, int timeoutMs) {
    return m_tls ? m_tls->Send(data, length, timeoutMs) : m_socket.SendAll(data, length, timeoutMs);
}

int DataChannel::Receive(char* buffer, size_t capacity, int timeoutMs, size_t* received) {
    return m_tls ? m_tls->Receive(buffer, capacity, timeoutMs, received)
                 : m_socket.Receive(buffer, capacity, timeoutMs, received);
}

int DataChannel::EndSending(int timeoutMs) {
    const int r = m_tls ? m_tls->SendCloseNotify(timeoutMs) : kOk;
    m_socket.ShutdownSend();
    return r;
}

void DataChannel::Close() {
    m_tls.reset();
    m_socket.Close();
    m_listener.Close();
}

}  // namespace ftp
