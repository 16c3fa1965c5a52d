// The file manager's title: "FTP Quill", the connected host, and the
// percentage of a running operation.
#pragma once

#include <string>

// "FTP Quill - host  (40%)"; no host part without a host, no percentage
// unless it is above 0. Progress reports a 16-bit percentage: only its low
// half counts, and it shows at most 100.
std::string FileManagerTitle(const std::string& host, int percent);
