#!/usr/bin/env bash
# Checks of the Win32 flavour that need the built files themselves: the
# plug-in deploys as one DLL with four exports by ordinal, and scenario runs
# under Wine leave the same log as native runs.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tests/win32/check_lib.sh

check_dll_tables build/win32/KalvetZakupy.dll

# A host function's ordinal, as the interface lists it.
ordinal() { sed -n "s/^HOST_FUNCTION( *[0-9]*, *\([0-9]*\), *$1,.*/\1/p" plugin/interface/host_functions.inc; }

# The same runs, native and under Wine, must log the same events. The
# native plug-in runs under the DLL's name, so the boxes quoting the
# module's name (their screens are logged) are drawn alike; only the path
# given differs.
cp build/linux/libKalvetZakupy.so build/linux/KalvetZakupy.dll
compare() {
    local name=$1; shift
    local native=build/linux/scenario/compare-$name win=build/win32/scenario/compare-$name
    rm -rf "$native" "$win"; mkdir -p "$native" "$win"
    (cd build/linux && ./hadrek --plugin ./KalvetZakupy.dll --config-dir "scenario/compare-$name" --log "scenario/compare-$name/log.jsonl" "$@" >/dev/null 2>&1)
    (cd build/win32 && wine hadrek.exe --plugin KalvetZakupy.dll --config-dir "scenario/compare-$name" --log "scenario/compare-$name/log.jsonl" "$@" >/dev/null 2>&1)
    if diff <(sed 's#\./KalvetZakupy\.dll#KalvetZakupy.dll#g' "$native/log.jsonl") "$win/log.jsonl" >"$win/log.diff"; then
        pass "same log native and under Wine: $name"
    else
        fail "logs differ for $name (see $win/log.diff)"; head -n 20 "$win/log.diff"
    fi
}
compare good
compare missing --missing "$(ordinal MenuRemoveCommand),$(ordinal ModuleAcceptance),$(ordinal BoundOnly40008)"
compare sizes --record-size Tzak=900 --no-table Tzak_dok
compare version --interface-version 113
compare refused --refuse-module "Odmowa 100%"
compare zażółć --refuse-module "Licencja wygasła: 100%"
compare options --keys 'Enter "20260101" Tab "20261231" F4 "Kowal" F12' --run 2

# The export files: every rule of the line format in one data file, the
# period's end chosen (its start left empty keeps the years below 1000), all
# documents marked. Besides the logs, every DOWODY file must be the same
# bytes natively and under Wine.
for flavour in linux win32; do
    rm -rf "build/$flavour/scenario/compare-field-rules.out"; mkdir -p "build/$flavour/scenario/compare-field-rules.out"
done
compare field-rules --data ../../examples/field-rules.json \
    --keys 'Enter Tab "20261231" F7 "  P  01 " Alt-B "scenario/compare-field-rules.out" Enter F12 Ctrl-Ins F12'
same_files() {
    local native=$1 win=$2 names
    names=$(cd "$native" && ls)
    [ -n "$names" ] && [ "$names" = "$(cd "$win" && ls)" ] || return 1
    for name in $names; do cmp -s "$native/$name" "$win/$name" || return 1; done
}
if same_files build/linux/scenario/compare-field-rules.out build/win32/scenario/compare-field-rules.out; then
    pass "same export files native and under Wine: $(ls build/linux/scenario/compare-field-rules.out | wc -l) DOWODY files"
else
    fail "export files differ native and under Wine (build/*/scenario/compare-field-rules.out)"
fi

# A trace taken in one flavour replays in the other without a difference:
# the field-rules export traced natively and under Wine, each replayed by
# the other flavour's host.
trace_keys='Enter Tab "20261231" F7 "  P  01 " Alt-B "scenario/trace.out" Enter F12 Ctrl-Ins F12'
for flavour in linux win32; do
    rm -rf "build/$flavour/scenario/trace.out" "build/$flavour/scenario/trace"
    mkdir -p "build/$flavour/scenario/trace.out" "build/$flavour/scenario/trace"
done
(cd build/linux && KALVETZAKUPY_SLAD=scenario/trace/linux.jsonl ./hadrek --plugin ./KalvetZakupy.dll \
    --config-dir scenario/trace --data ../../examples/field-rules.json --keys "$trace_keys" >/dev/null 2>&1)
(cd build/win32 && KALVETZAKUPY_SLAD=scenario/trace/win32.jsonl wine hadrek.exe --plugin KalvetZakupy.dll \
    --config-dir scenario/trace --data ../../examples/field-rules.json --keys "$trace_keys" >/dev/null 2>&1)
cp build/win32/scenario/trace/win32.jsonl build/linux/scenario/trace/
cp build/linux/scenario/trace/linux.jsonl build/win32/scenario/trace/
if (cd build/linux && ./hadrek --plugin ./KalvetZakupy.dll --replay scenario/trace/win32.jsonl \
    >scenario/trace/replay.txt 2>&1); then
    pass "a trace of the Win32 DLL under Wine replays natively: $(tail -n 1 build/linux/scenario/trace/replay.txt)"
else
    fail "the Win32 trace does not replay natively:"; grep -v '[║╔╚]' build/linux/scenario/trace/replay.txt | tail -n 5
fi
if (cd build/win32 && wine hadrek.exe --plugin KalvetZakupy.dll --replay scenario/trace/linux.jsonl \
    >scenario/trace/replay.txt 2>&1); then
    pass "a native trace replays under Wine: $(tail -n 1 build/win32/scenario/trace/replay.txt)"
else
    fail "the native trace does not replay under Wine:"; grep -v '[║╔╚]' build/win32/scenario/trace/replay.txt | tail -n 5
fi

printf 'win32 checks: %d passed, %d failed\n' "$passes" "$failures"
[ "$failures" -eq 0 ]
