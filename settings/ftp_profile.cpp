#include "ftp_profile.h"

#include <cctype>

namespace settings {
namespace {

ProfileLabels& LabelDefaults() {
    static ProfileLabels s_labels{"Host &name or IP address:", "User &identifier:",
                                  "User &password:"};
    return s_labels;
}

}  // namespace

const ProfileField kProfileFields[kProfileFieldCount] = {
    {"Name", &FtpProfile::m_name, false},
    {"Host", &FtpProfile::m_host, false},
    {"User", &FtpProfile::m_user, false},
    {"Password", &FtpProfile::m_password, true},
    {"Local", &FtpProfile::m_localFolder, false},
    {"Remote", &FtpProfile::m_remoteFolder, false},
    {"Port", &FtpProfile::m_port, false},
    {"Timeout", &FtpProfile::m_timeout, false},
    {"WWW Address", &FtpProfile::m_wwwAddress, false},
    {"WWW Primary Page", &FtpProfile::m_wwwPrimaryPage, false},
    {"FW Type", &FtpProfile::m_fwType, false},
    {"FW Host", &FtpProfile::m_fwHost, false},
    {"FW Port", &FtpProfile::m_fwPort, false},
    {"FW Username", &FtpProfile::m_fwUsername, false},
    {"FW Password", &FtpProfile::m_fwPassword, true},
    {"FW Passive", &FtpProfile::m_fwPassive, false},
    {"Host Label", &FtpProfile::m_hostLabel, false},
    {"User Label", &FtpProfile::m_userLabel, false},
    {"Password Label", &FtpProfile::m_passwordLabel, false},
    {"Security", &FtpProfile::m_security, false},
};

const ProfileLabels& DefaultProfileLabels() { return LabelDefaults(); }

void SetDefaultProfileLabels(const ProfileLabels& labels) { LabelDefaults() = labels; }

namespace {

bool SameLetters(const std::string& text, const char* known) {
    size_t i = 0;
    for (; i < text.size() && known[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != known[i]) return false;
    }
    return i == text.size() && known[i] == '\0';
}

}  // namespace

// A hand-edited "Required" must not quietly connect in clear: the texts are
// compared ignoring letter case.
int SecurityLevel(const std::string& text) {
    if (SameLetters(text, kSecurityRequiredText)) return 2;
    if (SameLetters(text, kSecurityWhenOfferedText)) return 1;
    return 0;
}

const char* SecurityText(int level) {
    switch (level) {
    case 1: return kSecurityWhenOfferedText;
    case 2: return kSecurityRequiredText;
    default: return kSecurityPlainText;
    }
}

}  // namespace settings

FtpProfile::FtpProfile()
    : m_port("21"),
      m_timeout("60"),
      m_fwType("none"),
      m_fwPort("21"),
      m_fwPassive("0"),
      m_hostLabel(settings::DefaultProfileLabels().host),
      m_userLabel(settings::DefaultProfileLabels().user),
      m_passwordLabel(settings::DefaultProfileLabels().password),
      m_security(settings::kSecurityPlainText) {}

bool operator==(const FtpProfile& a, const FtpProfile& b) {
    for (const settings::ProfileField& field : settings::kProfileFields) {
        if (a.*field.member != b.*field.member) {
            return false;
        }
    }
    return true;
}
