#!/bin/sh
# Fails when the DLL imports anything but DLLs that ship with Windows: the
# C++ runtime, libgcc and winpthread must be linked in statically.
objdump=$1 dll=$2
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|shlwapi|ws2_32|wininet|rasapi32|msvcrt|version|uxtheme|hhctrl|secur32|crypt32)\.dll$'
imports=$("$objdump" -p "$dll" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no import table read from $dll"; exit 1; }
bad=$(printf '%s\n' "$imports" | grep -Ev "$allowed")
printf 'imports: %s\n' $imports
if [ -n "$bad" ]; then
  echo "not a Windows system DLL: $bad"
  exit 1
fi
echo "ok: only system DLLs"
