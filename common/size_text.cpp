#include "size_text.h"

#include <cstdio>

std::string FormatSizeText(int32_t size) {
    char text[32];
    if (size >= 1000000000) {
        std::snprintf(text, sizeof text, "%d,%03d,%03d,%03d", size / 1000000000, size / 1000000 % 1000,
                      size / 1000 % 1000, size % 1000);
        return text;
    }
    std::snprintf(text, sizeof text, "% 11d", size);
    // Separators go in at positions 7 and then 3; the characters before each
    // move one place left, so the text keeps its eleven characters.
    for (int position : {7, 3}) {
        if (text[position] == ' ') break;
        for (int i = 0; i < position; ++i) text[i] = text[i + 1];
        text[position] = ',';
    }
    return std::string(text, 11);
}
