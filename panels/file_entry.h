// FileEntry: one row of a file panel. Its icon index is also its kind: the
// other parts of the file manager tell folders from files by it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Icon indexes in the panels' shared image list, in the order the bitmaps
// are added to it.
enum : uint8_t {
    IMG_FILE = 0,
    IMG_HTML = 1,
    IMG_VRML = 2,
    IMG_PICTURE = 3,
    IMG_SOUND = 4,
    IMG_FOLDER = 5,
    IMG_PARENT = 6,
    IMG_LINK = 7,
    IMG_UNDER_CONSTRUCTION = 0xFF,  // a record being built, not to be shown
};

struct FileEntry {
    uint8_t nImage = IMG_FILE;
    std::string strName;      // as listed, without a path
    std::string strSize;      // FormatSizeText, "<dir>" or "<link>"
    std::string strModified;  // FormatTimeText of ftModified
    FILETIME ftModified = {};  // local time, after the listing's adjustments
    int64_t nSize = 0;        // bytes of a file, 0 for the others; the Size column sorts on it
    std::u16string nameKey{};  // strName folded once per sort: the Name column compares these
    uint32_t nRank = 0;        // place in the order of the last sort
    int64_t nTimeUnit = 10000000;  // 100 ns steps ftModified is exact to: a second, a minute for LIST times
};

// Folders, the parent entry and links are folder-like; every other index is a file.
inline bool IsFolderLike(uint8_t image) { return image == IMG_FOLDER || image == IMG_PARENT || image == IMG_LINK; }
