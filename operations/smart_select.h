// Smart select: selects rows of one panel (the source) by comparing them
// with the rows of the other (the target): nothing, everything, what is
// new or newer, what is newer only, what the target lacks.
#pragma once

#include <vector>

#include "file_entry.h"
#include "text_cut.h"

class CFtpFileList;

enum SmartSelectMode {
    kSmartClear = 0,
    kSmartAll = 1,
    kSmartTransfer = 2,   // missing from the target, or newer than its namesake
    kSmartUpdating = 3,   // newer than its namesake in the target
    kSmartMissing = 4,    // missing from the target
};

// Whether each of `source` (records in row order) is selected in `mode`.
// A source file's namesake is the first file of `target` (in row order) with
// the same name, letter case ignored (SameFoldedName); folders, links and
// ".." of the target are no namesakes. `indexed` looks names up in an index
// of the target made once; without it every source file searches the
// target from its start (the plain search, kept to measure the index).
std::vector<bool> SmartSelection(const std::vector<const FileEntry*>& source, int mode,
                                 const std::vector<const FileEntry*>& target, const LeadBytes& lead,
                                 bool indexed = true);

// Selects the rows of `source` by `mode` against `target` and shows the
// first selected row. True when a row was selected (the source then gets the
// focus, except in mode 0), and always in mode 0; false with the exclamation
// beep when nothing was selected, and false at once without a target.
bool SmartSelect(CFtpFileList* source, int mode, CFtpFileList* target);
