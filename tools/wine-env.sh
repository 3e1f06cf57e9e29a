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
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== creating the Wine prefix $WINEPREFIX"
    mkdir -p "$(dirname "$WINEPREFIX")"
    local loader=${wine_loader:-$wine64}
    "$loader" wineboot --init >/dev/null 2>&1
    # Windows no window manager looks after: closing one then takes no two-second wait, and
    # Wine draws their title bar and frame itself.
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wineserver" -w
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
