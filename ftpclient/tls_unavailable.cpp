// Builds without the platform's TLS (the native build): no credentials, so
// "TLS when offered" stays plain FTP and "TLS required" fails with -34
// before anything is sent.
#include "tls_stream.h"

namespace ftp {

class TlsCredentials {};

std::shared_ptr<TlsCredentials> AcquireTlsCredentials() { return nullptr; }

struct TlsContext::State {};

TlsContext::TlsContext(TlsCredentials*, const std::string&) {}
TlsContext::~TlsContext() = default;

TlsStep TlsContext::Step(const char*, size_t, size_t* used, std::string*) {
    *used = 0;
    return TlsStep::kFailed;
}
size_t TlsContext::HeaderSize() const { return 0; }
size_t TlsContext::TrailerSize() const { return 0; }
size_t TlsContext::MaxData() const { return 1; }
TlsStep TlsContext::Seal(char*, size_t, size_t*) { return TlsStep::kFailed; }
TlsStep TlsContext::Open(char*, size_t, size_t*, char**, size_t*) { return TlsStep::kFailed; }
TlsStep TlsContext::CloseNotify(std::string*) { return TlsStep::kFailed; }
bool TlsContext::Summary(TlsSummary*) const { return false; }
bool TlsContext::Certificate(const std::string&, FtpCertificateInfo*) const { return false; }
bool TlsContext::Fingerprint(std::string*) const { return false; }

}  // namespace ftp
