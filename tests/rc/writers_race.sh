#!/bin/sh
# The Windows rc writer under Wine and the native one write the same file at once, as vantrel.exe
# and trazzle-check --apply do: each writes its own keys, and every line of both must be there.
# Usage: writers_race.sh SOURCE-DIR WINDOWS-WRITER.exe WINE-RUN [--win64]
set -u
src=$1 windows=$2
shift 2
count=240
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-race.XXXXXX")
trap 'rm -rf "$folder"' EXIT
# The native writer is built here from the same sources, so the test needs no native tree.
c++ -std=c++17 -O2 -I"$src" "$src/tests/rc/rc_writer.cpp" "$src/rc/rc_file.cpp" \
  "$src/rc/letter_case.cpp" "$src/rc/rc_file_replace_posix.cpp" "$src/rc/file_link_posix.cpp" -o "$folder/rc_writer" ||
  { echo "race: cannot build the native writer"; exit 1; }
printf '# both writers\r\n' >"$folder/race.rc"
rc="$folder/race.rc"
winrc=$(printf 'Z:%s' "$rc" | tr '/' '\\')
# Wine started first and warm, so both really write at the same time.
"$@" "$windows" "$winrc" warm 1 >/dev/null 2>&1
"$@" "$windows" "$winrc" win $count >"$folder/win.out" 2>&1 &
wine=$!
# The native writer starts once the Windows one has written, so the two overlap.
while ! grep -q '^win0:' "$rc" && kill -0 $wine 2>/dev/null; do :; done
"$folder/rc_writer" "$rc" native $count >"$folder/native.out" 2>&1
native_status=$?
wait $wine
wine_status=$?
cat "$folder/native.out" "$folder/win.out"
tr -d '\r' <"$rc" >"$folder/lines"
lost=0
for side in native win; do
  i=0
  while [ $i -lt $count ]; do
    grep -qx "$side$i: $i" "$folder/lines" || lost=$((lost + 1))
    i=$((i + 1))
  done
done
echo "race: $((2 * count)) writes ($count native, $count under Wine), $lost lines lost"
[ $native_status -eq 0 ] && [ $wine_status -eq 0 ] && [ $lost -eq 0 ] && echo "race: both writers took turns"
