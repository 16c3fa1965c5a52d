// The one way text reaches a buffer that a caller owns: never past its
// room, always terminated when there is room for anything at all.
#pragma once

#include <cstddef>
#include <cstring>

// Copies the first `length` bytes of `text` (fewer when they do not fit)
// and a NUL into `buffer`, which holds `room` bytes. A room of 0 or a null
// buffer writes nothing. Returns the number of bytes copied, without the NUL.
inline size_t BoundedCopy(char* buffer, size_t room, const char* text, size_t length) {
    if (buffer == nullptr || room == 0) return 0;
    const size_t n = text == nullptr ? 0 : (length < room - 1 ? length : room - 1);
    if (n > 0) std::memmove(buffer, text, n);
    buffer[n] = '\0';
    return n;
}

inline size_t BoundedCopy(char* buffer, size_t room, const char* text) {
    return BoundedCopy(buffer, room, text, text == nullptr ? 0 : std::strlen(text));
}
