#!/usr/bin/env bash
# The whole `ruvo events` process against `khal list today 7d` on the same generated vdir
# (50,000 events; run build/bench/calendar_store_bench once first to generate it).
# Prints wall time and peak resident memory of each, cold (no cache) and warm.
# usage: bash bench/compare-khal.sh [BUILD_DIR]
set -euo pipefail
command -v khal >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq khal >/dev/null
build=${1:-build}
ruvo=$(realpath "$build/src/app/ruvo")
dir=${RUVO_BENCH_DIR:-/tmp/ruvo-bench}/50000
vdir=$dir/vdir/bench
[ -d "$vdir" ] || { echo "no generated vdir at $vdir: run calendar_store_bench first" >&2; exit 2; }
home=$dir/home
rm -rf "$home" && mkdir -p "$home/khal"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
       XDG_STATE_HOME=$home/state TZ=Europe/Berlin LANG=C.UTF-8
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
measure() { # label command...
  local label=$1; shift
  /usr/bin/time -f "$label: %e s wall, %M KiB peak RSS" "$@" > "$home/out-${label// /_}.txt" 2> "$home/time.txt" || true
  tail -1 "$home/time.txt"
}
"$ruvo" calendars add "$vdir" > /dev/null
rm -f "$XDG_CACHE_HOME"/ruvo/calendars.sqlite*
measure "ruvo events cold" "$ruvo" events
measure "ruvo events cached" "$ruvo" events
measure "ruvo events cached again" "$ruvo" events
measure "khal list cold" khal -c "$home/khal/config" list today 7d
measure "khal list warm" khal -c "$home/khal/config" list today 7d
measure "khal list warm again" khal -c "$home/khal/config" list today 7d
echo "ruvo printed $(wc -l < "$home/out-ruvo_events_cached.txt") lines, khal $(wc -l < "$home/out-khal_list_warm.txt") lines"
