#include "list_template.h"

#include <cstdio>
#include <cstring>

#include "size_text.h"

namespace {

enum class Keyword { kName, kSubName, kDate, kTime, kSize, kAttr, kNone };

struct KeywordText {
    const char* text;
    Keyword keyword;
};

// Tested in this order at each position of the template.
constexpr KeywordText kKeywords[] = {{"name", Keyword::kName}, {"subname", Keyword::kSubName},
                                     {"date", Keyword::kDate}, {"time", Keyword::kTime},
                                     {"size", Keyword::kSize}, {"attr", Keyword::kAttr}};

// The keyword at `at`, and its length.
Keyword KeywordAt(const char* at, size_t* length) {
    for (const KeywordText& k : kKeywords) {
        const size_t n = std::strlen(k.text);
        if (std::strncmp(at, k.text, n) == 0) {
            *length = n;
            return k.keyword;
        }
    }
    *length = 1;
    return Keyword::kNone;
}

}  // namespace

std::string ExpandListTemplate(const CUT_DIRINFO& entry, const std::string& templateText,
                               const std::string& subFolder, const ListClock& now) {
    const bool folder = entry.fileType != kDirEntryFile;
    // Listings without a year or month are of this year and month; a day of
    // 0 is the first, and the hour 24 that some servers write is midnight.
    const int year = entry.year ? entry.year : now.year;
    const int month = entry.month ? entry.month : now.month;
    const int day = entry.day ? entry.day : 1;
    const int hour = entry.hour == 24 ? 0 : entry.hour;
    std::string line;
    char field[32];
    for (size_t i = 0; i < templateText.size();) {
        size_t length = 1;
        switch (KeywordAt(templateText.c_str() + i, &length)) {
        case Keyword::kName:
            line += entry.fileName;
            break;
        case Keyword::kSubName:
            if (!folder && !subFolder.empty()) line += subFolder + "/";
            line += entry.fileName;
            break;
        case Keyword::kDate:
            std::snprintf(field, sizeof field, "%04d/%02d/%02d", year, month, day);
            line += field;
            break;
        case Keyword::kTime:
            std::snprintf(field, sizeof field, "%02d:%02d", hour, entry.minute);
            line += field;
            break;
        case Keyword::kSize:
            line += FormatSizeText(entry.fileSize64);
            break;
        case Keyword::kAttr:
            line += folder ? "d" : "-";
            break;
        case Keyword::kNone:
            line += templateText[i];
            break;
        }
        i += length;
    }
    return line;
}

bool TemplateWalksSubFolders(const std::string& templateText) {
    for (size_t i = 0; i < templateText.size();) {
        size_t length = 1;
        if (KeywordAt(templateText.c_str() + i, &length) == Keyword::kSubName) return true;
        i += length;
    }
    return false;
}
