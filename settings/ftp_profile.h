// One connection profile: the nineteen texts needed to reach one FTP or WWW
// site, as the profile pages edit them and the settings file stores them.
#pragma once

#include <string>

struct FtpProfile {
    FtpProfile();

    std::string m_name;
    std::string m_host;
    std::string m_user;
    std::string m_password;
    std::string m_remoteFolder;
    std::string m_localFolder;
    std::string m_port;
    std::string m_timeout;          // seconds
    std::string m_wwwAddress;
    std::string m_wwwPrimaryPage;
    std::string m_fwType;           // "none", "user", "logon", "site" or "open"
    std::string m_fwHost;
    std::string m_fwPort;
    std::string m_fwUsername;
    std::string m_fwPassword;
    std::string m_fwPassive;        // "0" or "1"
    std::string m_hostLabel;        // captions of the Remote Access page's boxes
    std::string m_userLabel;
    std::string m_passwordLabel;
};

bool operator==(const FtpProfile& a, const FtpProfile& b);
inline bool operator!=(const FtpProfile& a, const FtpProfile& b) { return !(a == b); }

namespace settings {

// How one field is stored in a profile section.
struct ProfileField {
    const char* key;
    std::string FtpProfile::*member;
    bool scrambled;  // a password: stored through EncodePassword
};

constexpr int kProfileFieldCount = 19;
// In the order the fields are written to a section, "Name" first.
extern const ProfileField kProfileFields[kProfileFieldCount];

// The defaults of the three label fields. They start as the string table's
// English texts; the application object replaces them with the texts of the
// resources it loads.
struct ProfileLabels {
    std::string host;
    std::string user;
    std::string password;
};
const ProfileLabels& DefaultProfileLabels();
void SetDefaultProfileLabels(const ProfileLabels& labels);

}  // namespace settings
