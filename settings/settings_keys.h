// Names of the settings file's sections and of the keys other parts of the
// system read and write through FtpSettings.
#pragma once

namespace settings {

constexpr char kSettingsFileName[] = "ravoFtp.ini";

constexpr char kDefaultsSection[] = "Defaults";
constexpr char kLocalHistorySection[] = "Local History";
constexpr char kRemoteHistorySection[] = "Remote History";
// Certificates trusted always: "host:port" = SHA-256 fingerprint.
constexpr char kCertificatesSection[] = "Certificates";

// Keys of "Defaults".
constexpr char kHistoryLimitKey[] = "Quill.History";
constexpr char kProfileLimitKey[] = "Quill.Profile";
constexpr char kLastProfileKey[] = "Last Profile";
constexpr char kLastProfileIndexKey[] = "Profile";
constexpr char kWindowXKey[] = "WindowX";
constexpr char kWindowYKey[] = "WindowY";
constexpr char kWindowWidthKey[] = "WindowW";
constexpr char kWindowHeightKey[] = "WindowH";
constexpr char kShowLogWindowKey[] = "Show Log Window";
constexpr char kNoDialKey[] = "No Dial";

}  // namespace settings
