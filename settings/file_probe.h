// The few file-system questions and actions of the location rules.
#pragma once

#include <string>

namespace settings {

// A path exists as a folder, or as a file, when a directory entry of that
// name is found and has, or has not, the folder attribute.
bool ExistsAsFolder(const std::string& path);
bool ExistsAsFile(const std::string& path);
bool CreateFolder(const std::string& path);
// Copies `from` to `to`, replacing `to` when it exists.
bool CopyFileOver(const std::string& from, const std::string& to);

}  // namespace settings
