#!/usr/bin/env bash
# Refreshes data/gamecontrollerdb.txt, the controller database Velmora ships
# beside Velmora.exe: the Windows lines of the public SDL game controller
# database (github.com/mdqinc/SDL_GameControllerDB), with the commit they were
# taken from in the header, and its licence in data/gamecontrollerdb-licence.txt.
#
#   scripts/update-controller-db.sh [CLONE]
#
# CLONE is a git clone of that repository (bare or not); without it the
# repository is cloned into a temporary folder. The newest commit of its
# default branch is taken. Prints the commit and the number of entries.
set -euo pipefail
cd "$(dirname "$0")/.."

repo=${1:-}
if [ -z "$repo" ]; then
  repo=$(mktemp -d)
  trap 'rm -rf "$repo"' EXIT
  git clone --quiet --bare --depth 1 https://github.com/mdqinc/SDL_GameControllerDB.git "$repo"
fi
commit=$(git -C "$repo" rev-parse HEAD)
date=$(git -C "$repo" log -1 --format=%cs HEAD)
out=data/gamecontrollerdb.txt
{
  echo "# The controller database Velmora reads: the Windows lines of gamecontrollerdb.txt from"
  echo "# https://github.com/mdqinc/SDL_GameControllerDB at commit $commit ($date)."
  echo "# Altered from the original: only the lines for Windows are kept. zlib licence:"
  echo "# see gamecontrollerdb-licence.txt. Refreshed by scripts/update-controller-db.sh."
  echo "# A newer gamecontrollerdb.txt dropped beside Velmora.exe is read in place of this one."
  git -C "$repo" show HEAD:gamecontrollerdb.txt | tr -d '\r' | grep -E '(^|,)platform:Windows,?$'
} >"$out"
git -C "$repo" show HEAD:LICENSE | tr -d '\r' >data/gamecontrollerdb-licence.txt
echo "commit $commit ($date): $(grep -vc '^#' "$out") Windows entries in $out"
