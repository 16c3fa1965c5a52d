// Login, directly or through one of the proxy dialects:
//   0  direct:  USER user                 (then PASS)
//   8  "user":  USER user@host[:port] to the proxy
//   4  "logon": USER/PASS of the proxy account, then USER user@host[:port]
//   2  "site":  USER/PASS of the proxy account, SITE host[:port], USER user
//   16 "open":  OPEN host[:port], then USER user
// A 331 to the last USER returns -22; SendPswd finishes. A 332 (account
// needed) is answered with ACCT.
#include "ftp_client_impl.h"

using namespace ftp;

namespace {

enum FirewallMode { kDirect = 0, kSiteMode = 2, kLogonMode = 4, kUserMode = 8, kOpenMode = 16 };

std::string Text(const char* s) { return s ? std::string(s) : std::string(); }

// The target as a proxy needs it: "host", or "host:port" off port 21.
std::string HostForProxy(const std::string& host, unsigned short port) {
    if (port == 21 || port == 0) return host;
    return host + ":" + std::to_string(port);
}

bool UsesProxy(int mode) {
    return mode == kSiteMode || mode == kLogonMode || mode == kUserMode || mode == kOpenMode;
}

void KeepIfMultiLine(CUT_FTPClient::Impl& s, const Reply& reply) {
    if (reply.multiLine) s.loginMultiLine = reply.text;
}

// Reads the greeting: 120 means "wait", 220 is ready, anything else refuses.
int ReadGreeting(CUT_FTPClient::Impl& s) {
    Reply reply;
    const int r = s.control.ReadFinalReply(&reply);
    if (r != kOk) return r;
    KeepIfMultiLine(s, reply);
    if (reply.code == 220) return kOk;
    s.control.Close();
    return reply.code == 421 ? kConnectionClosed : kConnectFailed;
}

// Answers a 332 with the account; 230/202 finish the login.
int SendAccount(CUT_FTPClient::Impl& s, const std::string& account) {
    Reply reply;
    const int r = s.Run("ACCT " + account, Command::kAcct, &reply, false, true);
    if (r == kOk) KeepIfMultiLine(s, reply);
    return r;
}

// USER of one login: 331 asks for the password (-22), 332 for an account.
int SendUser(CUT_FTPClient::Impl& s, const std::string& user, Command kind, const std::string& account) {
    Reply reply;
    const int r = s.Run("USER " + user, kind, &reply, true);
    if (r != kOk) return r;
    KeepIfMultiLine(s, reply);
    if (reply.code == 331) return kPasswordNeeded;
    if (reply.code == 332) return SendAccount(s, account);
    return kOk;
}

int SendPassword(CUT_FTPClient::Impl& s, const std::string& password, const std::string& account) {
    Reply reply;
    const int r = s.Run("PASS " + password, Command::kPass, &reply, true, true);
    if (r != kOk) return r;
    KeepIfMultiLine(s, reply);
    if (reply.code == 332) return SendAccount(s, account);
    if (reply.code >= 300) return kNoResponse;
    return kOk;
}

// The proxy's own account, used by the "logon" and "site" dialects. Some
// proxies need no login: an empty proxy user skips it.
int ProxyLogin(CUT_FTPClient::Impl& s, const std::string& user, const std::string& password) {
    if (user.empty()) return kOk;
    const int r = SendUser(s, user, Command::kProxyLogin, std::string());
    if (r != kPasswordNeeded) return r;
    return SendPassword(s, password, std::string());
}

int LoginThroughProxy(CUT_FTPClient::Impl& s, int mode, const std::string& target,
                      const std::string& user, const std::string& fwUser,
                      const std::string& fwPassword, const std::string& account) {
    int r = kOk;
    switch (mode) {
    case kUserMode:
        return SendUser(s, user + "@" + target, Command::kUser, account);
    case kLogonMode:
        r = ProxyLogin(s, fwUser, fwPassword);
        return r != kOk ? r : SendUser(s, user + "@" + target, Command::kUser, account);
    case kSiteMode:
        r = ProxyLogin(s, fwUser, fwPassword);
        if (r == kOk) r = s.Run("SITE " + target, Command::kProxyLogin);
        return r != kOk ? r : SendUser(s, user, Command::kUser, account);
    case kOpenMode:
        r = s.Run("OPEN " + target, Command::kProxyLogin);
        return r != kOk ? r : SendUser(s, user, Command::kUser, account);
    default:
        return SendUser(s, user, Command::kUser, account);
    }
}

}  // namespace

int CUT_FTPClient::ConnectToFirewall(const char* host, const char* user, unsigned short port,
                                     unsigned short timeoutMs, unsigned short firewallMode,
                                     const char* firewallHost, unsigned short firewallPort,
                                     const char* firewallUser, const char* firewallPassword,
                                     const char* account) {
    Impl& s = *m_impl;
    if (host == nullptr || *host == '\0') return kResolveFailed;
    s.control.Close();
    s.ResetConnectionState();
    // 0 means "no time-out given": a minute, as most servers' idle limit.
    int timeout = s.timeoutOverrideMs > 0 ? s.timeoutOverrideMs : (timeoutMs ? timeoutMs : 60000);
    const int mode = UsesProxy(firewallMode) ? static_cast<int>(firewallMode) : static_cast<int>(kDirect);
    const unsigned short targetPort = port ? port : 21;

    const std::string connectHost = mode == kDirect ? Text(host) : Text(firewallHost);
    const unsigned short connectPort = mode == kDirect ? targetPort : (firewallPort ? firewallPort : 21);
    if (connectHost.empty()) return kResolveFailed;
    s.control.SetLastMessage(std::string());
    ScopedWaitTick tick(s.idle.Begin());
    int r = s.control.Open(connectHost, connectPort, timeout);
    if (r == kOk) r = ReadGreeting(s);
    if (r == kOk) r = s.StartSecurity(connectHost, connectPort);
    if (r == kOk) {
        r = LoginThroughProxy(s, mode, HostForProxy(Text(host), targetPort), Text(user),
                              Text(firewallUser), Text(firewallPassword), Text(account));
    }
    if (r == kOk) r = s.ProtectDataConnections();
    if (r != kOk && r != kPasswordNeeded) s.control.Close();
    return r;
}

int CUT_FTPClient::SendPswd(const char* password, const char* account) {
    Impl& s = *m_impl;
    if (!s.control.IsOpen()) return kConnectionClosed;
    int r = SendPassword(s, Text(password), Text(account));
    if (r != kOk) return r;
    // Logged in but not as asked: the connection is not left half secured.
    r = s.ProtectDataConnections();
    if (r != kOk) s.control.Close();
    return r;
}
