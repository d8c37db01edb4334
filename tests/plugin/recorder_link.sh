#!/bin/sh
# trazzle-recorder.dll beside a dangling symbolic link named stroke-001.txt: the stroke goes to
# stroke-002.txt, and nothing is written where the link points.
# Usage: recorder_link.sh VANTREL.exe TRAZZLE.dll RECORDER.dll WINE-RUN [--win64]
set -u
vantrel=$1 dll=$2 recorder=$3
shift 3
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-link.XXXXXX")
mkdir "$folder/plugins" "$folder/elsewhere"
cp "$dll" "$folder/plugins/trazzle.dll"
cp "$recorder" "$folder/plugins/trazzle-recorder.dll"
ln -s "$folder/elsewhere/planted.txt" "$folder/plugins/stroke-001.txt"
printf 'move 200 200\nkey down 91\nmove 210 210\nmove 220 220\nkey up 91\n' >"$folder/s.txt"
win() { printf 'Z:%s' "$1" | tr '/' '\\'; }

(cd "$folder" && "$@" "$vantrel" --no-launch --log log.txt --script s.txt \
  "$(win "$folder/plugins/trazzle.dll")" "$(win "$folder/plugins/trazzle-recorder.dll")" >/dev/null 2>&1)
status=0
grep -q '^status "trazzle-recorder -> stroke-002.txt, 3 points"$' "$folder/log.txt" ||
  { echo "recorder_link: the stroke was not saved as stroke-002.txt"; status=1; }
[ -e "$folder/elsewhere/planted.txt" ] && { echo "recorder_link: the link's target was written"; status=1; }
[ -L "$folder/plugins/stroke-001.txt" ] || { echo "recorder_link: the link was replaced"; status=1; }
[ $status -eq 0 ] || { echo "== the host's log:"; cat "$folder/log.txt"; }
rm -rf "$folder"
[ $status -eq 0 ] && echo "recorder_link: a planted link was skipped"
exit $status
