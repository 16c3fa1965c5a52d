#include "reply_reader.h"

namespace ftp {

int ParseReplyCode(const std::string& line) {
    if (line.size() < 3) return 0;
    if (line[0] < '1' || line[0] > '5') return 0;
    for (int i = 1; i < 3; ++i) {
        if (line[i] < '0' || line[i] > '9') return 0;
    }
    if (line.size() > 3 && line[3] != ' ' && line[3] != '-') return 0;
    return (line[0] - '0') * 100 + (line[1] - '0') * 10 + (line[2] - '0');
}

void ReplyReader::Feed(const char* data, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        const char c = data[i];
        if (c == '\n') {
            if (!m_line.empty() && m_line.back() == '\r') m_line.pop_back();
            std::string line;
            line.swap(m_line);
            m_lineLength = 0;
            OnLine(std::move(line));
            continue;
        }
        ++m_lineLength;
        // Keep one byte more than the limit so that a trailing CR of a line of
        // exactly the limit can still be stripped.
        if (m_line.size() <= kMaxLineKept) m_line.push_back(c);
    }
    if (!m_inReply && !m_line.empty()) CheckStray(m_line, false);
}

namespace {

// Whether `text` can be the start of "NNN", "NNN " or "NNN-".
bool CanStartReply(const std::string& text) {
    for (size_t i = 0; i < text.size() && i < 4; ++i) {
        const char c = text[i];
        const bool ok = i == 0 ? c >= '1' && c <= '5' : i < 3 ? c >= '0' && c <= '9' : c == ' ' || c == '-';
        if (!ok) return false;
    }
    return true;
}

bool HasControlBytes(const std::string& text) {
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != '\r') || u == 0x7f) return true;
    }
    return false;
}

}  // namespace

// A line outside any reply, complete or still arriving.
void ReplyReader::CheckStray(const std::string& line, bool complete) {
    if (complete) {
        if (HasControlBytes(line) || !m_sawReply) m_garbled = true;
        return;
    }
    // The start of a line: judged only once it cannot begin a reply, so
    // that the verdict does not depend on where the bytes were split.
    std::string head = line;
    if (head.back() == '\r') head.pop_back();
    if (head.empty() || CanStartReply(head)) return;
    if (HasControlBytes(head) || !m_sawReply) m_garbled = true;
}

Reply ReplyReader::Next() {
    Reply reply = std::move(m_ready.front());
    m_ready.pop_front();
    return reply;
}

std::vector<std::string> ReplyReader::TakeTracedLines() {
    std::vector<std::string> lines;
    lines.swap(m_traced);
    return lines;
}

void ReplyReader::Reset() {
    m_line.clear();
    m_lineLength = 0;
    m_inReply = false;
    m_sawReply = false;
    m_garbled = false;
    m_current = Reply();
    m_ready.clear();
    m_traced.clear();
}

void ReplyReader::OnLine(std::string line) {
    if (line.size() > kMaxLineKept) line.resize(kMaxLineKept);
    if (m_traced.size() < kMaxLinesKept) m_traced.push_back(line);

    const int code = ParseReplyCode(line);
    if (!m_inReply) {
        // Text outside a reply (a server's stray output) is traced and dropped.
        const bool multiLine = line.size() > 3 && line[3] == '-';
        if (code != 0) {
            StartReply(code, multiLine, std::move(line));
        } else if (!line.empty()) {
            CheckStray(line, true);
        }
        return;
    }
    const bool ends = code == m_current.code && (line.size() == 3 || line[3] == ' ');
    AppendToReply(std::move(line));
    if (ends) FinishReply();
}

void ReplyReader::StartReply(int code, bool multiLine, std::string line) {
    m_current = Reply();
    m_current.code = code;
    m_current.multiLine = multiLine;
    m_inReply = true;
    m_sawReply = true;
    AppendToReply(std::move(line));
    if (!multiLine) FinishReply();
}

void ReplyReader::AppendToReply(std::string line) {
    std::string& text = m_current.text;
    if (!text.empty() && text.size() < kMaxReplyText) text += "\r\n";
    if (text.size() < kMaxReplyText) text.append(line, 0, kMaxReplyText - text.size());
    if (text.size() > kMaxReplyText) text.resize(kMaxReplyText);
    if (m_current.lines.size() < kMaxLinesKept) m_current.lines.push_back(std::move(line));
}

void ReplyReader::FinishReply() {
    m_inReply = false;
    // A server flooding unsolicited replies must not grow memory without end.
    if (m_ready.size() >= kMaxRepliesQueued) m_ready.pop_front();
    m_ready.push_back(std::move(m_current));
    m_current = Reply();
}

}  // namespace ftp
