#!/bin/sh
# Checks that every exported function sits at its fixed ordinal: hosts look
# them up by number. Arguments: objdump, the DLL, a file of "ordinal name"
# lines (tests/dll_ordinals.txt).
objdump=$1 dll=$2
# shellcheck disable=SC2046
set -- $(cat "$3")
table=$("$objdump" -p "$dll")
base=$(printf '%s\n' "$table" | sed -n 's/^Ordinal Base[[:space:]]*//p' | head -1)
[ -n "$base" ] || { echo "no export table in $dll"; exit 1; }
status=0
while [ $# -ge 2 ]; do
  ordinal=$1 name=$2
  shift 2
  index=$((ordinal - base))
  if printf '%s\n' "$table" | grep -Eq "^[[:space:]]*\[[[:space:]]*$index\] $name\$"; then
    echo "ok: $ordinal $name"
  else
    echo "MISSING: $name at ordinal $ordinal"; status=1
  fi
done
exit $status
