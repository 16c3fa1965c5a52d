// The icon of a row by its extension, the callback texts and icons the list
// view shows, and rows added or updated after a transfer.
#include <gtest/gtest.h>

#include "ftp_file_list.h"
#include "panel_fixture.h"
#include "size_text.h"

namespace {

// Not every extension of the rule: its letter case and whole extensions.
// Which extension a name has is FileExtension's (message_text_test.cpp).
TEST(PanelTexts, IconsFollowTheExtensionOnly) {
    const struct {
        const char* name;
        uint8_t image;
    } cases[] = {
        {"PAGE.HTM", IMG_HTML},      {"x.htmlx", IMG_FILE},  {"archive.mi", IMG_SOUND}, {"b.AU", IMG_SOUND},
        {"photo.JPEG", IMG_PICTURE}, {"world.wrz", IMG_VRML}, {"page.html.bak", IMG_FILE},
    };
    for (const auto& c : cases) {
        FileEntry entry;
        entry.nImage = IMG_FOLDER;
        CFtpFileList::GetFileIcon(c.name, &entry);
        EXPECT_EQ(c.image, entry.nImage) << c.name;
    }
}

// The list view shows the records' texts and icons; a row of the same kind
// and name is updated, another one appended unsorted.
TEST(PanelTexts, RowsShowTheirRecordsAndAreUpdatedOrAppended) {
    testfiles::TempFolder folder;
    MakeFile(folder.Path("Index.html"), 1234567);
    CreateDirectoryA(folder.Path("images").c_str(), nullptr);
    PanelHost host("", folder.Root());
    CFtpFileList& panel = host.dlg.m_bottom;
    const struct {
        const char *name, *size;
        uint8_t image;
    } rows[] = {{"..", "<dir>", IMG_PARENT}, {"images", "<dir>", IMG_FOLDER}, {"Index.html", "  1,234,567", IMG_HTML}};
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

    CFtpFileList::AddOrUpdateEntry(&panel, IMG_HTML, "INDEX.HTML", FormatSizeText(777), 777);
    ASSERT_EQ(3, panel.GetItemCount());
    EXPECT_EQ("INDEX.HTML", panel.GetItemText(2, 0)) << "the row takes the new letter case";
    EXPECT_EQ("        777", panel.GetItemText(2, 1));
    CFtpFileList::AddOrUpdateEntry(&panel, IMG_FOLDER, "index.html", "<dir>", 0);
    CFtpFileList::AddOrUpdateEntry(&panel, IMG_FILE, "a.txt", FormatSizeText(1), 1);
    EXPECT_EQ((std::vector<std::string>{"..", "images", "INDEX.HTML", "index.html", "a.txt"}), RowNames(panel));
    EXPECT_EQ(5u, panel.m_entries.size()) << "the panel owns the new records";
    panel.SortEntries();
    EXPECT_EQ("index.html", panel.GetItemText(2, 0)) << "folders before files once sorted";
}

}  // namespace
