#include "name_compare.h"

bool SameName(const std::string& a, const std::string& b, LCID locale) {
    return CompareStringA(locale, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}
