#include "net_socket.h"

#include <chrono>
#include <cstring>

#include "ftp_result.h"

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
using SocketHandle = SOCKET;
using SockLen = int;
#else
#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
using SocketHandle = int;
using SockLen = socklen_t;
#endif

namespace ftp {
namespace {

#ifdef _WIN32
// Winsock needs one WSAStartup per process; a function-local static does it
// on first use and is thread-safe.
bool EnsureWinsock() {
    static const bool ok = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return ok;
}
bool WouldBlock() {
    const int e = WSAGetLastError();
    return e == WSAEWOULDBLOCK || e == WSAEINPROGRESS;
}
void CloseHandle(SocketHandle s) { closesocket(s); }
void SetNonBlocking(SocketHandle s) {
    u_long on = 1;
    ioctlsocket(s, FIONBIO, &on);
}
constexpr int kSendFlags = 0;
#else
bool EnsureWinsock() { return true; }
bool WouldBlock() { return errno == EWOULDBLOCK || errno == EAGAIN || errno == EINPROGRESS || errno == EINTR; }
void CloseHandle(SocketHandle s) { close(s); }
void SetNonBlocking(SocketHandle s) { fcntl(s, F_SETFL, fcntl(s, F_GETFL, 0) | O_NONBLOCK); }
constexpr int kSendFlags = MSG_NOSIGNAL;
#endif

constexpr intptr_t kInvalid = -1;

SocketHandle H(intptr_t handle) { return static_cast<SocketHandle>(handle); }

const sockaddr* Sa(const NetAddress& a) { return reinterpret_cast<const sockaddr*>(a.storage); }
sockaddr* Sa(NetAddress& a) { return reinterpret_cast<sockaddr*>(a.storage); }

// Command lines go out at once. Buffer sizes are left to the system: a
// fixed SO_RCVBUF would switch off the kernel's window auto-tuning.
void TuneSocket(SocketHandle s) {
    int one = 1;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
}

constexpr int kTickSliceMs = 25;  // a stop is seen at most one slice after the tick is due
thread_local WaitTick* t_tick = nullptr;

}  // namespace

ScopedWaitTick::ScopedWaitTick(WaitTick* tick) : m_previous(t_tick) { t_tick = tick; }
ScopedWaitTick::~ScopedWaitTick() { t_tick = m_previous; }
WaitTick* CurrentWaitTick() { return t_tick; }

bool NetAddress::IsIPv6() const { return length > 0 && Sa(*this)->sa_family == AF_INET6; }

int NetAddress::Port() const {
    if (length <= 0) return 0;
    if (IsIPv6()) return ntohs(reinterpret_cast<const sockaddr_in6*>(storage)->sin6_port);
    return ntohs(reinterpret_cast<const sockaddr_in*>(storage)->sin_port);
}

void NetAddress::SetPort(int port) {
    if (length <= 0) return;
    const auto p = htons(static_cast<uint16_t>(port));
    if (IsIPv6()) reinterpret_cast<sockaddr_in6*>(storage)->sin6_port = p;
    else reinterpret_cast<sockaddr_in*>(storage)->sin_port = p;
}

std::string NetAddress::HostText() const {
    char text[INET6_ADDRSTRLEN] = {};
    if (length <= 0) return std::string();
    if (IsIPv6()) {
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(storage)->sin6_addr, text, sizeof text);
    } else {
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(storage)->sin_addr, text, sizeof text);
    }
    return text;
}

bool MakeNumericAddress(const std::string& host, int port, NetAddress* out) {
    if (!EnsureWinsock()) return false;
    *out = NetAddress();
    sockaddr_in v4 = {};
    if (inet_pton(AF_INET, host.c_str(), &v4.sin_addr) == 1) {
        v4.sin_family = AF_INET;
        v4.sin_port = htons(static_cast<uint16_t>(port));
        std::memcpy(out->storage, &v4, sizeof v4);
        out->length = sizeof v4;
        return true;
    }
    sockaddr_in6 v6 = {};
    if (inet_pton(AF_INET6, host.c_str(), &v6.sin6_addr) == 1) {
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(static_cast<uint16_t>(port));
        std::memcpy(out->storage, &v6, sizeof v6);
        out->length = sizeof v6;
        return true;
    }
    return false;
}

