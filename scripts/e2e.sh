#!/usr/bin/env bash
# Runs the end-to-end tests of the real Velmora.exe under Wine with fake
# controllers: the fakes' own test, then every scenario of tests/e2e/scenarios,
# with the pass period and the device-to-event delay of each. Builds nothing:
# run `cmake --build --preset windows` (or scripts/test.sh) first.
#   bash scripts/e2e.sh                      everything
#   bash scripts/e2e.sh run tests/e2e/scenarios/button-key.scenario
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -eq 0 ]; then set -- all; fi
exec python3 scripts/e2e.py "$@"
