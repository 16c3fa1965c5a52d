// Names compared as the file manager's commands compare them: letter case
// ignored, a double-byte character read whole. The rule is one fold per
// character, so that a name can be folded once and looked up (smart select
// indexes a whole panel this way) with the same result as comparing pairs.
#pragma once

#include <string>

#include "text_cut.h"

// `name` with every single-byte character lowered by the ANSI code page's
// rules; a double-byte character (lead byte and the next) is kept as it is,
// so that a trail byte that looks like a capital letter stays.
std::string FoldName(const std::string& name, const LeadBytes& lead);

// FoldName(a) == FoldName(b), without building either.
bool SameFoldedName(const std::string& a, const std::string& b, const LeadBytes& lead);
