#!/usr/bin/env bash
# Checks a Windows program folder against what its binaries import (objdump): every DLL
# that the program, a DLL or a plugin imports is in the folder or is part of Windows (one
# that MinGW-w64 has an import library for), and every DLL at the top of the folder is
# imported by something. Wine supplies DLLs that Windows lacks, so running the program
# under Wine cannot show this.
#   scripts/windows/check-dlls.sh FOLDER
# shellcheck source=../lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
parse_options "scripts/windows/check-dlls.sh FOLDER" -- "$@"
[ ${#operands[@]} -eq 1 ] || usage_error "one program folder, please"
folder=${operands[0]}
[ -d "$folder" ] || die "no such folder: $folder"
objdump=x86_64-w64-mingw32-objdump
mingw_lib=/usr/x86_64-w64-mingw32/lib
lower() { tr '[:upper:]' '[:lower:]'; }

shipped=$(cd "$folder" && find . -maxdepth 1 -iname '*.dll' -printf '%f\n' | lower | sort)
imports=$(find "$folder" -iname '*.exe' -o -iname '*.dll' | while read -r binary; do
    "$objdump" -p "$binary" | sed -n 's/^\s*DLL Name: //p'
done | lower | sort -u)

status=0
for dll in $imports; do
    grep -qx "$dll" <<<"$shipped" && continue
    [ -f "$mingw_lib/lib${dll%.dll}.a" ] || [[ $dll == api-ms-win-* ]] && continue
    echo "imported but not in the folder, and not part of Windows: $dll"
    status=1
done
for dll in $shipped; do
    grep -qx "$dll" <<<"$imports" || { echo "in the folder but imported by nothing: $dll"; status=1; }
done
[ $status -eq 0 ] && echo "DLLs: every import is in the folder or in Windows; nothing unneeded ($(wc -w <<<"$shipped") shipped)"
exit $status
