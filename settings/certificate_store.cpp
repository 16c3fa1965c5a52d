#include "certificate_store.h"

#include <cctype>

#include "settings_keys.h"

namespace settings {

std::string CertificateStore::Key(const std::string& host, int port) {
    // Brackets around an IPv6 address, "=" and ";" would change how the
    // line reads back (a section, the end of the key, a comment): dropped.
    std::string key;
    for (char c : host) {
        if (c != '[' && c != ']' && c != '=' && c != ';') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key + ":" + std::to_string(port);
}

std::string CertificateStore::NormalFingerprint(const std::string& fingerprint) {
    std::string digits;
    for (char c : fingerprint) {
        if (std::isxdigit(static_cast<unsigned char>(c))) digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    std::string normal;
    for (size_t i = 0; i < digits.size(); i += 2) {
        if (i > 0) normal += ':';
        normal += digits.substr(i, 2);
    }
    return normal;
}

CertificateMatch CertificateStore::Check(const std::string& host, int port, const std::string& sha256,
                                         std::string* remembered) const {
    const std::string stored = NormalFingerprint(m_ini.Read(kCertificatesSection, Key(host, port).c_str()));
    if (remembered != nullptr) *remembered = stored;
    if (stored.empty()) return CertificateMatch::kUnknown;
    return stored == NormalFingerprint(sha256) ? CertificateMatch::kSame : CertificateMatch::kChanged;
}

bool CertificateStore::Remember(const std::string& host, int port, const std::string& sha256) const {
    const std::string normal = NormalFingerprint(sha256);
    // An empty value would read back as "nothing remembered".
    if (normal.empty()) return false;
    return m_ini.Write(kCertificatesSection, Key(host, port).c_str(), normal);
}

bool CertificateStore::Forget(const std::string& host, int port) const {
    return m_ini.RemoveKey(kCertificatesSection, Key(host, port).c_str());
}

}  // namespace settings
