// The three message boxes, read back from the boxes themselves: caption,
// text with inserts, icon, default button and the answer. Their texts are
// shaped by the plain functions of message_text_test.cpp.
#include <gtest/gtest.h>

#include "lead_bytes.h"
#include "message_box_reader.h"
#include "message_boxes.h"
#include "resource.h"

namespace {

TEST(MessageBoxes, AQuestionDefaultsToItsSecondButtonSoEnterDeclines) {
    {
        MessageBoxReader reader(MessageBoxReader::kPressEnter);
        EXPECT_EQ(IDNO, AskQuestion(nullptr, IDS_ASK_DELETE, "3", "", MB_YESNO));
        reader.Stop();
        const auto boxes = reader.Boxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("FTP Quill", boxes[0].caption);
        EXPECT_EQ("Do you wish to delete these 3 items?", boxes[0].text);
        EXPECT_EQ(IDNO, boxes[0].defaultButton);
        EXPECT_EQ(LoadIcon(nullptr, IDI_QUESTION), boxes[0].icon);
    }
    {
        MessageBoxReader reader(MessageBoxReader::kPressEnter);
        EXPECT_EQ(IDCANCEL, AskQuestion(nullptr, IDS_ASK_TRANSFER, "12", "C:\\web %1", MB_OKCANCEL));
        reader.Stop();
        const auto boxes = reader.Boxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Do you wish to transfer these 12 files into:\n C:\\web %1", boxes[0].text) << "inserts are not searched again";
        EXPECT_EQ(IDCANCEL, boxes[0].defaultButton);
    }
    MessageBoxReader reader(IDYES);
    EXPECT_EQ(IDYES, AskQuestion(nullptr, IDS_ASK_EXIT, "", "", MB_YESNO));
}

TEST(MessageBoxes, AnErrorHasTheStopIconAndOneButtonAndReturnsZero) {
    MessageBoxReader reader(MessageBoxReader::kPressEnter);
    EXPECT_EQ(0, ShowError(nullptr, IDS_CANNOT_TRANSFER, "index.html", "unused"));
    reader.Stop();
    const auto boxes = reader.Boxes();
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Cannot transfer the file:\n index.html", boxes[0].text);
    EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), boxes[0].icon);
    EXPECT_EQ("FTP Quill", boxes[0].caption);
}

TEST(ResultError, TheBoxNamesTheCodesMessageAndTheServersLinesAsTheCallerGaveThem) {
    {
        MessageBoxReader reader(IDOK);
        EXPECT_EQ(0, ShowResultError(nullptr, -7, "550 a.txt: No such file\r\n(end)"));
        reader.Stop();
        const auto boxes = reader.Boxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("An error has occurred for the FTP operation:\n  A general error has occurred.\n\nTry again or reconnect to your remote host.\n\n"
                  "The last message from the server was:\n    550 a.txt: No such file    (end)",
                  boxes[0].text);
        EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), boxes[0].icon);
    }
    EXPECT_EQ("An error has occurred for the FTP operation:\n  A socket error has occurred.\n\nChange port and try to reconnect.",
              ResultErrorText(-600, "")) << "an empty message adds no server part";
}

// The platform's lead bytes of code page 932 drive the cut of a long line.
TEST(ResultError, LongServerLinesAreCutByCharacterInTheProcesssCodePage) {
    const LeadBytes japanese = LeadBytesOf(932);
    EXPECT_TRUE(japanese[0x81] && japanese[0x9F] && japanese[0xE0] && japanese[0xFC]);
    EXPECT_FALSE(japanese[0x5C] || japanese[0x41] || japanese[0xA0] || japanese[0xDF]);
    EXPECT_EQ(LeadBytesOf(CP_ACP), LeadBytesOf(GetACP()));
}

}  // namespace
