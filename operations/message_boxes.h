// The three message boxes of the file manager. Every box has the caption
// string 130; texts come from the string table with "%1" and "%2" inserts
// (InsertTexts, message_text.h).
#pragma once

#include <windows.h>

#include <string>

// A question with MB_OKCANCEL or MB_YESNO; the second button is the default,
// so Enter answers Cancel or No. Returns the button chosen (IDOK, IDYES, ...).
int AskQuestion(HWND owner, UINT messageId, std::string insert1, std::string insert2, UINT buttons);

// An error with the stop icon and OK. Returns 0, which callers use as
// "invalid" when a check fails.
int ShowError(HWND owner, UINT messageId, std::string insert1, std::string insert2);

// The message of session result `code` with the server's last message,
// which the caller passes (and empties, so that a later box does not repeat
// it). Returns 0.
int ShowResultError(HWND owner, int code, const std::string& serverMessage);

// The whole text of the result-code box.
std::string ResultErrorText(int code, const std::string& serverMessage);
