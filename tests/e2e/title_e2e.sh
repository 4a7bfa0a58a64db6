#!/usr/bin/env bash
# End to end: the real game shows its title full screen, and Escape ends it with status 1.
# Usage: title_e2e.sh <zarvell2 binary>, run from the folder that holds data/.
source "$(dirname "$0")/lib.sh"
game=$(realpath "$1")

start_display
start_game "$game"
wait_for_picture data/art/title.png 30
quit_with_escape 1
echo "title shown; Escape ended the game with status 1"
