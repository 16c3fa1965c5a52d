// The three message boxes, read back from the boxes themselves: caption,
// text with inserts, icon, default button and the answer; and the shaping
// of the server's lines in the result-code box.
#include <gtest/gtest.h>

#include <cstring>

#include "ftp_session.h"
#include "message_box_reader.h"
#include "message_boxes.h"
#include "resource.h"

namespace {

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

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

TEST(ServerLines, ShortLinesBecomeOneLineEachAfterFourBlanks) {
    EXPECT_EQ("    550 No such file.    550-Second line    550 end",
              ShapeServerLines("550 No such file.\r\n550-Second line\r\n\r\n\n550 end\r\n"));
    EXPECT_EQ("", ShapeServerLines(""));
    EXPECT_EQ("", ShapeServerLines("\r\n\r\n"));
}

TEST(ServerLines, LongLinesAreCutAndOnlySixteenOfThemShown) {
    const std::string exactly64(64, 'a');
    EXPECT_EQ("    " + exactly64, ShapeServerLines(exactly64.c_str())) << "64 characters are not cut";

    std::string message;
    for (int i = 0; i < 20; ++i) message += std::string(1, static_cast<char>('A' + i)) + std::string(69, 'x') + "\r\n";
    const std::string lines = ShapeServerLines(message.c_str());
    std::string expected;
    for (int i = 0; i < 16; ++i) expected += "    " + std::string(1, static_cast<char>('A' + i)) + std::string(59, 'x') + "...";
    EXPECT_EQ(expected, lines);

    // Short lines between long ones are kept until the sixteenth cut.
    std::string mixed;
    for (int i = 0; i < 16; ++i) mixed += std::string(65, 'y') + "\nok\n";
    const std::string shaped = ShapeServerLines(mixed.c_str());
    EXPECT_EQ(15, Occurrences(shaped, "    ok"));
}

TEST(ResultError, TheTextNamesTheCodesMessageAndTheServersLastLines) {
    EXPECT_EQ("An error has occurred for the FTP operation:\n  A socket error has occurred.\n\nChange port and try to reconnect.",
              ResultErrorText(-600, ""));
    EXPECT_EQ("An error has occurred for the FTP operation:\n  A general error has occurred.\n\nTry again or reconnect to your remote host.\n\n"
              "The last message from the server was:\n    550 a.txt: No such file    (end)",
              ResultErrorText(-7, "550 a.txt: No such file\r\n(end)"));
    EXPECT_NE(std::string::npos, ResultErrorText(-4, "").find("Operation cancelled."));
}

TEST(ResultError, TheBoxShowsTheSessionsLastMessageOnceAndEmptiesIt) {
    char* buffer = TheSession().LastMessageBuffer();
    std::memset(buffer, 'z', FtpSession::kMessageSize);  // no terminator: the box puts its own
    std::memcpy(buffer, "226 Transfer complete.\r\n", 24);
    {
        MessageBoxReader reader(IDOK);
        EXPECT_EQ(0, ShowResultError(nullptr, -16));
        reader.Stop();
        const auto boxes = reader.Boxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(0u, boxes[0].text.find("An error has occurred for the FTP operation:\n  The specified file or folder does not exist."));
        EXPECT_NE(std::string::npos, boxes[0].text.find("was:\n    226 Transfer complete.    zzzz"));
        EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), boxes[0].icon);
    }
    EXPECT_STREQ("", TheSession().LastMessage());
    MessageBoxReader reader(IDOK);
    ShowResultError(nullptr, -16);
    reader.Stop();
    ASSERT_EQ(1u, reader.Boxes().size());
    EXPECT_EQ(std::string::npos, reader.Boxes()[0].text.find("server")) << "an empty message adds no server part";
}

}  // namespace
