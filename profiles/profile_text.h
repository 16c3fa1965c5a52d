// The text rules of the profile dialog and its pages: trimming, the port and
// time-out numbers, the "{User}" placeholder and the system proxy list.
#pragma once

#include <string>

namespace profiles {

// `text` without blanks (spaces, tabs, line ends) at either end.
std::string TrimBlanks(const std::string& text);

// The port a box holds: "Default" (any letter case) counts as 21; the text is
// read as a decimal number; 0 only when the text is exactly "0"; 0 to 32000.
// False for anything else.
bool ParsePortText(const std::string& text, const std::string& defaultWord, unsigned* port);

// The leading decimal digits of `text` (none: 0), kept as an unsigned
// 16-bit value the way the time-out box stores it.
unsigned short LeadingNumber16(const std::string& text);

// `templateText` unchanged when it equals `user` ignoring case; otherwise
// every "{User}" in it replaced by `user` (the inserted text is not searched
// again).
std::string ExpandUser(const std::string& templateText, const std::string& user);
bool HasUserPlaceholder(const std::string& text);

// The firewall host a proxy list names: from the first "ftp" entry (after
// its "="), else from the start; a scheme ("://") of that entry is skipped;
// the host is the run of digits and dots that follows. Empty when the list
// names its proxy by host name.
std::string ScanProxyHost(const std::string& proxyList);

}  // namespace profiles
