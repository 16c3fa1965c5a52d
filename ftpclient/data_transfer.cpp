#include "data_transfer.h"

namespace ftp {
namespace {

constexpr uint64_t kProgressStep = 64 * 1024;
constexpr auto kProgressPeriod = std::chrono::milliseconds(100);
// After a stop, replies that come this soon are read at once; later ones are
// dropped before the next command, so that the stop itself never waits on
// a silent server.
constexpr int kSettleNowMs = 50;
// A data connection over TLS that ends early is often the server refusing
// it (no resumed session); its reply then comes at once.
constexpr int kRefusalWaitMs = 2000;

Command CommandOf(DataKind kind) {
    switch (kind) {
    case DataKind::kListing: return Command::kList;
    case DataKind::kDownload: return Command::kFileRead;
    case DataKind::kUpload: return Command::kFileWrite;
    }
    return Command::kList;
}

int DirectionOf(DataKind kind) { return kind == DataKind::kUpload ? 1 : 2; }

// An empty folder is answered with 450 or 550 "No files found" by some
// servers instead of an empty listing.
bool IsEmptyFolderReply(const Reply& reply) {
    if (reply.code == 450) return true;
    return reply.code == 550 && reply.text.find("No files") != std::string::npos;
}

}  // namespace

int DataTransfer::Run(const std::string& command, int type, Body& body) {
    int r;
    {
        ScopedWaitTick tick(Reports() ? this : m_s.idle.Begin());
        r = Start(command, type);
        if (r == kOk && !m_noData) r = body.Move(*this);
        if (r == kOk && !m_noData) r = Finish();
        if (r == kDataConnectionClosed || r == kTlsFailed) r = ReplyAfterFault(r);
    }
    if (r != kOk) Recover();
    return r;
}

int DataTransfer::Start(const std::string& command, int type) {
    int r = type >= 0 ? m_s.EnsureType(type) : kOk;
    if (r != kOk) return r;
    DataChannelOptions options;
    options.passive = m_s.passive;
    options.preferEpsv = m_s.features.epsv;
    options.epsvRefused = &m_s.epsvRefused;
    r = m_data.Prepare(m_s.control, options);
    if (r != kOk) return r;
    r = m_s.control.Send(command);
    if (r != kOk) return r;
    m_commandSent = true;
    Reply reply;
    r = m_s.control.ReadReply(&reply);
    if (r != kOk) return r;
    if (reply.code >= 400) {
        if (m_kind == DataKind::kListing && IsEmptyFolderReply(reply)) {
            m_noData = true;
            return kOk;
        }
        return MapReplyToResult(CommandOf(m_kind), reply.code, reply.text);
    }
    // A final reply without a mark: no data connection was ever used, and
    // taking it as success would turn a refused file into an empty one.
    if (reply.code >= 200) return kNoResponse;
    r = m_data.Establish(Timeout());
    return r == kOk && m_s.protectData ? SecureData() : r;
}

int DataTransfer::SecureData() {
    m_tlsTried = true;
    const int r = m_data.StartTls(m_s.tlsCredentials.get(), m_s.tlsTarget, Timeout());
    if (r != kOk) return r == kTimeout || r == kCancelled ? r : kTlsFailed;
    // The data connection must show the certificate accepted for the control
    // connection, or one valid in its own right: anyone else could read the
    // data. A resumed session may report none; it was the accepted one's.
    const TlsContext& tls = m_data.Tls()->Context();
    std::string sha256;
    if (!tls.Fingerprint(&sha256) || sha256 == m_s.tlsFingerprint) return kOk;
    FtpCertificateInfo info = {};
    if (tls.Certificate(m_s.tlsTarget, &info) && info.problems == 0) return kOk;
    m_s.control.TraceNote("The data connection's certificate is not the server's: " + sha256);
    return kCertificateRefused;
}

// The data connection failed over TLS: a server demanding a resumed session
// closes it and gives its reason on the control connection, which is read
// briefly so that the caller learns it (and the connection stays in step).
int DataTransfer::ReplyAfterFault(int fault) {
    if (!m_tlsTried || !m_s.control.ReplyOwed() || m_s.control.Settling()) return fault;
    m_data.Close();
    Reply reply;
    const int r = m_s.control.ReadReply(&reply, Timeout() < kRefusalWaitMs ? Timeout() : kRefusalWaitMs, true);
    if (r != kOk) return r == kConnectionClosed ? r : fault;
    if (reply.code < 400) return reply.code >= 200 ? kDataConnectionClosed : fault;
    return Refusal(reply);
}

// ProFTPD refuses a data connection whose TLS session was not resumed
// with 425 after the handshake (vsftpd says 522 wherever it is); a 425
// after data has moved is a broken transfer.
int DataTransfer::Refusal(const Reply& reply) const {
    if (m_tlsTried && reply.code == 425 && m_total == 0) return kTlsResumeRequired;
    return MapReplyToResult(CommandOf(m_kind), reply.code, reply.text);
}

int DataTransfer::Receive(char* buffer, size_t capacity, size_t* got) {
    const int r = m_data.Receive(buffer, capacity, Timeout(), got);
    if (r == kTimeout || r == kCancelled || r == kTlsFailed) return r;
    if (r != kOk) return kDataConnectionClosed;
    return Moved(*got) ? kCancelled : kOk;
}

int DataTransfer::Send(const char* data, size_t length, size_t counted) {
    const int r = m_data.Send(data, length, Timeout());
    if (r == kTimeout || r == kCancelled || r == kTlsFailed) return r;
    if (r != kOk) return kDataConnectionClosed;
    return Moved(counted) ? kCancelled : kOk;
}

int DataTransfer::Finish() {
    // The end of an upload over TLS is close_notify (servers take a TCP end
    // without it for a cut transfer), and the socket stays open until the
    // reply. Otherwise closing is the end-of-file mark.
    if (m_kind == DataKind::kUpload && m_data.IsSecure()) {
        const int sent = m_data.EndSending(Timeout());
        if (sent == kCancelled || sent == kTimeout) return sent;
    } else {
        m_data.Close();
    }
    Reply reply;
    const int r = m_s.control.ReadFinalReply(&reply);
    m_data.Close();
    if (r != kOk) return r;
    if (reply.code >= 400) return Refusal(reply);
    // The total, once. A stop asked for now comes after the server's 226:
    // the transfer is complete and stays so.
    if (Reports()) Report();
    return kOk;
}

void DataTransfer::Recover() {
    // The data connection is closed first: a server blocked writing to it
    // (or reading from it) looks at the control connection only afterwards.
    m_data.Close();
    ControlChannel& control = m_s.control;
    if (!control.IsOpen() || !control.ReplyOwed()) return;  // in step already
    // Stopped while still dropping an earlier stop's replies: nothing of this
    // transfer was sent, and the earlier NOOP still marks the end.
    if (control.Settling()) return;
    // Servers answer an abort with 426 then 226, or a single 225/226, and a
    // transfer that ended just before it adds its own 226, sometimes late.
    // Before the transfer command, only the reply in flight is owed.
    if (m_commandSent && control.Send("ABOR") != kOk) return;
    if (control.MarkAndSkip(m_commandSent ? 0 : 1) != kOk) return;
    control.Settle(kSettleNowMs);
}

bool DataTransfer::Moved(size_t counted) {
    m_total += counted;
    if (!Reports()) return false;
    if (m_total - m_reported >= kProgressStep) return Report();
    return Tick();
}

bool DataTransfer::Tick() {
    if (std::chrono::steady_clock::now() - m_lastReport < kProgressPeriod) return false;
    return Report();
}

bool DataTransfer::Report() {
    m_reported = m_total;
    m_lastReport = std::chrono::steady_clock::now();
    return m_s.progress(static_cast<unsigned long>(m_total), DirectionOf(m_kind)) != 0;
}

}  // namespace ftp
