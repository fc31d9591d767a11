#!/usr/bin/env bash
# Runs one Windows test program under Wine for CTest (each test and the test
# listing). The program's output goes through files and is passed on when it
# ends, and a program that Wine itself failed to start or to end is run once
# more. Both answer faults of Wine seen here (Wine 8, glibc 2.36), not of the
# programs:
#
# - The first Wine program that needs the desktop starts Wine's desktop
#   process (explorer.exe /desktop) and hands it its own standard error; that
#   process stays until no other program has used the desktop for a second.
#   CTest waits until every writer of a test's pipe has closed it, so the test
#   that happened to start the desktop process seemed to run for as long as
#   other tests kept the desktop busy (about 110 s of each run of the whole
#   suite), and the test listing timed out after 120 s, printed in full, when
#   another program of the same Wine prefix kept a window open.
# - About one start in 5000 ends at once with status 1 and "failed to map the
#   shared user data" (the address Wine needs is already taken): the program
#   never ran. Wine says so only with its error messages on, hence err+virtual.
# - Rarely the C library's loader stops a finished program with status 127 and
#   "Inconsistency detected by ld.so: dl-fini.c": the program's own status is
#   lost.
set -u
export WINEDEBUG="${WINEDEBUG:+$WINEDEBUG,}err+virtual"
output=$(mktemp)
errors=$(mktemp)
trap 'rm -f "$output" "$errors"' EXIT

run_once() {
  wine "$@" >"$output" 2>"$errors"
}

# True when the status and the messages are those of one of Wine's faults above.
wine_failed_around_the_program() {
  { [ "$1" = 1 ] && grep -q "failed to map the shared user data" "$errors"; } ||
    { [ "$1" = 127 ] && grep -q "Inconsistency detected by ld.so: dl-fini.c" "$errors"; }
}

run_once "$@"
status=$?
if wine_failed_around_the_program "$status"; then
  fault=$(grep -m 1 -e "shared user data" -e "ld.so" "$errors")
  run_once "$@"
  status=$?
  echo "wine-test.sh: ran the program a second time after a fault of Wine: $fault" >>"$errors"
fi
cat "$output"
cat "$errors" >&2
exit "$status"
