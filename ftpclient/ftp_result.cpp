#include "ftp_result.h"

#include <algorithm>
#include <cctype>

namespace ftp {
namespace {

// A row applies when the reply code matches and the command is the given one
// (or any command when `anyCommand` is set). First match wins.
struct ReplyRule {
    int replyCode;
    bool anyCommand;
    Command command;
    int result;
};

// The reply-to-result table. Order matters: command-specific rows first.
constexpr ReplyRule kRules[] = {
    // Logins: 530 names whichever credential was just sent.
    {530, false, Command::kUser, kBadUser},
    {530, false, Command::kProxyLogin, kBadUser},
    {530, false, Command::kPass, kBadPassword},
    {530, false, Command::kAcct, kBadAccount},
    {532, true, Command::kGreeting, kBadAccount},
    {530, true, Command::kGreeting, kAccessDenied},  // not logged in (session expired)

    // The connection is going away.
    {421, true, Command::kGreeting, kConnectionClosed},

    // Data connection trouble.
    {425, true, Command::kGreeting, kDataConnectionClosed},
    {426, true, Command::kGreeting, kDataConnectionClosed},

    // A data connection over TLS refused for want of a resumed session
    // (522 after EPRT is another thing: "protocol not supported").
    {522, false, Command::kFileRead, kTlsResumeRequired},
    {522, false, Command::kFileWrite, kTlsResumeRequired},
    {522, false, Command::kList, kTlsResumeRequired},

    // Storage.
    {452, true, Command::kGreeting, kServerDiskFull},
    {552, true, Command::kGreeting, kServerDiskFull},
    {553, true, Command::kGreeting, kBadFileName},

    // Refused commands: FEAT/OPTS refusals are "denied", not syntax faults.
    {500, false, Command::kFeature, kRequestDenied},
    {502, false, Command::kFeature, kRequestDenied},
    {500, true, Command::kGreeting, kSyntaxError},
    {501, true, Command::kGreeting, kSyntaxError},
    {502, true, Command::kGreeting, kSyntaxError},
    {504, true, Command::kGreeting, kSyntaxError},

    // 550 and friends: refused or unavailable; see IsMissingText for -16.
    {450, true, Command::kGreeting, kPermissionDenied},
    {550, true, Command::kGreeting, kPermissionDenied},
    {551, true, Command::kGreeting, kPermissionDenied},
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Servers say "No such file or directory" (vsftpd, ProFTPD, pyftpdlib),
// "not found" or "does not exist" (IIS) for a missing file or folder.
bool IsMissingText(const std::string& text) {
    const std::string lower = Lower(text);
    for (const char* phrase : {"no such file", "not found", "does not exist",
                               "doesn't exist", "not exist", "no such directory"}) {
        if (lower.find(phrase) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

int MapReplyToResult(Command command, int replyCode, const std::string& text) {
    if (replyCode == 550 || replyCode == 450) {
        if (IsMissingText(text)) return kFileMissing;
    }
    for (const ReplyRule& rule : kRules) {
        if (rule.replyCode != replyCode) continue;
        if (rule.anyCommand || rule.command == command) return rule.result;
    }
    if (replyCode >= 400 && replyCode < 500) return kGeneralError;
    if (replyCode >= 500 && replyCode < 600) return kRequestDenied;
    return kNoResponse;
}

}  // namespace ftp
