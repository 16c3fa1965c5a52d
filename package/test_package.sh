#!/usr/bin/env bash
# Builds the sample hosts from a release folder of scripts/package alone
# (its header, DLLs and import libraries) and runs the x86_64 ones under
# Wine against the packaged DLL:
#   ordinal   mingw gcc, no import library: LoadLibrary and ordinals
#   mingw     mingw gcc linked with libravoFtp.dll.a
#   msvc      linked by lld-link, the Microsoft-style linker, with
#             ravoFtp.lib. Debian has neither the Microsoft C runtime nor
#             its SDK headers, so the object is compiled by mingw gcc (the
#             same C calling conventions and decorated names) without a C
#             runtime, and kernel32/user32 come from mingw's import libraries
# i686 hosts are built and linked, and their imports checked on the file:
# there is no 32-bit Wine here. Also checks each DLL's version block and its
# help file's context map. Ends with "N passed, M failed".
#
#   package/test_package.sh RELEASE_DIR
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
release=$(cd "${1:?release folder}" && pwd)
work=$(mktemp -d /tmp/ravo-package-test.XXXXXX)
passed=0 failed=0
own_prefix=0
cleanup() {
  [ "$own_prefix" = 0 ] || wine_prefix_stop
  rm -rf "$work"
}
trap cleanup EXIT
# A private Wine prefix unless the caller runs inside one already.
if [ -z "${WINEPREFIX:-}" ]; then
  # shellcheck source=scripts/wine-env
  . "$root/scripts/wine-env"
  wine_prefix_start >/dev/null 2>&1
  own_prefix=1
fi

result() {  # name, status, log
  if [ "$2" = 0 ]; then passed=$((passed + 1)); echo "ok      $1"
  else failed=$((failed + 1)); echo "FAILED  $1"; sed 's/^/    /' "$3"; fi
}

# Compiles and links one host; 0 when the program was written.
build_host() {  # arch (x64|x86), kind (ordinal|mingw|msvc), output
  local arch=$1 kind=$2 exe=$3 gcc machine
  local samples=$release/samples include=$release/include lib=$release/$arch
  local seh=()  # mingw objects carry no safe exception handler table
  if [ "$arch" = x64 ]; then gcc=x86_64-w64-mingw32-gcc; machine=x64
  else gcc=i686-w64-mingw32-gcc; machine=x86; seh=(/safeseh:no); fi
  local mingw_lib=/usr/${gcc%-gcc}/lib
  case $kind in
    ordinal) $gcc -Wall -Werror -O2 -I "$include" "$samples/ordinal_host.c" -o "$exe" ;;
    mingw) $gcc -Wall -Werror -O2 -I "$include" "$samples/linked_host.c" -L "$lib" -lravoFtp -o "$exe" ;;
    msvc)
      $gcc -Wall -Werror -O2 -DHOST_NO_CRT -ffreestanding -fno-stack-protector -I "$include" \
        -c "$samples/linked_host.c" -o "$exe.obj" &&
      lld-link /nologo /subsystem:console /entry:HostEntry /nodefaultlib /machine:$machine "${seh[@]}" "/out:$exe" \
        "$exe.obj" "$lib/ravoFtp.lib" "$mingw_lib/libkernel32.a" "$mingw_lib/libuser32.a" ;;
  esac
}

# A linked program imports ravoFtp.dll's functions by the undecorated names
# the DLL exports; the ordinal host does not import the DLL at all.
check_imports() {  # exe, kind
  local dump; dump=$(x86_64-w64-mingw32-objdump -p "$1" 2>&1)
  if [ "$2" = ordinal ]; then
    ! grep -qi 'DLL Name: ravoFtp.dll' <<<"$dump"
    return
  fi
  grep -qi 'DLL Name: ravoFtp.dll' <<<"$dump" && grep -qE '[[:space:]]FTP_Open$' <<<"$dump" &&
    grep -qE '[[:space:]]FTP_GetLastMessage$' <<<"$dump" || { echo "$dump" | grep -A4 'DLL Name'; return 1; }
}

# Each DLL carries the release's version in its version block, and its help
# file beside it opens the topics the library asks for.
version=$(sed -nE '1s/^ravoFtp //p' "$release/VERSION.txt")
for arch in x64 x86; do
  log=$work/$arch-files.log
  got=$(strings -el "$release/$arch/ravoFtp.dll" | grep -A1 -x FileVersion | tail -1)
  { echo "version block: '$got', release: '$version'"; [ -n "$version" ] && [ "$got" = "$version" ]; } >"$log" 2>&1
  result "$arch DLL version block" $? "$log"
  python3 "$root/help/check_help.py" "$release/$arch/ravoFtp.chm" >"$log" 2>&1
  result "$arch help file contexts" $? "$log"
done

wine=/usr/lib/wine/wine64
for arch in x64 x86; do
  for kind in ordinal mingw msvc; do
    name="$arch $kind host"
    exe=$work/$arch/${kind}_host.exe log=$work/$arch-$kind.log
    mkdir -p "$work/$arch"
    if ! build_host "$arch" "$kind" "$exe" >"$log" 2>&1; then result "$name: build" 1 "$log"; continue; fi
    check_imports "$exe" "$kind" >"$log" 2>&1
    result "$name: build and imports" $? "$log"
    [ "$arch" = x64 ] || continue
    cp "$release/$arch/ravoFtp.dll" "$work/$arch/"
    (cd "$work/$arch" && WINEDEBUG=-all timeout 120 "$wine" "$exe" </dev/null) >"$log" 2>&1
    status=$?
    cat "$log"
    result "$name: runs under Wine" $status "$log"
  done
done

echo "package: $passed passed, $failed failed"
[ "$failed" = 0 ]
