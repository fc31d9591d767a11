#!/usr/bin/env python3
"""Checks the release zip that scripts/package.sh builds.

- The zip holds exactly the files its ReadMe.txt lists under "The files",
  all in one folder named after the release.
- Velmora.exe imports only DLLs that every Windows has (it is linked
  statically: no compiler runtime beside it).
- The controller database is the Windows part of the SDL database, its
  source commit named, with its licence.
- Its version record carries the release's version, and it stays under 2 MiB.

Usage: check-package.py dist/Velmora-VERSION-win64.zip
"""
import pathlib
import re
import subprocess
import sys
import tempfile
import zipfile

SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
    "oleaut32.dll", "comdlg32.dll", "comctl32.dll", "winmm.dll", "msvcrt.dll", "shlwapi.dll",
    "uxtheme.dll", "version.dll", "ntdll.dll",
}
SIZE_LIMIT = 2 * 1024 * 1024


def listed_files(readme):
    """The names in ReadMe.txt's "The files" part: the first word of each
    indented line up to the next blank line."""
    lines = readme.replace("\r\n", "\n").split("\n")
    start = lines.index("The files") + 3  # the heading, its underline, a blank line
    names = []
    for line in lines[start:]:
        if not line.strip():
            break
        names.append(line.split()[0].replace("\\", "/"))
    return names


def imported_dlls(exe):
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(exe)], check=True,
                          capture_output=True, text=True).stdout
    return [name.lower() for name in re.findall(r"DLL Name: (\S+)", dump)]


def version_record_has(data, version):
    key = "ProductVersion".encode("utf-16-le")
    # The value follows its key after one or two zero characters of padding.
    pattern = re.escape(key) + b"(?:\x00\x00){1,2}" + re.escape(version.encode("utf-16-le"))
    return re.search(pattern, data) is not None


def database_faults(archive, folder):
    """The controller database: Windows entries only, its source commit named,
    and the zlib licence beside it."""
    try:
        database = archive.read(f"{folder}/gamecontrollerdb.txt").decode("utf-8")
        licence = archive.read(f"{folder}/gamecontrollerdb-licence.txt").decode("utf-8")
    except KeyError as missing:
        yield f"no controller database or its licence: {missing}"
        return
    lines = database.splitlines()
    entries = [line for line in lines if line and not line.startswith("#")]
    if len(entries) < 500 or any(not line.rstrip(",").endswith("platform:Windows") for line in entries):
        yield f"gamecontrollerdb.txt: {len(entries)} entries, or not all of them for Windows"
    if not any(re.search(r"SDL_GameControllerDB at commit [0-9a-f]{40}", line) for line in lines):
        yield "gamecontrollerdb.txt does not name the commit it was taken from"
    if "This notice may not be removed or altered" not in licence:
        yield "gamecontrollerdb-licence.txt is not the database's zlib licence"


def faults(zip_path):
    match = re.fullmatch(r"(Velmora-(\d+\.\d+\.\d+))-win64\.zip", zip_path.name)
    if not match:
        yield f"{zip_path.name}: not named Velmora-VERSION-win64.zip"
        return
    folder, version = match.group(1), match.group(2)
    with zipfile.ZipFile(zip_path) as archive:
        files = [n for n in archive.namelist() if not n.endswith("/")]
        outside = [n for n in files if not n.startswith(folder + "/")]
        if outside:
            yield f"outside the folder {folder}: {outside}"
        inside = {n[len(folder) + 1:] for n in files}
        readme = archive.read(f"{folder}/ReadMe.txt").decode("utf-8")
        promised = set(listed_files(readme))
        if promised != inside:
            yield f"ReadMe.txt lists {sorted(promised)}, the zip holds {sorted(inside)}"
        if f"Velmora {version}" not in readme:
            yield "ReadMe.txt does not name the version"
        exe = archive.read(f"{folder}/Velmora.exe")
        yield from database_faults(archive, folder)
    if len(exe) >= SIZE_LIMIT:
        yield f"Velmora.exe is {len(exe)} bytes, not under {SIZE_LIMIT}"
    if not version_record_has(exe, version):
        yield f"Velmora.exe's version record does not say {version}"
    with tempfile.TemporaryDirectory() as temp:
        path = pathlib.Path(temp) / "Velmora.exe"
        path.write_bytes(exe)
        dlls = imported_dlls(path)
    if not dlls:
        yield "Velmora.exe imports nothing: not a Windows program?"
    foreign = sorted(set(dlls) - SYSTEM_DLLS)
    if foreign:
        yield f"Velmora.exe imports DLLs that Windows does not bring: {foreign}"


def main():
    zip_path = pathlib.Path(sys.argv[1])
    found = list(faults(zip_path))
    for fault in found:
        print(f"check-package: {fault}")
    if not found:
        print(f"check-package: {zip_path.name} holds what its ReadMe.txt lists; Velmora.exe imports only system DLLs")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
