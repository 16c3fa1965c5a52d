#include "time_text.h"

std::string FormatTimeText(const FILETIME& time) {
    SYSTEMTIME calendar;
    if (!FileTimeToSystemTime(&time, &calendar)) return {};
    char date[64] = "";
    char clock[64] = "";
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &calendar, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &calendar, nullptr, clock, sizeof clock);
    std::string text = std::string(date) + " " + clock;
    if (text.size() > 63) text.resize(63);  // the column's text buffer holds 63 characters
    return text;
}
