#!/usr/bin/env bash
# Builds Velmora for Windows and starts Velmora.exe (under Wine on Linux, on a
# virtual display when there is none). With no controller here, it plays a
# demonstration: a fake XInput pad (tests/e2e/demo.scenario) drives the demo
# profile (demo/demo.velmoraprofile) and every key and mouse event Velmora.exe
# injects is printed as it happens.
#   bash scripts/run.sh             the demonstration
#   bash scripts/run.sh --plain     just start Velmora.exe (no fake devices); close its window to end
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
echo "== Building Velmora.exe (mingw-w64)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Velmora velmora_e2e_tools >/dev/null
if [ "${1:-}" = "--plain" ]; then
  # shellcheck source=scripts/wine-env.sh
  source scripts/wine-env.sh
  if [ -z "${DISPLAY:-}" ]; then
    Xvfb :91 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    export DISPLAY=:91
    sleep 1
  fi
  velmora_wine_start
  # The program resolves a relative name against its own folder: name the profile by drive Z:.
  wine build/windows/Velmora.exe "Z:$(pwd | tr / '\\')\\demo\\demo.velmoraprofile"
  exit 0
fi
echo "== Velmora.exe under Wine with a fake controller"
python3 scripts/e2e.py demo
