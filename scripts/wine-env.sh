# Sourced by the scripts that run Windows programs under Wine: a throwaway
# prefix inside the build folder, no debug noise, no Mono or Gecko prompts,
# and one lingering Wine server so that each test starts in a few hundredths
# of a second instead of seconds.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${WINEPREFIX:-$PWD/build/windows/wineprefix}"
export WINEARCH=win64

velmora_wine_start() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # The windows use Tahoma, which Wine finds only inside the prefix.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp -n /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -p 600
  # After the lasting server has started: a Wine program run before it
  # leaves a server of its own for a few seconds, and the start then fails.
  velmora_wine_unmanaged
  wine cmd /c exit >/dev/null 2>&1 || true
}

# There is no window manager on the virtual display: Wine, left to wait for one,
# spent 2 s on every window hidden or destroyed (a unit test that opens a
# window took 2 s instead of 50 ms; the unit tests 180 s instead of 30).
# Unmanaged, Wine places the windows and draws their frames itself. The
# end-to-end prefix (scripts/e2e.py) keeps Wine's default: there a click on the
# main window raised it over the settings windows it owns, which the GUI
# checks' screen reads are not written for.
velmora_wine_unmanaged() {
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
}

velmora_wine_stop() {
  wineserver -k 2>/dev/null || true
  [ -z "${VELMORA_XVFB_PID:-}" ] || kill "$VELMORA_XVFB_PID" 2>/dev/null || true
}

# Windows need a display: without one, start a virtual one (Xvfb) for as
# long as the Wine server runs.
velmora_display_start() {
  if [ -z "${DISPLAY:-}" ]; then
    local n=97
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    VELMORA_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
}
