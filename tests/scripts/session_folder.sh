#!/bin/sh
# The desktop session's folder keeps a person's rc file and examples between runs, and only
# --fresh starts it anew with the example rc file and the hotkey.
# Usage: session_folder.sh SESSION-FOLDER-SCRIPT
set -u
script=$1
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-session.XXXXXX")
trap 'rm -rf "$folder"' EXIT
printf 'trazzle.plugin.gesture0: br\n' >"$folder/example.rc"
desk="$folder/desktop"
status=0
"$script" "$desk" "$folder/example.rc" 123
mkdir -p "$desk/trazzle-examples/0"
echo "1 1" >"$desk/trazzle-examples/0/stroke-001.txt"
echo "trazzle.plugin.gesture1: tr" >>"$desk/trazzle.rc"
"$script" "$desk" "$folder/example.rc" 123
kept=$(cat "$desk/trazzle.rc" "$desk/trazzle-examples/0/stroke-001.txt" 2>&1)
expected=$(printf 'trazzle.plugin.gesture0: br\ntrazzle.plugin.hotkey:        123\ntrazzle.plugin.gesture1: tr\n1 1')
[ "$kept" = "$expected" ] || { echo "session: a second start changed the folder:"; echo "$kept"; status=1; }
"$script" "$desk" "$folder/example.rc" 123 --fresh
fresh=$(find "$desk" | sort | tr '\n' ' '; cat "$desk/trazzle.rc")
expected=$(printf '%s %s trazzle.plugin.gesture0: br\ntrazzle.plugin.hotkey:        123' "$desk" "$desk/trazzle.rc")
[ "$fresh" = "$expected" ] || { echo "session: --fresh left:"; echo "$fresh"; status=1; }
[ $status -eq 0 ] && echo "session: the desktop folder is kept, and --fresh starts anew"
exit $status
