#!/usr/bin/env bash
# End to end: Enter on the title shows level one's card, then walking right scrolls the level.
# Usage: play_e2e.sh <zarvell2 binary>, run from the folder that holds data/.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")

start_display
start_game "$game"
wait_for_picture data/art/title.png 30
# The card shows for half a second while the level is built.
xdotool keydown Return
burst 3
xdotool keyup Return
burst_showed data/art/lvl1.png || fail "no screenshot showed level one's card"

# The card goes once the level is built; the level shows its sky at the top
# (right of the start post, which reaches up to the top edge).
deadline=$((SECONDS + 10))
while :; do
  shot "$E2E_TMP/start.png"
  d=$(difference "$E2E_TMP/start.png" data/art/lvl1.png)
  less_than 0.05 "$d" && break
  [ $SECONDS -le $deadline ] || fail "the level card never went away"
  sleep 0.2
done
sky=$(difference "$E2E_TMP/start.png" data/art/sky-right_all-1.png 400x40+240+0)
less_than "$sky" 0.05 || fail "no sky at the top of the level (difference $sky)"

# Walk and hop right with the shellers made harmless: the level must scroll
# and the player must not die (a death brings the card back).
xdotool keydown c keydown Up keydown Right
sleep 3
shot "$E2E_TMP/walked.png"
xdotool keyup Right keyup Up keyup c
moved=$(difference "$E2E_TMP/walked.png" "$E2E_TMP/start.png" 640x400+0+80)
less_than 0.05 "$moved" || fail "holding Right did not scroll the level (difference $moved)"
card=$(difference "$E2E_TMP/walked.png" data/art/lvl1.png)
less_than 0.05 "$card" || fail "the card came back: the player died walking right"

quit_with_escape 1
echo "card shown, then the level scrolled by $moved while Right was held"
