#include "control_channel.h"

#include <chrono>

#include "ftp_result.h"

namespace ftp {
namespace {

// "PASS secret" is traced as "PASS ********": neither the password nor its
// length reaches a log.
std::string MaskedLine(const std::string& line) {
    const size_t blank = line.find(' ');
    if (blank == std::string::npos) return line;
    return line.substr(0, blank) + " ********";
}

}  // namespace

int ControlChannel::Open(const std::string& host, int port, int timeoutMs) {
    Close();
    m_timeoutMs = timeoutMs;
    return m_socket.Connect(host, port, timeoutMs);
}

void ControlChannel::Close() {
    m_tls.reset();
    m_socket.Close();
    m_reader.Reset();
    m_replyOwed = false;
    m_settling = false;
}

void ControlChannel::TraceNote(const std::string& text) const {
    if (m_trace) m_trace(text.c_str(), kTraceNote);
}

int ControlChannel::Send(const std::string& line, bool secret) {
    if (m_settling) {
        // Still out of step after a whole time-out: better closed than confused.
        const int settled = Settle(m_timeoutMs);
        if (settled == kCancelled) return kCancelled;
        if (settled != kOk) Close();
    }
    if (!m_socket.IsOpen()) return kConnectionClosed;
    // A command line never carries a line break of its own: a name holding
    // CR or LF would otherwise smuggle a second command to the server.
    if (line.find_first_of("\r\n") != std::string::npos) return kBadFileName;
    if (m_trace) m_trace((secret ? MaskedLine(line) : line).c_str(), kTraceSent);
    const std::string wire = line + "\r\n";
    const int r = SendBytes(wire.data(), wire.size());
    if (r != kOk) {
        Close();  // a line sent in part cannot be taken back
        return r == kTimeout || r == kCancelled ? r : kConnectionClosed;
    }
    m_replyOwed = true;
    return kOk;
}

int ControlChannel::StartTls(TlsCredentials* credentials, const std::string& target) {
    if (!m_socket.IsOpen()) return kConnectionClosed;
    // Bytes that came in clear after the 234 would later pass for replies
    // over TLS: a server sends nothing before the handshake.
    if (!m_reader.Idle()) {
        TraceNote("The server sent more after accepting TLS; the connection is closed");
        Close();
        return kTlsFailed;
    }
    m_tls.reset(new TlsStream(m_socket, credentials, target));
    const int r = m_tls->Handshake(m_timeoutMs);
    if (r != kOk) Close();
    return r == kConnectionClosed ? kTlsFailed : r;
}

int ControlChannel::SendBytes(const char* data, size_t length) {
    return m_tls ? m_tls->Send(data, length, m_timeoutMs) : m_socket.SendAll(data, length, m_timeoutMs);
}

int ControlChannel::ReceiveBytes(char* buffer, size_t capacity, int timeoutMs, size_t* received) {
    return m_tls ? m_tls->Receive(buffer, capacity, timeoutMs, received)
                 : m_socket.Receive(buffer, capacity, timeoutMs, received);
}

int ControlChannel::MarkAndSkip(int skipFinal) {
    const int r = Send("NOOP");
    if (r != kOk) return r;
    m_settling = true;
    m_skipFinal = skipFinal;
    m_skipped = 0;
    return kOk;
}

int ControlChannel::Settle(int waitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (m_settling) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return kTimeout;
        Reply reply;
        const int r = ReadReply(&reply, static_cast<int>(left.count()), true);
        if (r != kOk) return r;
        // 426 then 226, a single 225/226, the transfer's own late 226:
        // at most a handful before the NOOP's answer.
        if (++m_skipped > 2 * kMaxPreliminaryReplies) {
            Close();
            return kConnectionClosed;
        }
        if (reply.code < 200) continue;
        if (m_skipFinal > 0) {
            --m_skipFinal;
        } else if (reply.code == 200) {
            m_settling = false;
        }
    }
    return kOk;
}

void ControlChannel::TraceReceived() {
    for (const std::string& line : m_reader.TakeTracedLines()) {
        if (m_trace) m_trace(line.c_str(), kTraceReceived);
    }
}

int ControlChannel::ReadReply(Reply* reply) { return ReadReply(reply, m_timeoutMs); }

int ControlChannel::ReadReply(Reply* reply, int timeoutMs, bool keepOnTimeout) {
    char buffer[4096];
    // One reply gets the time-out as a whole: a server trickling an endless
    // multi-line reply cannot hold the caller forever.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!m_reader.HasReply()) {
        if (!m_socket.IsOpen()) return kConnectionClosed;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        size_t received = 0;
        const int r = left.count() <= 0
                          ? kTimeout
                          : ReceiveBytes(buffer, sizeof buffer, static_cast<int>(left.count()), &received);
        if (r == kTimeout) {
            if (!keepOnTimeout) Close();
            return kTimeout;
        }
        if (r == kCancelled) return kCancelled;  // the reply is still owed
        if (r != kOk || received == 0) {
            m_reader.Feed("\n", 1);  // a last unterminated line still counts
            TraceReceived();
            if (m_reader.HasReply()) break;
            Close();
            return kConnectionClosed;
        }
        m_reader.Feed(buffer, received);
        TraceReceived();
        if (m_reader.Garbled()) {
            // An HTTP or SSH server, or binary noise: no FTP reply will come.
            TraceNote("The server's answer is not an FTP reply");
            Close();
            return kNoResponse;
        }
    }
    *reply = m_reader.Next();
    m_lastMessage = reply->text;
    if (reply->code >= 200) m_replyOwed = false;
    return kOk;
}

int ControlChannel::ReadFinalReply(Reply* reply) {
    // A server may send a mark or two (1xx) before its answer; one that
    // sends nothing else is not waited for without end.
    for (int preliminary = 0; preliminary < kMaxPreliminaryReplies; ++preliminary) {
        const int r = ReadReply(reply);
        if (r != kOk) return r;
        if (reply->code >= 200) {
            if (reply->code == 421) Close();
            return kOk;
        }
    }
    Close();
    return kNoResponse;
}

int ControlChannel::Exchange(const std::string& line, Reply* reply, bool secret) {
    const int r = Send(line, secret);
    return r != kOk ? r : ReadFinalReply(reply);
}

}  // namespace ftp
