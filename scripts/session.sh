# Sourced by the run and test scripts: a private X display (when there is none) and a
# persistent wineserver, so each Windows program starts in well under a second.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

xvfb_pid=""

start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return; fi
  # Xvfb picks a free display number itself and writes it to the pipe, so sessions started side
  # by side never share a display.
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if [ -s "$number_file" ]; then
      export DISPLAY=":$(tr -dc 0-9 <"$number_file")"
      rm -f "$number_file"
      xdpyinfo >/dev/null 2>&1 && return
    fi
    sleep 0.1
  done
  rm -f "$number_file"
  kill "$xvfb_pid" 2>/dev/null; xvfb_pid=""
  echo "session: no X display could be started" >&2
  return 1
}

# Detached stdio: a wineserver or a Wine service (started by the first Wine program of a
# session and kept alive by the persistent server) holding CTest's pipes would keep CTest
# waiting forever. So the server and the services start here, away from any pipe.
start_wineserver() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_session() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
