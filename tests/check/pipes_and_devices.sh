#!/bin/sh
# trazzle-check on pipes, devices and links that lead nowhere, made from the shell since Wine cannot
# make them: each build gives the same result and its true reason, and nothing waits on a pipe.
# Usage: pipes_and_devices.sh TRAZZLE-CHECK [WINE-RUN [--win64]]; with WINE-RUN the program is the Windows build.
set -u
program=$1
shift
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-special.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
mkfifo pipe.rc
ln -s /dev/null device.rc
mkdir -p piped/0 dangling/0
printf '0 0\n20 20\n40 0\n' >piped/0/v.txt
cp piped/0/v.txt dangling/0/v.txt
mkfifo piped/0/pipe.txt
ln -s nowhere.txt dangling/0/gone.txt
status=0
# Runs trazzle-check with its arguments and compares the first line it writes to standard error,
# separators as written natively, and its exit status.
expect() {
  want_err=$1 want_status=$2
  shift 2
  err=$(timeout 60 "$@" 2>&1 >/dev/null | tr -d '\r' | tr '\\' '/' | head -1)
  got=$?
  timeout 60 "$@" >/dev/null 2>&1
  got=$?
  if [ "$err" != "$want_err" ] || [ $got -ne "$want_status" ]; then
    echo "special files: $*: said \"$err\", exit $got; expected \"$want_err\", exit $want_status"
    status=1
  fi
}
run="$* $program"
expect 'trazzle-check: error: cannot read "pipe.rc": not a regular file' 2 $run pipe.rc
expect 'trazzle-check: error: cannot read "device.rc": not a regular file' 2 $run device.rc
expect 'trazzle-check: error: cannot read "pipe.rc": not a regular file' 2 $run --learn piped --rc pipe.rc
expect 'trazzle-check: error: "piped/0/pipe.txt" is not a stroke file (not a regular file)' 2 $run --learn piped
if [ $# -eq 0 ]; then
  expect 'trazzle-check: warning: "dangling/0/gone.txt" is a link that leads to no file (No such file or directory); skipped' 1 \
    $run --learn dangling
else
  # Wine does not list a POSIX link that leads nowhere: the Windows build cannot name it.
  expect '' 0 $run --learn dangling
fi
[ $status -eq 0 ] && echo "special files: refused or skipped with their reasons"
exit $status
