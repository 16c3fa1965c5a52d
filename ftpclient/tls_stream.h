// TLS over one TCP connection, as the client. TlsStream (tls_stream.cpp)
// does the buffering: the handshake loop, records batched per socket send,
// ciphertext received ahead and kept for the next read, the close_notify on
// shutdown. TlsContext is the platform's record layer: the security support
// provider on Windows (tls_schannel.cpp); builds without one compile
// tls_unavailable.cpp, where every TLS call fails.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "net_socket.h"
#include "ut_ftpclient.h"

namespace ftp {

// The client credentials of the platform, shared by the control connection
// and its data connections so that the platform can resume the session.
class TlsCredentials;
// Null when this build or this system has no TLS.
std::shared_ptr<TlsCredentials> AcquireTlsCredentials();

// What one step of the platform's record layer gave.
enum class TlsStep {
    kDone,         // handshake finished; record sealed or opened
    kMore,         // handshake: send the token, then step again (with more input when none is left)
    kNeedInput,    // the record or handshake message is not complete yet
    kEnd,          // the peer's close_notify
    kRenegotiate,  // a handshake message after the handshake: step again with the input left
    kFailed
};

// What the handshake negotiated, for the trace and the protocol check.
struct TlsSummary {
    int version = 0;       // 12 for TLS 1.2, 13 for TLS 1.3; below 12 is refused
    std::string cipher;    // "AES"
    int strength = 0;      // bits
};

class TlsContext {
public:
    TlsContext(TlsCredentials* credentials, const std::string& target);
    ~TlsContext();
    TlsContext(const TlsContext&) = delete;
    TlsContext& operator=(const TlsContext&) = delete;

    // One handshake step over `length` bytes received (none on the first
    // call). *used: input bytes taken; the token to send is appended to *out.
    TlsStep Step(const char* in, size_t length, size_t* used, std::string* out);
    // Room one record needs around its data, and the largest record data.
    size_t HeaderSize() const;
    size_t TrailerSize() const;
    size_t MaxData() const;
    // Seals `length` bytes at record + HeaderSize() in place; *sealed is the
    // record's whole size.
    TlsStep Seal(char* record, size_t length, size_t* sealed);
    // Opens the first record of `in` in place: *used is its size, the data
    // lies at *data. kNeedInput while the record is incomplete.
    TlsStep Open(char* in, size_t length, size_t* used, char** data, size_t* dataLength);
    // The close_notify alert to send.
    TlsStep CloseNotify(std::string* out);

    bool Summary(TlsSummary* summary) const;
    // The server's certificate, checked against `host`: names, dates,
    // fingerprint and problems. False when the platform gives none.
    bool Certificate(const std::string& host, FtpCertificateInfo* info) const;
    // Only the certificate's SHA-256 ("AB:CD:..."; empty when it cannot be
    // computed); false when the peer showed no certificate.
    bool Fingerprint(std::string* sha256) const;

private:
    struct State;
    std::unique_ptr<State> m;
};

class TlsStream {
public:
    // The socket is connected and outlives the stream.
    TlsStream(NetSocket& socket, TlsCredentials* credentials, const std::string& target);
    ~TlsStream();
    TlsStream(const TlsStream&) = delete;
    TlsStream& operator=(const TlsStream&) = delete;

    // kOk, kTlsFailed, or the socket's kTimeout, kCancelled, kConnectionClosed.
    int Handshake(int timeoutMs);
    // Encrypts and sends everything, several records per socket send.
    int Send(const char* data, size_t length, int timeoutMs);
    // Receives up to `capacity` bytes of data; *received is 0 at the end
    // (the peer's close_notify, or the end of the TCP stream).
    int Receive(char* buffer, size_t capacity, int timeoutMs, size_t* received);
    // Sends close_notify: the end of an upload for servers that check it.
    int SendCloseNotify(int timeoutMs);

    const TlsContext& Context() const { return m_context; }

private:
    int Negotiate(int timeoutMs, TlsStep status, size_t used, std::string* token);
    int Fill(int timeoutMs, size_t* received);
    int Flush(size_t length, int timeoutMs);
    size_t TakePlain(char* buffer, size_t capacity);

    NetSocket& m_socket;
    TlsContext m_context;
    // Ciphertext received and not yet opened lies in [m_inStart, m_inEnd);
    // the data of an opened record not yet delivered at m_plain.
    std::unique_ptr<char[]> m_in;
    size_t m_inStart = 0;
    size_t m_inEnd = 0;
    char* m_plain = nullptr;
    size_t m_plainLength = 0;
    size_t m_recordEnd = 0;  // where the opened record ends in m_in
    bool m_ended = false;
    std::unique_ptr<char[]> m_out;  // records sealed for one socket send
    size_t m_outCapacity = 0;
};

}  // namespace ftp
