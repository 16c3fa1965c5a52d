#include "text_cut.h"

namespace {

// Bytes in the character starting at `at`; a lead byte at the very end is
// a character of its own.
size_t CharacterSize(const std::string& text, size_t at, const LeadBytes& lead) {
    return lead[static_cast<unsigned char>(text[at])] && at + 1 < text.size() ? 2 : 1;
}

}  // namespace

LeadBytes SingleByteCharacters() {
    LeadBytes none;
    none.fill(false);
    return none;
}

size_t CutLength(const std::string& text, size_t limit, const LeadBytes& lead) {
    size_t at = 0;
    while (at < text.size()) {
        const size_t next = at + CharacterSize(text, at, lead);
        if (next > limit) break;
        at = next;
    }
    return at;
}

size_t FindLastCharacter(const std::string& text, char c, const LeadBytes& lead) {
    size_t found = std::string::npos;
    for (size_t at = 0; at < text.size(); at += CharacterSize(text, at, lead)) {
        if (text[at] == c && CharacterSize(text, at, lead) == 1) found = at;
    }
    return found;
}

std::string LowerAsciiLetters(const std::string& text, const LeadBytes& lead) {
    std::string lower = text;
    for (size_t at = 0; at < lower.size(); at += CharacterSize(lower, at, lead)) {
        if (lower[at] >= 'A' && lower[at] <= 'Z' && CharacterSize(lower, at, lead) == 1) lower[at] = static_cast<char>(lower[at] - 'A' + 'a');
    }
    return lower;
}
