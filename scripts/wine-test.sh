#!/usr/bin/env bash
# Runs one Windows test program under Wine for CTest (each test and the test
# listing), passing the program's standard error on through a file instead of
# letting Wine's helper processes inherit CTest's pipe.
#
# The first Wine program that needs the desktop starts Wine's desktop process
# (explorer.exe /desktop) and hands it its own standard error; that process
# stays until no other program has used the desktop for a second. CTest waits
# until every writer of a test's pipe has closed it, so the test that happened
# to start the desktop process seemed to run for as long as other tests kept
# the desktop busy (about 110 s of each run of the whole suite), and the test
# listing timed out after 120 s, printed in full, when another program of the
# same Wine prefix kept a window open. Standard output is not handed on, so it
# stays CTest's pipe.
set -u
errors=$(mktemp)
wine "$@" 2>"$errors"
status=$?
cat "$errors" >&2
rm -f "$errors"
exit "$status"
