#include "window_title.h"

#include <cstdio>

#include "module.h"
#include "resource.h"

std::string FileManagerTitle(const std::string& host, int percent) {
    std::string title = LoadResourceString(IDS_CAPTION);
    if (!host.empty()) title += " - " + host;
    const auto shown = static_cast<short>(percent);
    if (shown > 0) {
        char part[32];
        std::snprintf(part, sizeof part, "  (%d%%)", shown > 100 ? 100 : shown);
        title += part;
    }
    return title;
}
