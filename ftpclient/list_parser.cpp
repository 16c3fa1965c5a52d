// Directory listing parser: format dispatch and the stream. The formats
// themselves live in list_parser_*.cpp (see list_parser_internal.h).

#include "list_parser.h"

#include <cstring>
#include <exception>
#include <limits>
#include <string_view>

#include "list_parser_internal.h"

namespace {

using list_parser::Entry;
using std::string_view;

constexpr int64_t kMaxSize32 = std::numeric_limits<int32_t>::max();
constexpr size_t kMaxNameBytes = sizeof(CUT_DIRINFO::fileName) - 1;

// The name must fit: the callers leave longer ones out.
void FillEntry(const Entry& entry, CUT_DIRINFO* out) {
    std::memcpy(out->fileName, entry.name.data(), entry.name.size());
    out->fileName[entry.name.size()] = '\0';
    out->fileSize64 = entry.size;
    out->fileSize = static_cast<int32_t>(entry.size < kMaxSize32 ? entry.size : kMaxSize32);
    out->fileType = entry.type;
    out->year = entry.stamp.year;
    out->month = entry.stamp.month;
    out->day = entry.stamp.day;
    out->hour = entry.stamp.hour;
    out->minute = entry.stamp.minute;
    out->second = entry.stamp.second;
    out->timeFlags = entry.stamp.flags;
}

// LIST output has no format announcement, so each line is tried against
// every family. Their first columns differ (permissions, a date, a size,
// "+", a versioned name), so at most one of them matches a line.
bool ParseListFamilies(string_view text, Entry* entry) {
    using namespace list_parser;
    return ParseUnixLine(text, entry) || ParseDosLine(text, entry) || ParseOs2Line(text, entry) ||
           ParseEplfLine(text, entry) || ParseVmsLine(text, entry);
}

// Parses one line into `entry`; true also for an entry whose name is too
// long for CUT_DIRINFO, which the caller must check.
bool ParseText(string_view text, ListFormat format, Entry* entry) {
    if (text.empty()) return false;
    // A NUL would silently cut the name short in the C string handed out.
    if (text.find('\0') != string_view::npos) return false;
    return (format == ListFormat::kMlsd) ? list_parser::ParseMlsdLine(text, entry) : ParseListFamilies(text, entry);
}

// Appends to the line buffer without ever letting it grow past `limit`.
// Returns false when the line is too long (or memory ran out), in which case
// the caller drops it.
bool AppendBounded(std::string* buffer, const char* data, size_t length, size_t limit) {
    if (length > limit - buffer->size()) return false;
    try {
        // Reserving the full limit once means later appends never reallocate
        // and the capacity never overshoots the limit through doubling.
        if (buffer->capacity() < limit) buffer->reserve(limit);
        buffer->append(data, length);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace

bool ParseListLine(const char* line, size_t length, ListFormat format, CUT_DIRINFO* out) {
    if (out == nullptr) return false;
    *out = CUT_DIRINFO{};
    if (line == nullptr) return false;
    Entry entry;
    if (!ParseText(string_view(line, length), format, &entry) || entry.name.size() > kMaxNameBytes) return false;
    FillEntry(entry, out);
    return true;
}

void ListParser::Feed(const char* data, size_t length) {
    if (data == nullptr) return;
    while (length > 0) {
        const void* lf = std::memchr(data, '\n', length);
        const size_t chunk = lf ? static_cast<size_t>(static_cast<const char*>(lf) - data) : length;
        // One byte beyond the limit leaves room for the CR of a CRLF line
        // end, which is not part of the line.
        if (!m_overflow && !AppendBounded(&m_line, data, chunk, kMaxLineLength + 1)) {
            m_overflow = true;
            m_line.clear();
        }
        if (lf == nullptr) return;
        EndLine();
        data += chunk + 1;
        length -= chunk + 1;
    }
}

void ListParser::Finish() {
    EndLine();
    m_pendingName.clear();
}

// A VMS name alone on its line waits for the next line; if the two joined
// make no entry, the next line is read on its own and the name dropped.
void ListParser::EndLine() {
    size_t length = m_line.size();
    if (length > 0 && m_line[length - 1] == '\r') --length;
    const bool usable = !m_overflow && length <= kMaxLineLength;
    const string_view line(m_line.data(), usable ? length : 0);
    try {
        const bool joined = !m_pendingName.empty() && usable && AddLine(m_pendingName.append(" ").append(line));
        m_pendingName.clear();
        if (!joined && usable) {
            if (m_format == ListFormat::kList && list_parser::IsVmsNameAlone(line)) {
                m_pendingName.assign(line);
            } else {
                AddLine(line);
            }
        }
    } catch (const std::exception&) {
        // Out of memory: the entry is lost, the stream stays usable.
        m_pendingName.clear();
    }
    m_line.clear();
    m_overflow = false;
}

bool ListParser::AddLine(string_view line) {
    Entry entry;
    if (!ParseText(line, m_format, &entry)) return false;
    if (entry.name.size() > kMaxNameBytes) {
        NoteSkipped(entry.name);
    } else {
        CUT_DIRINFO info = {};
        FillEntry(entry, &info);
        m_entries.push_back(info);
    }
    return true;
}

void ListParser::NoteSkipped(string_view name) {
    if (m_skipped.size() < kMaxSkippedNames) m_skipped.emplace_back(name.substr(0, kSkippedNameBytes));
}
