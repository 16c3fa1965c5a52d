// The engine's own check of a server certificate on Windows (the handshake
// asks for manual validation), and the names of what was negotiated.
#pragma once

#include <string>

#include <windows.h>
#include <wincrypt.h>

#include "ut_ftpclient.h"

namespace ftp {

// Fills subject, issuer, dates, SHA-256 and the problem bits found for
// `host`: the chain to a trusted root under the SSL policy, the name (DNS
// names through the policy, IP addresses against the subjectAltName
// entries), the dates. host and port are left to the caller.
bool InspectCertificate(PCCERT_CONTEXT certificate, const std::string& host, FtpCertificateInfo* info);

// "AB:CD:..." of the DER bytes; empty when the platform cannot hash.
void CertificateFingerprint(PCCERT_CONTEXT certificate, char* out, size_t room);

std::string CipherName(ALG_ID cipher);

}  // namespace ftp
