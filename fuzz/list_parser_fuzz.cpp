// libFuzzer target for the directory listing parser. Besides looking for
// memory errors it checks that every entry is well formed and that the
// result does not depend on where the stream was split into chunks.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "list_parser.h"

namespace {

void CheckEntry(const CUT_DIRINFO& e) {
    const bool ok = std::memchr(e.fileName, '\0', sizeof(e.fileName)) != nullptr && e.fileName[0] != '\0' &&
                    e.fileSize64 >= 0 && e.fileSize >= 0 &&
                    e.fileSize == (e.fileSize64 > INT32_MAX ? INT32_MAX : e.fileSize64) &&
                    e.fileType >= kDirEntryFile && e.fileType <= kDirEntryLink && e.month >= 0 &&
                    e.month <= 12 && e.day >= 0 && e.day <= 31 && e.hour >= 0 && e.hour <= 24 &&
                    e.minute >= 0 && e.minute <= 59 && e.year >= 0 && e.year <= 9999;
    if (!ok) std::abort();
}

bool SameEntry(const CUT_DIRINFO& a, const CUT_DIRINFO& b) {
    return std::strcmp(a.fileName, b.fileName) == 0 && a.fileSize == b.fileSize &&
           a.fileSize64 == b.fileSize64 && a.fileType == b.fileType && a.year == b.year &&
           a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second && a.timeFlags == b.timeFlags;
}

std::vector<CUT_DIRINFO> FeedSplit(ListFormat format, const char* text, size_t size, size_t split) {
    ListParser parser(format);
    parser.Feed(text, split);
    parser.Feed(text + split, size - split);
    parser.Finish();
    // The record of left-out names stays as bounded as the parser promises.
    if (parser.SkippedNames().size() > ListParser::kMaxSkippedNames) std::abort();
    for (const std::string& name : parser.SkippedNames()) {
        if (name.empty() || name.size() > ListParser::kSkippedNameBytes) std::abort();
    }
    return parser.TakeEntries();
}

void FuzzStream(ListFormat format, const char* text, size_t size, size_t split) {
    const std::vector<CUT_DIRINFO> whole = FeedSplit(format, text, size, size);
    const std::vector<CUT_DIRINFO> halves = FeedSplit(format, text, size, split);
    if (whole.size() != halves.size()) std::abort();
    for (size_t i = 0; i < whole.size(); ++i) {
        CheckEntry(whole[i]);
        if (!SameEntry(whole[i], halves[i])) std::abort();
    }
}

void FuzzLine(ListFormat format, const char* text, size_t size) {
    CUT_DIRINFO entry;
    if (ParseListLine(text, size, format, &entry)) CheckEntry(entry);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    // Scaling the first byte over the whole input lets the fuzzer place the
    // split anywhere, not only within the first 256 bytes.
    const size_t split = size == 0 ? 0 : static_cast<size_t>(data[0]) * size / 255;
    for (ListFormat format : {ListFormat::kList, ListFormat::kMlsd}) {
        FuzzStream(format, text, size, split);
        FuzzLine(format, text, size);
    }
    return 0;
}
