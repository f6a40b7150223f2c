# Sourced by the scripts that run Windows programs: one Wine prefix inside the build folder,
# the Korean locale (so the ANSI code page is 949) and no Wine chatter.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${FENNICK_WINEPREFIX:-$repo/build/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers: Fennick needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree=;mshtml=}
export LANG=ko_KR.UTF-8
export LC_ALL=ko_KR.UTF-8
