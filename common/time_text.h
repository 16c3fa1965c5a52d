// The text of the panels' Modified column.
#pragma once

#include <windows.h>

#include <string>

// The user's short date, a blank and the time of day without seconds. The
// time is taken as it is: it is already local, so no time zone is applied.
std::string FormatTimeText(const FILETIME& time);
