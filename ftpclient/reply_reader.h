// FTP reply reader (RFC 959 section 4.2): assembles the bytes of the control
// connection into complete replies. Pure logic, no I/O.
//
// A reply is "NNN text" on one line, or "NNN-text" followed by any lines up to
// one that starts with the same "NNN " (a line starting with a blank and
// digits, such as " 230 x", is a continuation, not the end). Lines end with
// CRLF or a lone LF. Garbage bytes and over-long lines are consumed without
// unbounded memory: each line is kept up to kMaxLineKept bytes, and a reply's
// text up to kMaxReplyText bytes (the rest is read and dropped).
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace ftp {

struct Reply {
    int code = 0;                    // 100..599
    std::string text;                // all lines joined with "\r\n", capped
    std::vector<std::string> lines;  // the lines as received (capped), for tracing
    bool multiLine = false;
};

class ReplyReader {
public:
    static constexpr size_t kMaxReplyText = 4095;
    static constexpr size_t kMaxLineKept = 4095;
    static constexpr size_t kMaxLinesKept = 512;
    static constexpr size_t kMaxRepliesQueued = 64;

    // Consumes bytes; completed replies become available through Next().
    void Feed(const char* data, size_t length);

    bool HasReply() const { return !m_ready.empty(); }
    Reply Next();
    // Nothing received is waiting: no reply queued, no line begun.
    bool Idle() const { return m_ready.empty() && m_lineLength == 0 && !m_inReply; }

    // The bytes are not FTP at all: before any reply, a line (or the start
    // of one) that cannot begin a reply code (an HTTP or SSH banner), or,
    // at any time, a line outside a reply holding control bytes (binary
    // junk). Printable text between replies is only traced: some servers
    // send a multi-line greeting as one "220 " line with bare LFs inside.
    bool Garbled() const { return m_garbled; }

    // Lines that completed since the last call, for the protocol trace
    // (including lines outside any reply, such as garbage).
    std::vector<std::string> TakeTracedLines();

    void Reset();

private:
    void OnLine(std::string line);
    void StartReply(int code, bool multiLine, std::string line);
    void AppendToReply(std::string line);
    void FinishReply();
    void CheckStray(const std::string& line, bool complete);

    std::string m_line;
    size_t m_lineLength = 0;  // bytes seen in the current line, kept or not
    bool m_inReply = false;
    bool m_sawReply = false;
    bool m_garbled = false;
    Reply m_current;
    std::deque<Reply> m_ready;
    std::vector<std::string> m_traced;
};

// Parses "NNN" at the start of a line; returns 0 when it is not a reply code.
int ParseReplyCode(const std::string& line);

}  // namespace ftp
