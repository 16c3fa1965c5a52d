// The question about a server certificate that cannot be verified
// (template 240): the host and port, what is wrong in words, subject,
// issuer, dates and SHA-256 fingerprint, and three answers.
#pragma once

#include <string>

#include "dialog.h"
#include "resource.h"
#include "ut_ftpclient.h"

class CFtpCertificateDlg : public CDialog {
public:
    // The answers DoModal gives; anything else (Escape, the close box, a
    // dialog that could not be made) refuses.
    enum Answer { kTrustOnce = IDC_CERT_TRUST_ONCE, kTrustAlways = IDC_CERT_TRUST_ALWAYS };

    CFtpCertificateDlg(HWND parent, const FtpCertificateInfo& info);

    // The problems of `info` in words, one sentence a line.
    static std::string ProblemText(const FtpCertificateInfo& info);
    // "host, port N," as the dialog and the messages name a server.
    static std::string ServerText(const FtpCertificateInfo& info);

    BEGIN_MSG_MAP(CFtpCertificateDlg, CDialog)
        ON_COMMAND(kTrustOnce, OnTrustOnce)
        ON_COMMAND(kTrustAlways, OnTrustAlways)
    END_MSG_MAP()

protected:
    BOOL OnInitDialog() override;

private:
    void OnTrustOnce() { EndDialog(kTrustOnce); }
    void OnTrustAlways() { EndDialog(kTrustAlways); }

    const FtpCertificateInfo& m_info;
};
