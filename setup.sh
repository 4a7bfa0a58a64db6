#!/usr/bin/env bash
# Installs what Zarvell 2 needs on Debian 12 and builds the game.
# Usage: ./setup.sh            build the game in build/
#        ./setup.sh --tests    also build the sanitizer build used by ./test.sh
set -euo pipefail
cd "$(dirname "$0")"

# Build: compiler, cmake, SDL 1.2 (on SDL2) with SDL_image, GoogleTest and Google Benchmark.
# End-to-end tests: a virtual X server, key presses and screenshots.
# Art and music generator: Debian's Python with Pillow and numpy.
# Memory checks: valgrind.
# The Debian package and its test: dpkg-shlibdeps and file (for CPack), and the
# menu entry's validator.
packages=(
  g++ cmake make pkg-config
  libsdl1.2-compat-dev libsdl-image1.2-dev libpng-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick x11-utils
  python3 python3-pil python3-numpy
  valgrind
  dpkg-dev file desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  else
    echo "These packages are missing. Install them as root, then run this script again:"
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

if [ "${1:-}" = "--tests" ]; then
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DZARVELL2_SANITIZE=ON >/dev/null
  cmake --build build-sanitize -j"$jobs"
fi