NetSocket::~NetSocket() { Close(); }

NetSocket::NetSocket(NetSocket&& other) noexcept : m_handle(other.m_handle) { other.m_handle = kInvalid; }

NetSocket& NetSocket::operator=(NetSocket&& other) noexcept {
    if (this != &other) {
        Close();
        m_handle = other.m_handle;
        other.m_handle = kInvalid;
    }
    return *this;
}

bool NetSocket::IsOpen() const { return m_handle != kInvalid; }

void NetSocket::ShutdownSend() {
#ifdef _WIN32
    if (IsOpen()) shutdown(H(m_handle), SD_SEND);
#else
    if (IsOpen()) shutdown(H(m_handle), SHUT_WR);
#endif
}

void NetSocket::Close() {
    if (m_handle != kInvalid) CloseHandle(H(m_handle));
    m_handle = kInvalid;
}

#ifdef _WIN32
// select() rather than WSAPoll: older Windows versions never report a
// refused non-blocking connect through WSAPoll, only through the
// exception set of select().
int NetSocket::WaitOnce(bool forWrite, int timeoutMs) const {
    fd_set wanted;
    fd_set failed;
    FD_ZERO(&wanted);
    FD_ZERO(&failed);
    FD_SET(H(m_handle), &wanted);
    FD_SET(H(m_handle), &failed);
    timeval limit;
    limit.tv_sec = timeoutMs < 0 ? 0 : timeoutMs / 1000;
    limit.tv_usec = timeoutMs < 0 ? 0 : (timeoutMs % 1000) * 1000;
    const int n = select(0, forWrite ? nullptr : &wanted, forWrite ? &wanted : nullptr, &failed, &limit);
    if (n == 0) return kTimeout;
    if (n < 0) return forWrite ? kSocketSend : kSocketReceive;
    return kOk;  // ready, or an error the next call will report
}
#else
int NetSocket::WaitOnce(bool forWrite, int timeoutMs) const {
    pollfd p = {};
    p.fd = H(m_handle);
    p.events = forWrite ? POLLOUT : POLLIN;
    const int n = poll(&p, 1, timeoutMs < 0 ? 0 : timeoutMs);
    if (n == 0) return kTimeout;
    if (n < 0) return forWrite ? kSocketSend : kSocketReceive;
    return kOk;  // readable, writable, or an error the next call will report
}
#endif

int NetSocket::WaitFor(bool forWrite, int timeoutMs) const {
    if (t_tick == nullptr) return WaitOnce(forWrite, timeoutMs);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now()).count();
        const int r = WaitOnce(forWrite, static_cast<int>(left < kTickSliceMs ? left : kTickSliceMs));
        if (r != kTimeout) return r;
        if (t_tick->Tick()) return kCancelled;
        if (left <= kTickSliceMs) return kTimeout;
    }
}

int NetSocket::ConnectOne(const void* addr, int addrLength, int family, int timeoutMs) {
    const SocketHandle s = socket(family, SOCK_STREAM, IPPROTO_TCP);
    if (s == static_cast<SocketHandle>(kInvalid)) return kSocketCreate;
    SetNonBlocking(s);
    TuneSocket(s);
    m_handle = static_cast<intptr_t>(s);
    if (connect(s, static_cast<const sockaddr*>(addr), static_cast<SockLen>(addrLength)) == 0) return kOk;
    if (!WouldBlock()) {
        Close();
        return kConnectFailed;
    }
    const int waited = WaitFor(true, timeoutMs);
    int error = 0;
    SockLen size = sizeof error;
    getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
    if (waited != kOk || error != 0) {
        Close();
        return waited == kTimeout || waited == kCancelled ? waited : kConnectFailed;
    }
    return kOk;
}

int NetSocket::Connect(const std::string& host, int port, int timeoutMs) {
    Close();
    if (!EnsureWinsock()) return kSocketInit;
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* list = nullptr;
    const std::string service = std::to_string(port);
    if (getaddrinfo(host.c_str(), service.c_str(), &hints, &list) != 0 || list == nullptr) {
        return kResolveFailed;
    }
    int result = kConnectFailed;
    for (addrinfo* ai = list; ai != nullptr; ai = ai->ai_next) {
        result = ConnectOne(ai->ai_addr, static_cast<int>(ai->ai_addrlen), ai->ai_family, timeoutMs);
        if (result == kOk) break;
    }
    freeaddrinfo(list);
    return result;
}

