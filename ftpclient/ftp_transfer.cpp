// File transfers: RETR into a temporary sibling that replaces the target only
// on success, STOR from a local file, both streamed through one fixed buffer
// (memory does not grow with the file), with progress every 64 KiB at most
// and a cancel that aborts the transfer but keeps the connection.
#include <algorithm>
#include <cstdint>
#include <memory>

#include "data_channel.h"
#include "ftp_client_impl.h"
#include "local_file.h"
#include "transfer_text.h"

using namespace ftp;

namespace {

constexpr size_t kChunk = 64 * 1024;  // one receive or read, one progress step
constexpr int kDirectionSend = 1;
constexpr int kDirectionReceive = 2;

// One transfer in progress: the data connection, the buffers, the counters.
class Transfer {
public:
    Transfer(CUT_FTPClient::Impl& session, int direction)
        : m_s(session), m_direction(direction), m_buffer(new char[kChunk * 3]) {}

    int Start(const std::string& command, Command kind);
    int Receive(LocalFile& file, bool ascii);
    int Send(LocalFile& file, bool ascii);
    // Closes the data connection and reads the transfer's final reply.
    int Finish(Command kind);
    // ABOR: the server ends the transfer; its replies are drained so that the
    // next command reads its own reply.
    void Abort();

private:
    bool ReportProgress(bool force);
    int Timeout() const { return m_s.control.Timeout(); }

    CUT_FTPClient::Impl& m_s;
    int m_direction;
    DataChannel m_data;
    std::unique_ptr<char[]> m_buffer;  // kChunk input, 2 * kChunk converted
    uint64_t m_total = 0;
    uint64_t m_reported = 0;
    bool m_started = false;  // the server answered 1xx: a transfer is under way
};

bool Transfer::ReportProgress(bool force) {
    if (!m_s.progress) return false;
    if (!force && m_total - m_reported < kChunk && m_total != 0) return false;
    m_reported = m_total;
    return m_s.progress(static_cast<unsigned long>(m_total), m_direction) != 0;
}

int Transfer::Start(const std::string& command, Command kind) {
    DataChannelOptions options;
    options.passive = m_s.passive;
    options.preferEpsv = m_s.features.epsv;
    options.epsvRefused = &m_s.epsvRefused;
    int r = m_data.Prepare(m_s.control, options);
    if (r != kOk) return r;
    r = m_s.control.Send(command);
    if (r != kOk) return r;
    Reply reply;
    r = m_s.control.ReadReply(&reply);
    if (r != kOk) return r;
    if (reply.code >= 400) return MapReplyToResult(kind, reply.code, reply.text);
    if (reply.code >= 200) return kNoResponse;  // no 1xx: the server will not transfer
    m_started = true;
    return m_data.Establish(Timeout());
}

int Transfer::Receive(LocalFile& file, bool ascii) {
    AsciiDecoder decoder;
    char* in = m_buffer.get();
    char* converted = in + kChunk;
    for (;;) {
        size_t got = 0;
        const int r = m_data.Socket().Receive(in, kChunk, Timeout(), &got);
        if (r == kTimeout) return kTimeout;
        if (r != kOk) return kDataConnectionClosed;
        if (got == 0) break;
        m_total += got;
        const char* out = in;
        size_t length = got;
        if (ascii) {
            length = decoder.Convert(in, got, converted);
            out = converted;
        }
        if (!file.Write(out, length)) return kLocalDiskFull;
        if (ReportProgress(false)) return kCancelled;
    }
    const size_t tail = ascii ? decoder.Finish(converted) : 0;
    if (tail && !file.Write(converted, tail)) return kLocalDiskFull;
    return kOk;
}

int Transfer::Send(LocalFile& file, bool ascii) {
    AsciiEncoder encoder;
    char* in = m_buffer.get();
    char* converted = in + kChunk;
    for (;;) {
        const size_t got = file.Read(in, kChunk);
        if (got == 0) break;
        m_total += got;
        const char* out = in;
        size_t length = got;
        if (ascii) {
            length = encoder.Convert(in, got, converted);
            out = converted;
        }
        const int r = m_data.Socket().SendAll(out, length, Timeout());
        if (r == kTimeout) return kTimeout;
        if (r != kOk) return kDataConnectionClosed;
        if (ReportProgress(false)) return kCancelled;
    }
    return file.Failed() ? kLocalFileFault : kOk;
}

int Transfer::Finish(Command kind) {
    m_data.Close();  // for an upload this is the end-of-file mark
    Reply reply;
    const int r = m_s.control.ReadFinalReply(&reply);
    if (r != kOk) return r;
    if (reply.code >= 400) return MapReplyToResult(kind, reply.code, reply.text);
    if (ReportProgress(true)) return kCancelled;
    return kOk;
}

void Transfer::Abort() {
    // The data connection is closed first: a server blocked writing to it
    // (or reading from it) looks at the control connection only afterwards.
    m_data.Close();
    if (!m_started) return;
    // Servers answer an abort with 426 then 226, or a single 225/226, and a
    // transfer that ended just before it adds its own 226, sometimes late.
    // A NOOP marks the end: every reply before its 200 belongs to the
    // transfer or the abort and is dropped.
    if (m_s.control.Send("ABOR") != kOk || m_s.control.Send("NOOP") != kOk) return;
    const int wait = std::min(Timeout(), 5000);
    Reply reply;
    for (int replies = 0; replies < 8; ++replies) {
        if (m_s.control.ReadReply(&reply, wait) != kOk || reply.code == 200) return;
    }
    m_s.control.Close();  // still out of step: better closed than confused
}

bool IsEmpty(const char* text) { return text == nullptr || *text == '\0'; }

// Creates the temporary sibling of a download's target.
bool CreateTemporary(const std::string& target, LocalFile* file, std::string* name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = TemporarySiblingName(target, attempt);
        if (file->CreateNew(*name)) return true;
    }
    return false;
}

}  // namespace

