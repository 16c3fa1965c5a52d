// CERT_CHAIN_PARA with its retrieval time-out (ChainProblems); defined
// before the first include of the platform's crypto header.
#define CERT_CHAIN_PARA_HAS_EXTRA_FIELDS
#include "tls_schannel_certificate.h"

#include <winsock2.h>
#include <wininet.h>  // the SECURITY_FLAG_IGNORE_* checks of the SSL policy
#include <ws2tcpip.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bounded_copy.h"

namespace ftp {
namespace {

constexpr DWORD kChainFetchTimeoutMs = 5000;

// "YYYY-MM-DD HH:MM:SS UTC"
void DateText(const FILETIME& time, char* out, size_t room) {
    SYSTEMTIME t = {};
    if (!FileTimeToSystemTime(&time, &t)) {
        BoundedCopy(out, room, "");
        return;
    }
    std::snprintf(out, room, "%04u-%02u-%02u %02u:%02u:%02u UTC", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
                  t.wSecond);
}

void NameText(const CERT_NAME_BLOB& name, char* out, size_t room) {
    CERT_NAME_BLOB copy = name;
    if (CertNameToStrA(X509_ASN_ENCODING, &copy, CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG, out,
                       static_cast<DWORD>(room)) <= 1) {
        BoundedCopy(out, room, "");
    }
}

}  // namespace

void CertificateFingerprint(PCCERT_CONTEXT certificate, char* out, size_t room) {
    BYTE hash[32];
    DWORD size = sizeof hash;
    BoundedCopy(out, room, "");
    if (!CryptHashCertificate2(L"SHA256", 0, nullptr, certificate->pbCertEncoded, certificate->cbCertEncoded,
                               hash, &size) ||
        size != sizeof hash || room < 3 * sizeof hash) {
        return;
    }
    size_t at = 0;
    for (DWORD i = 0; i < size; ++i) {
        at += static_cast<size_t>(std::snprintf(out + at, room - at, i ? ":%02X" : "%02X", hash[i]));
    }
}

namespace {

// The address bytes of a numeric host, or none for a DNS name.
std::vector<BYTE> AddressBytes(const std::string& host) {
    in_addr v4;
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1) {
        const BYTE* p = reinterpret_cast<const BYTE*>(&v4);
        return std::vector<BYTE>(p, p + sizeof v4);
    }
    in6_addr v6;
    if (inet_pton(AF_INET6, host.c_str(), &v6) == 1) {
        const BYTE* p = reinterpret_cast<const BYTE*>(&v6);
        return std::vector<BYTE>(p, p + sizeof v6);
    }
    return std::vector<BYTE>();
}

// The SSL policy of some platforms matches no IP address: the certificate's
// subjectAltName iPAddress entries are compared here.
bool AddressListed(PCCERT_CONTEXT certificate, const std::vector<BYTE>& address) {
    const CERT_INFO* info = certificate->pCertInfo;
    const CERT_EXTENSION* names = CertFindExtension(szOID_SUBJECT_ALT_NAME2, info->cExtension, info->rgExtension);
    if (names == nullptr) return false;
    CERT_ALT_NAME_INFO* decoded = nullptr;
    DWORD size = 0;
    if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, names->Value.pbData, names->Value.cbData,
                             CRYPT_DECODE_ALLOC_FLAG, nullptr, &decoded, &size)) {
        return false;
    }
    bool found = false;
    for (DWORD i = 0; i < decoded->cAltEntry && !found; ++i) {
        const CERT_ALT_NAME_ENTRY& entry = decoded->rgAltEntry[i];
        found = entry.dwAltNameChoice == CERT_ALT_NAME_IP_ADDRESS && entry.IPAddress.cbData == address.size() &&
                std::memcmp(entry.IPAddress.pbData, address.data(), address.size()) == 0;
    }
    LocalFree(decoded);
    return found;
}

// The SSL policy over the chain with the given checks left out.
HRESULT PolicyError(PCCERT_CHAIN_CONTEXT chain, const std::string& host, DWORD ignored) {
    std::wstring name(host.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_UTF8, 0, host.c_str(), -1, &name[0], static_cast<int>(name.size()));
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl = {};
    ssl.cbSize = sizeof ssl;
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.fdwChecks = ignored;
    ssl.pwszServerName = n > 0 ? &name[0] : nullptr;
    CERT_CHAIN_POLICY_PARA para = {};
    para.cbSize = sizeof para;
    para.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS status = {};
    status.cbSize = sizeof status;
    if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain, &para, &status)) return CERT_E_CHAINING;
    return static_cast<HRESULT>(status.dwError);
}

