#!/usr/bin/env bash
# Checks of the release zip: its four files and their sums; of its DLL: the
# tables every plug-in DLL must have, no debug sections, the version
# resource read back, and one export under Wine with the Win32 host of
# build/win32, which must write what the tested build writes.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/win32/check_lib.sh
unpacked=build/win32-release/unpacked
rm -rf "$unpacked"
unzip -q "$1" -d "$unpacked"
dll=$unpacked/KalvetZakupy.dll

files=$(cd "$unpacked" && LC_ALL=C ls | tr '\n' ' ')
[ "$files" = "CZYTAJ.TXT Instrukcja.html KalvetZakupy.dll SHA256SUMS " ] &&
    pass "the zip holds $files" || fail "the zip holds $files"
(cd "$unpacked" && sha256sum --quiet -c SHA256SUMS) && pass "SHA256SUMS: $(wc -l <"$unpacked/SHA256SUMS") files as summed" ||
    fail "SHA256SUMS does not match the files beside it"

check_dll_tables "$dll"
! i686-w64-mingw32-objdump -h "$dll" | grep -q ' \.debug_' && pass "no debug sections" || fail "debug sections in $dll"

# Numbers from project(... VERSION); the description's Polish letters must
# be stored as UTF-16, under Polish with the Unicode code page.
version=$(sed -n 's/^project(KalvetZakupy VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
resource=$(i686-w64-mingw32-windres -i "$dll" -O rc)
for line in "FILEVERSION ${version//./, }, 0" "VALUE \"ProductVersion\", \"$version\"" 'VALUE "Translation", 0x415, 1200'; do
    grep -qF "$line" <<<"$resource" && pass "version resource: $line" || fail "version resource lacks: $line"
done
hex() { od -An -tx1 -v | tr -d ' \n'; }
description=$(sed -n 's/.*VALUE "FileDescription", "\(.*\)"/\1/p' plugin/frame/version.rc.in)
rsrc=$(i686-w64-mingw32-objcopy -O binary --only-section=.rsrc "$dll" /dev/stdout | hex)
[[ $rsrc == *"$(printf '%s' "$description" | iconv -f UTF-8 -t UTF-16LE | hex)0000"* ]] &&
    pass "description in UTF-16: $description" || fail "description not stored as UTF-16: $description"

# The demo's key script, each DLL beside the host in a folder of its own.
export_with() {
    local run=build/win32-release/wine-$1
    rm -rf "$run"
    mkdir -p "$run/build/demo/eksport"
    cp build/win32/hadrek.exe build/win32/HADREK.dll "$2" examples/demo.keys "$run/"
    (cd "$run" && wine hadrek.exe --plugin KalvetZakupy.dll --config-dir . --keys @demo.keys >/dev/null 2>&1)
}
export_with packaged "$dll" && export_with built build/win32/KalvetZakupy.dll || fail "a Wine run ended with an error"
written=build/win32-release/wine-packaged/build/demo/eksport
count=$(find "$written" -name 'DOWODY.*.TXT' | wc -l)
if [ "$count" -gt 0 ] && diff -r "$written" build/win32-release/wine-built/build/demo/eksport >/dev/null; then
    pass "the packaged DLL wrote $count DOWODY files under Wine, those of the tested build"
else
    fail "the packaged DLL wrote $count DOWODY files, not those of the tested build (see $written)"
fi

printf 'package checks: %d passed, %d failed\n' "$passes" "$failures"
[ "$failures" -eq 0 ]