int CUT_FTPClient::Impl::EnsureType(int type) {
    if (type == serverType) return kOk;
    const int r = Run(type == 0 ? "TYPE A" : "TYPE I", Command::kTransferSetup);
    if (r == kOk) serverType = type;
    return r;
}

int CUT_FTPClient::SetTransferType(int type) {
    if (type != 0 && type != 1) return kBadArgument;
    m_impl->requestedType = type;
    return kOk;
}

int CUT_FTPClient::ReceiveFile(const char* remotePath, const char* localPath) {
    Impl& s = *m_impl;
    if (IsEmpty(remotePath) || IsEmpty(localPath)) return kBadArgument;
    if (!s.control.IsOpen()) return kConnectionClosed;
    LocalFile file;
    std::string temporary;
    if (!CreateTemporary(localPath, &file, &temporary)) return kLocalFileFault;

    const bool ascii = s.requestedType == 0;
    Transfer transfer(s, kDirectionReceive);
    int r = s.EnsureType(s.requestedType);
    if (r == kOk) r = transfer.Start(std::string("RETR ") + remotePath, Command::kFileRead);
    if (r == kOk) r = transfer.Receive(file, ascii);
    if (r == kOk) {
        r = transfer.Finish(Command::kFileRead);
    } else if (s.control.IsOpen()) {
        transfer.Abort();
    }
    if (!file.Close() && r == kOk) r = kLocalDiskFull;
    if (r == kOk && !ReplaceLocalFile(temporary, localPath)) r = kLocalFileFault;
    if (r != kOk) RemoveLocalFile(temporary);
    return r;
}

int CUT_FTPClient::SendFile(const char* localPath, const char* remotePath) {
    Impl& s = *m_impl;
    if (IsEmpty(remotePath) || IsEmpty(localPath)) return kBadArgument;
    if (!s.control.IsOpen()) return kConnectionClosed;
    LocalFile file;
    if (!file.OpenRead(localPath)) return kLocalFileFault;

    const bool ascii = s.requestedType == 0;
    Transfer transfer(s, kDirectionSend);
    int r = s.EnsureType(s.requestedType);
    if (r == kOk) r = transfer.Start(std::string("STOR ") + remotePath, Command::kFileWrite);
    if (r == kOk) r = transfer.Send(file, ascii);
    if (r == kOk) {
        r = transfer.Finish(Command::kFileWrite);
    } else if (s.control.IsOpen()) {
        transfer.Abort();
    }
    return r;
}
