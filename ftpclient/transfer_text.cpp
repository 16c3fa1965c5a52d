#include "transfer_text.h"

namespace ftp {

size_t AsciiEncoder::Convert(const char* in, size_t length, char* out) {
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = in[i];
        if (c == '\n' && !m_lastWasCr) out[n++] = '\r';
        out[n++] = c;
        m_lastWasCr = c == '\r';
    }
    return n;
}

#ifdef _WIN32
size_t AsciiDecoder::Convert(const char* in, size_t length, char* out) {
    for (size_t i = 0; i < length; ++i) out[i] = in[i];
    return length;
}

size_t AsciiDecoder::Finish(char*) { return 0; }
#else
size_t AsciiDecoder::Convert(const char* in, size_t length, char* out) {
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        const char c = in[i];
        if (m_pendingCr && c != '\n') out[n++] = '\r';
        m_pendingCr = c == '\r';
        if (!m_pendingCr) out[n++] = c;
    }
    return n;
}

size_t AsciiDecoder::Finish(char* out) {
    if (!m_pendingCr) return 0;
    m_pendingCr = false;
    out[0] = '\r';
    return 1;
}
#endif

}  // namespace ftp
