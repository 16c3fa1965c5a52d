#include "ftp_profile.h"

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
};

const ProfileLabels& DefaultProfileLabels() { return LabelDefaults(); }

void SetDefaultProfileLabels(const ProfileLabels& labels) { LabelDefaults() = labels; }

}  // namespace settings

FtpProfile::FtpProfile()
    : m_port("21"),
      m_timeout("60"),
      m_fwType("none"),
      m_fwPort("21"),
      m_fwPassive("0"),
      m_hostLabel(settings::DefaultProfileLabels().host),
      m_userLabel(settings::DefaultProfileLabels().user),
      m_passwordLabel(settings::DefaultProfileLabels().password) {}

bool operator==(const FtpProfile& a, const FtpProfile& b) {
    for (const settings::ProfileField& field : settings::kProfileFields) {
        if (a.*field.member != b.*field.member) {
            return false;
        }
    }
    return true;
}
