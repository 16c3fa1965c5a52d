#include "message_text.h"

#include <algorithm>

namespace {

constexpr size_t kLongLine = 64;   // longer server lines are cut ...
constexpr size_t kCutLength = 60;  // ... to this many bytes and "..."
constexpr int kMaxCutLines = 16;
constexpr size_t kLongName = 16;   // longer names are shown as ...
constexpr size_t kShownStart = 12;  // ... their first 12 bytes and "..."

}  // namespace

std::string InsertTexts(const std::string& text, const std::vector<std::string>& inserts) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char digit = text[i] == '%' && i + 1 < text.size() ? text[i + 1] : '\0';
        const size_t n = digit >= '1' && digit <= '9' ? static_cast<size_t>(digit - '1') : inserts.size();
        if (n < inserts.size()) {
            result += inserts[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string ShapeServerLines(const std::string& message, const LeadBytes& lead) {
    std::string lines;
    int cut = 0;
    size_t at = 0;
    // CR and LF are never the second byte of a double-byte character.
    while (cut < kMaxCutLines) {
        at = message.find_first_not_of("\r\n", at);
        if (at == std::string::npos) break;
        const size_t end = std::min(message.find_first_of("\r\n", at), message.size());
        const std::string line = message.substr(at, end - at);
        lines += "    ";
        if (line.size() > kLongLine) {
            lines += line.substr(0, CutLength(line, kCutLength, lead)) + "...";
            ++cut;
        } else {
            lines += line;
        }
        at = end;
    }
    return lines;
}

std::string ShortName(const std::string& name, const LeadBytes& lead) {
    if (name.size() <= kLongName) return name;
    return name.substr(0, CutLength(name, kShownStart, lead)) + "...";
}

std::string TrimLeft(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}
