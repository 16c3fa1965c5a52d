// Byte texts in the process's ANSI code page, read by character: in a
// double-byte code page (Shift-JIS: 932) a lead byte and the byte after it
// are one character, and that second byte may look like "\\" or a letter.
// Portable: the caller says which bytes are lead bytes (LeadBytesOf in
// lead_bytes.h asks the platform for a code page).
#pragma once

#include <array>
#include <cstddef>
#include <string>

using LeadBytes = std::array<bool, 256>;

// No lead bytes: every byte is a character (single-byte code pages).
LeadBytes SingleByteCharacters();

// The length of the longest start of `text` of at most `limit` bytes that
// ends between two characters.
size_t CutLength(const std::string& text, size_t limit, const LeadBytes& lead);

// The position of the last `c` that is a character of its own (not the
// second byte of a double-byte character), or npos.
size_t FindLastCharacter(const std::string& text, char c, const LeadBytes& lead);

// A to Z lowered where they are characters of their own; other bytes kept.
std::string LowerAsciiLetters(const std::string& text, const LeadBytes& lead);
