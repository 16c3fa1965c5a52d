// The engine's one platform module: TCP sockets over Winsock or BSD sockets.
// Every wait is bounded by a time-out in milliseconds. All sockets are
// non-blocking underneath; the calls below wait with poll().
// Results are ftp::Result codes (0 = success).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace ftp {

// An IPv4 or IPv6 socket address, kept opaque so that callers need no
// platform headers.
struct NetAddress {
    alignas(8) unsigned char storage[128] = {};
    int length = 0;

    bool IsValid() const { return length > 0; }
    bool IsIPv6() const;
    int Port() const;
    void SetPort(int port);
    std::string HostText() const;  // "127.0.0.1", "::1"
};

// While a transfer runs, every socket wait on its thread is cut into short
// slices and the tick is asked between them, so that progress can be shown
// and a stop request seen while nothing arrives. A tick answering true ends
// the wait with kCancelled. Thread-local: other threads' waits are untouched.
class WaitTick {
public:
    virtual bool Tick() = 0;

protected:
    ~WaitTick() = default;
};

class ScopedWaitTick {
public:
    explicit ScopedWaitTick(WaitTick* tick);
    ~ScopedWaitTick();
    ScopedWaitTick(const ScopedWaitTick&) = delete;
    ScopedWaitTick& operator=(const ScopedWaitTick&) = delete;

private:
    WaitTick* m_previous;
};

// The tick of this thread's waits, or null.
WaitTick* CurrentWaitTick();

// Builds a numeric address ("127.0.0.1" or "::1" style) with a port.
bool MakeNumericAddress(const std::string& host, int port, NetAddress* out);

class NetSocket {
public:
    NetSocket() = default;
    ~NetSocket();
    NetSocket(const NetSocket&) = delete;
    NetSocket& operator=(const NetSocket&) = delete;
    NetSocket(NetSocket&& other) noexcept;
    NetSocket& operator=(NetSocket&& other) noexcept;

    // Resolves `host` and connects to the first address that answers.
    // kResolveFailed, kConnectFailed or kTimeout on failure.
    int Connect(const std::string& host, int port, int timeoutMs);
    int ConnectTo(const NetAddress& address, int timeoutMs);

    // Listens on `address` (port 0 picks a free port) for one connection.
    int Listen(const NetAddress& address);
    int Accept(int timeoutMs, NetSocket* accepted);

    int SendAll(const char* data, size_t length, int timeoutMs);
    // Receives up to `capacity` bytes; *received is 0 at end of stream.
    int Receive(char* buffer, size_t capacity, int timeoutMs, size_t* received);
    // Receives without waiting; returns kTimeout when nothing is pending.
    int ReceiveNow(char* buffer, size_t capacity, size_t* received);

    // Ends the sending direction (TCP FIN); receiving goes on.
    void ShutdownSend();
    void Close();
    bool IsOpen() const;

    NetAddress LocalAddress() const;
    NetAddress PeerAddress() const;

private:
    explicit NetSocket(intptr_t handle) : m_handle(handle) {}
    int WaitFor(bool forWrite, int timeoutMs) const;
    int WaitOnce(bool forWrite, int timeoutMs) const;
    int ConnectOne(const void* addr, int addrLength, int family, int timeoutMs);

    intptr_t m_handle = -1;
};

}  // namespace ftp
