// The help viewer: the library's help file shown by contents or by topic.
// The viewer is loaded only when help is first asked for.
#pragma once

#include <windows.h>

// Shows topic `context` of the help file (the contents when `context` is 0).
// The help file's folder becomes the current folder first: its pages name
// their neighbours relative to it. A missing help file or viewer gives the
// warning beep and returns false.
bool ShowHelpTopic(HWND owner, int context);

// Closes every help window, when help was ever opened in this process.
void CloseAllHelp();

// What opens a help file: `file` on `context`, its contents for 0. The
// HTML Help viewer unless replaced; tests put a recorder in its place to see
// which file and topic Help asks for without a viewer on screen.
using HelpViewer = void (*)(HWND owner, const char* file, int context);
// Replaces the viewer (null: the HTML Help viewer again); returns the one before.
HelpViewer SetHelpViewer(HelpViewer viewer);
