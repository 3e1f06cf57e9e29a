# Sourced by tools/test-windows.sh and tools/screenshot: Wine quiet, in the private prefix
# build/win64/wineprefix, which ensure_wine_prefix creates on first use (DISPLAY must be set).
# With wine_loader=$wine32 and WINEPREFIX/WINEARCH set by the caller, it creates a 32-bit one.
export WINEPREFIX=$PWD/build/win64/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko installers
wine64=/usr/lib/wine/wine64
wine32=/usr/lib/wine/wine # only with the wine32:i386 package
wineserver=/usr/lib/wine/wineserver

ensure_wine_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "== creating the Wine prefix $WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  local loader=${wine_loader:-$wine64}
  "$loader" wineboot --init >/dev/null 2>&1
  # Windows no window manager looks after: closing one then takes no two-second wait, and
  # Wine draws their title bar and frame itself.
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$wineserver" -w
}
