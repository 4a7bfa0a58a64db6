#!/usr/bin/env bash
# A short run of the real game under valgrind's memcheck: the title, Enter, level one walked
# into its shellers until it restarts, then Escape. Fails on any memory error valgrind reports
# and on any block definitely lost.
# Usage: valgrind_run.sh <zarvell2 binary> <key schedule preload>, run from the folder that holds data/.
set -u
game=$(realpath "$1")
preload=$(realpath "$2")
tmp=$(mktemp -d /tmp/zarvell2-valgrind-XXXXXX)
trap 'rm -rf "$tmp"' EXIT

# No `timeout` in front: the preload would go into it too, and write its count
# of flips (none) as it ends after the game. The test's own time limit stands in.
# Under valgrind a frame takes far longer than 20 ms, so level play also opens
# nested frames. Right without c walks into the first shellers: a restart.
keys="6:return 10:- 12:right 110:escape"

status=0
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null \
  LD_PRELOAD="$preload" ZARVELL2_KEYS="$keys" ZARVELL2_KEYS_LOG="$tmp/flips" \
  valgrind --tool=memcheck --error-exitcode=99 \
    --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --num-callers=40 --log-file="$tmp/valgrind.log" "$game" >"$tmp/stdout" 2>"$tmp/stderr" || status=$?

fail() {
  echo "FAIL: $*" >&2
  echo "--- valgrind's report:" >&2
  cat "$tmp/valgrind.log" >&2
  echo "--- the game's stderr:" >&2
  cat "$tmp/stderr" >&2
  exit 1
}

[ "$status" -ne 99 ] || fail "valgrind found memory errors or definitely lost blocks"
[ "$status" -eq 1 ] || fail "exit status $status, expected 1 from Escape"
flips=$(cat "$tmp/flips" 2>/dev/null || echo 0)
[ "$flips" -ge 110 ] || fail "the game ended after $flips flips, before Escape"
grep -q "ERROR SUMMARY: 0 errors" "$tmp/valgrind.log" || fail "valgrind reported errors"
grep -Eq "definitely lost: 0 bytes|All heap blocks were freed" "$tmp/valgrind.log" || fail "blocks definitely lost"
echo "clean under memcheck after $flips flips; $(grep -E 'definitely lost|indirectly lost|possibly lost|still reachable' "$tmp/valgrind.log" | sed 's/==[0-9]*== *//' | tr -s ' ' | paste -sd';')"
