#!/bin/sh
# Builds the benchmarks (preset bench: native, release, no sanitizers)
# quietly and runs them; each prints its own lines.
#
#     bench/run.sh [delivery|scan|write|selection|scale]...    # the named ones; all but scale without one
set -eu
cd "$(dirname "$0")/.."

build=build/bench
mkdir -p "$build"
log=$build/run.log
if ! { cmake --preset bench && cmake --build --preset bench -j2 --target bench_delivery bench_scan bench_write bench_selection bench_scale; } \
    >"$log" 2>&1; then
    cat "$log" >&2
    echo "bench: the build failed (above)" >&2
    exit 1
fi

[ $# -gt 0 ] || set -- delivery scan write selection
for name in "$@"; do
    case $name in
        delivery | scan | write | selection | scale) "$build/bench_$name" ;;
        *) echo "bench: no benchmark '$name' (there are: delivery, scan, write, selection, scale)" >&2; exit 2 ;;
    esac
done
