# Sourced by tools/test-windows.sh and tools/screenshot: Wine quiet, in the private prefix
# build/win64/wineprefix, which ensure_wine_prefix creates on first use (DISPLAY must be set).
export WINEPREFIX=$PWD/build/win64/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installers
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

ensure_wine_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "== creating the Wine prefix $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  "$wine64" wineboot --init >/dev/null 2>&1
  # Windows no window manager looks after: closing one then takes no two-second wait, and
  # Wine draws their title bar and frame itself.
  "$wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wineserver" -w
}
