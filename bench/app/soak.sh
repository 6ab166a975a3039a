#!/usr/bin/env bash
# Soak: CYCLES generate / clear / copy cycles on each snippet tab, with real clicks, must leave
# the program's GDI and USER objects as they were after the first cycle.
#   soak.sh WINE_DIR uiprobe.exe Quillmar.exe [CYCLES]   (default 1000)
set -u
. "$(dirname "$0")/../../tests/app/ui.sh"
ui_init "$1" "$2"
cycles=${4:-1000}
M="Quillmar Shopping Cart 1.0"

centre() {
  ui_control "$M" QmWinControl "$1"
  echo "$UI_X $UI_Y"
}

# cycles_on_page N: N cycles on the visible page as one stream of clicks.
cycles_on_page() {
  local g c y clear args=() i
  g=$(centre "Generate Code")
  clear=$(ui_controls "$M" QmWinControl | awk '$7 == "Clear" { print ($2 + $4) / 2, ($3 + $5) / 2 }')
  y=$(centre "Copy to Clipboard")
  for ((i = 0; i < $1; ++i)); do
    args+=(mousemove $g click 1 mousemove $y click 1 mousemove $clear click 1)
  done
  xdotool "${args[@]}"
}

# to_page TITLE: Ctrl+Tab until the page control shows TITLE.
page_is() { [ "$(ui_page "$M")" = "$1" ]; }
to_page() {
  local i
  for ((i = 0; i < 4; ++i)); do
    page_is "$1" && return 0
    ui_key ctrl+Tab
    ui_poll 3 page_is "$1" && return 0
  done
  ui_fail "cannot reach the page $1"
}
pages=("Single Item Purchase" "Shopping Cart" "Subscription Billing")

ui_start "$3"
ui_wait_window "$M"
ui_activate "$M"
for page in "${pages[@]}"; do
  to_page "$page"
  cycles_on_page 1
done
sleep 1
read -r gdi0 user0 <<<"$(ui_probe counts "$M")"
start=$(date +%s)
echo "after one cycle per tab: GDI objects $gdi0, USER objects $user0"
# The counts after each tab (and after each tenth of its cycles) tell a one-time object from a
# leak: only a leak grows with the cycles.
for page in "${pages[@]}"; do
  to_page "$page"
  step=$(((cycles + 9) / 10))
  counts=""
  for ((done = 0; done < cycles; done += step)); do
    cycles_on_page $((cycles - done < step ? cycles - done : step))
    counts="$counts $(ui_probe counts "$M" | tr ' ' /)"
  done
  echo "$page: GDI/USER after each $step cycles:$counts"
done
sleep 2
read -r gdi1 user1 <<<"$(ui_probe counts "$M")"
echo "$cycles cycles per tab in $(($(date +%s) - start)) s: GDI objects $gdi0 -> $gdi1, USER objects $user0 -> $user1"
[ "$gdi0" = "$gdi1" ] && [ "$user0" = "$user1" ]
