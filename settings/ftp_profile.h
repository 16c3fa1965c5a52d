// One connection profile: the texts needed to reach one FTP or WWW site, as
// the profile pages edit them and the settings file stores them.
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
    std::string m_security;         // "plain", "when offered" or "required" (SecurityLevel)
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

constexpr int kProfileFieldCount = 20;
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

// The texts of the profile's "Security" key.
constexpr char kSecurityPlainText[] = "plain";
constexpr char kSecurityWhenOfferedText[] = "when offered";
constexpr char kSecurityRequiredText[] = "required";

// The security a "Security" text asks for, counted as the engine counts it:
// 0 plain FTP, 1 TLS when the server offers it, 2 TLS required. Letter case
// does not matter; any other text, and no text at all, is plain FTP, so a
// file written before the key existed connects as it always did.
int SecurityLevel(const std::string& text);
// The text stored for a level; plain FTP for anything out of range.
const char* SecurityText(int level);

}  // namespace settings