int NetSocket::ConnectTo(const NetAddress& address, int timeoutMs) {
    Close();
    if (!EnsureWinsock()) return kSocketInit;
    const int r = ConnectOne(address.storage, address.length, Sa(address)->sa_family, timeoutMs);
    return r == kConnectFailed ? kDataConnect : r;
}

int NetSocket::Listen(const NetAddress& address) {
    Close();
    if (!EnsureWinsock()) return kSocketInit;
    const SocketHandle s = socket(Sa(address)->sa_family, SOCK_STREAM, IPPROTO_TCP);
    if (s == static_cast<SocketHandle>(kInvalid)) return kSocketCreate;
    SetNonBlocking(s);
    m_handle = static_cast<intptr_t>(s);
    if (bind(s, Sa(address), static_cast<SockLen>(address.length)) != 0 || listen(s, 1) != 0) {
        Close();
        return kDataListen;
    }
    return kOk;
}

int NetSocket::Accept(int timeoutMs, NetSocket* accepted) {
    const int waited = WaitFor(false, timeoutMs);
    if (waited != kOk) return waited == kTimeout || waited == kCancelled ? waited : kDataAccept;
    const SocketHandle s = accept(H(m_handle), nullptr, nullptr);
    if (s == static_cast<SocketHandle>(kInvalid)) return kDataAccept;
    SetNonBlocking(s);
    TuneSocket(s);
    *accepted = NetSocket(static_cast<intptr_t>(s));
    return kOk;
}

int NetSocket::SendAll(const char* data, size_t length, int timeoutMs) {
    if (!IsOpen()) return kSocketSend;
    while (length > 0) {
        const int chunk = length > (1u << 30) ? (1 << 30) : static_cast<int>(length);
        const auto sent = send(H(m_handle), data, chunk, kSendFlags);
        if (sent > 0) {
            data += sent;
            length -= static_cast<size_t>(sent);
            continue;
        }
        if (sent < 0 && WouldBlock()) {
            const int waited = WaitFor(true, timeoutMs);
            if (waited != kOk) return waited;
            continue;
        }
        return kSocketSend;
    }
    return kOk;
}

int NetSocket::ReceiveNow(char* buffer, size_t capacity, size_t* received) {
    *received = 0;
    if (!IsOpen()) return kSocketReceive;
    const int chunk = capacity > (1u << 30) ? (1 << 30) : static_cast<int>(capacity);
    const auto got = recv(H(m_handle), buffer, chunk, 0);
    if (got >= 0) {
        *received = static_cast<size_t>(got);
        return kOk;
    }
    return WouldBlock() ? kTimeout : kSocketReceive;
}

int NetSocket::Receive(char* buffer, size_t capacity, int timeoutMs, size_t* received) {
    // Try first: on a busy data connection bytes are usually waiting, and
    // skipping the poll saves a system call per buffer.
    int r = ReceiveNow(buffer, capacity, received);
    if (r != kTimeout) return r;
    r = WaitFor(false, timeoutMs);
    if (r != kOk) return r;
    r = ReceiveNow(buffer, capacity, received);
    // Readable but nothing there (spurious wake-up): report as a time-out
    // only after another full wait.
    if (r == kTimeout) {
        r = WaitFor(false, timeoutMs);
        if (r != kOk) return r;
        r = ReceiveNow(buffer, capacity, received);
    }
    return r == kTimeout ? kTimeout : r;
}

NetAddress NetSocket::LocalAddress() const {
    NetAddress a;
    SockLen size = sizeof a.storage;
    if (IsOpen() && getsockname(H(m_handle), Sa(a), &size) == 0) a.length = static_cast<int>(size);
    return a;
}

NetAddress NetSocket::PeerAddress() const {
    NetAddress a;
    SockLen size = sizeof a.storage;
    if (IsOpen() && getpeername(H(m_handle), Sa(a), &size) == 0) a.length = static_cast<int>(size);
    return a;
}

}  // namespace ftp
