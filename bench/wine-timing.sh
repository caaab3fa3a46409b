#!/usr/bin/env bash
# Sourced by the Windows benchmarks: checks that BUILD_DIR's programs can run, keeps one
# wineserver alive for the whole run, and times runs into a scratch folder.
#   wine_timing_start NAME BUILD_DIR   sets wine_run, bin and work; stops the server on exit
#   timed LABEL COMMAND...             one run's wall time in microseconds, appended to LABEL
#   median LABEL                       the median of LABEL's times, in microseconds
#   windows_path PATH                  PATH as Wine names it (Z:\...)

wine_timing_start() {
    local name=$1 build_dir=$2
    if [ ! -x "$build_dir/wine-run" ]; then
        echo "$name: $build_dir is not configured; run cmake --preset windows" >&2
        exit 2
    fi
    if ! "$build_dir/wine-run" --can-run; then
        echo "$name: this machine cannot run $build_dir's programs (scripts/enable-32-bit)" >&2
        exit 2
    fi
    wine_run=$build_dir/wine-run
    # shellcheck disable=SC2034 # read by the benchmark that sources this
    bin=$(cd "$build_dir/bin" && pwd)
    work=$(mktemp -d)
    trap '"$wine_run" --server-stop; rm -rf "$work"' EXIT
    "$wine_run" --server-start
}

timed() {
    local label=$1 start end
    shift
    start=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    end=$EPOCHREALTIME
    echo $((${end/./} - ${start/./})) >>"$work/$label.times"
}

median() {
    sort -n "$work/$1.times" |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

windows_path() {
    local path=$1
    echo "Z:${path//\//\\}"
}
