#!/usr/bin/env bash
# Starts the real program in a virtual X server, drives it with xdotool at the
# windows' own coordinates, and checks how it ends.
#
#   run-xvfb-test.sh BIN_DIR     (the folder holding lantong and lantong-initdb)
#
# Steps are functions; add new ones to main() at the bottom.
set -euo pipefail

BIN=$(cd "${1:?usage: run-xvfb-test.sh BIN_DIR}" && pwd)
SCREEN="-screen 0 1280x800x24"

# Re-run inside a fresh X server of our own.
if [ -z "${LANTONG_IN_XVFB:-}" ]; then
  export LANTONG_IN_XVFB=1
  exec xvfb-run -a -s "$SCREEN" "$0" "$@"
fi
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

WORK=$(mktemp -d)
PID=""
cleanup() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then kill "$PID" 2>/dev/null || true; fi
  rm -rf "$WORK"
}
trap cleanup EXIT

MAIN_CAPTION='^岚桐进销存管理软件 V2\.2（旗舰版）$'
SALES_CAPTION='^销售信息$'
DETAILS_CAPTION='^销售明细$'
# The main window's menu bar, in window coordinates: the centre of 【销售信息】.
# (tests/app checks these against the real menu bar.)
MENU_Y=9
MENU_SALES_X=138

log() { echo "[xvfb] $*"; }
fail() {
  echo "[xvfb] FAIL: $*" >&2
  if [ -f "$WORK/program.log" ]; then sed 's/^/[program] /' "$WORK/program.log" >&2; fi
  exit 1
}

# wait_until TIMEOUT_SECONDS COMMAND...: polls until COMMAND succeeds.
wait_until() {
  local timeout=$1; shift
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# The id of the visible window whose caption matches, if any.
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
is_visible() { [ -n "$(visible_window "$1")" ]; }
is_hidden() { ! is_visible "$1"; }

# wait_for_window CAPTION_REGEX: prints the window's id once it is shown.
wait_for_window() {
  wait_until 15 is_visible "$1" || fail "no window '$1'"
  visible_window "$1"
}
wait_hidden() { wait_until 15 is_hidden "$1" || fail "window '$1' is still shown"; }

# click_at WINDOW_ID X Y: a left click at a point of the window (for the
# sales windows this is their client area; the main window's client area
# starts below its menu bar).
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# click_main_client X Y: a left click in the main window's client area.
click_main_client() {
  local id; id=$(visible_window "$MAIN_CAPTION")
  local height; height=$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^HEIGHT=//p')
  click_at "$id" "$1" $(( $2 + height - 603 ))
}

# click_until CAPTION_REGEX X Y EXPECTATION...: clicks the window at X,Y until
# EXPECTATION holds; clicks again only while the window is still shown, in
# case the first click came before the window was ready for it.
click_until() {
  local caption=$1 x=$2 y=$3; shift 3
  local try id
  for try in 1 2 3; do
    id=$(visible_window "$caption")
    [ -n "$id" ] || break
    [ "$try" -eq 1 ] || log "clicking '$caption' at $x,$y again"
    click_at "$id" "$x" "$y"
    if wait_until 5 "$@"; then return 0; fi
  done
  wait_until 10 "$@" || fail "clicking '$caption' at $x,$y had no effect"
}

program_ended() { ! kill -0 "$PID" 2>/dev/null; }

start_program() {
  cd "$WORK"
  "$BIN/lantong-initdb" data.mdb || fail "lantong-initdb"
  export HOME="$WORK/home"
  unset XDG_CONFIG_HOME XDG_DATA_HOME
  mkdir -p "$HOME/Desktop"
  "$BIN/lantong" >"$WORK/program.log" 2>&1 &
  PID=$!
  wait_for_window "$MAIN_CAPTION" >/dev/null
  log "main window shown"
}

open_sales_from_menu() {
  click_until "$MAIN_CAPTION" "$MENU_SALES_X" "$MENU_Y" is_visible "$SALES_CAPTION"
  wait_hidden "$MAIN_CAPTION"
  log "sales window shown, main window hidden"
}

leave_sales_by_toolbar() {
  # "关闭窗口", the seventh toolbar button.
  click_until "$SALES_CAPTION" $((8 + 6 * 112 + 52)) $((7 + 16)) is_hidden "$SALES_CAPTION"
  wait_for_window "$MAIN_CAPTION" >/dev/null
  log "back in the main window"
}

quit_from_sales() {
  # "【退出软件】", the label at 888,16.
  click_until "$SALES_CAPTION" $((888 + 20)) $((16 + 6)) program_ended
  wait "$PID" && status=0 || status=$?
  PID=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  log "program ended with status 0"
}

check_launcher() {
  local launcher="$HOME/Desktop/岚桐进销存管理软件（旗舰版）.desktop"
  [ -f "$launcher" ] || fail "no desktop launcher"
  grep -qx "Path=$BIN" "$launcher" || fail "launcher does not start in $BIN"
  log "desktop launcher written"
}

main() {
  start_program
  check_launcher
  open_sales_from_menu
  leave_sales_by_toolbar
  open_sales_from_menu
  quit_from_sales
  log "passed"
}

main
