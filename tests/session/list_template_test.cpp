// FTP_List's line for one entry: template, entry and clock in, text out.
#include <gtest/gtest.h>

#include <cstring>

#include "list_template.h"

namespace {

// The 32-bit size saturated, as the engine gives it, beside the full one.
CUT_DIRINFO Entry(const char* name, int type, int64_t size, int year, int month, int day, int hour, int minute) {
    CUT_DIRINFO e = {{}, size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int32_t>(size), day, month, year, hour, minute,
                     type, size};
    std::strncpy(e.fileName, name, sizeof e.fileName - 1);
    return e;
}

const ListClock kNow{2026, 12};
const CUT_DIRINFO kFile = Entry("a.txt", kDirEntryFile, 1234567, 2024, 3, 5, 14, 7);
const CUT_DIRINFO kFolder = Entry("pub", kDirEntryFolder, 0, 2024, 3, 5, 14, 7);

const struct { const char* what; const char* templateText; CUT_DIRINFO entry; const char* subFolder, *expected; }
    kCases[] = {
    {"attr and name of a file", "attr name", kFile, "", "- a.txt"},
    {"attr and name of a folder", "attr name", kFolder, "", "d pub"},
    {"a link counts as a folder", "attr", Entry("l", kDirEntryLink, 0, 0, 0, 0, 0, 0), "", "d"},
    {"date and time", "date time", kFile, "", "2024/03/05 14:07"},
    {"no year or month: now's; no day: the first", "date", Entry("x", 0, 0, 0, 0, 0, 0, 0), "", "2026/12/01"},
    {"hour 24 is midnight", "time", Entry("x", 0, 0, 2024, 1, 1, 24, 30), "", "00:30"},
    {"size text", "[size]", kFile, "", "[  1,234,567]"},
    {"5 GiB: the full size, not 32 bits", "size", Entry("big", 0, 5368709120LL, 0, 0, 0, 0, 0), "", "5,368,709,120"},
    {"subname of a file in a sub-folder", "subname", kFile, "pub", "pub/a.txt"},
    {"subname of a folder is its name", "subname", kFolder, "", "pub"},
    {"keywords are case-sensitive", "Name SIZE", kFile, "", "Name SIZE"},
    {"a keyword inside a word", "xnamex", kFile, "", "xa.txtx"},
};

TEST(ListTemplate, ExpandsEachKeyword) {
    for (const auto& c : kCases) {
        EXPECT_EQ(c.expected, ExpandListTemplate(c.entry, c.templateText, c.subFolder, kNow)) << c.what;
    }
}

TEST(ListTemplate, OnlyTheSubnameKeywordWalks) {
    EXPECT_TRUE(TemplateWalksSubFolders("date subname"));
    EXPECT_FALSE(TemplateWalksSubFolders("name size"));
    EXPECT_FALSE(TemplateWalksSubFolders("SUBNAME"));
}

}  // namespace
