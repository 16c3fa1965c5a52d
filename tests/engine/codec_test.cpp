// Small codecs of the engine: PASV/EPSV replies and ASCII line ends.
#include <gtest/gtest.h>

#include <string>

#include "data_channel.h"
#include "transfer_text.h"

namespace {

TEST(PassiveReplies, PasvForms) {
    std::string host;
    int port = 0;
    ASSERT_TRUE(ftp::ParsePasvReply("227 Entering Passive Mode (192,168,1,2,19,137).", &host, &port));
    EXPECT_EQ("192.168.1.2", host);
    EXPECT_EQ(19 * 256 + 137, port);
    ASSERT_TRUE(ftp::ParsePasvReply("227 =10,0,0,1,4,1", &host, &port));  // no parentheses
    EXPECT_EQ("10.0.0.1", host);
    EXPECT_EQ(1025, port);
    EXPECT_FALSE(ftp::ParsePasvReply("227 Entering Passive Mode (256,0,0,1,1,1)", &host, &port));
    EXPECT_FALSE(ftp::ParsePasvReply("227 Entering Passive Mode (1,2,3,4,5)", &host, &port));
    EXPECT_FALSE(ftp::ParsePasvReply("227 Entering Passive Mode (1,2,3,4,0,0)", &host, &port));
    EXPECT_FALSE(ftp::ParsePasvReply("227", &host, &port));
}

TEST(PassiveReplies, EpsvForms) {
    int port = 0;
    ASSERT_TRUE(ftp::ParseEpsvReply("229 Entering Extended Passive Mode (|||6446|)", &port));
    EXPECT_EQ(6446, port);
    ASSERT_TRUE(ftp::ParseEpsvReply("229 ok (!!!21!)", &port));
    EXPECT_EQ(21, port);
    EXPECT_FALSE(ftp::ParseEpsvReply("229 Entering Extended Passive Mode (|||99999|)", &port));
    EXPECT_FALSE(ftp::ParseEpsvReply("229 Entering Extended Passive Mode (|||6446)", &port));
    EXPECT_FALSE(ftp::ParseEpsvReply("229 (||6446|)", &port));
    EXPECT_FALSE(ftp::ParseEpsvReply("229 (|||", &port));
}

std::string Encode(const std::string& in, size_t split) {
    ftp::AsciiEncoder encoder;
    std::string out(in.size() * 2, '\0');
    size_t n = encoder.Convert(in.data(), split, &out[0]);
    n += encoder.Convert(in.data() + split, in.size() - split, &out[n]);
    out.resize(n);
    return out;
}

TEST(AsciiLineEnds, UploadTurnsLoneLineFeedsIntoCrLf) {
    const std::string text = "a\nb\r\nc\r\rd\n";
    for (size_t split = 0; split <= text.size(); ++split) {
        EXPECT_EQ("a\r\nb\r\nc\r\rd\r\n", Encode(text, split)) << "split " << split;
    }
}

TEST(AsciiLineEnds, DownloadGivesLocalConvention) {
    const std::string wire = "a\r\nb\rc\r\n\r";
    for (size_t split = 0; split <= wire.size(); ++split) {
        ftp::AsciiDecoder decoder;
        std::string out(wire.size() + 2, '\0');
        size_t n = decoder.Convert(wire.data(), split, &out[0]);
        n += decoder.Convert(wire.data() + split, wire.size() - split, &out[n]);
        n += decoder.Finish(&out[n]);
        out.resize(n);
#ifdef _WIN32
        EXPECT_EQ(wire, out) << "split " << split;
#else
        EXPECT_EQ("a\nb\rc\n\r", out) << "split " << split;
#endif
    }
}

}  // namespace
