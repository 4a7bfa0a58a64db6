#!/usr/bin/env bash
# Installs the game into a temporary prefix, as `cmake --install` and the Debian package do, and
# starts the installed launcher headless from another folder: it finds every picture and the music.
# Usage: install_test.sh <build folder> <key schedule preload>, run from the source folder.
set -u
build=$(realpath "$1")
preload=$(realpath "$2")
source_data=$(realpath data)
tmp=$(mktemp -d /tmp/zarvell2-install-XXXXXX)
GAME_PID=""
cleanup() {
  [ -n "$GAME_PID" ] && kill -KILL "$GAME_PID" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for f in "$tmp"/*.log "$tmp"/elsewhere/*.err; do
    [ -f "$f" ] && { echo "--- $f:" >&2; cat "$f" >&2; }
  done
  exit 1
}

# Runs the installed launcher $1 from $tmp/elsewhere for $2 seconds with the
# keys $3 (none if empty), then ends it with SIGTERM if it still runs.
# Sets $status; the game's output goes to $tmp/elsewhere/run.out and run.err.
run_installed() {
  local launcher=$1 seconds=$2 keys=$3
  mkdir -p "$tmp/elsewhere"
  cd "$tmp/elsewhere" || fail "no folder to run from"
  if [ -n "$keys" ]; then
    LD_PRELOAD="$preload" ZARVELL2_KEYS="$keys" SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null \
      "$launcher" >run.out 2>run.err &
  else
    SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null "$launcher" >run.out 2>run.err &
  fi
  GAME_PID=$!
  local deadline=$((SECONDS + seconds))
  while kill -0 "$GAME_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 0.1; done
  kill -TERM "$GAME_PID" 2>/dev/null
  status=0
  wait "$GAME_PID" || status=$?
  GAME_PID=""
  cd - >/dev/null || true
  ! grep -Eq "Image not found|Couldn't" "$tmp/elsewhere/run.err" || fail "the installed game misses its files: $(grep -E "Image not found|Couldn't" "$tmp/elsewhere/run.err" | sort | uniq -c | head -5)"
  ! grep -Eq "Sanitizer|runtime error" "$tmp/elsewhere/run.err" || fail "the installed game reported a fault"
  [ -z "$(ls "$tmp/elsewhere" | grep -v '^run\.')" ] || fail "the game wrote into the folder it was started from: $(ls "$tmp/elsewhere")"
}

# Checks the tree under prefix $1 and runs its launcher twice.
check_installed() {
  local prefix=$1
  for f in bin/zarvell2 libexec/zarvell2/zarvell2; do
    [ -x "$prefix/$f" ] || fail "$f is not installed as a program"
  done
  for f in share/applications/zarvell2.desktop share/icons/hicolor/{64x64,128x128,256x256}/apps/zarvell2.png; do
    [ -s "$prefix/$f" ] || fail "$f is not installed"
  done
  diff <(cd "$source_data" && find . -type f | sort) <(cd "$prefix/share/zarvell2/data" && find . -type f | sort) \
    >"$tmp/data-diff.log" || fail "share/zarvell2/data differs from data/ (see data-diff.log)"
  grep -qx "Exec=zarvell2" "$prefix/share/applications/zarvell2.desktop" || fail "the menu entry does not start zarvell2"
  grep -qx "Icon=zarvell2" "$prefix/share/applications/zarvell2.desktop" || fail "the menu entry names no icon"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/zarvell2.desktop" >"$tmp/desktop.log" 2>&1 \
      || fail "the menu entry is not valid (see desktop.log)"
  fi

  # The title, from a folder without data/, until SIGTERM (the game leaves SIGTERM to the system).
  run_installed "$prefix/bin/zarvell2" 2 ""
  [ "$status" -eq 143 ] || fail "the installed game ended on its own or badly (status $status) before SIGTERM"
  # Enter: level one's card, its build and the music, then a short walk and Escape.
  run_installed "$prefix/bin/zarvell2" 60 "40:return 44:- 46:right+c 120:escape"
  [ "$status" -eq 1 ] || fail "the installed game did not end with status 1 on Escape (status $status)"
}

cmake --install "$build" --prefix "$tmp/prefix" >"$tmp/install.log" 2>&1 || fail "cmake --install failed"
check_installed "$tmp/prefix"
echo "cmake --install: every file in place; the launcher found the title, level one and the music from another folder"

# The Debian package: its dependencies, and its files unpacked into a scratch root.
if command -v cpack >/dev/null && command -v dpkg-deb >/dev/null; then
  (cd "$tmp" && cpack -B "$tmp/package" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1) || fail "cpack failed"
  deb=$(ls "$tmp"/package/zarvell2_*.deb 2>/dev/null | head -n1)
  [ -n "$deb" ] || fail "cpack made no .deb"
  depends=$(dpkg-deb -f "$deb" Depends)
  for p in libsdl1.2debian libsdl-image1.2 libc6; do
    echo "$depends" | grep -q "$p" || fail "the package does not depend on $p: $depends"
  done
  dpkg-deb -x "$deb" "$tmp/root" || fail "the package does not unpack"
  check_installed "$tmp/root/usr"
  echo "$(basename "$deb"): depends on $depends; unpacked, it runs as installed"
fi
