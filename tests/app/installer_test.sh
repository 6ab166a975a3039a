#!/usr/bin/env bash
# The Windows installer from start to end:
#   installer_test.sh WINE_DIR uiprobe.exe Quillmar.exe BUILD_DIR
# CPack builds it; installed silently it puts the program into Program Files with a Start-menu
# shortcut and an entry among the installed programs; the installed program starts and shows its
# main window; uninstalled silently, the folder, the shortcut and the entry are gone.
set -u
. "$(dirname "$0")/ui.sh"
ui_init "$1" "$2"
build=$4
M="Quillmar Shopping Cart 1.0"
folder="$WINEPREFIX/drive_c/Program Files/Quillmar Shopping Cart"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillmar Shopping Cart/Quillmar Shopping Cart.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmar Shopping Cart'

(cd "$build" && cpack -G NSIS -B "$UI_TMP/package" >"$UI_TMP/cpack.log" 2>&1) ||
  { cat "$UI_TMP/cpack.log"; ui_fail "cpack failed"; }
setup=$(ls "$UI_TMP"/package/Quillmar-*-setup.exe 2>/dev/null | head -1)
[ -n "$setup" ] || ui_fail "no installer in $UI_TMP/package"

wine "$setup" /S >/dev/null 2>&1 || ui_fail "the installer failed"
ui_check "the program is in Program Files" ui_poll 30 test -f "$folder/Quillmar.exe"
ui_check "the Start menu has its shortcut" test -f "$shortcut"
ui_check "installed programs list it" bash -c "wine reg query '$key' /v UninstallString >/dev/null 2>&1"

ui_start "C:\\Program Files\\Quillmar Shopping Cart\\Quillmar.exe"
ui_wait_window "$M"
ui_check "the installed program shows its main window" ui_visible "$M"
ui_kill_program

# The uninstaller copies itself to a temporary folder and runs from there: wine returns early.
wine "C:\\Program Files\\Quillmar Shopping Cart\\Uninstall.exe" /S >/dev/null 2>&1
ui_check "uninstalling removes the folder" ui_poll 30 bash -c "[ ! -e \"$folder\" ]"
ui_check "uninstalling removes the shortcut" test ! -e "$shortcut"
ui_check "uninstalling removes the entry" bash -c "! wine reg query '$key' >/dev/null 2>&1"
