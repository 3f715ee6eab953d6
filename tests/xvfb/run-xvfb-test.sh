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
# The main window's entry panel opens at 240,88 of the list area, which lies
# at 12,60 of the client area; its fields and buttons are placed inside it.
ENTRY_X=$((12 + 240))
ENTRY_Y=$((60 + 88))

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

# main_client_colour X Y: the colour (#RRGGBB) at a point of the main
# window's client area, as the screen shows it.
main_client_colour() {
  local id; id=$(visible_window "$MAIN_CAPTION")
  [ -n "$id" ] || return 0
  local height; height=$(xdotool getwindowgeometry --shell "$id" | sed -n 's/^HEIGHT=//p')
  import -window "$id" -crop "1x1+$1+$(( $2 + height - 603 ))" -depth 8 txt:- 2>/dev/null |
    tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}

# The entry panel is shown once its close picture (16 × 16 at 400,8 in the
# panel, a red cross) is on the screen where it belongs.
entry_panel_shown() { [ "$(main_client_colour $((ENTRY_X + 400 + 8)) $((ENTRY_Y + 8 + 8)))" = "#D00000" ]; }

# type_into_entry LEFT TOP TEXT: clicks the entry panel's field whose top
# left is LEFT,TOP in the panel, empties it with the keyboard and types TEXT.
type_into_entry() {
  click_main_client $((ENTRY_X + $1 + 30)) $((ENTRY_Y + $2 + 10))
  xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 40 -- "$3"
}

# answer_message: presses Enter in the message box "提示" and waits for it to go.
answer_message() {
  local id; id=$(wait_for_window '^提示$')
  xdotool windowfocus --sync "$id" 2>/dev/null || true
  xdotool key --clearmodifiers Return
  wait_until 10 is_hidden '^提示$' || fail "the message box did not close on Enter"
}

# goods_row CODE: the row of 表1 with that 商品编码, as lantong-dump prints it.
goods_row() { "$BIN/lantong-dump" --db "$WORK/data.mdb" 表1 | awk -F'\t' -v c="$1" '$2 == c'; }

add_purchase_in_entry_panel() {
  # "添加信息", the first toolbar button (24,7, 105 × 33).
  local try
  for try in 1 2 3; do
    [ "$try" -eq 1 ] || log "clicking 添加信息 again"
    click_main_client $((24 + 52)) $((7 + 16))
    if wait_until 5 entry_panel_shown; then break; fi
  done
  entry_panel_shown || fail "添加信息 did not open the entry panel at 240,88"
  type_into_entry 80 40 "XV-0001"      # 商品编码
  type_into_entry 280 40 "中性笔"       # 商品名称
  type_into_entry 80 88 "box"          # 单位
  type_into_entry 80 120 "12.5"        # 进货单价
  type_into_entry 280 120 "4"          # 进货数量
  type_into_entry 80 152 "Chenguang"   # 供货单位
  # "添加" at 136,256 (57 × 22).
  click_main_client $((ENTRY_X + 136 + 28)) $((ENTRY_Y + 256 + 11))
  answer_message
  local row; row=$(goods_row "XV-0001")
  [ -n "$row" ] || { "$BIN/lantong-dump" --db "$WORK/data.mdb" 表1 >&2; fail "no row XV-0001 in 表1"; }
  # 商品名称 单位 进货单价 进货数量 进货金额, the four sales columns, 库存数量 库存金额, 供货单位
  local got; got=$(echo "$row" | awk -F'\t' -v OFS='|' '{print $3,$6,$7,$8,$9,$10,$11,$12,$13,$14,$15,$16}')
  [ "$got" = "中性笔|box|12.5|4|50|0|0|0|0|4|50|Chenguang" ] || fail "stored purchase: $got"
  log "purchase added through the entry panel and found in data.mdb"
}

check_launcher() {
  local launcher="$HOME/Desktop/岚桐进销存管理软件（旗舰版）.desktop"
  [ -f "$launcher" ] || fail "no desktop launcher"
  grep -qx "Path=$BIN" "$launcher" || fail "launcher does not start in $BIN"
  log "desktop launcher written"
}

source "$(dirname "$0")/sell-step.sh"

main() {
  start_program
  check_launcher
  add_purchase_in_entry_panel
  step_sell
  open_sales_from_menu
  leave_sales_by_toolbar
  open_sales_from_menu
  quit_from_sales
  log "passed"
}

main
