// The plain texts of the file manager, natively: inserts, the server's lines
// of the result box, short names, size texts and extensions, and the cuts
// by character in Shift-JIS (code page 932), whose second bytes include
// "\\" and the letters.
#include <gtest/gtest.h>

#include <utility>

#include "file_ext.h"
#include "message_text.h"
#include "size_text.h"
#include "text_cut.h"

namespace {

LeadBytes ShiftJis() {
    LeadBytes lead = SingleByteCharacters();
    for (int byte = 0x81; byte <= 0xFC; ++byte) lead[byte] = byte <= 0x9F || byte >= 0xE0;
    return lead;
}

const LeadBytes kSingle = SingleByteCharacters();
const LeadBytes kJapanese = ShiftJis();
// Two characters of 932 whose second bytes are "\\" and "A".
const std::string kTable = "\x95\x5C";  // a second byte "\\"
const std::string kKanjiA = "\x83\x41";  // a second byte "A"

std::string Repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

TEST(MessageText, InsertsAreReplacedOnceAndNeverSearchedAgain) {
    EXPECT_EQ("Delete 3 items?", InsertTexts("Delete %1 items?", "3", ""));
    EXPECT_EQ("Into:\n C:\\web %1 from a", InsertTexts("Into:\n %2 from %1", "a", "C:\\web %1"));
    EXPECT_EQ("%3 %% % aab", InsertTexts("%3 %% % %1%1%2", "a", "b"));
}

struct TextCase {
    std::string input;
    const LeadBytes* lead;
    std::string expected;
};

TEST(MessageText, ServerLinesAreOneLineEachLongOnesCutAndSixteenCutsAtMost) {
    const std::string x65(65, 'x');
    const TextCase cases[] = {
        {"550 No such file.\r\n550-Second line\r\n\r\n\n550 end\r\n", &kSingle,
         "    550 No such file.    550-Second line    550 end"},
        {"", &kSingle, ""},
        {"\r\n\r\n", &kSingle, ""},
        {std::string(64, 'a'), &kSingle, "    " + std::string(64, 'a')},
        {x65, &kSingle, "    " + std::string(60, 'x') + "..."},
        // 59 bytes and a double-byte character across the 60th: cut before it.
        {std::string(59, 'y') + kTable + "zzzz", &kJapanese, "    " + std::string(59, 'y') + "..."},
        {std::string(58, 'y') + kKanjiA + "zzzzzz", &kJapanese, "    " + std::string(58, 'y') + kKanjiA + "..."},
        {std::string(59, 'y') + kTable + "zzzz", &kSingle, "    " + std::string(59, 'y') + "\x95..."},
        // Short lines between long ones are kept until the sixteenth cut.
        {Repeat(x65 + "\nok\n", 17), &kSingle, Repeat("    " + std::string(60, 'x') + "...    ok", 15) + "    " + std::string(60, 'x') + "..."},
    };
    for (const TextCase& c : cases) EXPECT_EQ(c.expected, ShapeServerLines(c.input, *c.lead)) << c.input;
}

TEST(MessageText, LongNamesShowTheirFirstTwelveBytesWithoutSplittingACharacter) {
    const TextCase cases[] = {
        {"sixteen-chars-16", &kSingle, "sixteen-chars-16"},
        {"a-long-name-17.ht", &kSingle, "a-long-name-..."},
        {"abcdefghijk" + kTable + "defgh", &kJapanese, "abcdefghijk..."},
        {"abcdefghij" + kKanjiA + "defgh", &kJapanese, "abcdefghij" + kKanjiA + "..."},
        {Repeat(kTable, 9), &kJapanese, Repeat(kTable, 6) + "..."},
    };
    for (const TextCase& c : cases) EXPECT_EQ(c.expected, ShortName(c.input, *c.lead)) << c.input;
}

TEST(MessageText, SeparatorsAndLettersAreFoundByCharacter) {
    const std::string path = "C:\\" + kTable + "\\" + kTable;  // C:\表\表
    EXPECT_EQ(5u, FindLastCharacter(path, '\\', kJapanese));
    EXPECT_EQ(path.size() - 1, FindLastCharacter(path, '\\', kSingle));
    EXPECT_EQ(std::string::npos, FindLastCharacter(kTable, '\\', kJapanese));
    EXPECT_EQ(2u, FindLastCharacter("C:\\\x95", '\\', kJapanese)) << "a lead byte at the end is a character";
    EXPECT_EQ("c:\\" + kKanjiA + "b.pkg", LowerAsciiLetters("C:\\" + kKanjiA + "B.PKG", kJapanese));
    EXPECT_EQ("\x83\x61", LowerAsciiLetters(kKanjiA, kSingle));
    EXPECT_EQ(0u, CutLength(kTable, 1, kJapanese));
}

TEST(MessageText, SizeTextsUpTo2To63) {
    const std::pair<long long, const char*> cases[] = {
        {0, "          0"},           {9999, "      9,999"},         {999999999, "999,999,999"},
        {1000000000, "1,000,000,000"}, {3000000000LL, "3,000,000,000"}, {5LL << 30, "5,368,709,120"},
        {9223372036854775807LL, "9,223,372,036,854,775,807"},         {-5, "          0"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.second, FormatSizeText(c.first)) << c.first;
}

TEST(MessageText, ExtensionsComeFromTheLastPathElement) {
    const char* const cases[][2] = {{"x.tar.gz", ".gz"}, {"C:\\a.b\\c", ""}, {"README", ""},
                                    {".gif", ".gif"},    {"a/b.c/d", ""},        {"d:e.f", ".f"}};
    for (const auto& c : cases) EXPECT_EQ(c[1], FileExtension(c[0])) << c[0];
}

}  // namespace
