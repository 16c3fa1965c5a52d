// File transfers: RETR into a temporary sibling that replaces the target only
// on success, STOR from a local file, both streamed through one fixed buffer
// (memory does not grow with the file). The data connection, progress and
// stop are the shared step of data_transfer.cpp.
#include <memory>

#include "data_transfer.h"
#include "local_file.h"
#include "transfer_text.h"

using namespace ftp;

namespace {

constexpr size_t kChunk = 256 * 1024;  // one receive or read

// Writes what arrives to the local file, converting line ends in ASCII.
class DownloadBody : public DataTransfer::Body {
public:
    DownloadBody(LocalFile& file, bool ascii) : m_file(file), m_ascii(ascii), m_buffer(new char[kChunk * 3]) {}

    int Move(DataTransfer& transfer) override {
        char* in = m_buffer.get();
        char* converted = in + kChunk;
        for (;;) {
            size_t got = 0;
            const int r = transfer.Receive(in, kChunk, &got);
            // A stop asked with the last bytes still lets them be written:
            // the transfer is abandoned all the same.
            if (got > 0 && !Write(in, got, converted)) return kLocalDiskFull;
            if (r != kOk) return r;
            if (got == 0) break;
        }
        const size_t tail = m_ascii ? m_decoder.Finish(converted) : 0;
        return tail && !m_file.Write(converted, tail) ? kLocalDiskFull : kOk;
    }

private:
    bool Write(const char* in, size_t length, char* converted) {
        if (!m_ascii) return m_file.Write(in, length);
        return m_file.Write(converted, m_decoder.Convert(in, length, converted));
    }

    LocalFile& m_file;
    bool m_ascii;
    AsciiDecoder m_decoder;
    std::unique_ptr<char[]> m_buffer;  // kChunk input, 2 * kChunk converted
};

// Reads the local file and sends it, turning lone LFs into CRLF in ASCII.
class UploadBody : public DataTransfer::Body {
public:
    UploadBody(LocalFile& file, bool ascii) : m_file(file), m_ascii(ascii), m_buffer(new char[kChunk * 3]) {}

    int Move(DataTransfer& transfer) override {
        AsciiEncoder encoder;
        char* in = m_buffer.get();
        char* converted = in + kChunk;
        for (;;) {
            const size_t got = m_file.Read(in, kChunk);
            if (got == 0) break;
            const size_t length = m_ascii ? encoder.Convert(in, got, converted) : got;
            const int r = transfer.Send(m_ascii ? converted : in, length, got);
            if (r != kOk) return r;
        }
        return m_file.Failed() ? kLocalFileFault : kOk;
    }

private:
    LocalFile& m_file;
    bool m_ascii;
    std::unique_ptr<char[]> m_buffer;
};

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

    DownloadBody body(file, s.requestedType == 0);
    int r = DataTransfer(s, DataKind::kDownload).Run(std::string("RETR ") + remotePath, s.requestedType, body);
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

    UploadBody body(file, s.requestedType == 0);
    return DataTransfer(s, DataKind::kUpload).Run(std::string("STOR ") + remotePath, s.requestedType, body);
}
