#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, run and test Fennick, and prepares the
# Wine prefix. Safe to run again: it only installs or generates what is missing.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build g++ clang clang-format libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine64 xvfb xauth x11-apps imagemagick
  locales fonts-nanum fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "setup: installing ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine reports code page 949 as the ANSI code page only when this locale exists.
if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$'; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "setup: generating ko_KR.UTF-8"
  $sudo sed -i 's/^# *\(ko_KR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi

# shellcheck source=wine-env.sh
source "$repo/scripts/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || true
fi
# The prefix's settings, applied again whenever they change (regedit wants UTF-16 for Korean).
settings="$repo/scripts/wine-settings.reg.in"
stamp="$WINEPREFIX/.fennick-settings"
if ! cmp -s "$settings" "$stamp"; then
  echo "setup: applying the Wine settings"
  iconv -f UTF-8 -t UTF-16 "$settings" >"$WINEPREFIX/fennick-settings.reg"
  wine regedit /S "$(winepath -w "$WINEPREFIX/fennick-settings.reg")" >/dev/null 2>&1
  wineserver -w
  cp "$settings" "$stamp"
fi
