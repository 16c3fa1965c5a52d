// The three message boxes, read back from the boxes themselves: icon,
// default button, the answer, and the caller's inserts and server lines in
// the text. The wording is the string table's; the shaping is tested by
// message_text_test.cpp.
#include <gtest/gtest.h>

#include "message_box_reader.h"
#include "message_boxes.h"
#include "resource.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(MessageBoxes, AQuestionDefaultsToItsSecondButtonSoEnterDeclines) {
    const struct {
        UINT id, buttons;
        int declined;
    } cases[] = {{IDS_ASK_DELETE, MB_YESNO, IDNO}, {IDS_ASK_TRANSFER, MB_OKCANCEL, IDCANCEL}};
    for (const auto& c : cases) {
        MessageBoxReader reader(MessageBoxReader::kPressEnter);
        EXPECT_EQ(c.declined, AskQuestion(nullptr, c.id, "12", "C:\\web %1", c.buttons));
        reader.Stop();
        const auto boxes = reader.Boxes();
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ(c.declined, boxes[0].defaultButton);
        EXPECT_EQ(LoadIcon(nullptr, IDI_QUESTION), boxes[0].icon);
        EXPECT_TRUE(Has(boxes[0].text, " 12 ")) << boxes[0].text;
    }
    MessageBoxReader reader(IDYES);
    EXPECT_EQ(IDYES, AskQuestion(nullptr, IDS_ASK_EXIT, "", "", MB_YESNO));
}

TEST(MessageBoxes, ErrorsHaveTheStopIconAndReturnZero) {
    MessageBoxReader reader(IDOK);
    EXPECT_EQ(0, ShowError(nullptr, IDS_CANNOT_TRANSFER, "index.html", "unused"));
    EXPECT_EQ(0, ShowResultError(nullptr, -7, "550 a.txt: No such file\r\n(end)"));
    reader.Stop();
    const auto boxes = reader.Boxes();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_TRUE(Has(boxes[0].text, "\n index.html")) << boxes[0].text;
    EXPECT_TRUE(Has(boxes[1].text, ":\n    550 a.txt: No such file    (end)")) << boxes[1].text;
    for (const auto& box : boxes) EXPECT_EQ(LoadIcon(nullptr, IDI_HAND), box.icon);
    const std::string socketError = ResultErrorText(-600, "");
    EXPECT_TRUE(Has(socketError, "socket error")) << socketError;
    EXPECT_FALSE(Has(socketError, "server")) << "an empty message adds no server part";
}

}  // namespace
