# Selling from stock in the real sales window: a step for run-xvfb-test.sh,
# sourced by it and using its helpers (log, fail, wait_until, visible_window,
# click_at, answer_message, open_sales_from_menu, leave_sales_by_toolbar) and
# its variables (BIN, WORK, SALES_CAPTION).
#
# step_sell starts and ends in the main window. The first goods record of
# 表1 (the first row of the sales window's list) must have stock left.

# The selling panel's top left in the sales window's client area: the list
# area at 12,60, the panel at 642,46 in it.
SELL_X=$((12 + 642))
SELL_Y=$((60 + 46))

# sales_client_colour X Y: the colour (#RRGGBB) at a point of the sales
# window's client area, as the screen shows it.
sales_client_colour() {
  local id; id=$(visible_window "$SALES_CAPTION")
  [ -n "$id" ] || return 0
  import -window "$id" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    tail -n 1 | grep -o '#[0-9A-F]\{6\}'
}

# The selling panel is shown once its close picture (16 × 16 at 283,5 in the
# panel, a red cross) is on the screen where it belongs.
selling_panel_shown() {
  [ "$(sales_client_colour $((SELL_X + 283 + 8)) $((SELL_Y + 5 + 8)))" = "#D00000" ]
}
selling_panel_hidden() { ! selling_panel_shown; }

# type_into_selling LEFT TOP TEXT: clicks the selling panel's field whose top
# left is LEFT,TOP in the panel, empties it with the keyboard and types TEXT.
type_into_selling() {
  click_at "$(visible_window "$SALES_CAPTION")" $((SELL_X + $1 + 30)) $((SELL_Y + $2 + 10))
  xdotool key --clearmodifiers End BackSpace BackSpace BackSpace BackSpace
  xdotool type --delay 40 -- "$3"
}

# dump TABLE: the table as lantong-dump prints it, the header line first.
dump() { "$BIN/lantong-dump" --db "$WORK/data.mdb" "$1"; }

# field LINE N: the Nth tab-separated field of a dumped row (empty fields
# count, which read with IFS would merge).
field() { awk -F'\t' -v n="$2" '{ print $n }' <<<"$1"; }

# same_number A B: true when the two number texts are the same number.
same_number() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 1e-9 && d > -1e-9) }'; }

# expect_number WHAT GOT WANTED
expect_number() { same_number "$2" "$3" || fail "$1 is '$2', expected $3"; }

step_sell() {
  # 表1's first record is the list's first row.
  local before; before=$(dump 表1 | sed -n 2p)
  [ -n "$before" ] || fail "no goods record to sell"
  # ID 商品编码 .. 单位 进货单价 进货数量 进货金额 销售单价 销售数量 销售金额 销售利润 库存数量 库存金额
  local code price sold amount profit stock value
  code=$(field "$before" 2)
  price=$(field "$before" 7)
  sold=$(field "$before" 11)
  amount=$(field "$before" 12)
  profit=$(field "$before" 13)
  stock=$(field "$before" 14)
  value=$(field "$before" 15)
  awk -v s="$stock" 'BEGIN { exit !(s >= 1) }' || fail "the first goods record has no stock ($stock)"
  local sales_before; sales_before=$(( $(dump 表3 | wc -l) - 1 ))

  open_sales_from_menu
  # A double click on the first row: below the two title rows (18 each),
  # in the column 商品编码.
  local id try
  for try in 1 2 3; do
    [ "$try" -eq 1 ] || log "double-clicking the first row again"
    id=$(visible_window "$SALES_CAPTION")
    xdotool mousemove --window "$id" $((12 + 12 + 30)) $((60 + 36 + 9)) click --repeat 2 --delay 80 1
    if wait_until 5 selling_panel_shown; then break; fi
  done
  selling_panel_shown || fail "a double click did not open the selling panel at 642,46"
  log "selling panel open on $code"

  type_into_selling 80 240 "30"         # 销售单价
  type_into_selling 216 240 "1"         # 销售数量
  type_into_selling 80 296 "Zhang San"  # 客户姓名
  # "确定" at 125,395 (57 × 22).
  click_at "$(visible_window "$SALES_CAPTION")" $((SELL_X + 125 + 28)) $((SELL_Y + 395 + 11))
  answer_message
  wait_until 10 selling_panel_hidden || fail "the selling panel is still shown after the sale"

  # The sale record: ID 销售日期 商品编码 .. 单位 销售单价 销售数量 销售金额 客户姓名.
  local sales_after; sales_after=$(( $(dump 表3 | wc -l) - 1 ))
  [ "$sales_after" -eq $((sales_before + 1)) ] ||
    { dump 表3 >&2; fail "表3 holds $sales_after sales, expected $((sales_before + 1))"; }
  local sale; sale=$(dump 表3 | tail -n 1)
  [ "$(field "$sale" 3)" = "$code" ] || fail "the sale is of '$(field "$sale" 3)', expected $code"
  expect_number "the sale's 销售单价" "$(field "$sale" 8)" 30
  expect_number "the sale's 销售数量" "$(field "$sale" 9)" 1
  expect_number "the sale's 销售金额" "$(field "$sale" 10)" 30
  [ "$(field "$sale" 11)" = "Zhang San" ] || fail "the sale's 客户姓名 is '$(field "$sale" 11)'"
  [ -n "$(field "$sale" 2)" ] || fail "the sale has no 销售日期"

  # The goods record: the sale added to its sales figures, taken from stock
  # at the purchase price.
  local after; after=$(dump 表1 | sed -n 2p)
  [ "$(field "$after" 2)" = "$code" ] || fail "表1's first record is now '$(field "$after" 2)'"
  expect_number "表1 销售单价" "$(field "$after" 10)" 30
  expect_number "表1 销售数量" "$(field "$after" 11)" "$(awk -v x="$sold" 'BEGIN { print x + 1 }')"
  expect_number "表1 销售金额" "$(field "$after" 12)" "$(awk -v x="$amount" 'BEGIN { print x + 30 }')"
  expect_number "表1 销售利润" "$(field "$after" 13)" \
    "$(awk -v x="$profit" -v p="$price" 'BEGIN { printf "%.10f", x + 30 - p }')"
  expect_number "表1 库存数量" "$(field "$after" 14)" "$(awk -v x="$stock" 'BEGIN { print x - 1 }')"
  expect_number "表1 库存金额" "$(field "$after" 15)" \
    "$(awk -v x="$value" -v p="$price" 'BEGIN { printf "%.10f", x - p }')"
  log "sold 1 of $code at 30 through the selling panel; 表3 and 表1 agree"

  leave_sales_by_toolbar
}
