#!/bin/sh
# Lock files planted as links or pipes, made from the shell since Wine cannot make them: the Windows
# writer under Wine and the native one refuse each with the same reason, and create, change or
# block on nothing.
# Usage: planted_lock.sh SOURCE-DIR WINDOWS-WRITER.exe WINE-RUN [--win64]
set -u
src=$1 windows=$2
shift 2
folder=$(mktemp -d "${TMPDIR:-/tmp}/trazzle-lock.XXXXXX")
trap 'rm -rf "$folder"' EXIT
c++ -std=c++17 -O2 -I"$src" "$src/tests/rc/rc_writer.cpp" "$src/rc/rc_file.cpp" \
  "$src/rc/letter_case.cpp" "$src/rc/rc_file_replace_posix.cpp" "$src/rc/file_link_posix.cpp" -o "$folder/rc_writer" ||
  { echo "lock: cannot build the native writer"; exit 1; }
status=0
for planted in dangling looping elsewhere pipe; do
  for build in native windows; do
    case_dir="$folder/$planted-$build"
    mkdir -p "$case_dir"
    printf 'a: 1\n' >"$case_dir/a.rc"
    printf 'keep me\n' >"$case_dir/victim"
    case $planted in
      dangling) ln -s "$case_dir/missing" "$case_dir/a.rc.lock" ;;
      looping) ln -s a.rc.lock "$case_dir/a.rc.lock" ;;
      elsewhere) ln -s victim "$case_dir/a.rc.lock" ;;
      pipe) mkfifo "$case_dir/a.rc.lock" ;;
    esac
    if [ $build = native ]; then
      out=$(timeout 60 "$folder/rc_writer" "$case_dir/a.rc" k 1 2>&1)
    else
      out=$(timeout 60 "$@" "$windows" "$(printf 'Z:%s' "$case_dir/a.rc" | tr '/' '\\')" k 1 2>&1 | tr -d '\r')
    fi
    echo "$planted $build: $out" | head -1
    eval "out_$build=\$(echo \"\$out\" | head -1)"
    [ -e "$case_dir/missing" ] && { echo "lock: $planted $build created the missing file"; status=1; }
    [ "$(cat "$case_dir/victim")" = "keep me" ] || { echo "lock: $planted $build changed the file elsewhere"; status=1; }
    [ "$(cat "$case_dir/a.rc")" = "a: 1" ] || { echo "lock: $planted $build wrote the rc file"; status=1; }
  done
  want="rc_writer: k0: failed: its lock file a.rc.lock is a link"
  [ $planted = pipe ] && want="rc_writer: k0: failed: its lock file a.rc.lock is not a regular file"
  [ "$out_native" = "$want" ] || { echo "lock: $planted native said: $out_native"; status=1; }
  [ "$out_windows" = "$want" ] || { echo "lock: $planted windows said: $out_windows"; status=1; }
done
[ $status -eq 0 ] && echo "lock: planted lock files refused alike by both builds"
exit $status
