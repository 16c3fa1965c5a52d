// Comparison of names the way the user sees them: ignoring letter case by the
// rules of a locale, and reading double-byte characters as whole characters
// (a trail byte that happens to look like a letter is not a letter).
#pragma once

#include <windows.h>

#include <string>

namespace settings {

bool SameTextIgnoringCase(const std::string& a, const std::string& b,
                          LCID locale = LOCALE_USER_DEFAULT);

}  // namespace settings
