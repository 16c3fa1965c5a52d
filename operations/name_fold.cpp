#include "name_fold.h"

#include <windows.h>

#include <array>

namespace {

// The lower case of each byte as a single character of the ANSI code page.
const std::array<char, 256>& LowerTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> lower{};
        for (int byte = 0; byte < 256; ++byte) {
            char c[2] = {static_cast<char>(byte), '\0'};
            CharLowerBuffA(c, 1);
            lower[static_cast<size_t>(byte)] = c[0];
        }
        return lower;
    }();
    return table;
}

}  // namespace

std::string FoldName(const std::string& name, const LeadBytes& lead) {
    const std::array<char, 256>& lower = LowerTable();
    std::string folded = name;
    for (size_t at = 0; at < folded.size(); ++at) {
        const auto byte = static_cast<unsigned char>(folded[at]);
        if (lead[byte] && at + 1 < folded.size()) {
            ++at;  // the trail byte stays
        } else {
            folded[at] = lower[byte];
        }
    }
    return folded;
}

bool SameFoldedName(const std::string& a, const std::string& b, const LeadBytes& lead) {
    if (a.size() != b.size()) return false;  // folding keeps every length
    const std::array<char, 256>& lower = LowerTable();
    // Each side keeps its own place in its characters: byte i of a fold
    // depends only on the bytes before it in the same name.
    bool trailA = false, trailB = false;
    for (size_t at = 0; at < a.size(); ++at) {
        const auto x = static_cast<unsigned char>(a[at]);
        const auto y = static_cast<unsigned char>(b[at]);
        const bool last = at + 1 == a.size();
        const char foldedA = trailA || (lead[x] && !last) ? a[at] : lower[x];
        const char foldedB = trailB || (lead[y] && !last) ? b[at] : lower[y];
        if (foldedA != foldedB) return false;
        trailA = !trailA && lead[x] && !last;
        trailB = !trailB && lead[y] && !last;
    }
    return true;
}
