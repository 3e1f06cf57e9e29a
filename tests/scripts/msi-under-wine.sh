#!/usr/bin/env bash
# A Windows Installer package of Rutschbild under Wine, the way an administrator uses it: silent
# install and what it writes, the game started from its Start-menu shortcut, removal by file and
# by product code leaving nothing, a major upgrade from an older package, and a downgrade refused.
# With --refused: the package must refuse this Windows (the x86 one on a 64-bit Windows).
# Usage: msi-under-wine.sh [--refused] LOADER PACKAGE
#   LOADER the Wine loader of the prefix in WINEPREFIX; PACKAGE beside its Rutschbild.exe and
#   win32/Lizenz.txt. DISPLAY must be a display of the caller's (tools/test-msi.sh).
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/fail-loudly.sh"
cd "$(dirname "$0")/../.."
prefix=${WINEPREFIX:?the caller names the Wine prefix}
source tools/wine-env.sh
export WINEPREFIX=$prefix

refused=false
if [ "${1:-}" = --refused ]; then refused=true; shift; fi
[ "$#" -eq 2 ] || { sed -n '6,8s/^# \{0,1\}//p' "$0" >&2; exit 2; }
loader=$1 package=$(realpath "$2")
build=$(dirname "$package")
drive_c=$WINEPREFIX/drive_c
installed=$drive_c/Program\ Files/Rutschbild
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: msi-under-wine ($(basename "$package")): $*" >&2; exit 1; }

property() { # PACKAGE NAME
  msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'
}
version=$(property "$package" ProductVersion)
product=$(property "$package" ProductCode)
products=("$product") # every product code the test installs, for the search of leftovers

windows_path() { local path; path=$(realpath -m "$1"); printf 'Z:%s' "${path//\//\\}"; }

# msiexec ARGUMENT...: prints its exit code. The shell would see only its low byte (1603 as 67);
# cmd passes on the whole number. The command goes through a batch file: Wine would escape the
# quotes of a command line given to cmd directly.
msiexec() {
  printf '@start /wait msiexec %s\r\n@echo %%errorlevel%%\r\n' "$*" >"$scratch/msiexec.bat"
  local output
  output=$("$loader" cmd /c "$(windows_path "$scratch/msiexec.bat")" 2>/dev/null) || true
  tr -d '\r' <<<"$output" | tail -n 1
}
expect_msiexec() { # EXIT_CODE ARGUMENT...
  local want=$1 got
  shift
  got=$(msiexec "$@" /qn /l*v "\"$(windows_path "$scratch/msiexec.log")\"")
  if [ "$got" != "$want" ]; then
    iconv -f CP1252 -t UTF-8 "$scratch/msiexec.log" 2>/dev/null | tail -n 30 >&2 || true
    fail "msiexec $* ended with $got, not $want"
  fi
}

# A registry key as UTF-8 text, empty when it is not there.
registry() {
  local file=$scratch/export.reg
  rm -f "$file"
  "$loader" reg export "$1" "$(windows_path "$file")" /y >/dev/null 2>&1 || return 0
  iconv -f UTF-16 -t UTF-8 "$file" | tr -d '\r'
}
uninstall_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The "Apps & features" entries of Rutschbild: their key names, in the registry's own view and
# in the one that 32-bit programs see on a 64-bit Windows.
entries() {
  { registry "$uninstall_key"; registry "${uninstall_key/Software/Software\\Wow6432Node}"; } |
    awk '/^\[/ { key = $0 } $0 == "\"DisplayName\"=\"Rutschbild\"" { print key }'
}

