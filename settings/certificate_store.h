// Server certificates the user chose to trust always, one per host and port,
// in the settings file's own section:
//     [Certificates]
//     ftp.example.com:21=AB:CD:...:EF
// The host part is the name or address the connection was made to, lower
// case; the value is the certificate's SHA-256 fingerprint. Deleting a line
// forgets that certificate, so the next connection asks again.
#pragma once

#include <string>

#include "ini_file.h"

namespace settings {

enum class CertificateMatch {
    kUnknown,  // nothing remembered for this host and port
    kSame,     // remembered with this fingerprint
    kChanged   // remembered with another fingerprint
};

class CertificateStore {
public:
    explicit CertificateStore(std::string iniPath) : m_ini(std::move(iniPath)) {}

    // The key of a host and port: "host:port", the host in lower case.
    static std::string Key(const std::string& host, int port);
    // A fingerprint as stored: upper-case hex pairs joined by ":"; blanks,
    // other separators and letter case of a hand-edited value do not matter.
    static std::string NormalFingerprint(const std::string& fingerprint);

    // What is remembered for `host` and `port` against `sha256`; the stored
    // fingerprint goes to `remembered` when there is one.
    CertificateMatch Check(const std::string& host, int port, const std::string& sha256,
                           std::string* remembered = nullptr) const;
    // Remembers `sha256` for the host and port, over any older one.
    bool Remember(const std::string& host, int port, const std::string& sha256) const;
    bool Forget(const std::string& host, int port) const;

private:
    IniFile m_ini;
};

}  // namespace settings
