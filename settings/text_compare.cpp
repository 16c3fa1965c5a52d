#include "text_compare.h"

namespace settings {

// The platform converts with the locale's own ANSI code page before it
// compares, which is what makes this multibyte-aware.
bool SameTextIgnoringCase(const std::string& a, const std::string& b, LCID locale) {
    return CompareStringA(locale, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                          b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace settings
