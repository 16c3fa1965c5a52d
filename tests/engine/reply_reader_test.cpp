// The reply reader: multi-line rules, arbitrary splits, hostile input.
#include <gtest/gtest.h>

#include <string>

#include "reply_reader.h"

using ftp::Reply;
using ftp::ReplyReader;

namespace {

std::vector<Reply> ReadAll(const std::string& wire, size_t chunk) {
    ReplyReader reader;
    std::vector<Reply> replies;
    for (size_t i = 0; i < wire.size(); i += chunk) {
        reader.Feed(wire.data() + i, std::min(chunk, wire.size() - i));
        while (reader.HasReply()) replies.push_back(reader.Next());
    }
    return replies;
}

struct ReplyCase {
    const char* name;
    std::string wire;
    std::vector<int> codes;
    std::string firstText;
};

const std::vector<ReplyCase> kReplyCases = {
    {"SingleLine", "220 Ready\r\n", {220}, "220 Ready"},
    {"LoneLineFeeds", "220 Ready\n331 Pass\n", {220, 331}, "220 Ready"},
    {"CodeOnly", "200\r\n", {200}, "200"},
    {"MultiLine", "230-Hi\r\n230-More\r\n230 Done\r\n", {230}, "230-Hi\r\n230-More\r\n230 Done"},
    {"IndentedCodeContinues", "220-A\r\n 220 not end\r\n220 End\r\n", {220}, "220-A\r\n 220 not end\r\n220 End"},
    {"OtherCodeInsideMultiLine", "211-F\r\n211x\r\n200 in\r\n211 End\r\n", {211}, "211-F\r\n211x\r\n200 in\r\n211 End"},
    {"GarbageBeforeReplyIsDropped", "hello\r\n\x01\xff\r\n220 ok\r\n", {220}, "220 ok"},
    {"NotACodeWhenFourthCharIsOther", "220x\r\n221 Bye\r\n", {221}, "221 Bye"},
    {"CodeOutOfRange", "620 no\r\n099 no\r\n150 yes\r\n", {150}, "150 yes"},
};

TEST(ReplyFraming, SameRepliesWhateverTheSplit) {
    for (const ReplyCase& c : kReplyCases) {
        for (size_t chunk : {size_t{1}, size_t{2}, size_t{7}, c.wire.size() + 1}) {
            const std::vector<Reply> replies = ReadAll(c.wire, chunk);
            std::vector<int> codes;
            for (const Reply& r : replies) codes.push_back(r.code);
            EXPECT_EQ(c.codes, codes) << c.name << ", chunk " << chunk;
            EXPECT_EQ(c.firstText, replies.empty() ? c.firstText : replies[0].text) << c.name << ", chunk " << chunk;
        }
    }
}

TEST(ReplyReader, HugeReplyAndReplyFloodAreBounded) {
    ReplyReader reader;
    std::string wire = "250-" + std::string(100000, 'a') + "\r\n";
    for (int i = 0; i < 5000; ++i) wire += "250-line " + std::to_string(i) + "\r\n";
    wire += "250 End\r\n226 Next\r\n";
    reader.Feed(wire.data(), wire.size());
    ASSERT_TRUE(reader.HasReply());
    const Reply big = reader.Next();
    EXPECT_EQ(250, big.code);
    EXPECT_LE(big.text.size(), ReplyReader::kMaxReplyText);
    EXPECT_LE(big.lines.size(), ReplyReader::kMaxLinesKept);
    ASSERT_TRUE(reader.HasReply());
    EXPECT_EQ("226 Next", reader.Next().text);
    EXPECT_LE(reader.TakeTracedLines().size(), ReplyReader::kMaxLinesKept);
    // A flood of replies nobody reads keeps only the newest few.
    for (int i = 0; i < 1000; ++i) reader.Feed("200 ok\r\n", 8);
    size_t count = 0;
    for (; reader.HasReply(); ++count) reader.Next();
    EXPECT_EQ(ReplyReader::kMaxRepliesQueued, count);
}

}  // namespace
