// The line FTP_List writes for one listed entry: a pure function of the
// entry, the host's template and the clock, so that it runs anywhere.
#pragma once

#include <string>

#include "dirinfo.h"

// The current UTC year and month: they stand in for a listing that gives none.
struct ListClock {
    int year;
    int month;
};

// Expands the template's keywords, matched case-sensitively at each
// position in this order: "name", "subname", "date" (YYYY/MM/DD), "time"
// (HH:MM), "size" (the size text, the full 64-bit size), "attr" ("d" for a
// folder or link, "-" for a file); every other character is copied.
// "subname" is the name for a folder, and "subFolder/name" for a file found
// while a sub-folder is walked (subFolder not empty).
std::string ExpandListTemplate(const CUT_DIRINFO& entry, const std::string& templateText,
                               const std::string& subFolder, const ListClock& now);

// Whether the template holds the "subname" keyword, which walks each
// sub-folder one level deep.
bool TemplateWalksSubFolders(const std::string& templateText);
