#!/bin/sh
# Move, Delete and Record in the trainer never go through a slot folder that is a link, never move
# another file than the one named, leave a read-only example where it is and move an example
# whole; a temporary a killed recording left is removed at the start. The links, the dotted name
# and the read-only file are made from the shell, as Wine cannot make them.
# Usage: example_moves.sh VANTREL.exe TRAZZLE.dll TRAINER.dll WINE-RUN [--win64]
set -u
vantrel=$1 dll=$2 trainer=$3
shift 3
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-trainer-moves.XXXXXX")
examples="$folder/plugins/trazzle-examples"
mkdir -p "$examples/4" "$examples/5" "$folder/elsewhere" "$folder/elsewhere6"
cp "$dll" "$folder/plugins/trazzle.dll"
cp "$trainer" "$folder/plugins/trazzle-trainer.dll"
# The trainer at (100, 60) puts its canvas at (419, 90), the strip's first thumbnail at (447, 462).
printf 'trazzle.trainer.x: 100\ntrazzle.trainer.y: 60\n' >"$folder/plugins/trazzle.rc"
v='0 0\n20 20\n40 0\n' w='0 0\n20 20\n40 0\n60 20\n80 0\n'
printf "$v" >"$folder/elsewhere/stroke-001.txt"
ln -s ../../elsewhere "$examples/3"
ln -s ../../elsewhere6 "$examples/6"
printf "$v" >"$examples/4/stroke-001.txt"
printf "$w" >"$examples/4/stroke-001.txt."
printf "$v" >"$examples/4/ro.txt"
chmod 444 "$examples/4/ro.txt"
printf "$w" >"$examples/4/keep.txt"
printf "$v" >"$examples/5/stroke-001.txt"
printf '0 0\n20' >"$examples/5/stroke.tmp-abcdefghijkl"
cat >"$folder/s.txt" <<'SCRIPT'
broadcast @trazzleTrainer Move 3/stroke-001.txt 4
broadcast @trazzleTrainer Move 4/keep.txt 6
broadcast @trazzleTrainer Move 4/stroke-001.txt. 5
broadcast @trazzleTrainer Move 4/ro.txt 5
broadcast @trazzleTrainer Move 4/KEEP.TXT 5
await status "Trainer -> moved 4/keep.txt to 5/stroke-002.txt"
broadcast @trazzleTrainer Select 3
await-text TrazzleTrainer/TrazzleExamples slot 3: 1 example
move 447 462
button down left
button up left
key down 46
key up 46
await status "Trainer -> slot 3's folder is a link; not changed"
broadcast @trazzleTrainer Select 6
broadcast @trazzleTrainer Record On
move 450 150
button down left
move 460 160
move 470 170
move 480 180
move 490 170
move 500 160
move 510 150
button up left
await status "Trainer -> recording off"
SCRIPT
win() { printf 'Z:%s' "$1" | tr '/' '\\'; }
# The last line, after the stroke, so the refusal comes before it.
sed -i 's/^await status "Trainer -> recording off"$/broadcast @trazzleTrainer Record Off\n&/' "$folder/s.txt"

(cd "$folder" && "$@" "$vantrel" --no-launch --log log.txt --script s.txt \
  "$(win "$folder/plugins/trazzle.dll")" "$(win "$folder/plugins/trazzle-trainer.dll")" >/dev/null 2>&1)
cat >"$folder/expected" <<'EXPECTED'
status "Trainer -> removed 5/stroke.tmp-abcdefghijkl, left by a recording that did not finish"
status "Trainer -> slot 3's folder is a link; not changed"
status "Trainer -> slot 6's folder is a link; not changed"
status "Trainer -> 4/stroke-001.txt. is not moved: Windows drops its trailing dot and would open %22stroke-001.txt%22"
status "Trainer -> 4/ro.txt is read-only; not moved"
status "Trainer -> moved 4/keep.txt to 5/stroke-002.txt"
status "Trainer -> 3/stroke-001.txt |br| launches nothing: it holds no slot's text"
status "Trainer -> slot 3's folder is a link; not changed"
status "Trainer -> recording examples of slot 6"
status "Trainer -> |br| nothing: it holds no slot's text"
status "Trainer -> slot 6's folder is a link; not changed"
status "Trainer -> recording off"
EXPECTED
status=0
grep '^status "Trainer' "$folder/log.txt" >"$folder/got"
diff "$folder/expected" "$folder/got" || { echo "example moves: other statuses than expected"; status=1; }
check() { [ "$1" "$2" ] || { echo "example moves: $3"; status=1; }; }
check -f "$folder/elsewhere/stroke-001.txt" "the example behind the linked slot 3 was moved or deleted"
[ -z "$(ls -A "$folder/elsewhere6")" ] || { echo "example moves: something was written into the linked slot 6"; status=1; }
[ "$(cat "$examples/4/stroke-001.txt.")" = "$(printf "$w")" ] || { echo "example moves: the dotted file changed"; status=1; }
[ "$(cat "$examples/4/stroke-001.txt")" = "$(printf "$v")" ] || { echo "example moves: the undotted file changed"; status=1; }
check -f "$examples/4/ro.txt" "the read-only example was moved"
[ ! -e "$examples/4/keep.txt" ] || { echo "example moves: the moved example is still in slot 4"; status=1; }
[ "$(cat "$examples/5/stroke-002.txt")" = "$(printf "$w")" ] || { echo "example moves: the moved example is not whole"; status=1; }
[ "$(ls "$examples/5")" = "$(printf 'stroke-001.txt\nstroke-002.txt')" ] || { echo "example moves: slot 5 holds $(ls "$examples/5")"; status=1; }
[ $status -eq 0 ] || { echo "== the host's log:"; grep -v '^Read\|^pluginInfo' "$folder/log.txt"; }
chmod -R u+w "$folder"
rm -rf "$folder"
[ $status -eq 0 ] && echo "example moves: refused through links, by name and read-only; moved whole"
exit $status
