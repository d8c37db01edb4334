#!/bin/sh
# A V drawn with real X11 input: under Xvfb, xdotool holds the hotkey and moves the X pointer
# through a V inside the Wine desktop where vantrel.exe runs trazzle.dll; the host's log must
# show the launch, exactly as for injected input.
# Usage: x11_gesture.sh VANTREL.exe TRAZZLE.dll WINE-RUN [--win64]
set -u
if [ "${1:-}" != "--inside-xvfb" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" --inside-xvfb "$@"
fi
shift
vantrel=$1 dll=$2
shift 2
prefix=${TRAZZLE_WINEPREFIX:-/tmp/trazzle-wine-$(id -u)}
case " $* " in *" --win64 "*) prefix="$prefix-64" ;; esac
prefix="$prefix-x11"

folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-x11.XXXXXX")
cp "$dll" "$folder/trazzle.dll"
# F12, not the Windows key, which desktops keep for themselves.
printf 'trazzle.plugin.hotkey: 123\ntrazzle.plugin.gesture0: br\ntrazzle.plugin.command0: C:\\Tools\\v.exe\n' \
  >"$folder/trazzle.rc"
echo "wait 120000" >"$folder/s.txt"
log="$folder/log.txt"
windll=$(printf 'Z:%s' "$folder/trazzle.dll" | tr '/' '\\')

# Waits up to $2 tenths of a second for a line matching $1 in the log.
await() {
  i=0
  while [ $i -lt "$2" ]; do
    grep -q -- "$1" "$log" 2>/dev/null && return 0
    sleep 0.1
    i=$((i + 1))
  done
  return 1
}

(cd "$folder" && "$@" --desktop "$vantrel" --no-launch --log log.txt --script s.txt "$windll" >/dev/null 2>&1) &
host=$!
status=1
# A new prefix takes a while to make; later starts take a second or two.
if await 'beginPlugin .* -> 0' 1800; then
  xdotool mousemove 200 200
  sleep 0.3
  xdotool keydown F12
  for point in "210 210" "220 220" "230 230" "240 220" "250 210" "260 200"; do
    xdotool mousemove $point
    sleep 0.05
  done
  xdotool keyup F12
  if await 'VTExecute' 200; then
    expected='status "Trazzle -> |br|"
status "Trazzle Command -> v.exe"
VTExecute owner=0 operation="" command="v.exe" arguments="" directory="C:\Tools" show=1 flag=1'
    got=$(grep -E '^(status|VTExecute) ' "$log")
    if [ "$got" = "$expected" ]; then
      status=0
    else
      printf 'x11_gesture: the log shows\n%s\ninstead of\n%s\n' "$got" "$expected"
    fi
  else
    echo "x11_gesture: no launch within 20 s of the release"
  fi
else
  echo "x11_gesture: the plugin did not start within 3 minutes"
fi
WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1
wait $host
[ $status -eq 0 ] || { echo "== the host's log:"; cat "$log" 2>/dev/null; }
rm -rf "$folder"
[ $status -eq 0 ] && echo "x11_gesture: a V drawn with X11 input launched its slot"
exit $status
