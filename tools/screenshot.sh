#!/usr/bin/env bash
# Starts the game in a quiz folder on the X display it is given (a virtual one under
# xvfb-run), waits for its window and takes a picture of the whole screen.
#   tools/screenshot.sh GAME QUIZ-FOLDER PICTURE.png
set -euo pipefail
game=$(readlink -f "$1")
picture=$(readlink -f "$(dirname "$3")")/$(basename "$3")
cd "$2"
"$game" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
# The window is up once the screen holds more than the black background.
for _ in $(seq 50); do
    sleep 0.2
    kill -0 "$pid" 2>/dev/null || { echo "the game ended before its window showed" >&2; exit 1; }
    colours=$(import -silent -window root -format '%k' info: 2>/dev/null || echo 1)
    [[ "$colours" -gt 1 ]] && break
done
sleep 1 # the first paint of the pictures
# Only the window: the bare screen around it is black.
import -silent -window root -trim +repage "$picture"
