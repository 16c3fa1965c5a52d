#include "certificate_dlg.h"

#include <string>

#include "message_text.h"
#include "module.h"

namespace {

// The fingerprint on two lines of 16 bytes each, so that it fits the box
// without scrolling.
std::string TwoLineFingerprint(const std::string& sha256) {
    constexpr size_t kHalf = 16 * 3;  // "AB:" per byte
    if (sha256.size() <= kHalf) return sha256;
    return sha256.substr(0, kHalf) + "\r\n" + sha256.substr(kHalf);
}

}  // namespace

CFtpCertificateDlg::CFtpCertificateDlg(HWND parent, const FtpCertificateInfo& info)
    : CDialog(IDD_CERTIFICATE, parent), m_info(info) {}

std::string CFtpCertificateDlg::ServerText(const FtpCertificateInfo& info) {
    return InsertTexts(LoadResourceString(IDS_CERT_HOST), info.host, std::to_string(info.port));
}

std::string CFtpCertificateDlg::ProblemText(const FtpCertificateInfo& info) {
    struct Problem {
        unsigned bit;
        UINT text;
    };
    static constexpr Problem kProblems[] = {{kFtpCertUntrusted, IDS_CERT_UNTRUSTED},
                                            {kFtpCertWrongName, IDS_CERT_WRONG_NAME},
                                            {kFtpCertExpired, IDS_CERT_EXPIRED},
                                            {kFtpCertRevoked, IDS_CERT_REVOKED}};
    std::string text;
    for (const Problem& p : kProblems) {
        if ((info.problems & p.bit) == 0) continue;
        if (!text.empty()) text += "\r\n";
        text += InsertTexts(LoadResourceString(p.text), info.host, std::string());
    }
    return text;
}

BOOL CFtpCertificateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendDlgItemMessageA(m_hWnd, IDC_CERT_ICON, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_WARNING)), 0);
    const std::string intro = InsertTexts(LoadResourceString(IDS_CERT_INTRO), ServerText(m_info), std::string());
    SetDlgItemTextA(m_hWnd, IDC_CERT_INTRO, intro.c_str());
    SetDlgItemTextA(m_hWnd, IDC_CERT_PROBLEMS, ProblemText(m_info).c_str());
    SetDlgItemTextA(m_hWnd, IDC_CERT_SUBJECT, m_info.subject);
    SetDlgItemTextA(m_hWnd, IDC_CERT_ISSUER, m_info.issuer);
    SetDlgItemTextA(m_hWnd, IDC_CERT_VALID_FROM, m_info.validFrom);
    SetDlgItemTextA(m_hWnd, IDC_CERT_VALID_TO, m_info.validTo);
    SetDlgItemTextA(m_hWnd, IDC_CERT_SHA256, TwoLineFingerprint(m_info.sha256).c_str());
    // Cancel has the focus: a user who types ahead refuses rather than trusts.
    ::SetFocus(GetDlgItem(IDCANCEL));
    return FALSE;
}
