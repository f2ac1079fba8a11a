#!/usr/bin/env bash
# Installs the Debian 12 packages Ruvo needs to build, test and run.
# Idempotent: prints nothing and touches nothing when every package is present.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build ccache pkg-config clang-format clang-tidy python3
  # the fuzz targets (scripts/fuzz): clang with its libFuzzer and sanitizer runtimes
  clang libclang-rt-14-dev
  # libraries
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
  libicu-dev libical-dev libsqlite3-dev libglib2.0-dev libxcb1-dev
  # Evolution Data Server calendars, and the Xfce panel plugin (GTK 3)
  libecal2.0-dev libedataserver1.2-dev evolution-data-server
  libxfce4panel-2.0-dev libgtk-3-dev
  # translations (lupdate, lrelease)
  qt6-l10n-tools
  # the desktop's sounds, which the system sound names play
  sound-theme-freedesktop
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  python3-dbusmock radicale
  xvfb xauth x11-utils x11-apps xdotool imagemagick dbus dbus-x11 fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
