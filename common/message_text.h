// The texts of the file manager's message boxes and status lines, shaped
// as plain functions (no window, no resources): inserts, the server's
// lines, short names.
#pragma once

#include <string>
#include <vector>

#include "text_cut.h"

// `text` with every "%1" replaced by inserts[0], "%2" by inserts[1] and so
// on up to "%9"; a "%n" without its insert stays as it is. An insert is
// never searched for further inserts.
std::string InsertTexts(const std::string& text, const std::vector<std::string>& inserts);

// The form with two inserts that most messages take.
inline std::string InsertTexts(const std::string& text, const std::string& insert1, const std::string& insert2) {
    return InsertTexts(text, {insert1, insert2});
}

// The server's lines as one line: runs of CR and LF separate lines and give
// no empty ones; each line is preceded by four blanks; a line of more than
// 64 bytes is cut to at most 60, never inside a character, and "..."; nothing
// is shown after the 16th cut line.
std::string ShapeServerLines(const std::string& message, const LeadBytes& lead);

// A name of more than 16 bytes as its first 12 at most (never cutting a
// character) and "..."; shorter names as they are.
std::string ShortName(const std::string& name, const LeadBytes& lead);

// Without the blanks at its start.
std::string TrimLeft(const std::string& text);
