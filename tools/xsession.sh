#!/usr/bin/env bash
# A private X server with a window manager, for driving the editor as a person would:
#   eval "$(tools/xsession.sh start)"   # sets DISPLAY and BRINDLE_XSESSION_PIDS
#   visual-brindle & ... xdotool type 'abcDef' ... import -window root shot.png
#   tools/xsession.sh stop
# Needs the Debian packages xvfb and openbox (xdotool and imagemagick to drive and look).
set -euo pipefail
case "${1:-}" in
start)
  for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null 2>&1 || {
      echo "error: $tool is missing (Debian packages xvfb and openbox)" >&2
      exit 1
    }
  done
  display=
  for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      display=$n
      break
    fi
  done
  [ -n "$display" ] || { echo "error: no free X display number" >&2; exit 1; }
  Xvfb ":$display" -screen 0 "${BRINDLE_XSESSION_SIZE:-1280x900x24}" -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
  done
  DISPLAY=":$display" openbox >/dev/null 2>&1 &
  wm=$!
  sleep 0.5
  echo "export DISPLAY=:$display QT_QPA_PLATFORM=xcb BRINDLE_XSESSION_PIDS='$xvfb $wm'"
  ;;
stop)
  # shellcheck disable=SC2086
  kill ${BRINDLE_XSESSION_PIDS:-} 2>/dev/null || true
  ;;
*)
  echo "usage: $0 start|stop" >&2
  exit 1
  ;;
esac
