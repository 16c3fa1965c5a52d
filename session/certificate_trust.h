// The session's answer to the engine's question about a server certificate
// with problems (untrusted, another name, out of its dates, revoked):
//   - remembered for this host and port with the same SHA-256: accepted;
//   - remembered with another fingerprint: refused, with a message naming
//     both fingerprints (a message box when there is a window);
//   - not remembered, with a window: the certificate dialog asks (trust
//     once, trust always, cancel);
//   - not remembered, without a window: refused. Nothing is ever accepted
//     silently for a host that cannot ask its user.
// Certificates trusted always live in the settings file (certificate_store.h):
// the current settings of a dialog run when there is one, else the file the
// settings location chooses.
#pragma once

#include <windows.h>

#include "ut_ftpclient.h"

// The window the question is shown over for the next connection; null for
// none. Also forgets the reason of an earlier refusal. ConnectSession calls
// it before connecting.
void SetCertificateParent(HWND parent);

// The engine's FtpCertificateCallback: 1 to go on with the certificate for
// this connection, 0 to refuse it (the connection then ends with -35). A
// refusal keeps its reason in FtpSession::CertificateRefusal, which
// ConnectSession makes the last message of a connect ended by it.
int OnServerCertificate(const FtpCertificateInfo* info);
