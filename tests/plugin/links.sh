#!/bin/sh
# Links beside the plugins, made from the shell since Wine cannot make one: trazzle.rc linked to
# a file elsewhere is written through the link, and a dangling link named stroke-001.txt beside
# trazzle-recorder.dll is skipped for stroke-002.txt, with nothing written where it points; a link
# planted under a stale temporary's name beside the rc file is not followed by the clean-up.
# Usage: links.sh VANTREL.exe TRAZZLE.dll RECORDER.dll WINE-RUN [--win64]
set -u
vantrel=$1 dll=$2 recorder=$3
shift 3
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-links.XXXXXX")
mkdir "$folder/plugins" "$folder/elsewhere"
cp "$dll" "$folder/plugins/trazzle.dll"
cp "$recorder" "$folder/plugins/trazzle-recorder.dll"
ln -s "$folder/elsewhere/planted.txt" "$folder/plugins/stroke-001.txt"
printf 'trazzle.plugin.x: 300\n' >"$folder/elsewhere/real.rc"
ln -s ../elsewhere/real.rc "$folder/plugins/trazzle.rc"
printf 'keep me\n' >"$folder/victim.txt"
ln -s "$folder/victim.txt" "$folder/elsewhere/real.rc.tmp-aaaaaaaaaaaa"
printf 'move 200 200\nkey down 91\nmove 210 210\nmove 220 220\nkey up 91\n' >"$folder/s.txt"
win() { printf 'Z:%s' "$1" | tr '/' '\\'; }

(cd "$folder" && "$@" "$vantrel" --no-launch --log log.txt --script s.txt \
  "$(win "$folder/plugins/trazzle.dll")" "$(win "$folder/plugins/trazzle-recorder.dll")" >/dev/null 2>&1)
status=0
grep -q '^status "trazzle-recorder -> stroke-002.txt, 3 points"$' "$folder/log.txt" ||
  { echo "links: the stroke was not saved as stroke-002.txt"; status=1; }
[ -e "$folder/elsewhere/planted.txt" ] && { echo "links: the planted link's target was written"; status=1; }
[ -L "$folder/plugins/stroke-001.txt" ] || { echo "links: the planted link was replaced"; status=1; }
[ -e "$folder/victim.txt" ] || { echo "links: the clean-up deleted what a planted temporary points to"; status=1; }
[ -L "$folder/plugins/trazzle.rc" ] || { echo "links: trazzle.rc is no longer a link"; status=1; }
# The tool square's start at x 300 stores its position, y included, in the file linked to.
grep -q '^trazzle.plugin.y: ' "$folder/elsewhere/real.rc" ||
  { echo "links: the rc file's target was not written"; status=1; }
[ $status -eq 0 ] || { echo "== the host's log:"; cat "$folder/log.txt"; }
rm -rf "$folder"
[ $status -eq 0 ] && echo "links: planted links skipped, the rc link written through"
exit $status
