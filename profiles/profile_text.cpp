#include "profile_text.h"

#include <windows.h>

#include <cerrno>
#include <cstdlib>

namespace profiles {

namespace {

constexpr char kPlaceholder[] = "{User}";
constexpr char kBlanks[] = " \t\r\n";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool ParsePortText(const std::string& text, const std::string& defaultWord, unsigned* port) {
    if (!defaultWord.empty() && lstrcmpiA(text.c_str(), defaultWord.c_str()) == 0) {
        *port = 21;
        return true;
    }
    errno = 0;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    // A text without a number reads as 0, which only "0" itself may mean.
    if (errno != 0 || value < 0 || value > 32000 || (value == 0 && text != "0")) return false;
    *port = static_cast<unsigned>(value);
    return true;
}

unsigned short LeadingNumber16(const std::string& text) {
    unsigned value = 0;
    for (size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) value = (value * 10 + (text[i] - '0')) & 0xFFFFu;
    return static_cast<unsigned short>(value);
}

std::string ExpandUser(const std::string& templateText, const std::string& user) {
    if (lstrcmpiA(templateText.c_str(), user.c_str()) == 0) return templateText;
    std::string result;
    size_t from = 0;
    for (size_t at; (at = templateText.find(kPlaceholder, from)) != std::string::npos; from = at + sizeof kPlaceholder - 1)
        result += templateText.substr(from, at - from) + user;
    return result + templateText.substr(from);
}

bool HasUserPlaceholder(const std::string& text) { return text.find(kPlaceholder) != std::string::npos; }

std::string ScanProxyHost(const std::string& proxyList) {
    size_t start = 0;
    const size_t ftp = proxyList.find("ftp");
    if (ftp != std::string::npos) {
        const size_t equals = proxyList.find('=', ftp);
        start = equals == std::string::npos ? ftp : equals + 1;
    }
    // Only a scheme of this entry: the next entries may have their own.
    const size_t entryEnd = proxyList.find_first_of("; ", start);
    const size_t scheme = proxyList.find("://", start);
    if (scheme != std::string::npos && scheme < entryEnd) start = scheme + 3;
    size_t end = start;
    while (end < proxyList.size() && (IsDigit(proxyList[end]) || proxyList[end] == '.')) ++end;
    // A name such as "proxy.example" starts with letters: no address here.
    return proxyList.substr(start, end - start);
}

}  // namespace profiles
