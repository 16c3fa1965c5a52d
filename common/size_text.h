// The size text of the panels' Size column and of host listings.
#pragma once

#include <cstdint>
#include <string>

// Eleven characters, right-aligned, "," thousands separators: 1234567 gives
// "  1,234,567". Sizes of 1,000,000,000 and more do not fit eleven
// characters with separators; they are written in full ("1,234,567,890",
// up to "9,223,372,036,854,775,807"). A negative size is shown as 0.
std::string FormatSizeText(int64_t size);
