#!/bin/sh
# An example that is a link, made from the shell since Wine cannot make one: Delete example in the
# trainer names it and leaves both the link and the file outside trazzle-examples it points to.
# Usage: example_links.sh VANTREL.exe TRAZZLE.dll TRAINER.dll WINE-RUN [--win64]
set -u
vantrel=$1 dll=$2 trainer=$3
shift 3
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-trainer-links.XXXXXX")
examples="$folder/plugins/trazzle-examples/0"
mkdir -p "$examples" "$folder/elsewhere"
cp "$dll" "$folder/plugins/trazzle.dll"
cp "$trainer" "$folder/plugins/trazzle-trainer.dll"
# The trainer at (100, 60) puts the strip's second thumbnail at (499, 462) on the screen.
printf 'trazzle.trainer.x: 100\ntrazzle.trainer.y: 60\n' >"$folder/plugins/trazzle.rc"
printf '0 0\n20 20\n40 0\n' >"$examples/stroke-001.txt"
printf '0 0\n20 20\n40 0\n' >"$folder/elsewhere/victim.txt"
ln -s ../../../elsewhere/victim.txt "$examples/stroke-002.txt"
cat >"$folder/s.txt" <<'SCRIPT'
broadcast @trazzleTrainer Select 0
await-text TrazzleTrainer/TrazzleExamples slot 0: 2 examples
move 499 462
button down left
button up left
key down 46
key up 46
await status "Trainer -> 0/stroke-002.txt is a link; not deleted"
SCRIPT
win() { printf 'Z:%s' "$1" | tr '/' '\\'; }

(cd "$folder" && "$@" "$vantrel" --no-launch --log log.txt --script s.txt \
  "$(win "$folder/plugins/trazzle.dll")" "$(win "$folder/plugins/trazzle-trainer.dll")" >/dev/null 2>&1)
status=0
grep -q '^script-end$' "$folder/log.txt" || { echo "example links: the link was not named"; status=1; }
[ -e "$folder/elsewhere/victim.txt" ] || { echo "example links: the file the link points to was deleted"; status=1; }
[ -L "$examples/stroke-002.txt" ] || { echo "example links: the link was removed"; status=1; }
[ -e "$examples/stroke-001.txt" ] || { echo "example links: the other example was removed"; status=1; }
[ $status -eq 0 ] || { echo "== the host's log:"; grep -v '^Read\|^pluginInfo' "$folder/log.txt"; }
rm -rf "$folder"
[ $status -eq 0 ] && echo "example links: named, and nothing deleted"
exit $status
