// The lead bytes of a code page, as the platform knows them.
#pragma once

#include <windows.h>

#include "text_cut.h"

// CP_ACP for the process's ANSI code page; 932 for Shift-JIS.
LeadBytes LeadBytesOf(UINT codePage);
