// The module (DLL, or a program the code is linked into) whose resources the
// system uses, and string loading from its string table.
#pragma once

#include <windows.h>

#include <string>

// The module that contains this code: ravoFtp.dll in production, the test
// program when a test links the libraries statically.
HINSTANCE ResourceModule();

// Loads string `id` of the module's string table; empty when missing.
std::string LoadResourceString(UINT id);

// Registers the common-control window classes the templates use (list views,
// progress bars, tabs, tool tips); cheap after the first call.
void EnsureCommonControls();
