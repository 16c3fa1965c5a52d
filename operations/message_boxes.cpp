#include "message_boxes.h"

#include <cstring>

#include "ftp_session.h"
#include "module.h"
#include "resource.h"
#include "result_messages.h"

namespace {

constexpr size_t kLongLine = 64;     // longer server lines are cut ...
constexpr size_t kCutLength = 60;    // ... to this many characters and "..."
constexpr int kMaxShortenedLines = 16;

int ShowBox(HWND owner, const std::string& text, UINT style) {
    return MessageBoxA(owner, text.c_str(), LoadResourceString(IDS_CAPTION).c_str(), style);
}

}  // namespace

std::string InsertTexts(const std::string& text, const std::string& insert1, const std::string& insert2) {
    std::string result;
    result.reserve(text.size() + insert1.size() + insert2.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            result += text[i + 1] == '1' ? insert1 : insert2;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

int AskQuestion(HWND owner, UINT messageId, std::string insert1, std::string insert2, UINT buttons) {
    const std::string text = InsertTexts(LoadResourceString(messageId), insert1, insert2);
    return ShowBox(owner, text, buttons | MB_ICONQUESTION | MB_DEFBUTTON2);
}

int ShowError(HWND owner, UINT messageId, std::string insert1, std::string insert2) {
    ShowBox(owner, InsertTexts(LoadResourceString(messageId), insert1, insert2), MB_OK | MB_ICONHAND);
    return 0;
}

std::string ShapeServerLines(const char* message) {
    std::string lines;
    int shortened = 0;
    const char* p = message;
    while (shortened < kMaxShortenedLines) {
        p += std::strspn(p, "\r\n");  // runs of separators give no empty lines
        if (*p == '\0') break;
        const size_t length = std::strcspn(p, "\r\n");
        lines += "    ";
        if (length > kLongLine) {
            lines.append(p, kCutLength);
            lines += "...";
            ++shortened;
        } else {
            lines.append(p, length);
        }
        p += length;
    }
    return lines;
}

std::string ResultErrorText(int code, const char* message) {
    std::string text = InsertTexts(LoadResourceString(IDS_ERR_FTP_OPERATION), LoadResourceString(ResultMessageId(code)), "");
    const std::string lines = ShapeServerLines(message);
    if (!lines.empty()) text += "\n\n" + InsertTexts(LoadResourceString(IDS_LAST_SERVER_MESSAGE), lines, "");
    return text;
}

int ShowResultError(HWND owner, int code) {
    FtpSession& session = TheSession();
    char* message = session.LastMessageBuffer();
    message[FtpSession::kMessageSize - 1] = '\0';  // whatever the engine left, the text ends here
    ShowBox(owner, ResultErrorText(code, message), MB_OK | MB_ICONHAND);
    session.ClearLastMessage();
    return 0;
}
