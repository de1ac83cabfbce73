# What the Win32 check scripts share, sourced from the tree's root: the
# tally, Wine set up as ./dev sets it for build/win32, and the checks every
# plug-in DLL must pass, the built one and the packaged one alike.
failures=0 passes=0
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }
pass() { printf 'ok: %s\n' "$*"; passes=$((passes + 1)); }

export WINEDEBUG=-all WINEPREFIX="$PWD/build/win32/wineprefix" WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d" LC_ALL=C.UTF-8

# One deployable file with the exports the interface lists, by ordinal only.
check_dll_tables() {
    local dll=$1 dump exports_listed first_export last_export imports entries exports
    dump=$(i686-w64-mingw32-objdump -p "$dll")
    exports_listed=$(sed -n 's/^PLUGIN_EXPORT( *\([0-9]*\),.*/\1/p' plugin/interface/plugin_exports.inc | tr '\n' ' ')
    read -r first_export _ <<<"$exports_listed"
    last_export=${exports_listed% }; last_export=${last_export##* }

    imports=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | LC_ALL=C sort | tr '\n' ' ')
    [ "$imports" = "KERNEL32.dll USER32.dll msvcrt.dll " ] && pass "$dll imports: $imports" || fail "$dll imports: $imports"

    grep -q "Ordinal Base 			$first_export" <<<"$dump" && pass "$dll ordinal base $first_export" || fail "$dll ordinal base"
    entries=$(printf '%08x' $((last_export - first_export + 1)))
    grep -Eq "Export Address Table 		$entries" <<<"$dump" && pass "$dll $((16#$entries)) export entries" || fail "$dll export entries"
    grep -Eq '\[Name Pointer/Ordinal\] Table	00000000' <<<"$dump" && pass "$dll no export names" || fail "$dll export names"
    exports=$(printf '%s\n' "$dump" | grep -Eo '\+base\[[0-9]+\]' | tr -d '+base[]' | tr '\n' ' ')
    [ "$exports" = "$exports_listed" ] && pass "$dll exports: $exports" || fail "$dll exports: $exports"
}
