#include "file_ext.h"

std::string FileExtension(const std::string& path) {
    const size_t separator = path.find_last_of("\\/:");
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return {};
    return path.substr(dot);
}
