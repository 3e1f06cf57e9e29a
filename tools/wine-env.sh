# Sourced by tools/test-windows.sh and tools/screenshot: Wine quiet, in the private prefix
# build/win64/wineprefix, which ensure_wine_prefix creates on first use (DISPLAY must be set).
# With wine_loader=$wine32 and WINEPREFIX/WINEARCH set by the caller, it creates a 32-bit one.
export WINEPREFIX=$PWD/build/win64/wineprefix
export WINEDEBUG=-all
# No Mono or Gecko installers, and no menu entries or .desktop files in $HOME for what the
# installer tests put into the Start menu.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine64=/usr/lib/wine/wine64
# Only with the wine32:i386 package. RUTSCHBILD_WINE32 names another loader (the test of the
# script on a machine that cannot run 32-bit programs uses one that cannot execute).
wine32=${RUTSCHBILD_WINE32:-/usr/lib/wine/wine}
wineserver=/usr/lib/wine/wineserver

ensure_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    local loader=${wine_loader:-$wine64}
    local log=$WINEPREFIX.log
    # Wine is chatty while it sets up a prefix: its output is shown only when it fails.
    "$loader" wineboot --init >"$log" 2>&1 || { cat "$log" >&2; return 1; }
    # Windows no window manager looks after: closing one then takes no two-second wait, and
    # Wine draws their title bar and frame itself.
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >"$log" 2>&1 ||
      { cat "$log" >&2; return 1; }
    "$wineserver" -w
    rm -f "$log"
  fi
  # Tahoma, the face the window asks for and every Windows has: Debian's fonts-wine brings Wine's
  # own, which this Wine looks for only in the prefix's font folder. Older prefixes get it too.
  local font
  for font in tahoma.ttf tahomabd.ttf; do
    if [ -f "/usr/share/wine/fonts/$font" ] && [ ! -e "$WINEPREFIX/drive_c/windows/Fonts/$font" ]
    then
      ln -s "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/$font"
    fi
  done
}
