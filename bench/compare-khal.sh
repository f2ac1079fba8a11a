#!/usr/bin/env bash
# Whole processes side by side: `ruvo events` for a week with its cache warm at 50,000 and
# 20,000 generated events, `ruvo help` (the floor: a process that loads no calendar), and
# `khal list today 7d` on the same 20,000 events with its cache warm; at 50,000 events also the
# first `ruvo events` after a sync tool replaced a file, `ruvo calendars add` of the folder and
# the `ruvo events` right after it. Prints one table in
# Markdown: median wall time of RUNS runs, the CPU time of that run, peak resident memory, and
# ratios. Then the store in-process at 50,000 events, each figure in a process of its own so
# that its peak is its own: a command's start from the snapshot with a week's query, a start
# from the cache, a first start, and an edit until it is visible. Generates the calendars
# through calendar_store_bench when they are missing.
# usage: bash bench/compare-khal.sh [BUILD_DIR]   (a RelWithDebInfo build is what to measure)
set -euo pipefail
command -v khal >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq khal >/dev/null
build=${1:-build}
runs=${RUNS:-7}
ruvo=$(realpath "$build/src/app/ruvo")
bench_dir=${RUVO_BENCH_DIR:-/tmp/ruvo-bench}
export RUVO_BENCH_DIR=$bench_dir
for n in 20000 50000; do
  [ -d "$bench_dir/$n/vdir/bench" ] ||
    "$build/bench/calendar_store_bench" --benchmark_filter="cachedLoad/$n/" >/dev/null
done

use_home() { # events: a private home per data set, so caches stay apart
  local home=$bench_dir/$1/home
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
         XDG_CACHE_HOME=$home/cache XDG_STATE_HOME=$home/state TZ=Europe/Berlin LANG=C.UTF-8
}

prepare() { # events
  local home=$bench_dir/$1/home vdir=$bench_dir/$1/vdir/bench
  rm -rf "$home" && mkdir -p "$home/khal"
  use_home "$1"
  cat > "$home/khal/config" <<CONFIG
[calendars]
[[bench]]
path = $vdir
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = Europe/Berlin
default_timezone = Europe/Berlin
[sqlite]
path = $home/khal.db
CONFIG
  "$ruvo" calendars add "$vdir" >/dev/null
  # Warm: the cache filled, the folder settled and recorded by a second run.
  "$ruvo" events >/dev/null 2>&1
  sleep 2
  "$ruvo" events >/dev/null 2>&1
}

