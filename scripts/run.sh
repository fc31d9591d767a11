#!/usr/bin/env bash
# Builds Velmora and runs its main job. Until the Windows program can be
# started here, that is the engine itself: velmora-cli plays the demo script
# against the demo profile and prints every key and mouse event it injects.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
build/release/velmora-cli simulate demo/demo.velmoraprofile demo/demo.script
