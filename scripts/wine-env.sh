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
  wineserver -p 600
  wine cmd /c exit >/dev/null 2>&1 || true
}

velmora_wine_stop() {
  wineserver -k 2>/dev/null || true
}