# Prints "wall cpu peakKiB" of the median run (by wall time) of a command; with BEFORE set,
# that command runs (unmeasured) before each run.
measure() {
  local samples=()
  for ((i = 0; i < runs; i++)); do
    [ -z "${BEFORE:-}" ] || eval "$BEFORE" >/dev/null 2>&1
    /usr/bin/time -f "%e %U %S %M" -o "$bench_dir/time.txt" "$@" >/dev/null 2>&1 || true
    samples+=("$(awk '{ printf "%.3f %.3f %d\n", $1, $2 + $3, $4 }' "$bench_dir/time.txt")")
  done
  printf '%s\n' "${samples[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

prepare 20000
khal -c "$bench_dir/20000/home/khal/config" list today 7d >/dev/null 2>&1 # fills khal's cache
ruvo20=$(measure "$ruvo" events)
khal20=$(measure khal -c "$bench_dir/20000/home/khal/config" list today 7d)
prepare 50000
help=$(measure "$ruvo" help)
ruvo50=$(measure "$ruvo" events)
lines=$("$ruvo" events | wc -l)
vdir50=$bench_dir/50000/vdir/bench
# A sync tool's change: a file renamed over another, which moves the folder's stamp.
replace_file() {
  printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//EN\r\nBEGIN:VEVENT\r\nUID:bench-change\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261208T090000Z\r\nSUMMARY:changed %s\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' "$RANDOM" >"$vdir50/.bench-change.tmp"
  mv "$vdir50/.bench-change.tmp" "$vdir50/zz-bench-change.ics"
}
changed50=$(BEFORE=replace_file measure "$ruvo" events)
added=$(BEFORE='"$ruvo" calendars remove "$vdir50"' measure "$ruvo" calendars add "$vdir50")
after_add=$(BEFORE='"$ruvo" calendars remove "$vdir50"; "$ruvo" calendars add "$vdir50"' measure "$ruvo" events)
rm -f "$vdir50/zz-bench-change.ics"

read -r help_wall help_cpu _ <<<"$help"
read -r ruvo20_wall ruvo20_cpu _ <<<"$ruvo20"
row() { # label "wall cpu peak" comment
  read -r wall cpu peak <<<"$2"
  printf '| %s | %s s | %s s | %.1f MB | %s |\n' "$1" "$wall" "$cpu" "$(echo "$peak / 1024" | bc -l)" "$3"
}
ratio() { echo "scale=1; $1 / $2" | bc -l; }
echo "Median of $runs runs on $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg); ruvo printed $lines lines."
echo
echo "| process | wall | CPU | peak RSS | compared |"
echo "|---|---|---|---|---|"
row "ruvo help" "$help" "the floor"
# Wall time and CPU time (CPU counts in steps of 10 ms, so small figures are rough).
compare() { # "wall cpu peak" wall cpu
  echo "$(ratio "$(cut -d' ' -f1 <<<"$1")" "$2")x, CPU $(ratio "$(cut -d' ' -f2 <<<"$1")" "$3")x"
}
row "ruvo events, 50,000 events" "$ruvo50" "$(compare "$ruvo50" "$help_wall" "$help_cpu") ruvo help"
row "ruvo events, 20,000 events" "$ruvo20" "$(compare "$ruvo20" "$help_wall" "$help_cpu") ruvo help"
row "ruvo events, 50,000 events, first after a file changed" "$changed50" "$(compare "$changed50" "$help_wall" "$help_cpu") ruvo help"
row "ruvo calendars add, 50,000 events" "$added" "$(compare "$added" "$help_wall" "$help_cpu") ruvo help"
row "ruvo events, 50,000 events, right after calendars add" "$after_add" "$(compare "$after_add" "$help_wall" "$help_cpu") ruvo help"
row "khal list today 7d, 20,000 events" "$khal20" "$(compare "$khal20" "$ruvo20_wall" "$ruvo20_cpu") ruvo events"

# "milliseconds peakMiB extra" of one benchmark, run alone.
in_process() { # binary filter counter
  "$build/bench/$1" --benchmark_filter="$2" --benchmark_format=json 2>/dev/null |
    python3 -c 'import json, sys
b = json.load(sys.stdin)["benchmarks"][0]
print("%.1f %.1f %s" % (b["real_time"], b.get("peakRSS_MiB", 0), b.get(sys.argv[1], "")))' "$3"
}
read -r start_ms start_peak from_snapshot <<<"$(in_process calendar_store_bench '^commandStart/50000/' fromSnapshot)"
read -r cached_ms cached_peak _ <<<"$(in_process calendar_store_bench '^cachedLoad/50000/' fromCache)"
read -r cold_ms cold_peak _ <<<"$(in_process calendar_store_bench '^coldLoad/50000/' x)"
read -r edit_ms _ _ <<<"$(in_process event_actions_bench '^removeOccurrence' x)"
echo
echo "| in-process, 50,000 events | time | process peak RSS | target |"
echo "|---|---|---|---|"
echo "| a command's start (snapshot: $from_snapshot) and a week's events | $start_ms ms | $start_peak MB | ≤ 60 ms, ≤ 45 MB |"
echo "| start from the cache (whole store) | $cached_ms ms | $cached_peak MB | |"
echo "| first start (no cache) | $cold_ms ms | $cold_peak MB | ≤ 60 MB |"
echo "| an edit until visible (one occurrence removed) | $edit_ms ms | | ≤ 10 ms |"
