#!/usr/bin/env bash
# Starts the editor on FILE under a private X server and saves a picture of its window:
#   tools/screenshot.sh FILE OUT.png
# Needs a built editor (./run.sh or cmake --build build), Xvfb and ImageMagick's import.
# BRINDLE_EDITOR overrides the editor binary; BRINDLE_SCREENSHOT_DELAY the wait in seconds.
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 FILE OUT.png" >&2
  exit 1
fi
root=$(cd "$(dirname "$0")/.." && pwd)
file=$1
out=$2
editor=${BRINDLE_EDITOR:-$root/build/src/platform/qt/visual-brindle}
delay=${BRINDLE_SCREENSHOT_DELAY:-2.5}
for tool in Xvfb import; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "error: $tool is missing (Debian packages xvfb and imagemagick)" >&2
    exit 1
  fi
done
if [ ! -x "$editor" ]; then
  echo "error: $editor is not built; run ./run.sh or cmake --build build first" >&2
  exit 1
fi

# The first display number with neither a lock file nor a socket.
display=
for n in $(seq 90 199); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
    display=$n
    break
  fi
done
if [ -z "$display" ]; then
  echo "error: no free X display number" >&2
  exit 1
fi

xvfb_pid=
editor_pid=
cleanup() {
  [ -n "$editor_pid" ] && kill "$editor_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done
if [ ! -e "/tmp/.X11-unix/X$display" ]; then
  echo "error: Xvfb did not start on :$display" >&2
  exit 1
fi

DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$editor" "$file" &
editor_pid=$!
# The splash lasts at most 2 s (a file read ends it at once); the grid is painted by then.
sleep "$delay"
if ! kill -0 "$editor_pid" 2>/dev/null; then
  echo "error: the editor ended before the screenshot (could $file be read?)" >&2
  exit 1
fi

# The main window by its title; the whole screen when it cannot be found.
title="$(basename "$file") - Visual Brindle R1.5"
if ! DISPLAY=":$display" import -window "$title" "$out" 2>/dev/null; then
  DISPLAY=":$display" import -window root "$out"
fi
echo "$out"