# Windows Installer's packed form of a GUID, as its registry keys spell it.
packed() {
  local g=${1//[\{\}-]/} out i
  out=$(rev <<<"${g:0:8}")$(rev <<<"${g:8:4}")$(rev <<<"${g:12:4}")
  for ((i = 16; i < 32; i += 2)); do out+=${g:i+1:1}${g:i:1}; done
  printf '%s' "$out"
}

# Nothing of Rutschbild in the prefix: no file or folder, no registry key or value (the server
# is stopped first, which writes the registry to its files).
nothing_left() { # WHEN
  local files code patterns=(-e rutschbild)
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w
  files=$(find "$drive_c" -iname '*rutschbild*' -o -ipath '*/windows/installer/*.msi')
  [ -z "$files" ] || fail "$1: left behind: $files"
  for code in "${products[@]}"; do patterns+=(-e "${code//[\{\}]/}" -e "$(packed "$code")"); done
  if grep -i -n "${patterns[@]}" "$WINEPREFIX"/*.reg >"$scratch/left.txt"; then
    head -n 5 "$scratch/left.txt" >&2
    fail "$1: registry entries are left behind"
  fi
}

# Anything from a run that was interrupted goes first, so that every run starts clean: what is
# installed, and the copies of packages an msiexec that was ended midway keeps. Nothing else in
# this private prefix installs packages.
for key in $(entries | sed 's/.*\\\(.*\)\]$/\1/'); do msiexec /x "$key" /qn >/dev/null; done
find "$drive_c/windows/Installer" -maxdepth 1 -iname '*.msi' -delete 2>/dev/null || true
nothing_left "before the test"

if $refused; then
  expect_msiexec 1603 /i "\"$(windows_path "$package")\""
  nothing_left "after the refused installation"
  echo "msi-under-wine: $(basename "$package") refused this Windows and wrote nothing"
  exit 0
fi

installed_as_built() {
  cmp "$installed/Rutschbild.exe" "$build/Rutschbild.exe" || fail "the installed exe is not the built one"
  cmp "$installed/Lizenz.txt" "$build/win32/Lizenz.txt" || fail "the installed licence differs"
}

check_installation() {
  installed_as_built
  local shortcut field entry
  shortcut=$(find "$drive_c" -name Rutschbild.lnk)
  [ "$(wc -l <<<"$shortcut")" -eq 1 ] && [ -n "$shortcut" ] ||
    fail "expected one Start-menu shortcut, found: ${shortcut:-none}"
  lnkinfo "$shortcut" >"$scratch/lnk.txt"
  field() { sed -n "s/^[[:space:]]*$1[[:space:]]*: //p" "$scratch/lnk.txt" | head -n 1; }
  [ "$(field 'Local path')" = 'C:\Program Files\Rutschbild\Rutschbild.exe' ] ||
    fail "the shortcut points to '$(field 'Local path')'"
  [ "$(field 'Working directory')" = 'C:\Program Files\Rutschbild\' ] ||
    fail "the shortcut works in '$(field 'Working directory')'"
  [ "$(field 'Icon location')" = "C:\\windows\\Installer\\$product\\Rutschbild.ico" ] ||
    fail "the shortcut's icon is '$(field 'Icon location')'"
  cmp "$drive_c/windows/Installer/$product/Rutschbild.ico" resources/icons/rutschbild.ico ||
    fail "the shortcut's icon is not the program's"

  [ "$(entries)" = "[$uninstall_key\\$product]" ] || fail "Apps & features lists: $(entries)"
  entry=$(registry "$uninstall_key\\$product")
  local value
  for value in '"DisplayName"="Rutschbild"' '"Publisher"="Rutschbild-Team"' \
      "\"DisplayVersion\"=\"$version\"" '"NoModify"=dword:00000001' \
      '"InstallLocation"="C:\\Program Files\\Rutschbild\\"' '"Language"=dword:00000407' \
      '"Comments"="Schiebepuzzle mit zwölf Bildteilen"'; do
    grep -qxF "$value" <<<"$entry" || fail "the Uninstall key lacks $value"
  done
  registry 'HKLM\Software\Classes\Installer\Products\'"$(packed "$product")" |
    grep -qxF "\"ProductIcon\"=\"C:\\\\windows\\\\Installer\\\\$product\\\\Rutschbild.ico\"" ||
    fail "Apps & features has no icon for Rutschbild"
}

# The game from its shortcut, as a pupil starts it: its window appears and closes on Alt+F4.
start_from_shortcut() {
  local window
  "$loader" start /unix "$(find "$drive_c" -name Rutschbild.lnk)" 2>/dev/null
  timeout 30 xdotool search --sync --onlyvisible --name '^Rutschbild$' >/dev/null ||
    fail "no Rutschbild window appeared from the Start-menu shortcut"
  # Wine may replace a starting window's X window, so the key goes to the one there is now,
  # again until it is gone.
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '^Rutschbild$' | head -n 1) || return 0
    xdotool key --window "$window" alt+F4 2>/dev/null || true
    sleep 0.2
  done
  fail "the window started from the shortcut did not close on Alt+F4"
}

echo "== $(basename "$package"): install, start, remove by file"
expect_msiexec 0 /i "\"$(windows_path "$package")\""
check_installation
start_from_shortcut
expect_msiexec 0 /x "\"$(windows_path "$package")\""
nothing_left "after removal by file"

echo "== install, remove by product code"
expect_msiexec 0 /i "\"$(windows_path "$package")\""
expect_msiexec 0 /x "$product"
nothing_left "after removal by product code"

# An older package of the same architecture with one more file: replacing it must take that
# file away and leave one entry.
echo "== an older package, then this one"
printf 'Nur in der alten Version.\r\n' >"$scratch/Alt.txt"
arch=$(msiinfo suminfo "$package" | sed -n 's/^Template: \(.*\);.*/\1/p')
[ "$arch" = Intel ] && arch=x86
win32/installer/build-msi.sh "$arch" 0.0.1 "$scratch/older.msi" "$build/Rutschbild.exe" \
  "$build/win32/Lizenz.txt" resources/icons/rutschbild.ico "$scratch/Alt.txt"
products+=("$(property "$scratch/older.msi" ProductCode)")
expect_msiexec 0 /i "\"$(windows_path "$scratch/older.msi")\""
[ -f "$installed/Alt.txt" ] || fail "the older package did not install its extra file"
expect_msiexec 0 /i "\"$(windows_path "$package")\""
[ ! -e "$installed/Alt.txt" ] || fail "the upgrade left the older version's file behind"
check_installation

echo "== the older package over this one: refused, nothing changed"
snapshot() {
  (cd "$drive_c" && find . -ipath '*rutschbild*' -type f -exec md5sum {} + | sort)
  registry "$uninstall_key"
}
snapshot >"$scratch/before.txt"
expect_msiexec 1603 /i "\"$(windows_path "$scratch/older.msi")\""
snapshot >"$scratch/after.txt"
diff "$scratch/before.txt" "$scratch/after.txt" >&2 || fail "the refused downgrade changed the installation"
check_installation

expect_msiexec 0 /x "$product"
nothing_left "after the upgrade and its removal"
echo "msi-under-wine: $(basename "$package") passed"
