#include "tls_stream.h"

#include <chrono>
#include <cstring>

#include "ftp_result.h"

namespace ftp {
namespace {

// Ciphertext read ahead: several 16 KiB records per receive, and room for
// the largest handshake flight a server sends with its certificate chain.
constexpr size_t kInCapacity = 160 * 1024;
// Records sealed per socket send: one send per record costs three times the
// processor time of a transfer.
constexpr size_t kRecordsPerSend = 4;

// A time-out or a stop keeps its meaning; any other socket fault is the
// connection's end.
int SocketResult(int r) {
    return r == kOk || r == kTimeout || r == kCancelled ? r : kConnectionClosed;
}

using Clock = std::chrono::steady_clock;

// One reply or one handshake gets the time-out as a whole, however the
// server trickles its records: each wait gets only what is left of it.
Clock::time_point DeadlineAfter(int timeoutMs) { return Clock::now() + std::chrono::milliseconds(timeoutMs); }

int MsLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

TlsStream::TlsStream(NetSocket& socket, TlsCredentials* credentials, const std::string& target)
    : m_socket(socket), m_context(credentials, target), m_in(new char[kInCapacity]) {}

TlsStream::~TlsStream() = default;

int TlsStream::Handshake(int timeoutMs) {
    std::string token;
    size_t used = 0;
    const TlsStep first = m_context.Step(nullptr, 0, &used, &token);
    const int r = Negotiate(timeoutMs, first, 0, &token);
    if (r != kOk) return r;
    const size_t record = m_context.HeaderSize() + m_context.MaxData() + m_context.TrailerSize();
    m_outCapacity = record * kRecordsPerSend;
    m_out.reset(new char[m_outCapacity]);
    return kOk;
}

// Sends each token and steps on until the platform says done. Input left
// over after the last handshake message is the first record's ciphertext.
int TlsStream::Negotiate(int timeoutMs, TlsStep status, size_t used, std::string* token) {
    const Clock::time_point deadline = DeadlineAfter(timeoutMs);
    for (;;) {
        if (!token->empty()) {
            const int r = m_socket.SendAll(token->data(), token->size(), MsLeft(deadline));
            if (r != kOk) return SocketResult(r);
            token->clear();
        }
        if (status == TlsStep::kDone) return kOk;
        if (status != TlsStep::kMore && status != TlsStep::kNeedInput) return kTlsFailed;
        if (status == TlsStep::kNeedInput || used == 0 || m_inStart == m_inEnd) {
            size_t received = 0;
            const int r = Fill(MsLeft(deadline), &received);
            if (r != kOk) return r;
            if (received == 0) return kConnectionClosed;
        }
        status = m_context.Step(m_in.get() + m_inStart, m_inEnd - m_inStart, &used, token);
        m_inStart += used;
    }
}

// Receives more ciphertext after what is kept, moving it to the front first.
int TlsStream::Fill(int timeoutMs, size_t* received) {
    *received = 0;
    if (m_inStart > 0) {
        std::memmove(m_in.get(), m_in.get() + m_inStart, m_inEnd - m_inStart);
        m_inEnd -= m_inStart;
        m_inStart = 0;
    }
    if (m_inEnd == kInCapacity) return kTlsFailed;  // no record or message is this long
    const int r = m_socket.Receive(m_in.get() + m_inEnd, kInCapacity - m_inEnd, timeoutMs, received);
    if (r != kOk) return SocketResult(r);
    m_inEnd += *received;
    return kOk;
}

int TlsStream::Flush(size_t length, int timeoutMs) {
    return length == 0 ? kOk : SocketResult(m_socket.SendAll(m_out.get(), length, timeoutMs));
}

int TlsStream::Send(const char* data, size_t length, int timeoutMs) {
    if (!m_out) return kTlsFailed;
    const size_t header = m_context.HeaderSize();
    const size_t room = header + m_context.MaxData() + m_context.TrailerSize();
    size_t filled = 0;
    while (length > 0) {
        if (m_outCapacity - filled < room) {
            const int r = Flush(filled, timeoutMs);
            if (r != kOk) return r;
            filled = 0;
        }
        const size_t n = length < m_context.MaxData() ? length : m_context.MaxData();
        std::memcpy(m_out.get() + filled + header, data, n);
        size_t sealed = 0;
        if (m_context.Seal(m_out.get() + filled, n, &sealed) != TlsStep::kDone) return kTlsFailed;
        filled += sealed;
        data += n;
        length -= n;
    }
    return Flush(filled, timeoutMs);
}

size_t TlsStream::TakePlain(char* buffer, size_t capacity) {
    const size_t n = capacity < m_plainLength ? capacity : m_plainLength;
    std::memcpy(buffer, m_plain, n);
    m_plain += n;
    m_plainLength -= n;
    if (m_plainLength == 0) m_inStart = m_recordEnd;  // the record is used up
    return n;
}

int TlsStream::Receive(char* buffer, size_t capacity, int timeoutMs, size_t* received) {
    *received = 0;
    const Clock::time_point deadline = DeadlineAfter(timeoutMs);
    for (;;) {
        if (m_plainLength > 0) *received += TakePlain(buffer + *received, capacity - *received);
        if (*received == capacity || m_ended) return kOk;
        TlsStep step = TlsStep::kNeedInput;
        size_t used = 0;
        if (m_inEnd > m_inStart) {
            char* data = nullptr;
            size_t dataLength = 0;
            step = m_context.Open(m_in.get() + m_inStart, m_inEnd - m_inStart, &used, &data, &dataLength);
            if (step == TlsStep::kDone) {
                m_plain = data;
                m_plainLength = dataLength;
                m_recordEnd = m_inStart + used;
                if (dataLength == 0) m_inStart = m_recordEnd;
                continue;
            }
        }
        if (step == TlsStep::kEnd) {
            m_ended = true;
            m_inStart = m_inEnd;
            continue;
        }
        if (step == TlsStep::kRenegotiate) {
            // A handshake message after the handshake (a TLS 1.3 session
            // ticket): the platform takes it through the handshake steps.
            m_inStart += used;
            std::string token;
            size_t taken = 0;
            const TlsStep next = m_context.Step(m_in.get() + m_inStart, m_inEnd - m_inStart, &taken, &token);
            m_inStart += taken;
            const int r = Negotiate(MsLeft(deadline), next, taken, &token);
            if (r != kOk) return r;
            continue;
        }
        if (step != TlsStep::kNeedInput) return kTlsFailed;
        if (*received > 0) return kOk;  // what is here first; wait only with nothing to give
        size_t got = 0;
        const int r = Fill(MsLeft(deadline), &got);
        if (r != kOk) return r;
        // The TCP end without close_notify; in the middle of a record it is
        // a cut, not an end.
        if (got == 0 && m_inEnd > m_inStart) return kTlsFailed;
        if (got == 0) m_ended = true;
    }
}

int TlsStream::SendCloseNotify(int timeoutMs) {
    std::string token;
    if (m_context.CloseNotify(&token) != TlsStep::kDone) return kTlsFailed;
    return token.empty() ? kOk : SocketResult(m_socket.SendAll(token.data(), token.size(), timeoutMs));
}

}  // namespace ftp
