#!/usr/bin/env bash
# The resident program under load: EVENTS generated events (default 200,000), the program
# running offscreen on a private session bus, and a sync tool that replaces RATE files a
# minute (default 2,000) by writing a temporary file and renaming it over the old one, as
# vdirsyncer does. The program logs the lateness of a 10 ms main-thread timer
# (RUVO_STALL_LOG, see src/app/StallMonitor.h); this script samples its resident memory every
# 10 seconds and prints a summary: stalls over 50 ms (during the start and after it), the
# longest, and memory over time.
# usage: bash bench/soak-load.sh [BUILD_DIR] [MINUTES]   (a RelWithDebInfo build; not in CI)
#   EVENTS=200000 RATE=2000 KEEP=1 (keep the generated calendar for the next run)
set -euo pipefail
build=$(realpath "${1:-build}")
minutes=${2:-10}
events=${EVENTS:-200000}
rate=${RATE:-2000}
root=${RUVO_BENCH_DIR:-/tmp/ruvo-bench}/soak-$events
vdir=$root/vdir/bench
ruvo=$build/src/app/ruvo
mkdir -p "$root"
"$build/bench/generate_calendar" "$vdir" "$events" >/dev/null

home=$root/home
rm -rf "$home" && mkdir -p "$home"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
       XDG_CACHE_HOME=$home/cache XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/run \
       TZ=Europe/Berlin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen RUVO_CALENDAR_BACKENDS=vdir
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
"$ruvo" calendars add "$vdir" >/dev/null
stalls=$root/stalls.log rss=$root/rss.log
rm -f "$stalls" "$rss"

eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 |
        { read -r address; read -r pid; echo "export DBUS_SESSION_BUS_ADDRESS='$address' bus_pid=$pid"; })"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  kill "$bus_pid" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$root"
}
trap cleanup EXIT

started=$(date +%s.%N)
RUVO_STALL_LOG=$stalls "$ruvo" >"$root/ruvo.log" 2>&1 &
program=$!
pids+=("$program")

# Memory every 10 s: "seconds-since-start KiB".
( while kill -0 "$program" 2>/dev/null; do
    kib=$(awk '/VmRSS/ { print $2 }' "/proc/$program/status" 2>/dev/null) || break
    echo "$(awk -v now="$(date +%s.%N)" -v t0="$started" 'BEGIN { printf "%d", now - t0 }') $kib"
    sleep 10
  done >"$rss" ) &
pids+=("$!")

# The sync tool: a steady stream of replaced files, each a little different from before.
python3 - "$vdir" "$rate" "$minutes" <<'PY' &
import os, random, sys, time
folder, rate, minutes = sys.argv[1], int(sys.argv[2]), float(sys.argv[3])
names = sorted(n for n in os.listdir(folder) if n.endswith(".ics"))
random.seed(1)
start = time.monotonic()
end = start + minutes * 60
gap = 60.0 / rate
n = 0
while time.monotonic() < end:
    time.sleep(max(0.0, start + n * gap - time.monotonic())) # on schedule, however slow a write
    name = random.choice(names)
    path = os.path.join(folder, name)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    n += 1
    stamp = time.strftime("%Y%m%dT%H%M%SZ", time.gmtime())
    lines = [("DTSTAMP:" + stamp if l.startswith("DTSTAMP:") else l) for l in text.split("\r\n")]
    lines = [(l + " (synced)" if l.startswith("SUMMARY:") and not l.endswith(")") else
              l[: -len(" (synced)")] if l.startswith("SUMMARY:") else l) for l in lines]
    temporary = os.path.join(folder, ".sync-%d.tmp" % n)
    with open(temporary, "w", encoding="utf-8", newline="") as f:
        f.write("\r\n".join(lines))
    os.rename(temporary, path)
print("sync tool replaced %d files" % n)
PY
sync_tool=$!
pids+=("$sync_tool")
wait "$sync_tool"
sleep 5 # the last burst handled
kill "$program"
wait "$program" 2>/dev/null || true

# The first window after the start is the start itself (loading every calendar).
first=$(awk '$1 == "window" { print $2; exit }' "$stalls")
echo "Load test: $events events, $rate files replaced a minute, $minutes minutes, $(nproc) cores, load $(cut -d' ' -f1 /proc/loadavg)."
awk -v first="${first:-0}" '
  $1 == "stall" && $2 <= first { s++; if ($3 > sl) sl = $3 }
  $1 == "stall" && $2 > first { n++; if ($3 > l) l = $3; t += $3 }
  $1 == "window" { w++ }
  END {
    printf "Start: %d stalls over 50 ms, longest %d ms.\n", s, sl
    printf "After the start: %d stalls over 50 ms in %d windows of 10 s, longest %d ms, %d ms stalled in all.\n", n, w - 1, l, t
  }' "$stalls"
awk -v first="${first:-0}" '$1 == "stall" && $2 > first { print $3 }' "$stalls" | sort -n |
  awk '{ v[NR] = $1 } END { if (NR) { p = int(NR * 0.9); if (p < 1) p = 1
         printf "Stalls after the start: median %d ms, 90th percentile %d ms.\n", v[int((NR + 1) / 2)], v[p] } }'
awk 'NF == 2 && !seen { min = $2; seen = 1 } NF != 2 { next } { if ($2 > max) max = $2; if ($2 < min) min = $2; last = $2 }
     NR % 6 == 1 { printf "  RSS at %4d s: %.1f MB\n", $1, $2 / 1024 }
     END { printf "RSS: last %.1f MB, highest %.1f MB, lowest %.1f MB.\n", last / 1024, max / 1024, min / 1024 }' "$rss"
echo "Stall log: $stalls (kept with KEEP=1)."
