// Small codecs of the engine: PASV/EPSV replies and ASCII line ends.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <utility>

#include "data_channel.h"
#include "transfer_text.h"

namespace {

// Each reply with the "host:port" it names (EPSV: ":port"); "": refused.
TEST(PassiveReplies, PasvAndEpsvForms) {
    const std::pair<const char*, std::string> cases[] = {
        {"227 Entering Passive Mode (192,168,1,2,19,137).", "192.168.1.2:5001"},
        {"227 =10,0,0,1,4,1", "10.0.0.1:1025"},  // no parentheses
        {"227 Entering Passive Mode (256,0,0,1,1,1)", ""}, {"227 Entering Passive Mode (1,2,3,4,5)", ""},
        {"227 Entering Passive Mode (1,2,3,4,0,0)", ""}, {"227", ""},
        {"229 Entering Extended Passive Mode (|||6446|)", ":6446"}, {"229 ok (!!!21!)", ":21"},
        {"229 Entering Extended Passive Mode (|||99999|)", ""}, {"229 Entering Extended Passive Mode (|||6446)", ""},
        {"229 (||6446|)", ""}, {"229 (|||", ""},
    };
    for (const auto& [reply, expected] : cases) {
        std::string host;
        int port = 0;
        const bool ok = reply[2] == '7' ? ftp::ParsePasvReply(reply, &host, &port) : ftp::ParseEpsvReply(reply, &port);
        EXPECT_EQ(expected, ok ? host + ":" + std::to_string(port) : "") << reply;
    }
}

// Converts `in` in two pieces cut at `split`, as a transfer's buffers do.
template <typename Codec>
std::string Convert(const std::string& in, size_t split) {
    Codec codec;
    std::string out(in.size() * 2, '\0');
    size_t n = codec.Convert(in.data(), split, &out[0]);
    n += codec.Convert(in.data() + split, in.size() - split, &out[n]);
    if constexpr (std::is_same_v<Codec, ftp::AsciiDecoder>) n += codec.Finish(&out[n]);
    out.resize(n);
    return out;
}

TEST(AsciiLineEnds, UploadGivesCrLfDownloadGivesLocalConvention) {
    const std::string text = "a\nb\r\nc\r\rd\n", wire = "a\r\nb\rc\r\n\r";
#ifdef _WIN32
    const std::string local = wire;
#else
    const std::string local = "a\nb\rc\n\r";
#endif
    for (size_t split = 0; split <= text.size(); ++split) {
        EXPECT_EQ("a\r\nb\r\nc\r\rd\r\n", Convert<ftp::AsciiEncoder>(text, split)) << "split " << split;
    }
    for (size_t split = 0; split <= wire.size(); ++split) {
        EXPECT_EQ(local, Convert<ftp::AsciiDecoder>(wire, split)) << "split " << split;
    }
}

}  // namespace
