#!/usr/bin/env bash
# The resident program's memory with no calendar and with EVENTS generated events (default
# 50,000): each run starts the program offscreen on a private session bus, waits SETTLE seconds
# (default 40: the start, the check of trusted folders ten seconds later, and the first idle
# moments), then reads /proc/PID/status. Prints one Markdown table: VmRSS (every page the
# process has in memory, shared libraries included) and RssAnon (its own heap and stacks: what
# the calendars cost), and the difference the events make.
# usage: bash bench/resident-memory.sh [BUILD_DIR]   (a RelWithDebInfo build; not in CI)
set -euo pipefail
build=$(realpath "${1:-build}")
events=${EVENTS:-50000}
settle=${SETTLE:-40}
root=${RUVO_BENCH_DIR:-/tmp/ruvo-bench}/resident-$events
ruvo=$build/src/app/ruvo
mkdir -p "$root"
[ -d "$root/vdir/bench" ] || "$build/bench/generate_calendar" "$root/vdir/bench" "$events" >/dev/null

bus_pid=
program=
cleanup() {
  [ -z "$program" ] || kill "$program" 2>/dev/null || true
  [ -z "$bus_pid" ] || kill "$bus_pid" 2>/dev/null || true
}
trap cleanup EXIT

# Prints "VmRSS RssAnon" in KiB of the program settled over a home with or without the events.
measure() { # with-events: 0 or 1
  local home=$root/home-$1
  rm -rf "$home" && mkdir -p "$home"
  export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
         XDG_CACHE_HOME=$home/cache XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/run \
         TZ=Europe/Berlin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen RUVO_CALENDAR_BACKENDS=vdir
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  if [ "$1" = 1 ]; then
    "$ruvo" calendars add "$root/vdir/bench" >/dev/null
    "$ruvo" events >/dev/null 2>&1 # the cache filled, as on any day after the first
  fi
  eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
          { read -r address; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$address' bus_pid=$pid"; })"
  "$ruvo" >"$home/ruvo.log" 2>&1 &
  program=$!
  sleep "$settle"
  awk '/^VmRSS:/ { r = $2 } /^RssAnon:/ { a = $2 } END { print r, a }' "/proc/$program/status"
  kill "$program" && wait "$program" 2>/dev/null || true
  program=
  kill "$bus_pid" && bus_pid=
}

read -r empty_rss empty_anon <<<"$(measure 0)"
read -r full_rss full_anon <<<"$(measure 1)"
mb() { echo "scale=1; $1 / 1024" | bc -l; }
echo "Resident program after ${settle} s, $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)."
echo
echo "| resident program | RSS | anonymous (RssAnon) |"
echo "|---|---|---|"
echo "| no calendars | $(mb "$empty_rss") MB | $(mb "$empty_anon") MB |"
echo "| $events events | $(mb "$full_rss") MB | $(mb "$full_anon") MB |"
echo "| what the events add | $(mb $((full_rss - empty_rss))) MB | $(mb $((full_anon - empty_anon))) MB |"
