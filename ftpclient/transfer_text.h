// ASCII-mode line-end conversion for transfers, streaming across buffers.
// On the wire, text lines end with CRLF (RFC 959 section 3.1.1.1).
#pragma once

#include <cstddef>

namespace ftp {

// Upload: every lone LF becomes CRLF; an existing CRLF is left alone.
// `out` must hold 2 * length bytes. Returns the bytes written.
class AsciiEncoder {
public:
    size_t Convert(const char* in, size_t length, char* out);

private:
    bool m_lastWasCr = false;
};

// Download: the local text convention. On Windows CRLF is the native line
// end and bytes pass unchanged; elsewhere CRLF becomes LF. `out` must hold
// length + 1 bytes. Finish() returns a CR held back at the end of the stream.
class AsciiDecoder {
public:
    size_t Convert(const char* in, size_t length, char* out);
    size_t Finish(char* out);

private:
    bool m_pendingCr = false;
};

}  // namespace ftp
