#!/bin/sh
# The desktop session's opening hint names the hotkey and the slots of the rc file it starts
# with, a kept file's own as well as the example's.
# Usage: session_hint.sh SESSION-HINT-SCRIPT
set -u
script=$1
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-hint.XXXXXX")
trap 'rm -rf "$folder"' EXIT
printf '! mine\ntrazzle.plugin.gesture0:  br\ntrazzle.plugin.command0: cmd.exe\ntrazzle.plugin.hotkey:        123\n' \
  >"$folder/a.rc"
printf '# trained\ntrazzle.plugin.gesture3: tr\ntrazzle.plugin.command3:\tC:\\Tools\\edit.exe \ntrazzle.plugin.gesture4: ld\n' \
  >"$folder/b.rc"
: >"$folder/c.rc"
got=$("$script" "$folder/a.rc"; "$script" "$folder/b.rc"; "$script" "$folder/c.rc")
expected='run: hold F12 and draw in the Wine desktop window: |br| starts cmd.exe.
run: hold Left Windows and draw in the Wine desktop window: |tr| starts edit.exe.
run: hold Left Windows and draw in the Wine desktop window; no slot has a gesture and a command yet: teach one in the trainer.'
if [ "$got" = "$expected" ]; then echo "session hint: the rc file's hotkey and slots"; exit 0; fi
echo "session hint: got"; echo "$got"; exit 1
