// The record layer over the Windows security support provider: credentials,
// the handshake steps, sealing and opening records, close_notify. The
// server's certificate is checked by the engine itself
// (tls_schannel_certificate.cpp): the credentials ask for manual validation.
#include "tls_stream.h"

#define SECURITY_WIN32
#include <winsock2.h>
#include <windows.h>
#include <schannel.h>
#include <security.h>

#include "tls_schannel_certificate.h"

namespace ftp {

class TlsCredentials {
public:
    CredHandle handle = {};
    ~TlsCredentials() { FreeCredentialsHandle(&handle); }
};

namespace {

constexpr ULONG kContextFlags = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                                ISC_REQ_EXTENDED_ERROR | ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM |
                                ISC_REQ_MANUAL_CRED_VALIDATION | ISC_REQ_USE_SUPPLIED_CREDS;

constexpr unsigned char kAlertRecord = 0x15;

bool Acquire(DWORD protocols, CredHandle* handle) {
    SCHANNEL_CRED cred = {};
    cred.dwVersion = SCHANNEL_CRED_VERSION;
    cred.grbitEnabledProtocols = protocols;
    cred.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
    TimeStamp expiry;
    char package[] = UNISP_NAME_A;
    return AcquireCredentialsHandleA(nullptr, package, SECPKG_CRED_OUTBOUND, nullptr, &cred, nullptr, nullptr,
                                     handle, &expiry) == SEC_E_OK;
}

void TakeToken(SecBuffer& buffer, std::string* out) {
    if (buffer.pvBuffer == nullptr) return;
    out->append(static_cast<const char*>(buffer.pvBuffer), buffer.cbBuffer);
    FreeContextBuffer(buffer.pvBuffer);
    buffer.pvBuffer = nullptr;
}

}  // namespace

// TLS 1.2 and 1.3 only. Systems whose old credential structure refuses the
// TLS 1.3 bit get TLS 1.2 alone.
std::shared_ptr<TlsCredentials> AcquireTlsCredentials() {
    auto credentials = std::make_shared<TlsCredentials>();
    if (Acquire(SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT, &credentials->handle)) return credentials;
    if (Acquire(SP_PROT_TLS1_2_CLIENT, &credentials->handle)) return credentials;
    credentials->handle = CredHandle();
    return nullptr;
}

struct TlsContext::State {
    CredHandle* credentials = nullptr;
    std::string target;
    CtxtHandle context = {};
    bool started = false;
    SecPkgContext_StreamSizes sizes = {};
};

TlsContext::TlsContext(TlsCredentials* credentials, const std::string& target) : m(new State) {
    m->credentials = credentials ? &credentials->handle : nullptr;
    m->target = target;
}

TlsContext::~TlsContext() {
    if (m->started) DeleteSecurityContext(&m->context);
}

TlsStep TlsContext::Step(const char* in, size_t length, size_t* used, std::string* out) {
    *used = 0;
    if (m->credentials == nullptr) return TlsStep::kFailed;
    SecBuffer input[2] = {{static_cast<ULONG>(length), SECBUFFER_TOKEN, const_cast<char*>(in)},
                          {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc inputDesc = {SECBUFFER_VERSION, 2, input};
    SecBuffer output = {0, SECBUFFER_TOKEN, nullptr};
    SecBufferDesc outputDesc = {SECBUFFER_VERSION, 1, &output};
    ULONG attributes = 0;
    TimeStamp expiry;
    SECURITY_STATUS status;
    // The server may ask for a client certificate; there is none, and the
    // second call goes on without.
    for (int call = 0; call < 2; ++call) {
        status = InitializeSecurityContextA(
            m->credentials, m->started ? &m->context : nullptr, const_cast<char*>(m->target.c_str()), kContextFlags,
            0, 0, m->started ? &inputDesc : nullptr, 0, m->started ? nullptr : &m->context, &outputDesc,
            &attributes, &expiry);
        if (status != SEC_I_INCOMPLETE_CREDENTIALS) break;
    }
    if (!m->started && (status == SEC_I_CONTINUE_NEEDED || status == SEC_E_OK)) m->started = true;
    TakeToken(output, out);
    if (status == SEC_E_INCOMPLETE_MESSAGE) return TlsStep::kNeedInput;
    if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED) return TlsStep::kFailed;
    *used = length - (input[1].BufferType == SECBUFFER_EXTRA ? input[1].cbBuffer : 0);
    if (status == SEC_I_CONTINUE_NEEDED) return TlsStep::kMore;
    if (QueryContextAttributesA(&m->context, SECPKG_ATTR_STREAM_SIZES, &m->sizes) != SEC_E_OK) {
        return TlsStep::kFailed;
    }
    return TlsStep::kDone;
}

size_t TlsContext::HeaderSize() const { return m->sizes.cbHeader; }
size_t TlsContext::TrailerSize() const { return m->sizes.cbTrailer; }
size_t TlsContext::MaxData() const { return m->sizes.cbMaximumMessage; }

TlsStep TlsContext::Seal(char* record, size_t length, size_t* sealed) {
    SecBuffer parts[4] = {{m->sizes.cbHeader, SECBUFFER_STREAM_HEADER, record},
                          {static_cast<ULONG>(length), SECBUFFER_DATA, record + m->sizes.cbHeader},
                          {m->sizes.cbTrailer, SECBUFFER_STREAM_TRAILER, record + m->sizes.cbHeader + length},
                          {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc desc = {SECBUFFER_VERSION, 4, parts};
    if (EncryptMessage(&m->context, 0, &desc, 0) != SEC_E_OK) return TlsStep::kFailed;
    *sealed = parts[0].cbBuffer + parts[1].cbBuffer + parts[2].cbBuffer;
    return TlsStep::kDone;
}

// Exactly one record is handed over, so that nothing is left over: its
// length is in the record header.
TlsStep TlsContext::Open(char* in, size_t length, size_t* used, char** data, size_t* dataLength) {
    *used = 0;
    *dataLength = 0;
    if (length < 5) return TlsStep::kNeedInput;
    const unsigned char* header = reinterpret_cast<unsigned char*>(in);
    const size_t record = 5 + (static_cast<size_t>(header[3]) << 8 | header[4]);
    if (length < record) return TlsStep::kNeedInput;
    const unsigned char type = header[0];
    SecBuffer parts[4] = {{static_cast<ULONG>(record), SECBUFFER_DATA, in},
                          {0, SECBUFFER_EMPTY, nullptr},
                          {0, SECBUFFER_EMPTY, nullptr},
                          {0, SECBUFFER_EMPTY, nullptr}};
    SecBufferDesc desc = {SECBUFFER_VERSION, 4, parts};
    const SECURITY_STATUS status = DecryptMessage(&m->context, &desc, 0, nullptr);
    if (status == SEC_I_CONTEXT_EXPIRED) return TlsStep::kEnd;
    if (status == SEC_E_INCOMPLETE_MESSAGE) return TlsStep::kNeedInput;
    size_t extra = 0;
    for (SecBuffer& part : parts) {
        if (part.BufferType == SECBUFFER_DATA) {
            *data = static_cast<char*>(part.pvBuffer);
            *dataLength = part.cbBuffer;
        }
        if (part.BufferType == SECBUFFER_EXTRA) extra = part.cbBuffer;
    }
    *used = record - extra;
    if (status == SEC_I_RENEGOTIATE) return TlsStep::kRenegotiate;
    if (status != SEC_E_OK) return TlsStep::kFailed;
    // Some implementations report the peer's close_notify as a record that
    // opened fine and held nothing: an alert record with no data is the end.
    if (type == kAlertRecord && *dataLength == 0) return TlsStep::kEnd;
    return TlsStep::kDone;
}

TlsStep TlsContext::CloseNotify(std::string* out) {
    DWORD type = SCHANNEL_SHUTDOWN;
    SecBuffer token = {sizeof type, SECBUFFER_TOKEN, &type};
    SecBufferDesc tokenDesc = {SECBUFFER_VERSION, 1, &token};
    if (!m->started || ApplyControlToken(&m->context, &tokenDesc) != SEC_E_OK) return TlsStep::kFailed;
    SecBuffer output = {0, SECBUFFER_TOKEN, nullptr};
    SecBufferDesc outputDesc = {SECBUFFER_VERSION, 1, &output};
    ULONG attributes = 0;
    TimeStamp expiry;
    const SECURITY_STATUS status =
        InitializeSecurityContextA(m->credentials, &m->context, const_cast<char*>(m->target.c_str()), kContextFlags,
                                   0, 0, nullptr, 0, nullptr, &outputDesc, &attributes, &expiry);
    TakeToken(output, out);
    return status == SEC_E_OK || status == SEC_I_CONTEXT_EXPIRED ? TlsStep::kDone : TlsStep::kFailed;
}

bool TlsContext::Summary(TlsSummary* summary) const {
    SecPkgContext_ConnectionInfo info = {};
    if (QueryContextAttributesA(&m->context, SECPKG_ATTR_CONNECTION_INFO, &info) != SEC_E_OK) return false;
    const DWORD p = info.dwProtocol;
    summary->version = (p & SP_PROT_TLS1_3_CLIENT) ? 13 : (p & SP_PROT_TLS1_2_CLIENT) ? 12
                     : (p & SP_PROT_TLS1_1_CLIENT) ? 11 : (p & SP_PROT_TLS1_0_CLIENT) ? 10 : 0;
    summary->cipher = CipherName(info.aiCipher);
    summary->strength = static_cast<int>(info.dwCipherStrength);
    return true;
}

bool TlsContext::Fingerprint(std::string* sha256) const {
    PCCERT_CONTEXT certificate = nullptr;
    if (QueryContextAttributesA(&m->context, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &certificate) != SEC_E_OK ||
        certificate == nullptr) {
        return false;
    }
    char text[96];
    CertificateFingerprint(certificate, text, sizeof text);
    CertFreeCertificateContext(certificate);
    *sha256 = text;  // empty when hashing failed: then it matches nothing
    return true;
}

bool TlsContext::Certificate(const std::string& host, FtpCertificateInfo* info) const {
    PCCERT_CONTEXT certificate = nullptr;
    if (QueryContextAttributesA(&m->context, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &certificate) != SEC_E_OK ||
        certificate == nullptr) {
        return false;
    }
    const bool ok = InspectCertificate(certificate, host, info);
    CertFreeCertificateContext(certificate);
    return ok;
}

}  // namespace ftp
