#!/usr/bin/env bash
# Builds the release to download: dist/Velmora-VERSION-win64.zip, one folder
# holding the stripped, statically linked Velmora.exe, ReadMe.txt for Windows
# users (from packaging/ReadMe.txt), the licence, the demonstration's
# profile and layout, and the controller database with its licence.
# The version is the project's, from CMakeLists.txt. Prints the zip's name and
# the program's stripped size.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "package.sh: no version in CMakeLists.txt" >&2; exit 1; }
name="Velmora-$version"

echo "== Building Velmora.exe $version (mingw-w64, static)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target Velmora >/dev/null

stage=build/package/$name
rm -rf build/package
mkdir -p "$stage/demo" dist
x86_64-w64-mingw32-strip -o "$stage/Velmora.exe" build/windows/Velmora.exe
cp demo/demo.velmoraprofile demo/demo.velmoracontroller "$stage/demo/"
# The controller database as taken (LF lines); its licence for Notepad.
cp data/gamecontrollerdb.txt "$stage/"
sed -e 's/$/\r/' data/gamecontrollerdb-licence.txt >"$stage/gamecontrollerdb-licence.txt"
# Windows users read it in Notepad: CRLF line ends.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/ReadMe.txt >"$stage/ReadMe.txt"
sed -e 's/$/\r/' LICENSE >"$stage/Licence.txt"

zip="dist/$name-win64.zip"
rm -f dist/Velmora-*-win64.zip  # one release in dist/, so that the check finds this one
(cd build/package && python3 -m zipfile -c "../../$zip" "$name")
echo "$zip"
echo "Velmora.exe stripped: $(stat -c %s "$stage/Velmora.exe") bytes"
