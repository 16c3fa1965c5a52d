// The extension of a file name or path.
#pragma once

#include <string>

// The part from the last "." of the last path element ("\\", "/" or ":"
// end an element), dot included; empty when that element has no dot.
// "C:\\a.b\\c" gives "", "x.tar.gz" gives ".gz". Neither "." nor any of the
// separators can be the second byte of a double-byte character except "\\";
// a trail byte taken for "\\" can only hide an extension that holds a
// double-byte character, which no lookup of ASCII extensions would match.
std::string FileExtension(const std::string& path);