unsigned ChainProblems(PCCERT_CONTEXT certificate, const std::string& host, bool numericHost) {
    LPSTR usages[] = {const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH)};
    CERT_CHAIN_PARA para = {};
    para.cbSize = sizeof para;
    para.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
    para.RequestedUsage.Usage.cUsageIdentifier = 1;
    para.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
    // The chain runs on the thread that connects, often a window's: a
    // missing intermediate is still fetched from the address the server's
    // certificate names (many servers leave it out, and a chain that stops
    // short would be called untrusted), but no fetch may hold the window
    // for longer than this. Revocation is not asked for: it would mean more
    // look-ups of the network on every connect.
    para.dwUrlRetrievalTimeout = kChainFetchTimeoutMs;
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    if (!CertGetCertificateChain(nullptr, certificate, nullptr, certificate->hCertStore, &para, 0, nullptr,
                                 &chain)) {
        return kFtpCertUntrusted;
    }
    unsigned problems = 0;
    const DWORD trust = chain->TrustStatus.dwErrorStatus;
    if (trust & (CERT_TRUST_IS_UNTRUSTED_ROOT | CERT_TRUST_IS_PARTIAL_CHAIN | CERT_TRUST_IS_NOT_SIGNATURE_VALID)) {
        problems |= kFtpCertUntrusted;
    }
    if (trust & CERT_TRUST_IS_REVOKED) problems |= kFtpCertRevoked;
    // An issuer out of its dates: the server's own dates are checked below.
    if (trust & CERT_TRUST_IS_NOT_TIME_VALID) problems |= kFtpCertExpired;
    // Trust first, names and dates left to their own checks.
    const HRESULT trustError =
        PolicyError(chain, host, SECURITY_FLAG_IGNORE_CERT_CN_INVALID | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID);
    if (trustError == CERT_E_UNTRUSTEDROOT || trustError == CERT_E_CHAINING || trustError == TRUST_E_CERT_SIGNATURE) {
        problems |= kFtpCertUntrusted;
    } else if (trustError == CERT_E_REVOKED) {
        problems |= kFtpCertRevoked;
    } else if (trustError != 0 && trustError != CERT_E_EXPIRED && trustError != CERT_E_CN_NO_MATCH) {
        problems |= kFtpCertUntrusted;  // wrong usage and the like: not a certificate to trust unasked
    }
    if (!numericHost) {
        const HRESULT nameError = PolicyError(chain, host,
                                            SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID |
                                                SECURITY_FLAG_IGNORE_REVOCATION | SECURITY_FLAG_IGNORE_WRONG_USAGE);
        if (nameError == CERT_E_CN_NO_MATCH) problems |= kFtpCertWrongName;
    }
    CertFreeCertificateChain(chain);
    return problems;
}

}  // namespace

bool InspectCertificate(PCCERT_CONTEXT certificate, const std::string& host, FtpCertificateInfo* info) {
    const CERT_INFO* cert = certificate->pCertInfo;
    NameText(cert->Subject, info->subject, sizeof info->subject);
    NameText(cert->Issuer, info->issuer, sizeof info->issuer);
    DateText(cert->NotBefore, info->validFrom, sizeof info->validFrom);
    DateText(cert->NotAfter, info->validTo, sizeof info->validTo);
    CertificateFingerprint(certificate, info->sha256, sizeof info->sha256);
    const std::vector<BYTE> address = AddressBytes(host);
    unsigned problems = ChainProblems(certificate, host, !address.empty());
    if (!address.empty() && !AddressListed(certificate, address)) problems |= kFtpCertWrongName;
    if (CertVerifyTimeValidity(nullptr, certificate->pCertInfo) != 0) problems |= kFtpCertExpired;
    info->problems = problems;
    return true;
}

std::string CipherName(ALG_ID cipher) {
    switch (cipher) {
    case CALG_AES:
    case CALG_AES_128:
    case CALG_AES_192:
    case CALG_AES_256: return "AES";
    case CALG_3DES: return "3DES";
    case CALG_RC4: return "RC4";
    case CALG_DES: return "DES";
    default: break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "cipher 0x%04X", static_cast<unsigned>(cipher));
    return text;
}

}  // namespace ftp
