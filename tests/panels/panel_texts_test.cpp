// The texts and icons of a row: time text, icon by extension, and the
// callback texts the list view shows.
#include <gtest/gtest.h>

#include "ftp_file_list.h"
#include "panel_fixture.h"
#include "size_text.h"
#include "time_text.h"

namespace {

TEST(PanelTexts, TimeTextIsTheShortDateAndTheTimeWithoutSecondsOrTimeZone) {
    const SYSTEMTIME calendar = {2024, 3, 2, 5, 14, 7, 9, 0};
    FILETIME time;
    SystemTimeToFileTime(&calendar, &time);
    char date[64] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &calendar, nullptr, date, sizeof date);

    const std::string text = FormatTimeText(time);
    EXPECT_EQ(0u, text.find(std::string(date) + " ")) << text;
    EXPECT_TRUE(text.find("2:07") != std::string::npos || text.find("14:07") != std::string::npos) << text;
    EXPECT_EQ(std::string::npos, text.find(":09")) << "no seconds: " << text;
}

TEST(PanelTexts, IconsFollowTheExtensionOnly) {
    struct Case {
        const char* name;
        uint8_t image;
    };
    const Case cases[] = {
        {"PAGE.HTM", IMG_HTML},      {"index.html", IMG_HTML},     {"x.htmlx", IMG_FILE},
        {"archive.mi", IMG_SOUND},   {"a.mid", IMG_SOUND},         {"b.AU", IMG_SOUND},
        {"c.snd", IMG_SOUND},        {"d.wav", IMG_SOUND},         {"logo.gif", IMG_PICTURE},
        {"photo.JPEG", IMG_PICTURE}, {"p.jpg", IMG_PICTURE},       {"world.wrl", IMG_VRML},
        {"world.wrz", IMG_VRML},     {"notes.txt", IMG_FILE},      {"README", IMG_FILE},
        {"site.htm\\readme", IMG_FILE}, {"page.html.bak", IMG_FILE}, {".gif", IMG_PICTURE},
    };
    for (const Case& c : cases) {
        FileEntry entry;
        entry.nImage = IMG_FOLDER;
        CFtpFileList::GetFileIcon(c.name, &entry);
        EXPECT_EQ(c.image, entry.nImage) << c.name;
    }
}

TEST(PanelTexts, TheListViewShowsTheRecordsTextsAndIcons) {
    testfiles::TempFolder folder;
    MakeFile(folder.Path("index.html"), 1234567);
    CreateDirectoryA(folder.Path("images").c_str(), nullptr);
    PanelHost host("", folder.Root());
    CFtpFileList& panel = host.dlg.m_bottom;
    const struct {
        const char* name;
        const char* size;
        uint8_t image;
    } rows[] = {{"..", "<dir>", IMG_PARENT}, {"images", "<dir>", IMG_FOLDER}, {"index.html", "  1,234,567", IMG_HTML}};
    ASSERT_EQ(3, panel.GetItemCount());
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(rows[row].name, panel.GetItemText(row, 0));
        EXPECT_EQ(rows[row].size, panel.GetItemText(row, 1));
        EXPECT_EQ(panel.EntryAt(row)->strModified, panel.GetItemText(row, 2));
        LVITEMA item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        panel.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(rows[row].image, item.iImage);
    }
}

TEST(PanelTexts, AddOrUpdateEntryUpdatesARowOfTheSameKindAndNameOrAppendsOne) {
    testfiles::TempFolder folder;
    MakeFile(folder.Path("Index.html"), 10);
    MakeFile(folder.Path("b.txt"), 10);
    PanelHost host("", folder.Root());
    CFtpFileList& panel = host.dlg.m_bottom;
    const int rows = panel.GetItemCount();

    CFtpFileList::AddOrUpdateEntry(&panel, IMG_HTML, "INDEX.HTML", FormatSizeText(777), 777);
    ASSERT_EQ(rows, panel.GetItemCount());
    EXPECT_EQ("INDEX.HTML", panel.GetItemText(2, 0)) << "the row takes the new letter case";
    EXPECT_EQ("        777", panel.GetItemText(2, 1));

    // Same name, other kind: a new row, last, not sorted into place.
    CFtpFileList::AddOrUpdateEntry(&panel, IMG_FOLDER, "index.html", "<dir>", 0);
    CFtpFileList::AddOrUpdateEntry(&panel, IMG_FILE, "a.txt", FormatSizeText(1), 1);
    ASSERT_EQ(rows + 2, panel.GetItemCount());
    EXPECT_EQ("index.html", panel.GetItemText(rows, 0));
    EXPECT_EQ("a.txt", panel.GetItemText(rows + 1, 0));
    EXPECT_EQ(static_cast<size_t>(rows + 2), panel.m_entries.size()) << "the panel owns the new records";
    panel.SortEntries();
    EXPECT_EQ("index.html", panel.GetItemText(1, 0)) << "folders before files once sorted";
}

}  // namespace
