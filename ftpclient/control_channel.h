// The control connection: sends command lines, reads replies, traces both and
// remembers the last reply. Every wait is bounded by the time-out; a time-out
// or a closed connection closes the channel, because a reply that arrives
// late would otherwise be taken as the answer to the next command.
#pragma once

#include <memory>
#include <string>

#include "net_socket.h"
#include "reply_reader.h"
#include "tls_stream.h"

namespace ftp {

using TraceFunction = void (*)(const char* text, int kind);

enum TraceKind { kTraceNote = 0, kTraceSent = 1, kTraceReceived = 2 };

class ControlChannel {
public:
    static constexpr int kMaxPreliminaryReplies = 8;

    int Open(const std::string& host, int port, int timeoutMs);
    void Close();
    bool IsOpen() const { return m_socket.IsOpen(); }

    void SetTimeout(int timeoutMs) { m_timeoutMs = timeoutMs; }
    int Timeout() const { return m_timeoutMs; }
    void SetTrace(TraceFunction trace) { m_trace = trace; }
    void TraceNote(const std::string& text) const;

    // Sends "line\r\n". A secret command is traced with its argument masked.
    // Replies left over from a stopped transfer are read first (see MarkAndSkip).
    int Send(const std::string& line, bool secret = false);
    // Reads the next complete reply (any code, including 1xx).
    int ReadReply(Reply* reply);
    // With keepOnTimeout a time-out leaves the connection open: used where a
    // reply may or may not come (the second reply after ABOR).
    int ReadReply(Reply* reply, int timeoutMs, bool keepOnTimeout = false);
    // Reads replies up to the first one that is not 1xx (a few at most).
    int ReadFinalReply(Reply* reply);
    // Sends a command and reads replies up to the first one that is not 1xx.
    int Exchange(const std::string& line, Reply* reply, bool secret = false);

    // A command was sent whose final reply has not been read yet.
    bool ReplyOwed() const { return m_replyOwed; }
    // After a stop: sends NOOP and from then on drops every reply up to the
    // NOOP's 200, first letting `skipFinal` final replies pass whatever their
    // code (the reply of a TYPE or PORT still in flight is a 200 as well).
    // Settle() waits for that end; whatever has not come by then is
    // dropped before the next command is sent.
    int MarkAndSkip(int skipFinal);
    // Drops replies for at most `waitMs`: kOk once the NOOP's 200 came,
    // kTimeout while it is still to come, kCancelled when a stop cut the
    // wait short, another code when the connection failed.
    int Settle(int waitMs);
    bool Settling() const { return m_settling; }

    const std::string& LastMessage() const { return m_lastMessage; }
    void SetLastMessage(const std::string& text) { m_lastMessage = text; }

    const NetSocket& Socket() const { return m_socket; }

    // After the server's 234 to AUTH TLS: the handshake, then every line
    // goes over TLS. kTlsFailed (or the socket's time-out or stop) closes.
    int StartTls(TlsCredentials* credentials, const std::string& target);
    // The TLS stream of an open connection, or null for plain FTP.
    const TlsStream* Tls() const { return m_socket.IsOpen() ? m_tls.get() : nullptr; }

private:
    void TraceReceived();
    int SendBytes(const char* data, size_t length);
    int ReceiveBytes(char* buffer, size_t capacity, int timeoutMs, size_t* received);

    NetSocket m_socket;
    std::unique_ptr<TlsStream> m_tls;  // destroyed before the socket it uses
    ReplyReader m_reader;
    TraceFunction m_trace = nullptr;
    int m_timeoutMs = 60000;
    std::string m_lastMessage;
    bool m_replyOwed = false;
    bool m_settling = false;
    int m_skipFinal = 0;
    int m_skipped = 0;
};

}  // namespace ftp
