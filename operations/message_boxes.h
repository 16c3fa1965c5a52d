// The three message boxes of the file manager. Every box has the caption
// string 130; texts come from the string table with "%1" and "%2" inserts.
#pragma once

#include <windows.h>

#include <string>

// A question with MB_OKCANCEL or MB_YESNO; the second button is the default,
// so Enter answers Cancel or No. Returns the button chosen (IDOK, IDYES, ...).
int AskQuestion(HWND owner, UINT messageId, std::string insert1, std::string insert2, UINT buttons);

// An error with the stop icon and OK. Returns 0, which callers use as
// "invalid" when a check fails.
int ShowError(HWND owner, UINT messageId, std::string insert1, std::string insert2);

// The message of session result `code` and the server's last message (then
// emptied, so that a later box does not repeat it). Returns 0.
int ShowResultError(HWND owner, int code);

// ---- The texts, for callers and tests ----
// `text` with every "%1" replaced by insert1 and every "%2" by insert2; an
// insert is never searched for further inserts.
std::string InsertTexts(const std::string& text, const std::string& insert1, const std::string& insert2);
// The server's lines as one line: each preceded by four blanks, a line of
// more than 64 characters cut to 60 and "...", nothing after the 16th cut.
std::string ShapeServerLines(const char* message);
// The whole text of the result-code box for `code` and the server's `message`.
std::string ResultErrorText(int code, const char* message);
