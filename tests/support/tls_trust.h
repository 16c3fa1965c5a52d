// Trust in the private CA that signs the TLS test servers' certificates
// (made by tests/servers/certs.py, read through test_servers.h). Windows
// programs only; link crypt32.
//
// Each Wine test run has a private prefix, so the CA is trusted in that
// prefix alone, but there for every later test program of the run: a test
// that needs an untrusted certificate uses the self-signed server, never the
// CA. Call TrustTestCa() at the start of the test program, before its first
// connection: Wine reads the Root store once per process, when it first
// validates a chain, and does not see a certificate added after that. (On
// Windows itself, adding to the user's Root store asks the user first: this
// helper is for the Wine runs.)
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "test_servers.h"

namespace testservers {

inline std::vector<unsigned char> CaDer() {
    std::ifstream in(CaPath("der"), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Adds the CA to the current user's Root store; true once it is there.
// Taking it out again is not offered: Wine's chain validation keeps trusting
// it after a delete from this store.
inline bool TrustTestCa() {
    const std::vector<unsigned char> der = CaDer();
    if (der.empty()) return false;
    HCERTSTORE root = CertOpenSystemStoreA(0, "ROOT");
    if (!root) return false;
    const BOOL added = CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, der.data(),
                                                        static_cast<DWORD>(der.size()),
                                                        CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
    CertCloseStore(root, 0);
    return added != FALSE;
}

}  // namespace testservers
