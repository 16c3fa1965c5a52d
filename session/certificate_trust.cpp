#include "certificate_trust.h"

#include <string>

#include "certificate_dlg.h"
#include "certificate_store.h"
#include "current_settings.h"
#include "ftp_session.h"
#include "message_text.h"
#include "module.h"
#include "settings_keys.h"

namespace {

HWND Parent() { return TheSession().CertificateParent(); }

// The settings file of the dialog run when there is one (the file manager,
// the profile dialog), else the one a host's own settings would use.
settings::CertificateStore Store() {
    if (const FtpSettings* current = CurrentSettings()) return settings::CertificateStore(current->IniPath());
    return settings::CertificateStore(
        settings::LocateSettingsFile(settings::kSettingsFileName, settings::SystemSettingsFolders()));
}

// A refusal: its reason is kept for the connect to report and goes into
// the log.
int Refuse(const std::string& reason) {
    FtpSession& session = TheSession();
    session.CertificateRefusal() = reason;
    session.LogText(reason);
    return 0;
}

void LogNote(UINT id, const FtpCertificateInfo& info) {
    TheSession().LogText(InsertTexts(LoadResourceString(id), info.host, info.sha256));
}

int RefuseChanged(const FtpCertificateInfo& info, const std::string& remembered) {
    using settings::CertificateStore;
    const std::string text = InsertTexts(LoadResourceString(IDS_CERT_CHANGED),
                                         {info.host, remembered, CertificateStore::NormalFingerprint(info.sha256),
                                          CertificateStore::Key(info.host, info.port)});
    if (Parent() != nullptr) {
        MessageBoxA(Parent(), text.c_str(), LoadResourceString(IDS_CERT_CAPTION).c_str(), MB_OK | MB_ICONSTOP);
    }
    return Refuse(text);
}

int Ask(const FtpCertificateInfo& info, const settings::CertificateStore& store) {
    CFtpCertificateDlg dialog(Parent(), info);
    const INT_PTR answer = dialog.DoModal();
    if (answer == CFtpCertificateDlg::kTrustOnce) {
        LogNote(IDS_LOG_CERT_ONCE, info);
        return 1;
    }
    if (answer == CFtpCertificateDlg::kTrustAlways) {
        const bool kept = store.Remember(info.host, info.port, info.sha256);
        LogNote(kept ? IDS_LOG_CERT_ALWAYS : IDS_LOG_CERT_NOT_KEPT, info);
        return 1;
    }
    return Refuse(InsertTexts(LoadResourceString(IDS_CERT_REFUSED), info.host, std::string()));
}

int Decide(const FtpCertificateInfo& info) {
    const settings::CertificateStore store = Store();
    std::string remembered;
    switch (store.Check(info.host, info.port, info.sha256, &remembered)) {
        case settings::CertificateMatch::kSame:
            LogNote(IDS_LOG_CERT_REMEMBERED, info);
            return 1;
        case settings::CertificateMatch::kChanged:
            return RefuseChanged(info, remembered);
        case settings::CertificateMatch::kUnknown:
            break;
    }
    if (Parent() != nullptr) return Ask(info, store);
    const std::string problems = CFtpCertificateDlg::ProblemText(info);
    return Refuse(InsertTexts(LoadResourceString(IDS_CERT_NO_WINDOW), info.host, problems));
}

}  // namespace

void SetCertificateParent(HWND parent) {
    TheSession().SetCertificateParent(parent);
}

// Called by the engine on the connecting thread: nothing may escape.
int OnServerCertificate(const FtpCertificateInfo* info) {
    if (info == nullptr) return 0;
    try {
        FtpCertificateInfo copy = *info;  // every text ends inside its buffer, whatever came in
        copy.host[sizeof copy.host - 1] = copy.subject[sizeof copy.subject - 1] = '\0';
        copy.issuer[sizeof copy.issuer - 1] = copy.validFrom[sizeof copy.validFrom - 1] = '\0';
        copy.validTo[sizeof copy.validTo - 1] = copy.sha256[sizeof copy.sha256 - 1] = '\0';
        return Decide(copy);
    } catch (...) {
        return 0;
    }
}
