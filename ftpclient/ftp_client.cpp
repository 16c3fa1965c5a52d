#include <algorithm>
#include <cctype>
#include <cstring>

#include "ftp_client_impl.h"

#include "bounded_copy.h"

using namespace ftp;

namespace {

// After a stop, replies that come this soon are read at once (as after a
// stopped transfer).
constexpr int kSettleNowMs = 50;

// Copies `text` into a caller's buffer of maxLength characters plus the NUL.
int CopyOut(const std::string& text, char* buffer, int maxLength) {
    if (buffer == nullptr || maxLength < 0) return kBadArgument;
    BoundedCopy(buffer, static_cast<size_t>(maxLength) + 1, text.data(), text.size());
    return kOk;
}

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

ftp::WaitTick* IdleTick::Begin() {
    // The period runs on from the last call, not from this command: a walk
    // of many shorter waits still calls back every 100 ms.
    if (ftp::WaitTick* running = ftp::CurrentWaitTick()) return running;
    return this;
}

bool IdleTick::Tick() {
    const auto now = std::chrono::steady_clock::now();
    if (m_wait == nullptr || now - m_last < std::chrono::milliseconds(100)) return false;
    m_last = now;
    return m_wait() != 0;
}

int CUT_FTPClient::Impl::Run(const std::string& line, Command kind, Reply* reply, bool allow3xx,
                             bool secret) {
    Reply local;
    Reply& r = reply ? *reply : local;
    ScopedWaitTick tick(idle.Begin());
    const int sent = control.Exchange(line, &r, secret);
    // Stopped while the reply was on its way: it is dropped before the next
    // command (NOOP marks its end), so that replies stay in step.
    if (sent == kCancelled && control.IsOpen() && control.ReplyOwed() && !control.Settling() &&
        control.MarkAndSkip(1) == kOk)
        control.Settle(kSettleNowMs);
    if (sent != kOk) return sent;
    if (r.code < 300 || (allow3xx && r.code < 400)) return kOk;
    if (r.code < 400) return kNoResponse;  // 3xx where none belongs
    return MapReplyToResult(kind, r.code, r.text);
}

void CUT_FTPClient::Impl::ResetConnectionState() {
    serverType = -1;
    epsvRefused = false;
    utimeRefused = false;
    features = ServerFeatures();
    loginMultiLine.clear();
    entries.clear();
    tlsTarget.clear();
    tlsFingerprint.clear();
    protectData = false;
}

CUT_FTPClient::CUT_FTPClient() : m_impl(new Impl) {}
CUT_FTPClient::~CUT_FTPClient() = default;

int CUT_FTPClient::SetSecurity(int security) {
    if (security < kFtpSecurityPlain || security > kFtpSecurityRequired) return kBadArgument;
    m_impl->security = security;
    return kOk;
}

int CUT_FTPClient::SetCertificateCallback(FtpCertificateCallback callback) {
    m_impl->certificateCallback = callback;
    return kOk;
}

int CUT_FTPClient::SetPassiveTransfer(int passive) {
    m_impl->passive = passive != 0;
    return kOk;
}

int CUT_FTPClient::SetFireWallMode(int mode) {
    m_impl->firewallMode = mode;
    return kOk;
}

int CUT_FTPClient::SetTimeOut(int milliseconds) {
    m_impl->timeoutOverrideMs = std::max(0, milliseconds);
    if (milliseconds > 0) m_impl->control.SetTimeout(milliseconds);
    return kOk;
}

int CUT_FTPClient::GetMultiLineResponse(char* buffer, int maxLength) {
    if (m_impl->loginMultiLine.empty()) return kNoMultiLineReply;
    return CopyOut(m_impl->loginMultiLine, buffer, maxLength);
}

int CUT_FTPClient::GetLastMessage(char* buffer, int maxLength) {
    return CopyOut(m_impl->control.LastMessage(), buffer, maxLength);
}

// FEAT (RFC 2389): a 211 multi-line reply, one feature per indented line.
int CUT_FTPClient::SetOtherOptions() {
    Impl& s = *m_impl;
    Reply reply;
    const int r = s.Run("FEAT", Command::kFeature, &reply);
    if (r != kOk) return r == kSyntaxError ? kRequestDenied : r;
    ServerFeatures f;
    f.known = true;
    for (size_t i = 1; i < reply.lines.size(); ++i) {
        std::string word = Upper(reply.lines[i]);
        word.erase(0, word.find_first_not_of(' '));
        word = word.substr(0, word.find(' '));
        if (word == "MLSD" || word == "MLST") f.mlsd = true;
        if (word == "EPSV") f.epsv = true;
        if (word == "SIZE") f.size = true;
        if (word == "UTF8") f.utf8 = true;
        if (word == "MFMT") f.mfmt = true;
    }
    s.features = f;
    return kOk;
}

bool CUT_FTPClient::IsConnected() const { return m_impl->control.IsOpen(); }

int CUT_FTPClient::IsSecure() const { return m_impl->control.Tls() != nullptr ? 1 : 0; }

int CUT_FTPClient::Close() {
    Impl& s = *m_impl;
    // A connection still dropping a stopped transfer's replies is closed
    // without QUIT: its answer could not be told from theirs.
    if (s.control.IsOpen() && !s.control.Settling()) {
        // QUIT is a courtesy: a short wait, and the connection closes anyway.
        if (s.control.Send("QUIT") == kOk) {
            Reply reply;
            s.control.ReadReply(&reply, std::min(s.control.Timeout(), 2000));
        }
    }
    s.control.Close();
    s.ResetConnectionState();
    return kOk;
}

int CUT_FTPClient::SetCallback(FtpProgressCallback callback) {
    m_impl->progress = callback;
    return kOk;
}

int CUT_FTPClient::SetCallbackTrace(FtpTraceCallback callback) {
    m_impl->trace = callback;
    m_impl->control.SetTrace(callback);
    return kOk;
}

int CUT_FTPClient::SetWaitCallback(FtpWaitCallback callback) {
    m_impl->wait = callback;
    return kOk;
}
