#include "message_boxes.h"

#include "lead_bytes.h"
#include "message_text.h"
#include "module.h"
#include "resource.h"
#include "result_messages.h"

namespace {

int ShowBox(HWND owner, const std::string& text, UINT style) {
    return MessageBoxA(owner, text.c_str(), LoadResourceString(IDS_CAPTION).c_str(), style);
}

}  // namespace

int AskQuestion(HWND owner, UINT messageId, std::string insert1, std::string insert2, UINT buttons) {
    const std::string text = InsertTexts(LoadResourceString(messageId), insert1, insert2);
    return ShowBox(owner, text, buttons | MB_ICONQUESTION | MB_DEFBUTTON2);
}

int ShowError(HWND owner, UINT messageId, std::string insert1, std::string insert2) {
    ShowBox(owner, InsertTexts(LoadResourceString(messageId), insert1, insert2), MB_OK | MB_ICONHAND);
    return 0;
}

std::string ResultErrorText(int code, const std::string& serverMessage) {
    std::string text = InsertTexts(LoadResourceString(IDS_ERR_FTP_OPERATION), LoadResourceString(ResultMessageId(code)), "");
    static const LeadBytes lead = LeadBytesOf(CP_ACP);  // the process's code page does not change
    const std::string lines = ShapeServerLines(serverMessage, lead);
    if (!lines.empty()) text += "\n\n" + InsertTexts(LoadResourceString(IDS_LAST_SERVER_MESSAGE), lines, "");
    return text;
}

int ShowResultError(HWND owner, int code, const std::string& serverMessage) {
    ShowBox(owner, ResultErrorText(code, serverMessage), MB_OK | MB_ICONHAND);
    return 0;
}
