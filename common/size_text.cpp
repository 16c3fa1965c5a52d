#include "size_text.h"

std::string FormatSizeText(int64_t size) {
    uint64_t rest = size > 0 ? static_cast<uint64_t>(size) : 0;
    // Written from the right, a separator before every third digit; 19
    // digits and 6 separators at most.
    char text[32];
    char* start = text + sizeof text;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0) *--start = ',';
        *--start = static_cast<char>('0' + rest % 10);
        rest /= 10;
        ++digits;
    } while (rest != 0);
    std::string written(start, text + sizeof text);
    if (written.size() < 11) written.insert(0, 11 - written.size(), ' ');
    return written;
}
