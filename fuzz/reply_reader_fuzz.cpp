// Fuzz target: arbitrary control-connection bytes, fed whole and in two
// pieces, must never crash, must keep every reply within its limits, and
// must be judged FTP or not FTP alike however they are split.
#include <cstdint>
#include <cstdlib>

#include "reply_reader.h"

namespace {

void Check(const ftp::Reply& reply) {
    if (reply.code < 100 || reply.code > 599) std::abort();
    if (reply.text.size() > ftp::ReplyReader::kMaxReplyText) std::abort();
    if (reply.lines.size() > ftp::ReplyReader::kMaxLinesKept) std::abort();
}

bool Run(const char* data, size_t size, size_t split) {
    ftp::ReplyReader reader;
    reader.Feed(data, split);
    while (reader.HasReply()) Check(reader.Next());
    reader.Feed(data + split, size - split);
    while (reader.HasReply()) Check(reader.Next());
    reader.TakeTracedLines();
    return reader.Garbled();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const bool garbled = Run(text, size, size);
    if (size > 0 && Run(text, size, data[0] % size) != garbled) std::abort();
    return 0;
}
