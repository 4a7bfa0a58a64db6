# Shared by the end-to-end tests: a virtual X display, the real game in it, keys and screenshots.
# Usage: source it, then call start_display, start_game, and the helpers below.
set -u

E2E_TMP=$(mktemp -d /tmp/zarvell2-e2e-XXXXXX)
XVFB_PID=""
GAME_PID=""

cleanup() {
  # GAME_PID is the timeout wrapper: end the game under it first.
  [ -n "$GAME_PID" ] && { pkill -KILL -P "$GAME_PID" 2>/dev/null; kill -KILL "$GAME_PID" 2>/dev/null; }
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$E2E_TMP/stderr" ] && { echo "--- game's stderr:" >&2; cat "$E2E_TMP/stderr" >&2; }
  exit 1
}

# A 640x480x24 X server on a free display number; sets DISPLAY. The server
# keeps its screen in a file too, which screenshots copy: far quicker and
# steadier than asking the server, so a half-second level card is not missed.
start_display() {
  exec 9>"$E2E_TMP/display"
  mkdir -p "$E2E_TMP/fb"
  Xvfb -displayfd 9 -screen 0 640x480x24 -fbdir "$E2E_TMP/fb" -nolisten tcp >"$E2E_TMP/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$E2E_TMP/display" ] && break
    sleep 0.05
  done
  [ -s "$E2E_TMP/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
}

# Starts the game binary ($1) in the current folder, on the virtual display,
# with its sound captured to a file instead of a sound card.
# In a sanitizer build, leak checking is off here: the X11 and GL libraries that
# SDL loads and unloads leave a few hundred bytes behind, in modules already gone
# by the time of the report, so they cannot be told apart by name. The headless
# tests check the game's own memory; memory errors are still caught here.
start_game() {
  ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
  SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$E2E_TMP/audio.raw" \
    timeout -k 5 120 "$1" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
  GAME_PID=$!
}

# Screenshot of the whole display into $1 (a PNG).
shot() {
  cp "$E2E_TMP/fb/Xvfb_screen0" "$E2E_TMP/shot.xwd" && convert "xwd:$E2E_TMP/shot.xwd" "$1" ||
    fail "screenshot failed"
}

# Root-mean-square difference of two pictures, 0 (same) to 1; $3 crops both (e.g. 640x60+0+0).
difference() {
  local a=$1 b=$2
  if [ $# -ge 3 ]; then
    convert "$1" -crop "$3" +repage "$E2E_TMP/a.png"
    convert "$2" -crop "$3" +repage "$E2E_TMP/b.png"
    a=$E2E_TMP/a.png b=$E2E_TMP/b.png
  fi
  compare -metric RMSE "$a" "$b" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/'
}

# Copies the screen every 10 ms or so for $1 seconds, into $E2E_TMP/burst-N.xwd.
burst() {
  rm -f "$E2E_TMP"/burst-*
  local deadline=$((SECONDS + $1)) n=0
  while [ $SECONDS -lt $deadline ]; do
    n=$((n + 1))
    cp "$E2E_TMP/fb/Xvfb_screen0" "$E2E_TMP/burst-$(printf %04d $n).xwd"
    sleep 0.01
  done
}

# True when one of the burst's copies looks like picture $1 (looked at in
# order, each different copy once).
burst_showed() {
  local f sum last=""
  for f in "$E2E_TMP"/burst-*.xwd; do
    sum=$(cksum <"$f")
    [ "$sum" = "$last" ] && continue
    last=$sum
    convert "xwd:$f" "$E2E_TMP/burst.png"
    less_than "$(difference "$E2E_TMP/burst.png" "$1")" 0.02 && return 0
  done
  return 1
}

# True when $1 < $2 (decimal numbers).
less_than() {
  awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'
}

# Waits up to $2 seconds for the screen to look like picture $1 (difference below 0.02).
wait_for_picture() {
  local deadline=$((SECONDS + $2)) d=1
  while [ $SECONDS -le $deadline ]; do
    shot "$E2E_TMP/wait.png"
    d=$(difference "$E2E_TMP/wait.png" "$1")
    less_than "$d" 0.02 && return 0
    sleep 0.2
  done
  cp "$E2E_TMP/wait.png" "${TMPDIR:-/tmp}/zarvell2-e2e-last-shot.png" 2>/dev/null
  fail "the screen never showed $1 (last difference $d; last shot kept in ${TMPDIR:-/tmp}/zarvell2-e2e-last-shot.png)"
}

# Holds key $1 down for $2 seconds. The game polls key states, so a bare tap is too short.
hold_key() {
  xdotool keydown "$1"
  sleep "$2"
  xdotool keyup "$1"
}

# Holds Escape until the game ends (at most $2 seconds): the game reads Escape
# only at the end of a frame, and a level card holds its frame for up to 2 s.
# Fails unless the exit status is $1 and nothing aborted or was reported.
quit_with_escape() {
  local deadline=$((SECONDS + ${2:-15})) status=0
  xdotool keydown Escape
  while kill -0 "$GAME_PID" 2>/dev/null && pgrep -P "$GAME_PID" >/dev/null; do
    [ $SECONDS -le $deadline ] || { xdotool keyup Escape; fail "Escape did not end the game"; }
    sleep 0.1
  done
  xdotool keyup Escape
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  [ "$status" -eq "$1" ] || fail "exit status $status, expected $1"
  ! grep -Eq "Sanitizer|runtime error|Aborted|core dumped" "$E2E_TMP/stderr" || fail "the game reported a fault"
}
