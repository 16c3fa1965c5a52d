// Names compared the way the user sees them: letter case ignored by the
// rules of a locale, double-byte characters read whole (a trail byte that
// looks like a letter is not a letter).
#pragma once

#include <windows.h>

#include <string>

// True when the two names differ at most in letter case. The platform turns
// the bytes into characters with the locale's ANSI code page first.
bool SameName(const std::string& a, const std::string& b, LCID locale = LOCALE_USER_DEFAULT);
